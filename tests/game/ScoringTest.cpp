// The minus points a hand costs at a game's end.
#include <gtest/gtest.h>

#include "game/Scoring.h"
#include "tests/support/TestCards.h"

namespace {

TEST(ScoringTest, EachCardCostsItsListValue) {
    struct TCase {
        const char* Card;
        int32_t Points;
    };
    const TCase cards[] = {{"He2", 2},  {"Ka5", 5},  {"Bl9", 9},  {"Kr10", 10}, {"HeB", 10},
                           {"KaD", 10}, {"BlK", 10}, {"KrA", 11}, {"*", 20}};
    for (const TCase& c : cards) {
        EXPECT_EQ(HandCardPoints(ParseCard(c.Card), DefaultJokerPoints), c.Points) << c.Card;
    }
    // A joker that stood for a card in a meld is still a joker in the hand.
    EXPECT_EQ(HandCardPoints(ParseCard("*He7"), DefaultJokerPoints), 20);
    EXPECT_EQ(HandCardPoints(ParseCard("*"), HighJokerPoints), 25);
    EXPECT_EQ(HandCardPoints(ParseCard("KrA"), HighJokerPoints), 11);
}

// Every other seat pays for its hand, the winner nothing; a Hand-Rommé
// doubles, at tables of two to four.
TEST(ScoringTest, TheOthersPayTheirHandsAndAHandRommeDoubles) {
    struct TCase {
        std::vector<const char*> Hands;
        int32_t Winner;
        bool HandRomme;
        int32_t Joker;
        std::vector<int32_t> Points;
    };
    const TCase games[] = {
        {{"", "He2 KaA * BlK"}, 0, false, 20, {0, 43}},
        {{"", "He2 KaA * BlK"}, 0, true, 20, {0, 86}},
        {{"Kr3 Kr4 * *", ""}, 1, false, 25, {57, 0}},
        {{"Kr3 Kr4 * *", ""}, 1, true, 25, {114, 0}},
        {{"He9", "KaD Ka10", ""}, 2, false, 20, {9, 20, 0}},
        {{"He9", "", "KaD Ka10", "*"}, 1, true, 20, {18, 0, 40, 40}},
        {{"", ""}, 0, true, 20, {0, 0}},
    };
    for (const TCase& g : games) {
        TFinishedGame game;
        for (const char* hand : g.Hands) {
            game.Hands.push_back(ParseCards(hand));
        }
        game.Winner = g.Winner;
        game.HandRomme = g.HandRomme;
        EXPECT_EQ(MinusPoints(game, g.Joker), g.Points) << g.Hands[0] << " / " << g.Hands[1];
    }
}

}  // namespace
