// The table the next game is played at: how many computers sit at it with the
// player and how each of them plays. They live in the settings file's section
// "[Tisch]"; the one computer of a table of two keeps its choice in "[Gegner]".
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/Game.h"

class TProfileFile;

// At most three computers sit at the table with the player.
inline constexpr int32_t MostOpponents = 3;

struct TTableSettings {
    int32_t Opponents = 1;  // 1..MostOpponents
    // How computer 1, 2 and 3 play at a table of three or four.
    std::array<TOpponentKind, MostOpponents> Levels{TOpponentKind::Classic, TOpponentKind::Classic,
                                                    TOpponentKind::Classic};
    bool operator==(const TTableSettings&) const = default;
};

// The computers of the next game, computer 1 first: at a table of two the one
// `oneOpponent` names (the choice of "[Gegner]"), else those of the table.
std::vector<TOpponentKind> SeatedOpponents(const TTableSettings& table, TOpponentKind oneOpponent);

// Each value stands alone: a missing or damaged one gives its default.
TTableSettings ReadTableSettings(const TProfileFile& ini);
// Writes the section; everything else in the file stays.
void WriteTableSettings(TProfileFile& ini, const TTableSettings& settings);
