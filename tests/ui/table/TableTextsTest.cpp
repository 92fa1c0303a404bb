// What the table says of its places, read without a window.
#include <gtest/gtest.h>

#include "render/TableLayout.h"
#include "tests/support/TestCards.h"
#include "ui/table/TableTexts.h"

namespace {

// The discard pile is named by the card on top, the last one thrown away.
TEST(TableTextsTest, TheDiscardPileIsNamedByItsTopCard) {
    TGame game;
    EXPECT_EQ(StopName(game, {TStopKind::DiscardPile}), "Ablagestapel, leer");
    PutCards(game, game.DiscardPile, "Ka3 Bl7 HeD", TFrom::Nowhere);
    EXPECT_EQ(StopName(game, {TStopKind::DiscardPile}), "Ablagestapel, oben Herz Dame");
    EXPECT_EQ(DiscardPileTip(game.DiscardPile.Count()), "Ablagestapel: 3 Karten");
    EXPECT_EQ(CardCount(1), "1 Karte");
}

// Tooltips come from the places as a painting laid them out: over every part of
// the computer's hand and of a joker that shows, and nowhere a meld is hidden.
TEST(TableTextsTest, TooltipsCoverWhatShowsOfEachPlace) {
    TGame game;
    PutCards(game, game.OpponentCards, "Ka3 Bl7 HeD", TFrom::Nowhere);
    PutMeld(game, "*Ka5 Ka4 Ka3", TFrom::Nowhere);
    PutMeld(game, "Kr9 Bl9 *He9", TFrom::Nowhere);
    TTableLayout layout = LayOutTable(game.TableMelds, 680, 338, 0);
    const TRect last = OpponentCardRect(2);
    EXPECT_EQ(TableTip(game, layout, last.Right - 1, last.Bottom - 1), "Computer: 3 Karten");
    EXPECT_EQ(TableTip(game, layout, last.Right, last.Bottom - 1), "");
    const TRect first = layout.Meld(0);
    const TRect second = layout.Meld(1);
    EXPECT_EQ(TableTip(game, layout, first.Left + 1, first.Top + 50), "Joker für Karo 5");
    EXPECT_EQ(TableTip(game, layout, second.Right - 1, second.Top + 50), "Joker für Herz 9");
    EXPECT_EQ(TableTip(game, layout, first.Right - 1, first.Top + 50), "");
    // Scrolled to the left, the first meld's joker lies between the piles and the row.
    layout = LayOutTable(game.TableMelds, 680, 338, 30);
    const TRect hidden = layout.Meld(0);
    ASSERT_LT(hidden.Left, MeldRowClip(680, 338).Left);
    ASSERT_GT(hidden.Left, layout.DiscardRect.Right);
    EXPECT_EQ(TableTip(game, layout, hidden.Left + 1, hidden.Top + 50), "");
}

}  // namespace
