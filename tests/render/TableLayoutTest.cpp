#include <gtest/gtest.h>

#include <cmath>

#include "render/TableLayout.h"

namespace {

TEST(TableLayoutTest, RowsAtTheDesignSizeAndOtherHeights) {
    struct Case {
        int32_t Height;
        int32_t R;
    };
    // (BH - 340) div 2 truncates towards zero: -1 at 338 and 339, -70 at 200.
    const Case cases[] = {{338, 115}, {339, 116}, {337, 115}, {340, 116}, {341, 116},
                          {342, 117}, {500, 196}, {200, 46},  {0, -54}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Height);
        EXPECT_EQ(MiddleRowTop(c.Height), c.R);
        EXPECT_EQ(StockPileRect(c.Height), (TRect{4, c.R, 76, c.R + 108}));
        EXPECT_EQ(DiscardPileRect(c.Height), (TRect{80, c.R, 152, c.R + 108}));
        EXPECT_EQ(MeldRowClip(680, c.Height), (TRect{192, c.R, 680, c.R + 108}));
        EXPECT_EQ(HandCardRect(0, c.Height), (TRect{4, c.Height - 113, 72, c.Height - 5}));
    }
}

TEST(TableLayoutTest, HandAndOpponentCardsOverlapFortyPixelsApart) {
    EXPECT_EQ(HandSlot, 40);
    EXPECT_EQ(OpponentCardRect(0), (TRect{4, 4, 72, 112}));
    EXPECT_EQ(OpponentCardRect(11), (TRect{444, 4, 512, 112}));
    EXPECT_EQ(HandCardRect(1, 338), (TRect{44, 225, 112, 333}));
    EXPECT_EQ(HandCardRect(15, 338), (TRect{604, 225, 672, 333}));
    // x = 50 lies on both card 0 and card 1; the handlers take the upper one.
    EXPECT_TRUE(HandCardRect(0, 338).Contains(50, 300));
    EXPECT_TRUE(HandCardRect(1, 338).Contains(50, 300));
    EXPECT_FALSE(HandCardRect(1, 338).Contains(43, 300));
    EXPECT_FALSE(HandCardRect(0, 338).Contains(72, 300));

    TCard card{};
    card.DragDX = -30;
    card.DragDY = -5;
    EXPECT_EQ(DraggedCardRect(card, 100, 200), (TRect{70, 195, 142, 303}));
}

TEST(TableLayoutTest, TableAreaIsTheBandBetweenTheHandsRightOfThePiles) {
    struct Case {
        int32_t X, Y, Height;
        bool In;
    };
    const Case cases[] = {
        {157, 117, 338, true},  {156, 117, 338, false}, {157, 116, 338, false},
        {400, 220, 338, true},  {400, 221, 338, false},  // 221 = 338 - 117
        {400, 382, 500, true},  {400, 383, 500, false}, {2000, 200, 500, true},
        {400, 117, 234, false},  // rows meet: no table left
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.X << "," << c.Y << " in " << c.Height);
        EXPECT_EQ(InTableArea(c.X, c.Y, c.Height), c.In);
    }
}

TEST(TableLayoutTest, MeldsLieSideBySideShiftedByTheScrollBar) {
    TCursor<TMeld> cursor;
    TCursor<TCard> cardCursor;
    TMeldArray melds(&cursor);
    EXPECT_EQ(LayOutMelds(melds, 338, 0), 192) << "no melds: the row ends where it starts";
    TCardArray three(&cardCursor);
    TCardArray four(&cardCursor);
    for (int i = 0; i < 3; ++i) {
        three.Append();
    }
    for (int i = 0; i < 4; ++i) {
        four.Append();
    }
    melds.Append()->Cards = &three;
    melds.Append()->Cards = &four;

    EXPECT_EQ(LayOutMelds(melds, 338, 0), 464);
    EXPECT_EQ(melds.At(0).Bounds, (TRect{192, 115, 312, 223}));  // right edge of its last card
    EXPECT_EQ(melds.At(1).Bounds, (TRect{316, 115, 460, 223}));
    EXPECT_EQ(MeldCardRect(melds.At(1).Bounds, 3), (TRect{388, 115, 460, 223}));

    EXPECT_EQ(LayOutMelds(melds, 338, 100), 364);
    EXPECT_EQ(melds.At(0).Bounds, (TRect{92, 115, 212, 223}));
    EXPECT_EQ(melds.At(1).Bounds, (TRect{216, 115, 360, 223}));

    // Overflow: unscrolled right edge + 8 - width, whatever the position.
    EXPECT_EQ(MeldRowOverflow(464, 400, 0), 68);
    EXPECT_EQ(MeldRowOverflow(364, 400, 100), 68);
    EXPECT_EQ(MeldRowOverflow(464, 468, 0), 0);
    EXPECT_EQ(MeldRowOverflow(464, 680, 0), -212);
}

TEST(TableLayoutTest, ScrollBarSitsAboveTheHandFromTheDiscardPileToTheRightEdge) {
    EXPECT_EQ(ScrollBarRect(680, 338, 17), (TRect{80, 205, 680, 222}));
    EXPECT_EQ(ScrollBarRect(1000, 600, 20), (TRect{80, 464, 1000, 484}));
}

TEST(TableLayoutTest, HintFramesStraddleThePileEdges) {
    EXPECT_EQ(HintFrameArea(StockPileRect(338)), (TRect{2, 113, 78, 225}));
    EXPECT_EQ(HintArea(338), (TRect{2, 113, 154, 225}));
}

// A paint box fitted holds the table as the designed box holds it, with room
// for the meld row's scroll bar: the scale of its tighter side, never below
// the designed size and at most as fine as the finest artwork.
TEST(TableLayoutTest, TheFittedScaleFollowsTheTighterSide) {
    EXPECT_EQ(FittedTableScale(680, 338, 15, 8), 1);
    EXPECT_EQ(FittedTableScale(1360, 760, 15, 8), 2);
    EXPECT_EQ(FittedTableScale(2000, 2 * 349 + 30, 15, 8), 2);
    EXPECT_EQ(FittedTableScale(2000, 2 * 349, 0, 8), 2);
    EXPECT_EQ(FittedTableScale(1020, 2000, 15, 8), 1.5);
    EXPECT_EQ(FittedTableScale(500, 300, 15, 8), 1);
    EXPECT_DOUBLE_EQ(FittedTableScale(3840, 2160, 15, 8), 3840.0 / 680);
    EXPECT_EQ(FittedTableScale(8000, 4000, 15, 8), 8);
    EXPECT_EQ(FittedTableScale(8000, 4000, 15, 4), 4);
    EXPECT_EQ(FittedTableScale(8000, 4000, 15, 0.5), 1);
}

// Fitted, the rows stay apart and the scroll bar lies between the meld row
// and the hand, touching neither, as the window places it in its pixels.
TEST(TableLayoutTest, FittedRowsStayApartWithTheScrollBarBetweenThem) {
    for (int32_t height = 420; height <= 2200; height += 7) {
        for (const int32_t bar : {12, 15, 24}) {
            const double s = FittedTableScale(10000, height, bar, 8);
            if (s <= 1) {
                continue;
            }
            SCOPED_TRACE(testing::Message() << height << " " << bar);
            const auto units = static_cast<int32_t>(std::floor(height / s));
            const int32_t r = MiddleRowTop(units);
            const int melds = static_cast<int>(std::ceil((r + CardBitmapHeight) * s));
            const int barBottom = static_cast<int>(std::floor(ScrollBarRect(680, units, 0).Top * s));
            const int hand = static_cast<int>(std::floor(HandCardRect(0, units).Top * s));
            const int opponents = static_cast<int>(std::ceil(OpponentCardRect(0).Bottom * s));
            EXPECT_GE(barBottom - bar - melds, FittedRowGap * s - 1);
            EXPECT_GE(hand - barBottom, 3 * s - 1);
            EXPECT_GE(std::floor(r * s) - opponents, FittedRowGap * s - 1);
        }
    }
}

}  // namespace
