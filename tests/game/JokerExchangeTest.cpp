#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/Game.h"
#include "tests/support/FakeScreen.h"

namespace {

const char* const Caption = "Karte gegen Joker tauschen?";

std::string Question(const char* suit, const char* rank) {
    return std::string("Möchten Sie Ihre Karte ") + suit + " " + rank + " gegen den Joker eintauschen?";
}

// (Suit, Rank) for natural cards; (0, AsRank) for jokers, with AsSuit given separately.
struct TLaidCard {
    int32_t Suit;
    int32_t Rank;
    int32_t AsSuit = 0;
};

TLaidCard J(int32_t asSuit, int32_t asRank) {
    return {Joker, asRank, asSuit};
}

class JokerExchangeTest : public ::testing::Test {
  protected:
    // A meld as validation leaves it: jokers placed, standing for their card.
    TCardArray& Meld(std::vector<TLaidCard> stored) {
        TMeld* meld = game.TableMelds.Append();
        meld->Cards = new TCardArray(&game.CurMeldCard);
        int32_t order = static_cast<int32_t>(stored.size());
        for (const TLaidCard& laid : stored) {
            TCard* card = game.NewCard(*meld->Cards, laid.Suit, laid.Suit == Joker ? JokerRank : laid.Rank);
            card->Selected = 1;
            card->MeldOrder = --order;
            if (laid.Suit == Joker) {
                card->AsRank = laid.Rank;
                card->AsSuit = laid.AsSuit;
            }
        }
        return *meld->Cards;
    }
    void Hand(std::vector<std::pair<int32_t, int32_t>> cards) {
        for (auto [suit, rank] : cards) {
            game.NewCard(game.OwnCards, suit, rank);
        }
    }
    static std::vector<std::pair<int32_t, int32_t>> Cards(const TCardArray& cards) {
        std::vector<std::pair<int32_t, int32_t>> out;
        for (int i = 0; i < cards.Count(); ++i) {
            out.emplace_back(cards.At(i).Suit, cards.At(i).Rank);
        }
        return out;
    }
    std::vector<std::string> Asked() const {
        std::vector<std::string> texts;
        for (const TShownMessage& question : screen.Questions) {
            EXPECT_EQ(question.Caption, Caption);
            texts.push_back(question.Text);
        }
        return texts;
    }

    TFakeScreen screen;
    TGame game{&screen};
};

TEST_F(JokerExchangeTest, NothingBeforeComingOutButTheRepaint) {
    TCardArray& run = Meld({{Herz, 7}, J(Herz, 6), {Herz, 5}});
    Hand({{Herz, 6}});
    game.PlayerCameOut = 0;
    game.JokerTauschen();
    EXPECT_TRUE(screen.Questions.empty());
    EXPECT_EQ(screen.Repaints, 1);
    EXPECT_TRUE(IsJoker(run.At(1)));
    EXPECT_EQ(Cards(game.OwnCards), (std::vector<std::pair<int32_t, int32_t>>{{Herz, 6}}));
}

TEST_F(JokerExchangeTest, NothingToOfferStillRepaintsOnce) {
    Meld({{Herz, 7}, J(Herz, 6), {Herz, 5}});
    Hand({{Karo, 6}, {Herz, 8}, {Joker, JokerRank}});
    game.PlayerCameOut = 1;
    game.JokerTauschen();
    EXPECT_TRUE(screen.Questions.empty());
    EXPECT_EQ(screen.Repaints, 1);
}

TEST_F(JokerExchangeTest, YesSwapsTheWholeRecordsAndSortsTheHand) {
    TCardArray& run = Meld({{Herz, 7}, J(Herz, 6), {Herz, 5}});
    Hand({{Kreuz, 3}, {Herz, 6}, {Karo, 2}});
    TCard* six = game.OwnCards.GoTo(1);
    six->MeldOrder = 17;
    const CardFace* sixFace = six->Image;
    const CardFace* jokerFace = run.At(1).Image;
    game.PlayerCameOut = 1;
    screen.Answers = {true};

    game.JokerTauschen();

    EXPECT_EQ(Asked(), (std::vector<std::string>{Question("Herz", "6")}));
    EXPECT_EQ(screen.Repaints, 3);  // before all, before the question, after the exchange
    const TCard& placed = run.At(1);
    EXPECT_EQ(placed.Suit, Herz);
    EXPECT_EQ(placed.Rank, 6);
    EXPECT_EQ(placed.Image, sixFace);
    EXPECT_EQ(placed.MeldOrder, 17);  // not re-validated: it keeps what it had in the hand
    EXPECT_EQ(placed.TakeBack, 0);
    EXPECT_EQ(placed.Selected, 0);
    EXPECT_EQ(Cards(game.OwnCards),
              (std::vector<std::pair<int32_t, int32_t>>{{Kreuz, 3}, {Karo, 2}, {Joker, JokerRank}}));
    const TCard& joker = game.OwnCards.At(2);
    EXPECT_EQ(joker.Image, jokerFace);
    EXPECT_EQ(joker.Selected, 1);  // as it lay in the meld
    EXPECT_EQ(joker.AsRank, 6);
    EXPECT_EQ(joker.AsSuit, Herz);
}

TEST_F(JokerExchangeTest, TwoFittingCopiesAskAgainAfterNoAndNotAfterYes) {
    TCardArray& run = Meld({{Herz, 7}, J(Herz, 6), {Herz, 5}});
    Hand({{Herz, 6}, {Herz, 6}});
    game.OwnCards.GoTo(0)->DragDX = 1;
    game.OwnCards.GoTo(1)->DragDX = 2;
    game.PlayerCameOut = 1;
    screen.Answers = {false, true};

    game.JokerTauschen();

    EXPECT_EQ(Asked(), (std::vector<std::string>{Question("Herz", "6"), Question("Herz", "6")}));
    EXPECT_EQ(run.At(1).DragDX, 2);  // the second copy went
    EXPECT_EQ(Cards(game.OwnCards),
              (std::vector<std::pair<int32_t, int32_t>>{{Herz, 6}, {Joker, JokerRank}}));

    // Yes at once: no question for the second copy.
    TFakeScreen otherScreen;
    TGame other{&otherScreen};
    other.PlayerCameOut = 1;
    TMeld* meld = other.TableMelds.Append();
    meld->Cards = new TCardArray(&other.CurMeldCard);
    TCard* joker = other.NewCard(*meld->Cards, Joker, JokerRank);
    joker->AsRank = 6;
    joker->AsSuit = Herz;
    other.NewCard(other.OwnCards, Herz, 6);
    other.NewCard(other.OwnCards, Herz, 6);
    otherScreen.Answers = {true, true};
    other.JokerTauschen();
    EXPECT_EQ(otherScreen.Questions.size(), 1u);
    EXPECT_EQ(otherScreen.Answers.size(), 1u);
}

TEST_F(JokerExchangeTest, DecliningEverythingChangesNothing) {
    TCardArray& run = Meld({{Herz, 7}, J(Herz, 6), {Herz, 5}});
    TCardArray& set = Meld({J(Kreuz, Koenig), {Herz, Koenig}, {Karo, Koenig}});
    // Deliberately not in hand order: a sort would show.
    Hand({{Karo, 3}, {Kreuz, Koenig}, {Herz, 6}});
    game.PlayerCameOut = 1;

    game.JokerTauschen();

    EXPECT_EQ(Asked(), (std::vector<std::string>{Question("Herz", "6"), Question("Kreuz", "König")}));
    EXPECT_EQ(screen.Repaints, 3);
    EXPECT_EQ(Cards(game.OwnCards),
              (std::vector<std::pair<int32_t, int32_t>>{{Karo, 3}, {Kreuz, Koenig}, {Herz, 6}}));
    EXPECT_TRUE(IsJoker(run.At(1)));
    EXPECT_TRUE(IsJoker(set.At(0)));
}

TEST_F(JokerExchangeTest, OneQuestionPerJokerInMeldThenCardOrder) {
    Meld({J(Herz, Ass), {Herz, Koenig}, J(Herz, Dame)});
    Meld({J(Kreuz, Koenig), {Herz, Koenig}, {Karo, Koenig}});
    // A set joker is named only by its own card: the other kings do not fit.
    Hand({{Kreuz, Koenig}, {Blatt, Koenig}, {Herz, Dame}, {Herz, Ass}, {Karo, Koenig}});
    game.PlayerCameOut = 1;
    screen.Answers = {true, true, true};

    game.JokerTauschen();

    EXPECT_EQ(Asked(), (std::vector<std::string>{Question("Herz", "Ass"), Question("Herz", "Dame"),
                                                 Question("Kreuz", "König")}));
    EXPECT_EQ(Cards(*game.TableMelds.At(0).Cards),
              (std::vector<std::pair<int32_t, int32_t>>{{Herz, Ass}, {Herz, Koenig}, {Herz, Dame}}));
    EXPECT_EQ(Cards(*game.TableMelds.At(1).Cards),
              (std::vector<std::pair<int32_t, int32_t>>{{Kreuz, Koenig}, {Herz, Koenig}, {Karo, Koenig}}));
    EXPECT_EQ(Cards(game.OwnCards),
              (std::vector<std::pair<int32_t, int32_t>>{
                  {Blatt, Koenig}, {Karo, Koenig}, {Joker, 1}, {Joker, 1}, {Joker, 1}}));
    EXPECT_EQ(screen.Repaints, 5);
}

TEST_F(JokerExchangeTest, AHandJokerNeverFitsATableJoker) {
    // A joker that stands for nothing (never placed) must not match the hand's jokers.
    TCardArray& meld = Meld({{Herz, 7}, J(0, 0), {Herz, 5}});
    meld.GoTo(1)->AsRank = JokerRank;
    Hand({{Joker, JokerRank}});
    game.PlayerCameOut = 1;
    game.JokerTauschen();
    EXPECT_TRUE(screen.Questions.empty());
}

// Sets up a dealt game whose table holds a meld with a joker standing for the
// card the player holds, every card taken from where the deal put it.
class DealtJokerExchangeTest : public ::testing::Test {
  protected:
    bool Take(int32_t suit, int32_t rank, TCardArray& into) {
        TCardArray* piles[] = {&game.Stock, &game.OpponentCards, &game.DiscardPile, &game.OwnCards};
        for (TCardArray* pile : piles) {
            if (pile == &into) {
                continue;
            }
            for (int i = 0; i < pile->Count(); ++i) {
                if (pile->At(i).Suit == suit && pile->At(i).Rank == rank) {
                    return MoveCard(*pile, i, into);
                }
            }
        }
        for (int i = 0; i < into.Count(); ++i) {
            if (into.At(i).Suit == suit && into.At(i).Rank == rank) {
                return true;  // both copies are there already
            }
        }
        return false;
    }

    TFakeScreen screen;
    TGame game{&screen, 5};
};

TEST_F(DealtJokerExchangeTest, ExchangeKeepsEveryCard) {
    game.NeuesSpiel();
    TMeld* meld = game.TableMelds.Append();
    meld->Cards = new TCardArray(&game.CurMeldCard);
    TCardArray& run = *meld->Cards;
    ASSERT_TRUE(Take(Blatt, 9, run));
    ASSERT_TRUE(Take(Joker, JokerRank, run));
    ASSERT_TRUE(Take(Blatt, 7, run));
    run.GoTo(1)->AsRank = 8;
    run.GoTo(1)->AsSuit = Blatt;
    ASSERT_TRUE(Take(Blatt, 8, game.OwnCards));
    game.SortOwnCards();
    const int handSize = game.OwnCards.Count();
    ASSERT_EQ(CheckCards(game), "");
    game.PlayerCameOut = 1;
    screen.Answers = {true};

    game.JokerTauschen();

    EXPECT_EQ(screen.Questions.size(), 1u);
    EXPECT_EQ(CheckCards(game), "");
    EXPECT_EQ(game.OwnCards.Count(), handSize);
    EXPECT_EQ(run.At(1).Suit, Blatt);
    EXPECT_EQ(run.At(1).Rank, 8);
    EXPECT_TRUE(IsJoker(game.OwnCards.Last()));
    EXPECT_EQ(screen.BadFrees, 0);
}

}  // namespace
