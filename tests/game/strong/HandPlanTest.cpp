// The strong strategy's picture of a hand agrees with the player's rules.
#include <gtest/gtest.h>

#include <vector>

#include "game/MeldRules.h"
#include "game/Settings.h"
#include "game/strong/HandPlan.h"
#include "tests/support/SettingsGuard.h"
#include "tests/support/TestCards.h"

namespace {

// The run check on counts gives what the player's rules give, for every run a
// hand can offer with up to three jokers.
TEST(HandPlanTest, RunCheckAgreesWithThePlayersRules) {
    const TGameSettingsGuard settings;
    const int32_t keep = FirstMeldMinimum;
    for (uint32_t bits = 1; bits < (1u << 13); ++bits) {
        if (__builtin_popcount(bits) < 2) {
            continue;
        }
        for (int32_t jokers = 0; jokers <= 3; ++jokers) {
            std::vector<TCard> cards;
            for (int32_t rank = 2; rank <= Ass; ++rank) {
                if ((bits >> (rank - 2)) & 1u) {
                    cards.push_back(MakeCard(Herz, rank));
                }
            }
            for (int j = 0; j < jokers; ++j) {
                cards.push_back(MakeCard(Joker, JokerRank));
            }
            TCursor<TCard> cursor;
            TCardArray candidate(&cursor);
            for (const TCard& card : cards) {
                AppendHandCopy(card, candidate);
            }
            const bool fits = FitsTogether(candidate);
            const TRunVerdict verdict = JudgeRun(bits, jokers);
            ASSERT_EQ(verdict.Fits, fits) << bits << " with " << jokers;
            if (!fits) {
                continue;
            }
            SortByMeldOrder(candidate);
            ASSERT_EQ(verdict.Points, PointsOf(candidate)) << bits << " with " << jokers;
            // The first-meld check moves the jokers down when the points fall short.
            FirstMeldMinimum = 1000;
            PassesFirstMeld(candidate, verdict.Points, FirstMeldMinimum);
            ASSERT_EQ(verdict.ShiftedPoints, PointsOf(candidate)) << bits << " with " << jokers;
            FirstMeldMinimum = keep;
        }
    }
}

}  // namespace
