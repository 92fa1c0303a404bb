// The settings of the menu "Ansicht": how the computer's turn is shown. They
// live in the settings file's section "[Ansicht]".
#pragma once

#include <QString>

class TProfileFile;

// How fast the computer's turn is played out; Instant shows only its end.
enum class TMoveSpeed { Instant, Fast, Normal, Slow };
inline constexpr TMoveSpeed MoveSpeeds[] = {TMoveSpeed::Instant, TMoveSpeed::Fast, TMoveSpeed::Normal,
                                            TMoveSpeed::Slow};

struct TViewSettings {
    TMoveSpeed Speed = TMoveSpeed::Instant;
    bool MarkMoves = true;
    bool operator==(const TViewSettings&) const = default;
};

// The file's name of a speed: "Sofort", "Schnell", "Normal", "Langsam".
QString StoredSpeedName(TMoveSpeed speed);

// A missing section, a missing key or a value not understood gives the default.
TViewSettings ReadViewSettings(const TProfileFile& ini);
// Writes the section; everything else in the file stays.
void WriteViewSettings(TProfileFile& ini, const TViewSettings& settings);
