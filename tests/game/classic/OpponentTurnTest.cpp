// The computer's turn as a whole: draw decision, discard choice, end of game.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "game/ComputerTurn.h"
#include "tests/game/OpponentTestKit.h"

namespace {

using namespace opponent_kit;

struct DrawCase {
    const char* Why;
    const char* Hand;
    const char* Discards;  // bottom to top
    const char* Stock;     // top first
    const char* Drawn;     // empty: nothing drawn
    const char* DiscardsAfter;
};

TEST_F(OpponentTest, DrawDecision) {
    const DrawCase cases[] = {
        {"a joker on top is always taken", "He5 He6 Kr2", "Ka3 *", "Bl9", "*", "Ka3"},
        {"an equal card held means the stock, even in the most-held suit", "He5 He6 He9 Kr2", "He9", "Bl9",
         "Bl9", "He9"},
        {"a tie of most-held suits goes to the lower suit", "Ka2 Ka3 Ka4 He2 He3 He4 Bl5", "He7", "Bl9",
         "Bl9", "He7"},
        {"the most-held suit is taken", "Ka2 He3 He4 Bl5", "He7", "Bl9", "He7", ""},
        {"jokers only: no most-held suit", "* *", "Ka7", "Bl9", "Bl9", "Ka7"},
        {"an empty discard pile means the stock", "Ka2", "", "Bl9", "Bl9", ""},
        {"an empty stock is refilled from all but the top discard", "Ka2 Ka3", "Bl2 Bl2 Kr7", "", "Bl2",
         "Kr7"},
        {"with the stock still empty the top discard is taken", "Ka2", "Kr7", "", "Kr7", ""},
        {"with no card anywhere nothing is drawn", "Ka2", "", "", "", ""},
    };
    for (const DrawCase& c : cases) {
        SCOPED_TRACE(c.Why);
        game.ClearAll();
        Put(game, game.OpponentCards, c.Hand);
        Put(game, game.DiscardPile, c.Discards);
        Put(game, game.Stock, c.Stock);
        const int cardsBefore = game.Stock.Count() + game.DiscardPile.Count();
        classic.OpponentDraw();
        EXPECT_EQ(ShowHand(game.OpponentCards), *c.Drawn ? std::string(c.Hand) + " " + c.Drawn : c.Hand);
        EXPECT_EQ(ShowCards(game.DiscardPile), c.DiscardsAfter);
        EXPECT_EQ(game.Stock.Count() + game.DiscardPile.Count(), cardsBefore - (*c.Drawn ? 1 : 0));
    }  // A seat's draw from an empty pile takes nothing and says so.
    game.ClearAll();
    for (const bool fromPile : {false, true}) {
        EXPECT_FALSE(game.DrawFor(ComputerSeat, fromPile));
        EXPECT_TRUE(game.OpponentCards.Empty());
    }
}

struct DiscardCase {
    const char* Why;
    const char* Hand;
    int Expected;  // -1: a random natural card, -2: a random card of a joker-only hand
};

TEST_F(OpponentTest, DiscardChoice) {
    const DiscardCase cases[] = {
        {"the earlier copy of a doubled card", "HeD Ka5 HeD Bl7", 0},
        {"of two pairs, the one whose earlier copy stands later", "Ka5 HeD Ka5 Bl7 HeD", 1},
        {"two jokers are no pair; Blatt (none held) replaces Herz", "* * He5", 2},
        {"Karo 2, Herz 0, Blatt 1, Kreuz 4: Herz is chosen, none held", "Kr2 Ka5 Kr3 Bl9 Ka7 Kr4 Kr5 *", -1},
        {"Karo 0, Herz 3, Blatt 1, Kreuz 2: the one Blatt", "He2 He3 Kr5 He4 Bl9 Kr6", 4},
        {"Karo 1, Herz 3, Blatt 1, Kreuz 2: the tie keeps Karo", "He2 Bl9 He3 Kr5 He4 Ka9 Kr6", 5},
        {"the card of the discard suit at the lowest position", "He2 Ka9 He3 Ka4 Kr5 Kr6 Kr7 Bl8 Bl9 Bl10",
         1},
        {"only jokers: any of them", "* * *", -2},
    };
    for (const DiscardCase& c : cases) {
        SCOPED_TRACE(c.Why);
        game.ClearTCard(game.OpponentCards);
        Put(game, game.OpponentCards, c.Hand);
        std::set<int> picks;
        for (uint64_t seed = 1; seed <= 40; ++seed) {
            game.Rng.Seed(seed);
            const int pick = classic.ChooseOpponentDiscard();
            ASSERT_GE(pick, 0);
            ASSERT_LT(pick, game.OpponentCards.Count());
            if (c.Expected == -1) {
                EXPECT_FALSE(IsJoker(game.OpponentCards.At(pick)));
            }
            picks.insert(pick);
        }
        if (c.Expected >= 0) {
            EXPECT_EQ(picks, std::set<int>{c.Expected});
        } else {
            EXPECT_GT(picks.size(), 1u);  // really chosen at random
        }
    }
    game.ClearTCard(game.OpponentCards);
    EXPECT_EQ(classic.ChooseOpponentDiscard(), -1);
}

TEST_F(OpponentTest, MeldsThatEmptyTheHandEndTheTurnWithoutDiscardThenTheNextDiscardLoses) {
    Put(game, game.OpponentCards, "KrD KrK");
    Put(game, game.Stock, "KrA Bl2");
    Put(game, game.DiscardPile, "He5");
    ZugDesGegners(game);
    EXPECT_EQ(ShowMeld(game, 0), "KrA KrK KrD");
    EXPECT_TRUE(game.OpponentCards.Empty());
    EXPECT_EQ(ShowCards(game.DiscardPile), "He5");
    EXPECT_TRUE(screen.Winners().empty());

    // Its next turn: one card drawn, no meld possible, discarded: the player has lost.
    ZugDesGegners(game);
    EXPECT_EQ(screen.Winners(), std::vector<int32_t>{ComputerSeat});
    EXPECT_EQ(screen.HandAtEnd, "");
    EXPECT_EQ(screen.DiscardTopAtEnd, "Bl2");
    EXPECT_TRUE(game.OpponentTurn.Won);
    // The table stays as it ended, the player to draw no more.
    EXPECT_TRUE(game.Over());
    EXPECT_EQ(ShowMeld(game, 0), "KrA KrK KrD");
    EXPECT_FALSE(game.PlayerDrawFromStock());
}

TEST_F(OpponentTest, CardsLaidByTheComputerCannotBeTakenBackByThePlayer) {
    game.OpponentCameOut = 1;
    Put(game, game.OpponentCards, "He5 He6 Kr2 Bl3");
    Put(game, game.DiscardPile, "He7");
    game.DiscardPile.At(0).TakeBack = 1;  // the player took it back before discarding it
    Put(game, game.Stock, "Ka9");
    ZugDesGegners(game);
    EXPECT_EQ(ShowMeld(game, 0), "He7 He6 He5");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(game.TableMelds.At(0).Cards->At(i).TakeBack, 0);
    }
    EXPECT_EQ(ShowHand(game.OpponentCards), "Kr2");
    EXPECT_EQ(ShowCards(game.DiscardPile), "Bl3");
}

TEST_F(OpponentTest, AJokerWonAfterTheDrawIsLaidOutInTheSameTurn) {
    game.OpponentCameOut = 1;
    AddMeld(game, "*He7 He6 He5");
    Put(game, game.OpponentCards, "Kr2 He5 Kr3 He7 Bl8 Kr9");
    Put(game, game.Stock, "Ka9");
    Put(game, game.DiscardPile, "Bl10");
    ZugDesGegners(game);
    EXPECT_EQ(ShowMeld(game, 0), "He7 He6 He5");
    EXPECT_EQ(ShowMeld(game, 1), "*Kr4 Kr3 Kr2");
    EXPECT_EQ(ShowHand(game.OpponentCards), "He5 Bl8 Kr9");
    EXPECT_EQ(ShowCards(game.DiscardPile), "Bl10 Ka9");
}

// Every field the computer's search writes, for a whole-turn comparison.
std::string Fields(const TCard& card) {
    return (IsJoker(card) ? std::string("*") : CardName(card)) + " sel" + std::to_string(card.Selected) +
           " ord" + std::to_string(card.MeldOrder) + " as" + std::to_string(card.AsRank) + "/" +
           std::to_string(card.AsSuit) + " tb" + std::to_string(card.TakeBack) + " ft" +
           std::to_string(card.FromTable) + " fx" + std::to_string(card.FixedOnTable);
}

std::vector<std::string> AllFields(const TCardArray& cards) {
    std::vector<std::string> out;
    for (int i = 0; i < cards.Count(); ++i) {
        out.push_back(Fields(cards.At(i)));
    }
    return out;
}

// A full set takes no card, but the search still marks the hand for each
// suit, and those marks travel with the cards into the hand and the discard.
TEST_F(OpponentTest, AFullSetStillMarksTheHandForEverySuit) {
    const struct {
        const char* Hand;
        std::vector<std::string> HandAfter;
        std::string Discarded;
    } cases[] = {
        {"He3 He3",
         {"He3 sel0 ord0 as3/2 tb0 ft0 fx0", "Kr9 sel0 ord4 as9/4 tb0 ft0 fx0"},
         "He3 sel0 ord2 as3/2 tb0 ft0 fx0"},
        // The joker is marked for each suit in turn and keeps the last, Kreuz.
        {"He3 He3 *",
         {"He3 sel0 ord0 as3/2 tb0 ft0 fx0", "* sel1 ord0 as2/4 tb0 ft0 fx0",
          "Kr9 sel0 ord4 as9/4 tb0 ft0 fx0"},
         "He3 sel0 ord2 as3/2 tb0 ft0 fx0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Hand);
        game.ClearAll();
        game.OpponentCameOut = 1;
        AddMeld(game, "Kr2 Bl2 He2 Ka2");
        Put(game, game.OpponentCards, c.Hand);
        Put(game, game.Stock, "Kr9");
        Put(game, game.DiscardPile, "Bl5");
        ZugDesGegners(game);
        EXPECT_EQ(ShowMeld(game, 0), "Kr2 Bl2 He2 Ka2");
        EXPECT_EQ(AllFields(game.OpponentCards), c.HandAfter);
        ASSERT_EQ(game.DiscardPile.Count(), 2);
        EXPECT_EQ(Fields(game.DiscardPile.Last()), c.Discarded);
    }
}

// Whole turns against a player who only draws and discards at random.
TEST(OpponentPlayTest, ManyTurnsKeepEveryCardAndLayOnlySoundMelds) {
    TEventLog screen;
    TGame game{&screen, 2024};
    std::mt19937 player(99);
    int losses = 0;
    int melds = 0;
    for (int deal = 0; deal < 60; ++deal) {
        game.NeuesSpiel();
        for (int turn = 0; turn < 400 && !game.Over(); ++turn) {
            if (game.Stock.Empty()) {
                game.RefillEmptyStock();
            }
            ASSERT_TRUE(MoveCard(game.Stock.Empty() ? game.DiscardPile : game.Stock,
                                 game.Stock.Empty() ? game.DiscardPile.Count() - 1 : 0, game.OwnCards));
            game.StapelAuffrischen();
            ASSERT_TRUE(MoveCard(game.OwnCards, static_cast<int>(player() % game.OwnCards.Count()),
                                 game.DiscardPile));
            game.SetStatus(0);
            ZugDesGegners(game);

            ASSERT_EQ(CheckCards(game), "") << "deal " << deal << " turn " << turn;
            for (int m = 0; m < game.TableMelds.Count(); ++m) {
                const TCardArray& cards = *game.TableMelds.At(m).Cards;
                ASSERT_GE(cards.Count(), 3);
                auto value = [&](int i) {
                    return IsJoker(cards.At(i)) ? cards.At(i).AsRank : cards.At(i).Rank;
                };
                auto suit = [&](int i) {
                    return IsJoker(cards.At(i)) ? cards.At(i).AsSuit : cards.At(i).Suit;
                };
                bool oneSuit = true;
                bool consecutive = true;
                std::set<int> suits;
                for (int i = 0; i < cards.Count(); ++i) {
                    EXPECT_EQ(cards.At(i).TakeBack, 0);
                    oneSuit = oneSuit && suit(i) == suit(0);
                    consecutive = consecutive && (i == 0 || value(i) == RankBelow(value(i - 1)));
                    suits.insert(suit(i));
                    EXPECT_TRUE(suit(i) >= Karo && suit(i) <= Kreuz && value(i) >= 2 && value(i) <= Ass);
                }
                if (oneSuit) {
                    EXPECT_TRUE(consecutive) << "run " << ShowCards(cards);
                } else {
                    EXPECT_EQ(suits.size(), static_cast<size_t>(cards.Count())) << "set " << ShowCards(cards);
                    EXPECT_LE(cards.Count(), 4);
                    for (int i = 1; i < cards.Count(); ++i) {
                        EXPECT_EQ(value(i), value(0)) << "set " << ShowCards(cards);
                    }
                }
            }
            melds = std::max(melds, game.TableMelds.Count());
        }
        losses += game.Over() ? 1 : 0;
    }
    // The sample must really reach melds, lay-offs and lost games.
    EXPECT_GT(losses, 10);
    EXPECT_GT(melds, 2);
}

}  // namespace
