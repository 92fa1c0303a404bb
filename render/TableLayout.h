// Where everything lies on the table, in logical pixels of the paint box.
// The painting and the mouse handlers share these, so a card is hit where it is drawn.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "game/Card.h"
#include "render/ArtworkFiles.h"
#include "render/OpponentHands.h"

// Every card picture, face or back.
inline constexpr int32_t CardBitmapWidth = 72;
inline constexpr int32_t CardBitmapHeight = 108;
// Hand cards start this far apart; later cards cover earlier ones.
inline constexpr int32_t HandSlot = CardBitmapWidth / 2 + 4;
// Meld cards start this far apart.
inline constexpr int32_t MeldCardStep = CardBitmapWidth / 3;
// Width of the red frame of the draw hint.
inline constexpr int32_t HintFrameWidth = 4;

// The table as designed, and the least it needs: lower, the hand row would
// cover the middle row; narrower, the piles and the start of the meld row
// would no longer fit. In units of the layout.
inline constexpr int32_t DesignTableWidth = 680;
inline constexpr int32_t DesignTableHeight = 338;
inline constexpr int32_t MinimumTableWidth = 400;
inline constexpr int32_t MinimumTableHeight = 334;
// Cards fitted to the window are drawn no finer than the finest artwork.
inline constexpr double MostDeviceScale = ArtworkScales.back();
// Cards fitted to the window keep their rows at least this far apart, and the
// meld row's scroll bar between the two lower rows, clear of both.
inline constexpr int32_t FittedRowGap = 3;

// The scale at which a paint box of width x height logical pixels holds the
// table as it holds the designed one, its rows apart and a scroll bar of
// barHeight logical pixels between the lower two: never below 1, at most
// mostScale.
double FittedTableScale(int32_t width, int32_t height, int32_t barHeight, double mostScale);

// Where one painting puts everything: the fields the mouse handlers hit-test,
// every meld's place and the reach of the meld row.
struct TTableLayout {
    int32_t Width = 0;  // paint box, logical pixels
    int32_t Height = 0;
    int32_t ScrollPosition = 0;  // the meld row is shifted left by this
    int32_t CardWidth = CardBitmapWidth;
    int32_t CardHeight = CardBitmapHeight;
    TRect StockRect{};
    TRect DiscardRect{};
    std::vector<TRect> MeldBounds;  // by meld, in the order of the table
    int32_t MeldRowEnd = 0;         // x after the last meld and its gap
    int32_t Overflow = 0;           // how far the melds reach past the right edge; 0 or less: they fit
    // The computers' hands, computer 1 first; none: the one computer's hand of the game.
    std::vector<TOpponentPlace> Opponents;

    // Where meld m lies; empty for a meld not laid out.
    TRect Meld(int32_t m) const {
        return m >= 0 && static_cast<size_t>(m) < MeldBounds.size() ? MeldBounds[m] : TRect{};
    }
    // The meld at (x, y), or -1.
    int32_t MeldAt(int32_t x, int32_t y) const;
};

// Lays out a paint box of width x height with the meld row scrolled by
// scrollPosition, and the hands of the computers when given.
TTableLayout LayOutTable(const TMeldArray& melds, int32_t width, int32_t height, int32_t scrollPosition,
                         const std::vector<TOpponentHand>& opponents = {});

// Top of the middle row (stock, discard pile, melds), R.
int32_t MiddleRowTop(int32_t paintBoxHeight);

// The computer's card i, face down along the top: 68 x 108.
TRect OpponentCardRect(int32_t index);
// The player's card i along the bottom: 68 x 108, 5 pixels above the bottom edge.
TRect HandCardRect(int32_t index, int32_t paintBoxHeight);
// Where the mouse held a hand card: the card's left and top minus the mouse's.
struct TDragOffset {
    int32_t DX = 0;
    int32_t DY = 0;
};
// A selected hand card while it is dragged: full size, keeping its offset to the mouse.
TRect DraggedCardRect(const TDragOffset& offset, int32_t mouseX, int32_t mouseY);

TRect StockPileRect(int32_t paintBoxHeight);
TRect DiscardPileRect(int32_t paintBoxHeight);

// The part of the middle row the melds are drawn in, right of the piles.
TRect MeldRowClip(int32_t paintBoxWidth, int32_t paintBoxHeight);
// Left edge of the first meld, shifted by the scroll bar.
int32_t MeldRowStart(int32_t scrollPosition);
// Every meld's place, melds side by side from MeldRowStart, 4 pixels apart.
// Returns the x after the last meld and its gap (MeldRowStart when there is none).
int32_t LayOutMelds(const TMeldArray& melds, int32_t paintBoxHeight, int32_t scrollPosition,
                    std::vector<TRect>& bounds);
// Card j of a meld laid out at `bounds`.
TRect MeldCardRect(const TRect& bounds, int32_t index);
// How far the melds reach past the right edge (0 or less: they fit).
int32_t MeldRowOverflow(int32_t rowEnd, int32_t paintBoxWidth, int32_t scrollPosition);
// The scroll bar of the meld row, just above the hand row.
TRect ScrollBarRect(int32_t paintBoxWidth, int32_t paintBoxHeight, int32_t barHeight);

// A drop point on free table: between the two hand rows, right of the piles.
bool InTableArea(int32_t x, int32_t y, int32_t paintBoxHeight);

// The pixels a draw-hint frame around `pile` covers (the frame straddles its edge).
TRect HintFrameArea(const TRect& pile);
// The frame itself: top, bottom, left and right band.
std::array<TRect, 4> HintFrameBands(const TRect& pile);
// A frame around `r` from `inner` to `outer` pixels outside its edge (negative:
// inside): top, bottom, left and right band.
std::array<TRect, 4> FrameBands(const TRect& r, int32_t inner, int32_t outer);
// Both piles with their frames.
TRect HintArea(int32_t paintBoxHeight);
