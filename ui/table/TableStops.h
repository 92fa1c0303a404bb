// The places of the table a keyboard can stop at, and a screen reader names:
// the middle row (stock, discard pile, each meld, a free place for a new meld)
// and the hand. The computer's hand of a table of two is named but is no stop;
// at a table of three or four the computers' hands are a row of stops of
// their own above the middle row.
#pragma once

#include <cstdint>
#include <vector>

#include "game/Game.h"

enum class TStopKind { ComputerHand, Stock, DiscardPile, Meld, FreeTable, HandCard, OpponentHand };

struct TTableStop {
    TStopKind Kind = TStopKind::Stock;
    int Index = 0;  // a meld's or a hand card's place; OpponentHand: the computer, from 0
    bool operator==(const TTableStop&) const = default;
};

enum class TStopMove { Left, Right, Up, Down, Home, End };

// The cards of each computer, computer 1 first. None: the table of two, its
// computer's hand the game's; one: the table of two as well.
using TOpponentCounts = std::vector<int32_t>;
// The computers' hands of a table of three or four; none at a table of two.
TOpponentCounts OpponentCountsOf(const TGame& game);

// Every place in the order a screen reader lists them: the computers' hands, the
// middle row from left to right, the hand from left to right.
std::vector<TTableStop> TableStops(const TGame& game);
// Whether the place is there in this game (a meld or a hand card may have gone).
bool StopExists(const TGame& game, const TTableStop& stop);
// The nearest place that is there: the same, the last of its row, or the stock.
TTableStop ValidStop(const TGame& game, const TTableStop& stop);
// Where a key moves the keyboard: along a row, to its ends, between the rows.
TTableStop MoveStop(const TGame& game, const TTableStop& from, TStopMove move);

struct TTableMark;
// The frame of the keyboard focus on a place (every card of a meld).
TTableMark FocusMark(const TGame& game, const TTableStop& stop);
