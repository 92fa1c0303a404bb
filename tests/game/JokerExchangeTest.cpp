#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "game/Game.h"
#include "tests/support/EventLog.h"

namespace {

// An offer as the card it names: "He6".
std::string Offered(int32_t suit, int32_t rank) {
    TCardArray card;
    AddLooseCard(card, suit, rank);
    return ShowHand(card);
}

class JokerExchangeTest : public ::testing::Test {
  protected:
    // A meld as validation leaves it: every card placed, jokers standing for their card.
    TCardArray& Meld(const std::string& stored) {
        TCardArray& cards = PutMeld(game, stored, TFrom::Nowhere);
        for (int i = 0; i < cards.Count(); ++i) {
            cards.At(i).Selected = 1;
        }
        return cards;
    }
    // The hand in the order given, not sorted.
    void Hand(const std::string& cards) { PutCards(game, game.OwnCards, cards, TFrom::Nowhere); }
    // Answers the offers after a draw in order; the cards they named.
    std::vector<std::string> Exchange(std::vector<bool> answers) {
        game.GameState = MayLayOut;
        std::vector<std::string> named;
        for (const TJokerOffer& offer : AnswerExchanges(game, std::move(answers))) {
            named.push_back(Offered(offer.Suit, offer.Rank));
        }
        return named;
    }

    TEventLog screen;
    TGame game{&screen};
};

TEST_F(JokerExchangeTest, NothingBeforeComingOutNorWhenNothingFits) {
    TCardArray& run = Meld("He7 *He6 He5");
    Hand("He6");
    game.PlayerCameOut = 0;
    EXPECT_TRUE(Exchange({true}).empty());
    EXPECT_TRUE(IsJoker(run.At(1)));
    EXPECT_EQ(ShowHand(game.OwnCards), "He6");

    game.OwnCards.Clear();
    Hand("Ka6 He8 *");
    game.PlayerCameOut = 1;
    EXPECT_TRUE(Exchange({true}).empty());
    // Only after a draw, before the discard.
    game.OwnCards.Clear();
    Hand("He6");
    game.GameState = MustDraw;
    EXPECT_TRUE(game.JokerOffers().empty());
}

TEST_F(JokerExchangeTest, YesSwapsTheWholeRecordsAndSortsTheHand) {
    TCardArray& run = Meld("He7 *He6 He5");
    Hand("Kr3 He6 Ka2");
    TCard* six = game.OwnCards.GoTo(1);
    six->MeldOrder = 17;
    const int32_t sixId = six->Id;
    const int32_t jokerId = run.At(1).Id;
    game.PlayerCameOut = 1;

    EXPECT_EQ(Exchange({true}), (std::vector<std::string>{"He6"}));
    EXPECT_EQ(screen.Count(TEventKind::Step), 1);
    const TCard& placed = run.At(1);
    EXPECT_EQ(placed.Suit, Herz);
    EXPECT_EQ(placed.Rank, 6);
    EXPECT_EQ(placed.Id, sixId);
    EXPECT_EQ(placed.MeldOrder, 17);  // not re-validated: it keeps what it had in the hand
    EXPECT_EQ(placed.TakeBack, 0);
    EXPECT_EQ(placed.Selected, 0);
    EXPECT_EQ(ShowHand(game.OwnCards), "Kr3 Ka2 *");
    const TCard& joker = game.OwnCards.At(2);
    EXPECT_EQ(joker.Id, jokerId);
    EXPECT_EQ(joker.Selected, 1);  // as it lay in the meld
    EXPECT_EQ(joker.AsRank, 6);
    EXPECT_EQ(joker.AsSuit, Herz);
}

TEST_F(JokerExchangeTest, TwoFittingCopiesAskAgainAfterNoAndNotAfterYes) {
    TCardArray& run = Meld("He7 *He6 He5");
    Hand("He6 He6");
    const int32_t secondCopy = game.OwnCards.At(1).Id;
    game.PlayerCameOut = 1;

    EXPECT_EQ(Exchange({false, true}), (std::vector<std::string>{"He6", "He6"}));
    EXPECT_EQ(run.At(1).Id, secondCopy);  // the second copy went
    EXPECT_EQ(ShowHand(game.OwnCards), "He6 *");

    // Yes at once: no question for the second copy.
    TEventLog otherScreen;
    TGame other{&otherScreen};
    other.PlayerCameOut = 1;
    TMeld* meld = other.TableMelds.Append();
    meld->Cards = new TCardArray();
    TCard* joker = AddLooseCard(*meld->Cards, Joker, JokerRank);
    joker->AsRank = 6;
    joker->AsSuit = Herz;
    AddLooseCard(other.OwnCards, Herz, 6);
    AddLooseCard(other.OwnCards, Herz, 6);
    other.GameState = MayLayOut;
    EXPECT_EQ(AnswerExchanges(other, {true, true}).size(), 1u);
    // An offer no longer standing is refused, and nothing changes.
    const std::vector<TJokerOffer> stale = {{0, 0, 0, Herz, 6}};
    EXPECT_EQ(other.ExchangeJokers(stale), TRefusal::NotNow);
    EXPECT_EQ(ShowHand(other.OwnCards), "He6 *");
}

TEST_F(JokerExchangeTest, DecliningEverythingChangesNothing) {
    TCardArray& run = Meld("He7 *He6 He5");
    TCardArray& set = Meld("*KrK HeK KaK");
    // Deliberately not in hand order: a sort would show.
    Hand("Ka3 KrK He6");
    game.PlayerCameOut = 1;

    EXPECT_EQ(Exchange({}), (std::vector<std::string>{"He6", "KrK"}));
    EXPECT_EQ(ShowHand(game.OwnCards), "Ka3 KrK He6");
    EXPECT_TRUE(IsJoker(run.At(1)));
    EXPECT_TRUE(IsJoker(set.At(0)));
}

TEST_F(JokerExchangeTest, OneQuestionPerJokerInMeldThenCardOrder) {
    Meld("*HeA HeK *HeD");
    Meld("*KrK HeK KaK");
    // A set joker is named only by its own card: the other kings do not fit.
    Hand("KrK BlK HeD HeA KaK");
    game.PlayerCameOut = 1;

    EXPECT_EQ(Exchange({true, true, true}), (std::vector<std::string>{"HeA", "HeD", "KrK"}));
    EXPECT_EQ(ShowHand(*game.TableMelds.At(0).Cards), "HeA HeK HeD");
    EXPECT_EQ(ShowHand(*game.TableMelds.At(1).Cards), "KrK HeK KaK");
    EXPECT_EQ(ShowHand(game.OwnCards), "BlK KaK * * *");
}

TEST_F(JokerExchangeTest, AHandJokerNeverFitsATableJoker) {
    // A joker that stands for nothing (never placed) must not match the hand's jokers.
    TCardArray& meld = Meld("He7 * He5");
    meld.GoTo(1)->AsRank = JokerRank;
    Hand("*");
    game.PlayerCameOut = 1;
    EXPECT_TRUE(Exchange({true}).empty());
}

// Sets up a dealt game whose table holds a meld with a joker standing for the
// card the player holds, every card taken from where the deal put it.
class DealtJokerExchangeTest : public ::testing::Test {
  protected:
    TEventLog screen;
    TGame game{&screen, 5};
};

TEST_F(DealtJokerExchangeTest, ExchangeKeepsEveryCard) {
    game.NeuesSpiel();
    TCardArray& run = PutMeld(game, "Bl9 *Bl8 Bl7", TFrom::Deck);
    PutCards(game, game.OwnCards, "Bl8", TFrom::Deck);
    game.SortOwnCards();
    const int handSize = game.OwnCards.Count();
    ASSERT_EQ(CheckCards(game), "");
    game.PlayerCameOut = 1;
    game.GameState = MayLayOut;

    EXPECT_EQ(AnswerExchanges(game, {true}).size(), 1u);
    EXPECT_EQ(CheckCards(game), "");
    EXPECT_EQ(game.OwnCards.Count(), handSize);
    EXPECT_EQ(run.At(1).Suit, Blatt);
    EXPECT_EQ(run.At(1).Rank, 8);
    EXPECT_TRUE(IsJoker(game.OwnCards.Last()));
}

}  // namespace
