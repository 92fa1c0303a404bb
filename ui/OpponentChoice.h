// Which opponent the next game is played against, kept in the settings file
// in a section of its own.
#pragma once

#include "game/Game.h"

class TProfileFile;

inline constexpr const char* OpponentSection = "Gegner";
inline constexpr const char* OpponentKey = "Gegner";

// Klassisch unless the file says "Stark".
TOpponentKind ReadOpponentChoice(const TProfileFile& ini);
void WriteOpponentChoice(TProfileFile& ini, TOpponentKind opponent);
