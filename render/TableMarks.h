// Frames laid over the finished table: what the computer just did, a hint for
// the player, the keyboard's place. The painter draws them last.
#pragma once

#include <QColor>
#include <cstdint>
#include <vector>

#include "game/Game.h"
#include "render/TableLayout.h"

enum class TMarkStyle {
    Move,   // the computer's cards of its last turn: thin, in a colour that stands out on the table
    Hint,   // the player's hint: as the draw hint, red
    Focus,  // the keyboard focus
};

enum class TMarkPlace { Stock, DiscardPile, HandCard, MeldCards, FreeTable, OpponentHand };

struct TTableMark {
    TMarkStyle Style = TMarkStyle::Move;
    TMarkPlace Place = TMarkPlace::Stock;
    int32_t Meld = -1;  // MeldCards: which meld
    int32_t First =
        0;  // HandCard: its index; MeldCards: the first card of the group; OpponentHand: the computer
    int32_t Last = 0;  // MeldCards: the last card of the group
    bool operator==(const TTableMark&) const = default;
};

// What a mark frames, in table coordinates: the visible part of its cards, or
// the place where a new meld would go. Empty when there is nothing to frame.
TRect MarkedRect(const TTableMark& mark, const TGame& game, const TTableLayout& layout);

// Every card the computer put on the table in the turn of `record` (melds laid
// out, cards laid off, natural cards swapped in for jokers) and its discard,
// as Move marks; neighbouring marked cards of a meld share one frame.
std::vector<TTableMark> MoveMarks(const TGame& game, const TTurnRecord& record);

// The colour of the computer's marks on a table of this colour: gold on dark
// tables, deep blue on light ones, whichever stands out more.
QColor MoveMarkColour(const QColor& table);
// How much two colours differ in lightness, as a contrast ratio (1 to 21).
double ContrastRatio(const QColor& a, const QColor& b);
