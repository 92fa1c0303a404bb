#include "render/TableLayout.h"

#include <algorithm>

namespace {

constexpr int32_t CW = CardBitmapWidth;
constexpr int32_t CH = CardBitmapHeight;

}  // namespace

TTableLayout LayOutTable(const TMeldArray& melds, int32_t width, int32_t height, int32_t scrollPosition,
                         const std::vector<TOpponentHand>& opponents) {
    TTableLayout layout;
    layout.Width = width;
    layout.Height = height;
    layout.ScrollPosition = scrollPosition;
    layout.StockRect = StockPileRect(height);
    layout.DiscardRect = DiscardPileRect(height);
    layout.MeldRowEnd = LayOutMelds(melds, height, scrollPosition, layout.MeldBounds);
    layout.Overflow = MeldRowOverflow(layout.MeldRowEnd, width, scrollPosition);
    layout.Opponents = LayOutOpponents(opponents, width, height);
    return layout;
}

int32_t MiddleRowTop(int32_t paintBoxHeight) {
    // Integer division truncates towards zero, also for boxes lower than three rows.
    return (paintBoxHeight - 3 * CH - 16) / 2 + CH + 8;
}

TRect OpponentCardRect(int32_t index) {
    return {index * HandSlot + 4, 4, index * HandSlot + CW, CH + 4};
}

TRect HandCardRect(int32_t index, int32_t paintBoxHeight) {
    return {index * HandSlot + 4, paintBoxHeight - 5 - CH, index * HandSlot + CW, paintBoxHeight - 5};
}

int32_t TTableLayout::MeldAt(int32_t x, int32_t y) const {
    for (size_t m = 0; m < MeldBounds.size(); ++m) {
        if (MeldBounds[m].Contains(x, y)) {
            return static_cast<int32_t>(m);
        }
    }
    return -1;
}

TRect DraggedCardRect(const TDragOffset& offset, int32_t mouseX, int32_t mouseY) {
    const int32_t left = mouseX + offset.DX;
    const int32_t top = mouseY + offset.DY;
    return {left, top, left + CW, top + CH};
}

TRect StockPileRect(int32_t paintBoxHeight) {
    const int32_t r = MiddleRowTop(paintBoxHeight);
    return {4, r, CW + 4, r + CH};
}

TRect DiscardPileRect(int32_t paintBoxHeight) {
    const int32_t r = MiddleRowTop(paintBoxHeight);
    return {CW + 8, r, 2 * CW + 8, r + CH};
}

TRect MeldRowClip(int32_t paintBoxWidth, int32_t paintBoxHeight) {
    const int32_t r = MiddleRowTop(paintBoxHeight);
    return {2 * CW + 48, r, paintBoxWidth, r + CH};
}

int32_t MeldRowStart(int32_t scrollPosition) {
    return 2 * CW + 48 - scrollPosition;
}

int32_t LayOutMelds(const TMeldArray& melds, int32_t paintBoxHeight, int32_t scrollPosition,
                    std::vector<TRect>& bounds) {
    const int32_t r = MiddleRowTop(paintBoxHeight);
    int32_t x = MeldRowStart(scrollPosition);
    bounds.clear();
    for (int i = 0; i < melds.Count(); ++i) {
        const TMeld& meld = melds.At(i);
        const int32_t cards = meld.Cards != nullptr ? meld.Cards->Count() : 0;
        TRect& place = bounds.emplace_back();
        place.Left = x;
        place.Top = r;
        place.Bottom = r + CH;
        x += cards * MeldCardStep;
        place.Right = x + (2 * CW) / 3;
        x += (2 * CW) / 3 + 4;
    }
    return x;
}

TRect MeldCardRect(const TRect& bounds, int32_t index) {
    const int32_t left = bounds.Left + index * MeldCardStep;
    return {left, bounds.Top, left + CW, bounds.Top + CH};
}

int32_t MeldRowOverflow(int32_t rowEnd, int32_t paintBoxWidth, int32_t scrollPosition) {
    return rowEnd - paintBoxWidth + 4 + scrollPosition;
}

TRect ScrollBarRect(int32_t paintBoxWidth, int32_t paintBoxHeight, int32_t barHeight) {
    const int32_t top = paintBoxHeight - 8 - CH - barHeight;
    return {CW + 8, top, paintBoxWidth, top + barHeight};
}

bool InTableArea(int32_t x, int32_t y, int32_t paintBoxHeight) {
    return CH + 8 < y && y < paintBoxHeight - CH - 9 && x > 2 * CW + 12;
}

TRect HintFrameArea(const TRect& pile) {
    constexpr int32_t half = HintFrameWidth / 2;
    return {pile.Left - half, pile.Top - half, pile.Right + half, pile.Bottom + half};
}

std::array<TRect, 4> HintFrameBands(const TRect& pile) {
    return FrameBands(pile, -HintFrameWidth / 2, HintFrameWidth / 2);
}

std::array<TRect, 4> FrameBands(const TRect& r, int32_t inner, int32_t outer) {
    const TRect o{r.Left - outer, r.Top - outer, r.Right + outer, r.Bottom + outer};
    const int32_t w = outer - inner;
    return {TRect{o.Left, o.Top, o.Right, o.Top + w}, TRect{o.Left, o.Bottom - w, o.Right, o.Bottom},
            TRect{o.Left, o.Top + w, o.Left + w, o.Bottom - w},
            TRect{o.Right - w, o.Top + w, o.Right, o.Bottom - w}};
}

TRect HintArea(int32_t paintBoxHeight) {
    const TRect stock = HintFrameArea(StockPileRect(paintBoxHeight));
    const TRect discard = HintFrameArea(DiscardPileRect(paintBoxHeight));
    return {stock.Left, stock.Top, discard.Right, discard.Bottom};
}

double FittedTableScale(int32_t width, int32_t height, int32_t barHeight, double mostScale) {
    // The middle row lies centred, so the gap between it and the hand row is
    // at least half of what the table has above its least height. It holds
    // the bar, 3 units above the hand row and FittedRowGap below the melds,
    // and what rounding to whole units and pixels takes away.
    constexpr int32_t rowsApart = MinimumTableHeight + 2 * (3 + FittedRowGap) + 3;
    const double fits = std::min(static_cast<double>(width) / DesignTableWidth,
                                 static_cast<double>(height - 2 * barHeight) / rowsApart);
    return std::clamp(fits, 1.0, std::max(1.0, mostScale));
}
