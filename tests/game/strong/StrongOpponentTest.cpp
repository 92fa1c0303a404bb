// The strong opponent: its choices in hand-made positions, that it plays by the
// player's rules in whole games, and that it decides from what it may see.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "Match.h"
#include "ScriptedPlayer.h"
#include "StrongPlayer.h"
#include "game/ComputerTurn.h"
#include "game/Invariants.h"
#include "game/MeldRules.h"
#include "game/strong/StrongOpponent.h"
#include "tests/game/OpponentTestKit.h"

namespace {

using namespace opponent_kit;

// A dealt game whose hands, piles and melds are then set from the deck, so
// that every card stays in the game.
class StrongOpponentTest : public OpponentTest {
  protected:
    void SetUp() override {
        OpponentTest::SetUp();
        game.ChosenOpponent = TOpponentKind::Strong;
        game.NeuesSpiel();
        Clear(game.OpponentCards);
        Clear(game.OwnCards);
        Clear(game.DiscardPile);
    }

    void Clear(TCardArray& cards) {
        while (!cards.Empty()) {
            MoveCard(cards, 0, game.Stock);
        }
    }
    void Computer(const std::string& cards) { PutCards(game, game.OpponentCards, cards, TFrom::Deck); }
    void Player(const std::string& cards) { SetHand(game, cards); }
    void Discards(const std::string& cards) { PutCards(game, game.DiscardPile, cards, TFrom::Deck); }
    // The stock's next cards, top first.
    void StockTop(const std::string& cards) {
        TCardArray top;
        std::vector<TCard> wanted = ParseCards(cards);
        for (const TCard& card : wanted) {
            for (int i = 0; i < game.Stock.Count(); ++i) {
                if (game.Stock.At(i).Suit == card.Suit &&
                    (IsJoker(card) || game.Stock.At(i).Rank == card.Rank)) {
                    MoveCard(game.Stock, i, top);
                    break;
                }
            }
        }
        for (int i = top.Count() - 1; i >= 0; --i) {
            *game.Stock.InsertAt(0) = top.At(i);
        }
    }
    TCardArray& Meld(const std::string& cards) { return PutMeld(game, cards, TFrom::Deck); }

    TSeatView ComputerView() const { return ViewOf(game, ComputerSeat); }

    std::string Steps() const { return ShowTurn(game.OpponentTurn); }
};

TEST_F(StrongOpponentTest, TakesTheDiscardOnlyWhenItHelps) {
    Computer("He5 He6 Kr2 Ka9 Bl4 BlK Ka5");
    struct TCase {
        const char* Top;
        bool Taken;
    } cases[] = {
        {"*", true},     // a joker always
        {"He7", true},   // completes a run
        {"He4", true},   // and at the other end
        {"Bl8", false},  // a stranger
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Top);
        Clear(game.DiscardPile);
        Discards(c.Top);
        EXPECT_EQ(TakeFromDiscardPile(ComputerView()), c.Taken);
    }
    Clear(game.DiscardPile);
    EXPECT_FALSE(TakeFromDiscardPile(ComputerView()));  // nothing to take
}

TEST_F(StrongOpponentTest, ComesOutWithTheMeldThatReachesTheMinimumAndKeepsTheRest) {
    Computer("He2 He3 He4 KrD KrK KrA Ka7 Bl9");
    Discards("Ka2");
    StockTop("Bl5");
    ZugDesGegners(game);
    // Of three cards that are all alone, the one worth most goes once the
    // computer is out.
    EXPECT_EQ(Steps(), "stock; lay out KrA KrK KrD as 0; discard Bl9");
    EXPECT_EQ(game.OpponentCameOut, 1);
    // The run of 9 points stays in the hand: laid, it would only help the player.
    EXPECT_EQ(ShowHand(game.OpponentCards), "He2 He3 He4 Ka7 Bl5");
    EXPECT_EQ(CheckCards(game), "");
}

// The computer never ends a turn with its hand laid out whole: it keeps a card
// back to throw away and win, laying off what a meld of the hand would take
// where that is the way to keep one; a hand that is one meld of three and
// nothing else stays in the hand.
TEST_F(StrongOpponentTest, KeepsACardToThrowAwayWhenItGoesOut) {
    const struct {
        const char* Hand;
        const char* Table;
        const char* Top;
        bool Wins;
    } cases[] = {
        {"He5 He6 He7", "", "Bl2", true},         // the meld, and the card drawn thrown away
        {"He5 He6", "He4 He3 He2", "He7", true},  // two laid off, the third thrown away
        {"He5 He6", "", "He7", false},            // a meld of three and nothing to throw
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Hand + std::string(" + ") + c.Top);
        // Every case from the same deal, whatever the one before drew.
        game.Rng.Seed(5);
        game.NeuesSpiel();
        Clear(game.OpponentCards);
        Clear(game.DiscardPile);
        Computer(c.Hand);
        if (*c.Table != 0) {
            Meld(c.Table);
        }
        game.OpponentCameOut = 1;
        StockTop(c.Top);
        ZugDesGegners(game);
        if (c.Wins) {
            EXPECT_EQ(screen.HandAtEnd, "");  // won by the discard
            EXPECT_EQ(screen.DiscardTopAtEnd, c.Top);
        } else {
            EXPECT_FALSE(game.Over());
            EXPECT_EQ(game.OpponentCards.Count(), 2) << Steps();
            EXPECT_EQ(game.OpponentTurn.Steps.back().Kind, TStepKind::Discard) << Steps();
        }
    }
}

// Of two melds that would each bring it out, it comes out with the one that
// gives the other side less to lay off: here the run whose neighbours are gone.
TEST_F(StrongOpponentTest, ComesOutWithTheMeldThatHelpsThePlayerLeast) {
    Computer("KrD KrK KrA He10 HeB HeD Ka7 Bl4 Ka2");
    const struct {
        const char* Gone;  // both copies of each lie in the discard pile
        std::vector<int> Laid;
    } cases[] = {{"KrB Kr2", {0, 1, 2}}, {"He9 HeK", {3, 4, 5}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Gone);
        TSeatView view = ComputerView();
        for (const TCard& card : ParseCards(c.Gone)) {
            view.InPile[KindOf(card.Suit, card.Rank)] = 2;
        }
        const TStrongMove move = NextMove(view);
        EXPECT_EQ(move.Kind, TMoveKind::LayOut);
        EXPECT_EQ(move.Cards, c.Laid);
    }
}

// A meld worth exactly the minimum brings it out; one point less does not.
TEST_F(StrongOpponentTest, ComesOutWithASetWorthExactlyTheMinimum) {
    Computer("Ka10 He10 Bl10 Kr3 Ka6 Bl8 He2");
    for (const int32_t minimum : {30, 31}) {
        SCOPED_TRACE(minimum);
        game.MeldMinimum = minimum;
        const TStrongMove move = NextMove(ComputerView());
        EXPECT_EQ(move.Kind, minimum == 30 ? TMoveKind::LayOut : TMoveKind::Discard);
        if (minimum == 30) {
            EXPECT_EQ(move.Cards, (std::vector<int>{0, 1, 2}));
        }
    }
}

TEST_F(StrongOpponentTest, NeverComesOutBelowTheMinimum) {
    game.MeldMinimum = 40;
    Computer("KrD KrK KrA He2 He9 Ka5 Bl7");
    Discards("Ka2");
    StockTop("Bl3");
    ZugDesGegners(game);
    EXPECT_EQ(game.OpponentCameOut, 0);
    EXPECT_EQ(game.TableMelds.Count(), 0);
}

TEST_F(StrongOpponentTest, GoesOutInOneTurnAndWinsByTheDiscard) {
    Computer("KrD KrK KrA He5 He6 He7");
    Discards("Ka2");
    StockTop("Bl2");
    Player("Ka3 Ka4 Kr8");
    ZugDesGegners(game);
    EXPECT_EQ(screen.Winners(), std::vector<int32_t>{ComputerSeat});
    EXPECT_EQ(screen.HandAtEnd, "");
    EXPECT_EQ(screen.DiscardTopAtEnd, "Bl2");
}

TEST_F(StrongOpponentTest, KeepsOneCardOfAFullHandBackToWinAtOnce) {
    game.OpponentCameOut = 1;
    Computer("He4 He5 He6");
    Discards("Ka2");
    StockTop("He7");
    Player("Ka3 Ka4 Kr8");
    ZugDesGegners(game);
    EXPECT_EQ(screen.Winners(), std::vector<int32_t>{ComputerSeat});
    EXPECT_EQ(screen.DiscardTopAtEnd, "He4");
}

TEST_F(StrongOpponentTest, LaysOffOntoAnyMeldOnceOut) {
    game.OpponentCameOut = 1;
    Meld("He8 He7 He6");
    Meld("Ka5 Bl5 He5");
    Computer("He9 Kr5 Ka2 BlK Ka10 Bl3");
    Discards("Kr3");
    StockTop("Ka7");
    ZugDesGegners(game);
    EXPECT_EQ(ShowMeld(game, 0), "He9 He8 He7 He6");
    EXPECT_EQ(ShowMeld(game, 1), "Ka5 Bl5 He5 Kr5");
    EXPECT_NE(Steps().find("lay off He9 on 0 top"), std::string::npos) << Steps();
    EXPECT_NE(Steps().find("lay off Kr5 on 1 set"), std::string::npos) << Steps();
    // Laid by the player's rules and never marked for the player's take-back.
    for (int m = 0; m < 2; ++m) {
        const TCardArray& cards = *game.TableMelds.At(m).Cards;
        for (int i = 0; i < cards.Count(); ++i) {
            EXPECT_EQ(cards.At(i).TakeBack, 0);
        }
    }
    EXPECT_EQ(CheckCards(game), "");
}

TEST_F(StrongOpponentTest, ThrowsAwayTheCardItNeedsLeast) {
    game.OpponentCameOut = 1;
    Computer("He5 He6 Ka9 Kr9 BlK Ka2 Ka3 *");
    const TStrongMove move = NextMove(ComputerView());
    ASSERT_EQ(move.Kind, TMoveKind::Discard);
    EXPECT_EQ(CardName(game.OpponentCards.At(move.Cards.front())), "BlK");
    EXPECT_TRUE(move.KeepsMelds);
}

// What both sides remember: the pile's cards, who took which of them and has
// not shown it since, and who threw what away.
TEST_F(StrongOpponentTest, BothSidesRememberTheOpenDiscards) {
    game.Seen.Clear();
    Computer("He5 He9 KaK KrD");
    Player("Kr8 Kr9 Bl2");
    Discards("KrB Ka4");
    game.Seen.Discarded(ComputerSeat, ParseCard("KrB"));
    game.Seen.Discarded(ComputerSeat, ParseCard("Ka4"));
    ASSERT_TRUE(game.PlayerDrawFromDiscardPile());  // Karo 4
    EXPECT_EQ(game.Seen.KnownIn(PlayerSeat, Karo, 4), 1);
    EXPECT_EQ(game.Seen.InPile(Karo, 4), 0);
    EXPECT_EQ(ComputerView().OtherHolds[KindOf(Karo, 4)], 1);
    EXPECT_EQ(ViewOf(game, PlayerSeat).NextThrew[KindOf(Kreuz, Bube)], 1);
    // Laid, it is no longer the player's secret; thrown away, it lies in the pile.
    game.ClearHandSelection();
    game.ToggleHandCard(HandIndex(game, "Bl2"));
    game.PlayerDiscard();
    ZugDesGegners(game);  // the computer does not want it
    EXPECT_EQ(game.Seen.DiscardedBy(PlayerSeat, Blatt, 2), 1);
    EXPECT_EQ(game.Seen.InPile(Blatt, 2) + game.Seen.InPile(Kreuz, Bube), 2);
    game.Seen.Shown(PlayerSeat, ParseCard("Ka4"));
    EXPECT_EQ(game.Seen.KnownIn(PlayerSeat, Karo, 4), 0);
    // Old discards back in the stock are no longer in the pile.
    game.Seen.Clear();
    Clear(game.DiscardPile);
    for (const char* card : {"Ka2", "Ka3", "Ka5", "Ka6", "Ka7", "Ka8", "Ka9", "Ka10", "KaB", "KaD", "KaK"}) {
        Discards(card);
        game.Seen.Discarded(ComputerSeat, ParseCard(card));
    }
    game.StapelAuffrischen();
    EXPECT_EQ(game.Seen.InPile(Karo, 2), 0);
    EXPECT_EQ(game.Seen.InPile(Karo, Koenig), 1);
    EXPECT_EQ(game.Seen.DiscardedBy(ComputerSeat, Karo, Koenig), 1);
    game.NeuesSpiel();
    EXPECT_EQ(game.Seen.InPile(Karo, Koenig), 0);
}

// Watches every step of the computer's turns: the deck stays whole, and every
// meld the strong computer lays or lays off onto passes the player's rules as
// it lies.
class TStepWatch : public TEventLog {
  public:
    void Happened(const TGame& game, const TGameEvent& event) override {
        if (event.Kind != TEventKind::Step || event.Seat != ComputerSeat) {
            return;
        }
        ++StepsSeen;
        const std::string broken = CheckCards(game);
        if (!broken.empty()) {
            Problems += broken;
        }
        const TTurnStep& step = event.Step;
        if (game.Opponent == TOpponentKind::Strong &&
            (step.Kind == TStepKind::LayOut || step.Kind == TStepKind::LayOff)) {
            TCursor<TCard> cursor;
            TCardArray candidate(&cursor);
            AppendTableCopies(*game.TableMelds.At(step.Meld).Cards, candidate);
            if (!FitsTogether(candidate)) {
                Problems += "meld " + ShowCards(*game.TableMelds.At(step.Meld).Cards) + " breaks the rules; ";
            }
        }
    }

    std::string Problems;
    int StepsSeen = 0;
};

TEST(StrongOpponentGames, EveryStepKeepsTheRulesAndTheDeck) {
    for (const bool strongPlayer : {false, true}) {
        SCOPED_TRACE(strongPlayer ? "strong player against the classic computer"
                                  : "scripted player against the strong computer");
        TStepWatch screen;
        TGame game(&screen, 91);
        game.ChosenOpponent = strongPlayer ? TOpponentKind::Classic : TOpponentKind::Strong;
        TScriptedPlayer scripted(17);
        TStrongPlayer strong;
        for (int g = 0; g < 12; ++g) {
            game.NeuesSpiel();
            for (int turn = 0; turn < 300 && !game.Over(); ++turn) {
                TPlayer& player = strongPlayer ? static_cast<TPlayer&>(strong) : scripted;
                ASSERT_EQ(player.PlayTurn(game, PlayerSeat), TTurnEnd::Played);
                ZugDesGegners(game);
                ASSERT_EQ(screen.Problems, "") << "game " << g << ", turn " << turn;
                ASSERT_EQ(CheckCards(game), "");
                // Every drop of the player passed.
                ASSERT_EQ(strong.Refusals + scripted.Refusals, 0);
            }
            EXPECT_TRUE(game.Over()) << "game " << g << " did not end";
        }
        EXPECT_GT(screen.StepsSeen, 100);
    }
}

// A short match in each pairing the strong strategy plays: no broken rule, and
// it wins more than it loses.
TEST(StrongOpponentGames, ShortMatchesAreWonByTheStrongStrategy) {
    for (const TStrategy other : {TStrategy::Classic, TStrategy::Scripted}) {
        const TMatchResult result = PlayMatch(TStrategy::Strong, other, 15, 5);
        EXPECT_EQ(result.Failure, "");
        EXPECT_EQ(result.Games, 30);
        EXPECT_EQ(result.FirstWins + result.SecondWins + result.Unfinished, result.Games);
        EXPECT_GT(result.FirstWins, result.SecondWins) << MatchLine(TStrategy::Strong, other, result);
    }
}

struct TDecision {
    bool Take = false;
    TMoveKind Kind = TMoveKind::None;
    std::vector<int> Cards;
    int32_t Meld = -1;
    bool operator==(const TDecision&) const = default;
};

TDecision Decide(const TGame& game, int32_t side) {
    const TSeatView view = ViewOf(game, side);
    const TStrongMove move = NextMove(view);
    return {TakeFromDiscardPile(view), move.Kind, move.Cards, move.Meld};
}

// The stock's order and the other hand are hidden: shuffling the one and
// exchanging the other for cards of the stock changes no decision.
TEST(StrongOpponentGames, HiddenCardsChangeNoDecision) {
    TEventLog screen;
    TGame game(&screen, 23);
    game.ChosenOpponent = TOpponentKind::Strong;
    TScriptedPlayer scripted(29);
    std::mt19937 shuffle(31);
    int positions = 0;
    for (int g = 0; g < 6; ++g) {
        game.NeuesSpiel();
        for (int turn = 0; turn < 40 && game.GameState == MustDraw; ++turn) {
            for (const int32_t side : {PlayerSeat, ComputerSeat}) {
                const TDecision before = Decide(game, side);
                game.Mischeln();
                TCardArray& other = side == PlayerSeat ? game.OpponentCards : game.OwnCards;
                for (int i = 0; i < other.Count() && !game.Stock.Empty(); ++i) {
                    std::swap(other.At(i), game.Stock.At(static_cast<int>(shuffle() % game.Stock.Count())));
                }
                game.SortOwnCards();
                ASSERT_TRUE(before == Decide(game, side)) << "game " << g << ", turn " << turn;
                ++positions;
            }
            scripted.PlayTurn(game, PlayerSeat);
            ZugDesGegners(game);
            if (game.Over()) {
                break;
            }
        }
    }
    EXPECT_GT(positions, 50);
}

}  // namespace
