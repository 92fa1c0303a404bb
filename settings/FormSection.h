// A window's own section of the settings file ("[TOptionsForm]"): where the
// window was, and the values of chosen properties of its controls, as text.
// Keys of the placement may carry the screen size, "NormPos(1920x1080)", so
// that each screen size keeps its own placement.
#pragma once

#include <QString>
#include <QVariant>
#include <cstdint>
#include <optional>

class TProfileFile;

// Window show states as the file stores them.
inline constexpr int32_t ShowNormal = 1;
inline constexpr int32_t ShowMinimized = 2;
inline constexpr int32_t ShowMaximized = 3;

struct TStoredPlacement {
    bool Found = false;   // a position is stored, made at the screen's pixels per inch
    int32_t Pos[4] = {};  // left, top, right, bottom of the frame
    int32_t ShowCmd = 0;  // as stored; 0 when missing
};

// What the section says of the window on a screen of this size and pixel
// density. `frame` (left, top, right, bottom) stands in for numbers the file lacks.
TStoredPlacement ReadPlacement(const TProfileFile& ini, const QString& section, const QString& screenSuffix,
                               int32_t pixelsPerInch, const int32_t frame[4]);
// Writes the placement of a normal frame (left, top, right, bottom) under the
// plain keys and the keys of this screen size.
void WritePlacement(TProfileFile& ini, const QString& section, const QString& screenSuffix,
                    int32_t pixelsPerInch, int32_t version, int32_t showCmd, const int32_t frame[4],
                    bool visible);
// The version the section was written with; 0 when missing.
int32_t ReadFormVersion(const TProfileFile& ini, const QString& section);

// A property's stored value read as the type of `current`, which stands in for
// a missing key. Nothing when the text cannot be taken for that type (the
// property keeps its value) or the type is not one the file keeps.
std::optional<QVariant> ReadStoredValue(const TProfileFile& ini, const QString& section, const QString& key,
                                        const QVariant& current);
void WriteStoredValue(TProfileFile& ini, const QString& section, const QString& key, const QVariant& value);

// "True" and "False", as every boolean of the file is kept, read without regard to case.
QString BoolText(bool value);
std::optional<bool> ParseBoolText(const QString& text);
