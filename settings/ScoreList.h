// The list a table keeps over an evening: a row of minus points per game, the
// totals, and its end once a seat passes the limit or the games are played.
// Seat 0 is the player, the computers follow in turn order; a list has 2 to 4.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/Scoring.h"
#include "settings/ListSettings.h"

inline constexpr int32_t MinListSeats = 2;
inline constexpr int32_t MaxListSeats = 4;
// A list this long ends as if its games were played: its file stays small.
inline constexpr int32_t MaxListGames = 10000;
// More than any hand can cost: every card of the game a joker of the high value, doubled.
inline constexpr int32_t MaxRowPoints = 2 * HighJokerPoints * 110;

struct TListRow {
    int32_t Winner = 0;  // the seat that went out
    bool HandRomme = false;
    std::vector<int32_t> Points;  // by seat; the winner's 0

    bool operator==(const TListRow&) const = default;
};

// A game's row: the hands counted with a joker at `jokerPoints`.
TListRow RowOf(const TFinishedGame& game, int32_t jokerPoints);

// A list is played, then ends by its limit or is given up for a new one.
enum class TListState { Open, Ended, GivenUp };

struct TScoreList {
    QString Id;  // 32 hexadecimal digits, drawn at random when the list begins
    int32_t Seats = MinListSeats;
    std::vector<TListRow> Rows;
    TListState State = TListState::Open;

    // A new list without a game, with an id of its own.
    static TScoreList Begin(int32_t seats);

    std::vector<int32_t> Totals() const;
    // Over under `limit`: a seat has more minus points than it allows, or its
    // number of games is played.
    bool Over(TListLimit limit) const;
    // The seats with the fewest minus points: the winners of a list that is over.
    std::vector<int32_t> Leaders() const;

    bool operator==(const TScoreList&) const = default;
};

// What the list's file keeps: the list in play and the one that ended before it.
struct TScoreLists {
    TScoreList Current = TScoreList::Begin(MinListSeats);
    std::optional<TScoreList> Finished;

    bool operator==(const TScoreLists&) const = default;
};

// Adds a game's row to the list in play. A game at a table of another size
// gives the old list up first. When the row ends the list, it becomes the
// last list and a new one begins; the ended list is returned.
std::optional<TScoreList> AddGame(TScoreLists& lists, const TListRow& row, TListLimit limit);
// "Neue Liste": the list in play is given up and becomes the last one, unless
// it has no game. True when a list with games was given up.
bool GiveUpList(TScoreLists& lists);
