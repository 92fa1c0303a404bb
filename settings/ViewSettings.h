// The settings of the menu "Ansicht": how the computer's turn is shown. They
// live in the settings file's section "[Ansicht]".
#pragma once

#include <QString>

class TProfileFile;

// How fast the computer's turn is played out; Instant shows only its end.
enum class TMoveSpeed { Instant, Fast, Normal, Slow };
inline constexpr TMoveSpeed MoveSpeeds[] = {TMoveSpeed::Instant, TMoveSpeed::Fast, TMoveSpeed::Normal,
                                            TMoveSpeed::Slow};

// How large the cards are drawn: as designed, larger by a fixed share, or as
// large as the window lets them be.
enum class TCardSize { Normal, Larger125, Larger150, Larger200, FitWindow };
inline constexpr TCardSize CardSizes[] = {TCardSize::Normal, TCardSize::Larger125, TCardSize::Larger150,
                                          TCardSize::Larger200, TCardSize::FitWindow};

struct TViewSettings {
    TMoveSpeed Speed = TMoveSpeed::Instant;
    bool MarkMoves = true;
    TCardSize CardSize = TCardSize::Normal;
    bool operator==(const TViewSettings&) const = default;
};

// The file's name of a speed: "Sofort", "Schnell", "Normal", "Langsam".
QString StoredSpeedName(TMoveSpeed speed);
// The file's name of a card size: "Normal", "125", "150", "200", "Fenster".
QString StoredCardSizeName(TCardSize size);
// The fixed scale of a card size; 0 for FitWindow, whose scale the window gives.
double FixedCardScale(TCardSize size);

// A missing section, a missing key or a value not understood gives the default.
TViewSettings ReadViewSettings(const TProfileFile& ini);
// Writes the section; everything else in the file stays.
void WriteViewSettings(TProfileFile& ini, const TViewSettings& settings);
