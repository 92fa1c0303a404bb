// The strong strategy's picture of a hand takes its runs from the player's rules.
#include <gtest/gtest.h>

#include <initializer_list>

#include "game/strong/HandPlan.h"

namespace {

uint32_t Ranks(std::initializer_list<int32_t> ranks) {
    uint32_t bits = 0;
    for (const int32_t rank : ranks) {
        bits |= 1u << (rank - 2);
    }
    return bits;
}

// A run's verdict, worked out by hand: whether it fits, its points as laid,
// and its points once a first meld short of the minimum has its top jokers
// moved below.
TEST(HandPlanTest, RunsAreJudgedAsThePlayersRulesJudgeThem) {
    const struct {
        const char* Why;
        uint32_t Bits;
        int32_t Jokers;
        TRunVerdict Verdict;
    } cases[] = {
        {"2, 3, 4", Ranks({2, 3, 4}), 0, {true, 9, 9}},
        {"the ace below the 2 counts 1", Ranks({Ass, 2, 3}), 0, {true, 6, 6}},
        {"the ace above the king counts 11", Ranks({Dame, Koenig, Ass}), 0, {true, 31, 31}},
        {"round the corner", Ranks({Koenig, Ass, 2}), 0, {true, 23, 23}},
        {"a joker in the gap", Ranks({5, 7}), 1, {true, 18, 18}},
        {"a joker at the top moves below", Ranks({9, 10}), 1, {true, 29, 27}},
        {"a gap without a joker", Ranks({10, Dame}), 0, {}},
        {"one rank is no run", Ranks({4}), 2, {}},
        {"all thirteen", (1u << 13) - 1, 0, {true, 95, 95}},
        {"fourteen cards", (1u << 13) - 1, 1, {}},
        {"more jokers than the deck holds", Ranks({2, 3}), 7, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Why);
        const TRunVerdict verdict = JudgeRun(c.Bits, c.Jokers);
        EXPECT_EQ(verdict.Fits, c.Verdict.Fits);
        EXPECT_EQ(verdict.Points, c.Verdict.Points);
        EXPECT_EQ(verdict.ShiftedPoints, c.Verdict.ShiftedPoints);
    }
}

}  // namespace
