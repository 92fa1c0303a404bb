// The computers' hands along the top of the table, face down. One computer
// keeps the designed row. Two or three share the top band side by side, each
// hand below the words that name it and tell its count, its cards as large as
// the band lets them be and as close together as its share of the width needs.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "game/Card.h"

class TGame;
struct TTableLayout;

// One computer's hand as the table shows it.
struct TOpponentHand {
    QString Label;      // written above the hand ("Computer 2: 9 Karten"); not for the only computer
    int32_t Cards = 0;  // face down
    bool operator==(const TOpponentHand&) const = default;
};

// The words above a hand: their height and that of their letters, in units of the layout.
inline constexpr int32_t OpponentLabelHeight = 14;
inline constexpr int32_t OpponentLabelTextSize = 11;
// Between the shares of two computers.
inline constexpr int32_t OpponentShareGap = 12;

// Where one computer's hand lies.
struct TOpponentPlace {
    TOpponentHand Seat;
    TRect Share{};  // its part of the top band, the words included
    TRect Words{};  // where its label is written; empty for the only computer
    TRect
        Hand{};  // its cards, from the first one's left edge to the last one's right edge; empty without any
    int32_t CardWidth = 0;
    int32_t CardHeight = 0;
    int32_t Step = 0;  // from one card's left edge to the next one's
    bool operator==(const TOpponentPlace&) const = default;
};

// Card i of the hand; later cards cover earlier ones.
TRect OpponentHandCardRect(const TOpponentPlace& place, int32_t index);
// The hands of these computers, computer 1 at the left, on a table of width x height.
std::vector<TOpponentPlace> LayOutOpponents(const std::vector<TOpponentHand>& hands, int32_t width,
                                            int32_t height);
// The computer whose cards lie at (x, y), or -1.
int32_t OpponentAt(const std::vector<TOpponentPlace>& places, int32_t x, int32_t y);
// The hands a painting of `layout` shows: the layout's own, or for a layout
// made without them, the one computer's of the game.
std::vector<TOpponentPlace> ShownOpponents(const TGame& game, const TTableLayout& layout);
