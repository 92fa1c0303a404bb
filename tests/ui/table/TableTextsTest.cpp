// What the table says of its places, read without a window.
#include <gtest/gtest.h>

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

}  // namespace
