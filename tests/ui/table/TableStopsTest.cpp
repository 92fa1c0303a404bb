// The keyboard's stops at tables of three and four: the computers' hands are
// a row above the middle row, each named with its count; the table of two
// keeps its stops.
#include <gtest/gtest.h>

#include "tests/support/LanguageGuard.h"
#include "tests/support/TestCards.h"
#include "ui/table/TableStops.h"
#include "ui/table/TableTexts.h"

namespace {

TEST(TableStopsTest, TheComputersHandsAreARowAboveTheMiddleRow) {
    TGame game;
    PutCards(game, game.OwnCards, "Ka3 Bl7", TFrom::Nowhere);
    // A table of four, its computers holding 9, 1 and 16 cards.
    auto seat = [&game](int32_t seats) {
        game.SeatCount = seats;
        const int32_t cards[] = {9, 1, 16};
        for (int32_t s = 1; s < MostSeats; ++s) {
            game.Seats[s].Hand.Clear();
            game.Seats[s].Hand.AppendRecords(std::vector<TCard>(s < seats ? cards[s - 1] : 0, TCard{}));
        }
    };
    seat(3);
    EXPECT_EQ(TableStops(game)[1], (TTableStop{TStopKind::OpponentHand, 1}));
    seat(4);
    const TOpponentCounts three{9, 1, 16};
    EXPECT_EQ(OpponentCountsOf(game), three);
    EXPECT_EQ(TableStops(game)[2], (TTableStop{TStopKind::OpponentHand, 2}));
    EXPECT_EQ(TableStops(game)[3], (TTableStop{TStopKind::Stock}));
    const TTableStop stock{TStopKind::Stock};
    const auto hand = [](int c) { return TTableStop{TStopKind::OpponentHand, c}; };
    const struct {
        TTableStop From;
        TStopMove Move;
        TTableStop To;
    } cases[] = {{stock, TStopMove::Up, hand(0)},      {hand(0), TStopMove::Right, hand(1)},
                 {hand(2), TStopMove::Right, hand(2)}, {hand(1), TStopMove::Left, hand(0)},
                 {hand(0), TStopMove::End, hand(2)},   {hand(1), TStopMove::Down, stock},
                 {hand(7), TStopMove::Up, hand(2)},    {{TStopKind::HandCard, 1}, TStopMove::Up, stock},
                 {hand(2), TStopMove::Left, hand(1)}};
    for (const auto& c : cases) {
        EXPECT_EQ(MoveStop(game, c.From, c.Move), c.To) << c.From.Index << " " << static_cast<int>(c.Move);
    }
    EXPECT_EQ(StopName(game, hand(1)), "Computer 2, 1 Karte");
    EXPECT_EQ(StopName(game, hand(3)), "");
    // The table of two: its one computer is named, but no stop of its own row.
    seat(2);
    EXPECT_TRUE(OpponentCountsOf(game).empty());
    EXPECT_EQ(TableStops(game).front(), (TTableStop{TStopKind::ComputerHand}));
    EXPECT_EQ(MoveStop(game, stock, TStopMove::Up), stock);
    EXPECT_EQ(ValidStop(game, hand(0)), stock);
    EXPECT_EQ(StopName(game, {TStopKind::ComputerHand}), "Computer, 9 Karten");
    seat(4);
    EXPECT_EQ(OpponentHands({5}), (std::vector<TOpponentHand>{{QString(), 5}}));
    const TTableLayout layout = LayOutTable(game.TableMelds, 680, 338, 0, OpponentHands(three));
    const TRect second = layout.Opponents[1].Hand;
    EXPECT_EQ(TableTip(game, layout, second.Left, second.Bottom - 1), "Computer 2: 1 Karte");
    const TLanguage english("en");
    EXPECT_EQ(StopName(game, hand(1)), "Computer 2, 1 card");
    EXPECT_EQ(OpponentHands(three)[2].Label, "Computer 3: 16 cards");
}

}  // namespace
