// The settings of the menu "Ansicht": how the computer's turn is shown. They
// live in the settings file's section "[Ansicht]".
#pragma once

#include <QString>

class TProfileFile;

enum class TMoveSpeed { Sofort, Schnell, Normal, Langsam };

struct TViewSettings {
    TMoveSpeed Speed = TMoveSpeed::Sofort;
    bool MarkMoves = true;
    bool operator==(const TViewSettings&) const = default;
};

// How long each step of the computer's turn is shown; 0: the end at once.
int StepMilliseconds(TMoveSpeed speed);
// The menu's and the file's name of a speed.
QString SpeedName(TMoveSpeed speed);

// A missing section, a missing key or a value not understood gives the default.
TViewSettings ReadViewSettings(const TProfileFile& ini);
// Writes the section; everything else in the file stays.
void WriteViewSettings(TProfileFile& ini, const TViewSettings& settings);
