// The record of the computer's turn and the sentence that tells it.
#include <gtest/gtest.h>

#include <vector>

#include "game/ComputerTurn.h"
#include "game/record/TurnRecord.h"
#include "tests/game/OpponentTestKit.h"
#include "ui/table/GameWords.h"

namespace {

using namespace opponent_kit;

// Every kind of step in one turn, in the order the computer takes them.
TEST_F(OpponentTest, TheTurnIsNotedStepByStepAndToldInOneSentence) {
    game.OpponentCameOut = 1;
    AddMeld(game, "He7 *He6 He5");
    AddMeld(game, "Bl8 Bl7 Bl6");
    AddMeld(game, "Kr9 Bl9 He9");
    Put(game, game.OpponentCards, "Ka4 Ka5 He6 Bl9 Kr2 Kr2 Ka9");
    Put(game, game.DiscardPile, "Ka6");
    ZugDesGegners(game);
    EXPECT_EQ(ShowTurn(game.OpponentTurn),
              "discard pile Ka6; exchange He6 in 0; lay out *Ka6 Ka5 Ka4 as 3; lay off Ka9 on 2 set; "
              "lay off Bl9 on 1 top; discard Kr2");
    EXPECT_FALSE(game.OpponentTurn.Won);
    EXPECT_EQ(TurnSentence(game.OpponentTurn),
              "Computer: zieht Karo 6 vom Ablagestapel, tauscht Herz 6 gegen einen Joker, legt Karo 4, 5, "
              "Joker aus, "
              "legt Karo 9 an, legt Blatt 9 an, wirft Kreuz 2 ab.");
}

// A set names the suit of every card, from the low end up as it lies; a run
// names its suit once.
TEST_F(OpponentTest, TheSentenceNamesEveryCardOfASetWithItsSuit) {
    game.OpponentCameOut = 1;
    Put(game, game.OpponentCards, "He9 Ka9 Kr9 Bl2 Bl7");
    Put(game, game.DiscardPile, "Bl3");
    ZugDesGegners(game);
    const std::string sentence = TurnSentence(game.OpponentTurn);
    EXPECT_NE(sentence.find(", legt Karo 9, Herz 9, Kreuz 9 aus, "), std::string::npos) << sentence;
}

// A meld's words, its cards given as they lie: jokers below a run's first
// natural card come before its suit.
TEST(TurnRecordTest, AMeldIsNamedFromItsLowEndUpWithItsJokers) {
    const std::pair<const char*, const char*> cases[] = {
        {"Ka6 Ka5 Ka4", "Karo 4, 5, 6"},
        {"*Ka6 Ka5 Ka4", "Karo 4, 5, Joker"},
        {"Ka6 Ka5 *Ka4", "Joker, Karo 5, 6"},
        {"Ka6 *Ka5 Ka4", "Karo 4, Joker, 6"},
        {"*Ka7 *Ka6 Ka5 *Ka4", "Joker, Karo 5, Joker, Joker"},
        {"*He3 He2 HeA", "Herz Ass, 2, Joker"},
        {"Kr9 *Bl9 He9", "Herz 9, Joker, Kreuz 9"},
    };
    for (const auto& [cards, words] : cases) {
        EXPECT_EQ(MeldWords(ParseCards(cards)), words) << cards;
    }
}

TEST(TurnRecordTest, ALastDiscardIsNotedAsAWin) {
    TWatchScreen screen;
    TGame game(&screen, 3);
    Put(game, game.Stock, "He2");
    Put(game, game.DiscardPile, "Bl3");
    ZugDesGegners(game);
    EXPECT_EQ(screen.Winners(), std::vector<int32_t>{ComputerSeat});
    EXPECT_EQ(ShowTurn(game.OpponentTurn), "stock; discard He2");
    EXPECT_TRUE(game.OpponentTurn.Won);
    // The card from the stock stays unnamed.
    EXPECT_EQ(TurnSentence(game.OpponentTurn), "Computer: zieht eine Karte vom Stapel, wirft Herz 2 ab.");
    // The new deal starts without a record.
    game.NeuesSpiel();
    EXPECT_TRUE(game.OpponentTurn.Steps.empty());
    EXPECT_EQ(TurnSentence(game.OpponentTurn), "");
}

}  // namespace
