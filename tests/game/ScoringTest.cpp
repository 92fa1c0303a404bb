// The minus points a hand costs at a game's end.
#include <gtest/gtest.h>

#include "game/Scoring.h"
#include "tests/support/TestCards.h"

namespace {

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
        {{"", "He2 Ka3 Bl4 Kr5 He6 Ka7 Bl8 Kr9"}, 0, false, 20, {0, 44}},
        {{"", "Kr10 HeB KaD BlK KrA"}, 0, false, 20, {0, 51}},
        {{"", "He2 KaA * BlK"}, 0, true, 20, {0, 86}},
        // A joker that stood for a card in a meld is still a joker in the hand.
        {{"Kr3 Kr4 * *He7", ""}, 1, false, 25, {57, 0}},
        {{"Kr3 Kr4 * *", ""}, 1, true, 25, {114, 0}},
        {{"He9", "KaD Ka10", ""}, 2, false, 20, {9, 20, 0}},
        {{"He9", "", "KaD Ka10", "*"}, 1, true, 20, {18, 0, 40, 40}},
    };
    for (const TCase& g : games) {
        TFinishedGame game{{}, g.Winner, g.HandRomme};
        for (const char* hand : g.Hands) {
            game.Hands.push_back(ParseCards(hand));
        }
        EXPECT_EQ(MinusPoints(game, g.Joker), g.Points) << g.Hands[0] << " / " << g.Hands[1];
    }
}

}  // namespace
