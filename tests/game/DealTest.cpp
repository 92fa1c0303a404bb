#include <gtest/gtest.h>

#include "game/Game.h"
#include "tests/support/EventLog.h"

namespace {

class DealTest : public ::testing::Test {
  protected:
    TEventLog screen;
    TGame game{&screen, 7};
};

bool InHandOrder(const TCardArray& cards) {
    for (int i = 0; i + 1 < cards.Count(); ++i) {
        const TCard& a = cards.At(i);
        const TCard& b = cards.At(i + 1);
        if (a.Suit < b.Suit || (a.Suit == b.Suit && a.Rank < b.Rank)) {
            return false;
        }
    }
    return true;
}

TEST_F(DealTest, DealsEachSideAndLeavesTheRestInTheStock) {
    for (int per : {10, 12, 16}) {
        game.NextDeal.Cards = per;
        game.NeuesSpiel();
        EXPECT_EQ(game.OwnCards.Count(), per);
        EXPECT_EQ(game.OpponentCards.Count(), per);
        EXPECT_EQ(game.Stock.Count(), 110 - 2 * per);
        EXPECT_TRUE(game.DiscardPile.Empty());
        EXPECT_TRUE(game.TableMelds.Empty());
        EXPECT_EQ(CheckCards(game), "");
        EXPECT_TRUE(InHandOrder(game.OwnCards));
        for (const TCardArray* hand : {&game.OwnCards, &game.OpponentCards}) {
            for (int i = 0; i < hand->Count(); ++i) {
                EXPECT_EQ(hand->At(i).Selected, 0);
                EXPECT_EQ(hand->At(i).TakeBack, 0);
            }
        }
    }
}

TEST_F(DealTest, DealAlternatesFromTheTopOfTheShuffledStock) {
    // Same seed, same shuffle: rebuild the shuffled stock by hand and compare.
    TEventLog otherScreen;
    TGame reference{&otherScreen, 7};
    for (int i = 0; i < 6; ++i) {
        AddLooseCard(reference.Stock, Joker, JokerRank);
    }
    for (int deck = 0; deck < 2; ++deck) {
        for (int suit = Karo; suit <= Kreuz; ++suit) {
            AddLooseCard(reference.Stock, suit, Ass);
            for (int rank = 2; rank <= Koenig; ++rank) {
                AddLooseCard(reference.Stock, suit, rank);
            }
        }
    }
    // The deck is made in the order of the cards' ids.
    for (int32_t id = 0; id < DeckSize; ++id) {
        EXPECT_EQ(reference.Stock.At(id).Suit, CardWithId(id).Suit);
        EXPECT_EQ(reference.Stock.At(id).Rank, CardWithId(id).Rank);
    }
    reference.Mischeln();

    game.NeuesSpiel();
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(game.OpponentCards.At(i).Suit, reference.Stock.At(2 * i + 1).Suit);
        EXPECT_EQ(game.OpponentCards.At(i).Rank, reference.Stock.At(2 * i + 1).Rank);
    }
    for (int i = 0; i < game.Stock.Count(); ++i) {
        EXPECT_EQ(game.Stock.At(i).Rank, reference.Stock.At(24 + i).Rank);
        EXPECT_EQ(game.Stock.At(i).Suit, reference.Stock.At(24 + i).Suit);
    }
    // The player's cards are the even ones, sorted.
    int matched = 0;
    for (int i = 0; i < 12; ++i) {
        const TCard& dealt = reference.Stock.At(2 * i);
        for (int j = 0; j < 12; ++j) {
            if (game.OwnCards.At(j).Suit == dealt.Suit && game.OwnCards.At(j).Rank == dealt.Rank) {
                ++matched;
                break;
            }
        }
    }
    EXPECT_EQ(matched, 12);
}

TEST_F(DealTest, NewGameStartsInDrawStateAndForgetsTheOldOne) {
    game.NeuesSpiel();
    // A game in progress: the player has drawn and laid out a meld.
    game.SetStatus(1);
    game.PlayerCameOut = 1;
    game.OpponentCameOut = 1;
    TMeld* meld = game.TableMelds.Append();
    meld->Cards = new TCardArray();
    for (int i = 0; i < 3; ++i) {
        MoveCard(game.OwnCards, 0, *meld->Cards);
    }
    MoveCard(game.Stock, 0, game.DiscardPile);

    game.NeuesSpiel();
    EXPECT_EQ(game.GameState, 0);
    EXPECT_EQ(game.GameState, MustDraw);
    EXPECT_EQ(game.ComeOutAtTurnStart, 0);
    EXPECT_EQ(game.PlayerCameOut, 0);
    EXPECT_EQ(game.OpponentCameOut, 0);
    EXPECT_TRUE(game.TableMelds.Empty());
    EXPECT_TRUE(game.DiscardPile.Empty());
    EXPECT_EQ(CheckCards(game), "");
}

TEST_F(DealTest, SetStatusWritesStateAndSnapshotAndTellsIt) {
    game.PlayerCameOut = 1;
    const int told = screen.Count(TEventKind::StatusChanged);
    game.SetStatus(1);
    EXPECT_EQ(game.GameState, 1);
    EXPECT_EQ(game.ComeOutAtTurnStart, 0);  // only state 0 takes the snapshot
    game.SetStatus(0);
    EXPECT_EQ(game.ComeOutAtTurnStart, 1);
    game.SetStatus(7);
    EXPECT_EQ(game.GameState, 7);
    EXPECT_EQ(screen.Count(TEventKind::StatusChanged), told + 3);
}

}  // namespace
