#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/ComputerTurn.h"
#include "game/Game.h"
#include "tests/support/EventLog.h"

namespace {

class PlayerTurnTest : public ::testing::Test {
  protected:
    void SetUp() override { game.NeuesSpiel(); }

    void SetHand(const std::string& cards) { ::SetHand(game, cards); }
    TCardArray& PutMeld(const std::string& cards) { return ::PutMeld(game, cards, TFrom::Deck); }
    void Select(const std::string& name) {
        const TCard wanted = ParseCard(name);
        for (int i = 0; i < game.OwnCards.Count(); ++i) {
            if (game.OwnCards.At(i).Suit == wanted.Suit && game.OwnCards.At(i).Rank == wanted.Rank &&
                game.OwnCards.At(i).Selected == 0) {
                game.OwnCards.GoTo(i)->Selected = 1;
                return;
            }
        }
        ADD_FAILURE() << "no such card in the hand";
    }
    std::string Hand() const { return ShowHand(game.OwnCards); }
    int SelectedInHand() const { return SelectedCount(game); }

    TEventLog screen;
    TGame game{&screen, 5};
};

TEST_F(PlayerTurnTest, DrawingFromTheStockSelectsTheCardAndOpensTheTurn) {
    const TCard top = game.Stock.At(0);
    ASSERT_TRUE(game.PlayerDrawFromStock());
    EXPECT_EQ(game.OwnCards.Count(), 13);
    EXPECT_EQ(game.Stock.Count(), 85);
    EXPECT_EQ(game.GameState, 1);
    EXPECT_EQ(game.GameState, MayLayOut);
    ASSERT_EQ(SelectedInHand(), 1);
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        if (game.OwnCards.At(i).Selected != 0) {
            EXPECT_EQ(game.OwnCards.At(i).Id, top.Id);
        }
    }
    // A second draw in the same turn does nothing.
    EXPECT_FALSE(game.PlayerDrawFromStock());
    EXPECT_FALSE(game.PlayerDrawFromDiscardPile());
    EXPECT_EQ(game.OwnCards.Count(), 13);
    EXPECT_EQ(CheckCards(game), "");
}

TEST_F(PlayerTurnTest, DrawingFromTheDiscardPileTakesItsTopAndRefillsTheStock) {
    EXPECT_FALSE(game.PlayerDrawFromDiscardPile());  // empty at the start of a game
    EXPECT_EQ(game.GameState, 0);
    for (int i = 0; i < 12; ++i) {
        MoveCard(game.Stock, 0, game.DiscardPile);
    }
    const TCard top = game.DiscardPile.Last();
    ASSERT_TRUE(game.PlayerDrawFromDiscardPile());
    EXPECT_EQ(game.GameState, 1);
    EXPECT_EQ(game.DiscardPile.Count(), 10);  // the oldest went back to the stock
    EXPECT_EQ(game.Stock.Count(), 86 - 12 + 1);
    bool found = false;
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        found |= game.OwnCards.At(i).Id == top.Id && game.OwnCards.At(i).Selected == 1;
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(CheckCards(game), "");
}

TEST_F(PlayerTurnTest, EmptyStockIsRefilledFromTheDiscardsOrDrawsNothing) {
    while (game.Stock.Count() > 0) {
        MoveCard(game.Stock, 0, game.DiscardPile);
    }
    ASSERT_TRUE(game.PlayerDrawFromStock());  // refilled from all discards but the top one
    EXPECT_EQ(game.DiscardPile.Count(), 1);
    EXPECT_EQ(game.Stock.Count(), 84);
    EXPECT_EQ(CheckCards(game), "");

    // Nothing left to refill from: the click draws nothing and the player must still draw.
    game.NeuesSpiel();
    while (game.Stock.Count() > 0) {
        MoveCard(game.Stock, 0, game.OpponentCards);
    }
    MoveCard(game.OpponentCards, 0, game.DiscardPile);
    EXPECT_FALSE(game.PlayerDrawFromStock());
    EXPECT_EQ(game.GameState, 0);
    EXPECT_EQ(game.GameState, MustDraw);
    EXPECT_EQ(game.OwnCards.Count(), 12);
    EXPECT_TRUE(game.PlayerDrawFromDiscardPile());  // the discard pile may still be taken
    EXPECT_EQ(CheckCards(game), "");
}

TEST_F(PlayerTurnTest, SelectionTogglesAndClears) {
    EXPECT_TRUE(game.ToggleHandCard(3));
    EXPECT_FALSE(game.ToggleHandCard(3));
    EXPECT_FALSE(game.ToggleHandCard(-1));
    EXPECT_FALSE(game.ToggleHandCard(12));
    game.ToggleHandCard(0);
    game.ToggleHandCard(5);
    game.ClearHandSelection();
    EXPECT_EQ(SelectedInHand(), 0);
}

TEST_F(PlayerTurnTest, DiscardingTwoCardsIsRefused) {
    game.PlayerDrawFromStock();
    game.ToggleHandCard(0);
    const std::string before = Hand();
    EXPECT_EQ(game.PlayerDiscard(), TRefusal::OnlyOneDiscard);
    EXPECT_EQ(Hand(), before);
    EXPECT_EQ(SelectedInHand(), 2);
    EXPECT_EQ(game.GameState, 1);
    EXPECT_TRUE(game.DiscardPile.Empty());
}

TEST_F(PlayerTurnTest, DiscardEndsTheTurnAndClearsTakeBackMarks) {
    game.PlayerDrawFromStock();
    TCardArray& meld = PutMeld("He6 He7 He8");
    meld.GoTo(1)->TakeBack = 1;
    game.ClearHandSelection();
    game.ToggleHandCard(0);
    EXPECT_EQ(game.PlayerDiscard(), TRefusal::None);
    EXPECT_EQ(game.GameState, MustDraw);
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        const TCardArray& cards = *game.TableMelds.At(m).Cards;
        for (int c = 0; c < cards.Count(); ++c) {
            EXPECT_EQ(cards.At(c).TakeBack, 0);
        }
    }
    EXPECT_EQ(CheckCards(game), "");
    // The discard only ends the turn: the computer's is not played inside it.
    EXPECT_TRUE(game.OpponentTurn.Steps.empty());
    EXPECT_EQ(game.OpponentCards.Count(), 12);
    EXPECT_EQ(screen.Winners(), std::vector<int32_t>{});
    // Nothing more to discard in this turn.
    game.ToggleHandCard(0);
    EXPECT_EQ(game.PlayerDiscard(), TRefusal::NotNow);
}

TEST_F(PlayerTurnTest, DiscardingTheLastCardWinsAndLeavesTheTableAsItEnded) {
    SetHand("Kr9");
    game.SetStatus(1);
    game.ToggleHandCard(0);
    EXPECT_EQ(game.PlayerDiscard(), TRefusal::None);
    EXPECT_EQ(screen.Winners(), std::vector<int32_t>{PlayerSeat});
    EXPECT_EQ(game.Winner, PlayerSeat);
    EXPECT_TRUE(game.OwnCards.Empty());  // not dealt anew: whoever shows the end does that
    EXPECT_EQ(CardName(game.DiscardPile.Last()), "Kr9");
    EXPECT_EQ(CheckCards(game), "");
    // A game won takes no more commands.
    EXPECT_FALSE(game.PlayerDrawFromStock());
    const int steps = screen.Count(TEventKind::Step);
    ZugDesGegners(game);
    EXPECT_EQ(screen.Count(TEventKind::Step), steps);
    game.NeuesSpiel();
    EXPECT_FALSE(game.Over());
    EXPECT_EQ(game.OwnCards.Count(), 12);
}

TEST_F(PlayerTurnTest, TakeBackReturnsThisTurnsCardsAndRestoresComingOut) {
    game.SetStatus(1);
    // A computer's meld with one card the player laid off this turn, and a new meld of the player.
    TCardArray& old = PutMeld("He9 He8 He7 He6");
    old.GoTo(0)->TakeBack = 1;
    TCardArray& fresh = PutMeld("Ka5 He5 Bl5");
    for (int i = 0; i < 3; ++i) {
        fresh.GoTo(i)->TakeBack = 1;
        fresh.GoTo(i)->Selected = 1;
    }
    game.PlayerCameOut = 1;
    const int handBefore = game.OwnCards.Count();

    game.TakeBackTurn();
    EXPECT_EQ(game.PlayerCameOut, 0);
    ASSERT_EQ(game.TableMelds.Count(), 1);  // the emptied meld is gone
    EXPECT_EQ(game.TableMelds.At(0).Cards->Count(), 3);
    EXPECT_EQ(game.OwnCards.Count(), handBefore + 4);
    EXPECT_EQ(SelectedInHand(), 0);
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        EXPECT_EQ(game.OwnCards.At(i).TakeBack, 0);
    }
    EXPECT_EQ(game.GameState, 1);
    EXPECT_EQ(CheckCards(game), "");

    // Nothing marked: nothing moves.
    const std::string hand = Hand();
    game.TakeBackTurn();
    EXPECT_EQ(Hand(), hand);
    EXPECT_EQ(game.TableMelds.Count(), 1);
}

TEST_F(PlayerTurnTest, FirstMeldBelowTheMinimumIsRefusedThenAStrongerOneAccepted) {
    SetHand("Ka9 Ka8 Ka7 HeA HeK HeD Bl2 Kr3");
    game.SetStatus(1);
    Select("Ka9");
    Select("Ka8");
    Select("Ka7");  // 24 points
    const std::string before = Hand();
    EXPECT_EQ(game.PlayerLayOut(-1), TRefusal::TooFewPoints);
    EXPECT_EQ(Hand(), before);
    EXPECT_EQ(SelectedInHand(), 3);  // still selected
    EXPECT_TRUE(game.TableMelds.Empty());
    EXPECT_EQ(game.PlayerCameOut, 0);

    game.ClearHandSelection();
    Select("HeA");
    Select("HeK");
    Select("HeD");  // 31 points
    EXPECT_EQ(game.PlayerLayOut(-1), TRefusal::None);
    ASSERT_EQ(game.TableMelds.Count(), 1);
    const TCardArray& meld = *game.TableMelds.At(0).Cards;
    ASSERT_EQ(meld.Count(), 3);
    EXPECT_EQ(meld.At(0).Rank, 14);  // stored from the top of the run down
    EXPECT_EQ(meld.At(2).Rank, 12);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(meld.At(i).TakeBack, 1);
    }
    EXPECT_EQ(game.PlayerCameOut, 1);
    EXPECT_EQ(game.OwnCards.Count(), 5);

    // Once out, the weaker meld goes too, and a single card may be laid off.
    Select("Ka9");
    Select("Ka8");
    Select("Ka7");
    game.PlayerLayOut(-1);
    EXPECT_EQ(game.TableMelds.Count(), 2);
    EXPECT_EQ(game.GameState, 1);
    EXPECT_EQ(CheckCards(game), "");
}

TEST_F(PlayerTurnTest, CardsThatDoNotFitAreRefusedWithoutChange) {
    SetHand("Ka9 He2 KrK Bl5");
    game.SetStatus(1);
    Select("Ka9");
    Select("He2");
    EXPECT_EQ(game.PlayerLayOut(-1), TRefusal::NoMeld);
    EXPECT_EQ(game.OwnCards.Count(), 4);
    EXPECT_EQ(SelectedInHand(), 2);
    EXPECT_TRUE(game.TableMelds.Empty());
}

TEST_F(PlayerTurnTest, LayingOffOntoTheComputersMeldAndTakingItBack) {
    SetHand("He9 Kr2 Kr3");
    PutMeld("He8 He7 He6");
    game.TableMelds.GoTo(0)->Cards->GoTo(0)->MeldOrder = 2;
    game.TableMelds.GoTo(0)->Cards->GoTo(1)->MeldOrder = 1;
    game.PlayerCameOut = 1;
    game.SetStatus(0);  // out since an earlier turn
    game.SetStatus(1);
    Select("He9");
    ASSERT_EQ(game.PlayerLayOut(0), TRefusal::None);
    const TCardArray& meld = *game.TableMelds.At(0).Cards;
    ASSERT_EQ(meld.Count(), 4);
    std::vector<int> ranks;
    for (int i = 0; i < 4; ++i) {
        ranks.push_back(meld.At(i).Rank);
        EXPECT_EQ(meld.At(i).TakeBack, meld.At(i).Rank == 9 ? 1 : 0);
    }
    EXPECT_EQ(ranks, (std::vector<int>{9, 8, 7, 6}));
    EXPECT_EQ(game.OwnCards.Count(), 2);

    game.TakeBackTurn();
    ASSERT_EQ(game.TableMelds.Count(), 1);
    EXPECT_EQ(game.TableMelds.At(0).Cards->Count(), 3);
    EXPECT_EQ(Hand(), "Kr3 Kr2 He9");
    EXPECT_EQ(game.PlayerCameOut, 1);  // it was out at the start of the turn
    EXPECT_EQ(CheckCards(game), "");
}

// A first meld and cards laid off onto it in the same turn all come back, a
// joker among them, and with them the player is not out again.
TEST_F(PlayerTurnTest, TakingBackAMeldLaidOffOntoInTheSameTurn) {
    SetHand("Kr8 Kr9 Kr10 KrB * Ka2");
    game.SetStatus(1);
    for (const char* drop : {"Kr8 Kr9 Kr10 KrB", "*"}) {
        for (const TCard& card : ParseCards(drop)) {
            Select(CardName(card));
        }
        ASSERT_EQ(game.PlayerLayOut(game.TableMelds.Empty() ? -1 : 0), TRefusal::None);
    }
    ASSERT_EQ(game.TableMelds.At(0).Cards->Count(), 5);
    game.TakeBackTurn();
    EXPECT_TRUE(game.TableMelds.Empty());
    EXPECT_EQ(game.OwnCards.Count(), 6);
    EXPECT_EQ(game.PlayerCameOut, 0);
}

TEST_F(PlayerTurnTest, LayingOutTheWholeHandLeavesTheTurnOpen) {
    SetHand("KrA KrK KrD");
    game.SetStatus(1);
    for (int i = 0; i < 3; ++i) {
        game.ToggleHandCard(i);
    }
    game.PlayerLayOut(-1);
    EXPECT_TRUE(game.OwnCards.Empty());
    EXPECT_EQ(game.GameState, 1);
    EXPECT_FALSE(game.Over());  // no win without a discard
    EXPECT_EQ(game.PlayerDiscard(), TRefusal::NothingChosen);
    EXPECT_EQ(game.GameState, 1);
    game.TakeBackTurn();
    EXPECT_EQ(game.OwnCards.Count(), 3);
    EXPECT_TRUE(game.TableMelds.Empty());
    EXPECT_EQ(game.PlayerCameOut, 0);
}

// A card that was laid out and taken back is an ordinary hand card again: when
// it later replaces a table joker, the next take-back must leave it in the meld.
TEST_F(PlayerTurnTest, TakenBackCardExchangedForAJokerStaysInTheMeld) {
    SetHand("He6 Ka6 Kr6 HeA HeK HeD Kr2");
    // An earlier meld on the table: Herz 7, joker (as Herz 6), Herz 5.
    TCardArray& run = PutMeld("He7 * He5");
    TCard* joker = run.GoTo(1);
    joker->AsRank = 6;
    joker->AsSuit = Herz;
    joker->Selected = 1;
    run.GoTo(0)->MeldOrder = 1;
    run.GoTo(2)->MeldOrder = -1;

    // This turn: come out with A-K-Q, lay out the three 6s, then take it all back.
    game.SetStatus(1);
    Select("HeA");
    Select("HeK");
    Select("HeD");
    game.PlayerLayOut(-1);
    Select("He6");
    Select("Ka6");
    Select("Kr6");
    game.PlayerLayOut(-1);
    ASSERT_EQ(game.TableMelds.Count(), 3);
    game.TakeBackTurn();
    ASSERT_EQ(game.TableMelds.Count(), 1);

    // Discard, let the computer play, then come out and exchange Herz 6 for the joker.
    game.ClearHandSelection();
    Select("Kr2");
    game.PlayerDiscard();
    ZugDesGegners(game);
    game.PlayerCameOut = 1;
    ASSERT_TRUE(game.PlayerDrawFromStock());
    AnswerExchanges(game, {true, true, true, true});
    const TCardArray& meld = *game.TableMelds.At(0).Cards;
    ASSERT_FALSE(IsJoker(meld.At(1)));
    EXPECT_EQ(meld.At(1).Rank, 6);

    game.TakeBackTurn();
    ASSERT_GE(game.TableMelds.Count(), 1);
    const TCardArray& after = *game.TableMelds.At(0).Cards;
    ASSERT_EQ(after.Count(), 3);
    EXPECT_EQ(after.At(1).Suit, Herz);
    EXPECT_EQ(after.At(1).Rank, 6);
    EXPECT_EQ(CheckCards(game), "");
}

}  // namespace
