#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/Game.h"
#include "tests/support/EventLog.h"

namespace {

class PileUpkeepTest : public ::testing::Test {
  protected:
    void Add(TCardArray& into, const std::string& cards) { PutCards(game, into, cards, TFrom::Nowhere); }

    TEventLog screen;
    TGame game{&screen, 11};
};

TEST_F(PileUpkeepTest, ShuffleOfTwoCardsKeepsTheirOrderAndOfFewerReturns) {
    Add(game.Stock, "Ka5 He9");
    game.Mischeln();  // 58000 swaps of the same two cards
    EXPECT_EQ(ShowHand(game.Stock), "Ka5 He9");
    game.ClearTCard(game.Stock);
    game.Mischeln();
    Add(game.Stock, "Ka5");
    game.Mischeln();
    EXPECT_EQ(game.Stock.Count(), 1);
}

TEST_F(PileUpkeepTest, ShuffleDependsOnTheSeedOnly) {
    TEventLog otherScreen;
    TGame other{&otherScreen, 11};
    for (int r = 2; r <= 14; ++r) {
        AddLooseCard(game.Stock, Herz, r);
        AddLooseCard(other.Stock, Herz, r);
    }
    game.Mischeln();
    other.Mischeln();
    EXPECT_EQ(ShowHand(game.Stock), ShowHand(other.Stock));
    other.Rng.Seed(12);
    other.Mischeln();
    EXPECT_NE(ShowHand(game.Stock), ShowHand(other.Stock));
}

TEST_F(PileUpkeepTest, RefillKeepsTheTenNewestDiscards) {
    Add(game.Stock, "Kr2 Kr3 Kr4");
    for (int r = 2; r <= 11; ++r) {
        AddLooseCard(game.DiscardPile, Herz, r);
    }
    game.StapelAuffrischen();  // ten: nothing happens, no shuffle
    EXPECT_EQ(game.DiscardPile.Count(), 10);
    EXPECT_EQ(ShowHand(game.Stock), "Kr2 Kr3 Kr4");

    AddLooseCard(game.DiscardPile, Herz, 12);
    AddLooseCard(game.DiscardPile, Herz, 13);
    game.StapelAuffrischen();
    ASSERT_EQ(game.DiscardPile.Count(), 10);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(game.DiscardPile.At(i).Rank, 4 + i);  // the top ten in order
    }
    ASSERT_EQ(game.Stock.Count(), 5);
    int returned = 0;
    for (int i = 0; i < game.Stock.Count(); ++i) {
        const TCard& card = game.Stock.At(i);
        returned += card.Suit == Herz && (card.Rank == 2 || card.Rank == 3);
    }
    EXPECT_EQ(returned, 2);
}

TEST_F(PileUpkeepTest, EmptyStockRefillsFromAllButTheTopDiscard) {
    Add(game.DiscardPile, "Ka2 Ka3 Ka4");
    EXPECT_TRUE(game.RefillEmptyStock());
    EXPECT_EQ(game.Stock.Count(), 2);
    ASSERT_EQ(game.DiscardPile.Count(), 1);
    EXPECT_EQ(game.DiscardPile.At(0).Rank, 4);

    // A stock that holds cards is left alone.
    EXPECT_TRUE(game.RefillEmptyStock());
    EXPECT_EQ(game.Stock.Count(), 2);

    // Nothing to refill from: the stock stays empty.
    game.ClearTCard(game.Stock);
    EXPECT_FALSE(game.RefillEmptyStock());
    EXPECT_EQ(game.DiscardPile.Count(), 1);
}

TEST_F(PileUpkeepTest, HandOrderIsSuitThenRankDescendingWithJokersLast) {
    Add(game.OwnCards, "Ka5 * Kr2 HeA KaA");
    game.OwnCards.GoTo(1)->Selected = 1;
    game.SortOwnCards();
    EXPECT_EQ(ShowHand(game.OwnCards), "Kr2 HeA KaA Ka5 *");
    EXPECT_EQ(game.OwnCards.At(4).Selected, 1);  // flags travel with their card
}

TEST_F(PileUpkeepTest, MeldSortIsDescendingMeldOrder) {
    Add(game.OwnCards, "He5 He7 He4 He6");
    const int orders[] = {0, 2, -1, 1};
    for (int i = 0; i < 4; ++i) {
        game.OwnCards.GoTo(i)->MeldOrder = orders[i];
    }
    game.SortThisCards(game.OwnCards);
    std::vector<int> sorted;
    for (int i = 0; i < 4; ++i) {
        sorted.push_back(game.OwnCards.At(i).MeldOrder);
    }
    EXPECT_EQ(sorted, (std::vector<int>{2, 1, 0, -1}));
}

}  // namespace
