// Which opponent the next game is played against, kept in the settings file
// in a section of its own.
#pragma once

#include <QString>

#include "game/Game.h"

class TProfileFile;

inline constexpr const char* OpponentSection = "Gegner";
inline constexpr const char* OpponentKey = "Gegner";

// "Klassisch", "Stark": the opponent's name in the file, as the value of the
// choice and in the keys of the statistics.
QString StoredOpponentName(TOpponentKind opponent);
// Strong for "Stark" in any case, classic for every other text.
TOpponentKind OpponentNamed(const QString& name);

// Classic unless the file says "Stark".
TOpponentKind ReadOpponentChoice(const TProfileFile& ini);
void WriteOpponentChoice(TProfileFile& ini, TOpponentKind opponent);
