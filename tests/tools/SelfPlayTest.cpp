#include <gtest/gtest.h>

#include "SelfPlay.h"

namespace {

// Whole games of the scripted player against the computer: the deck stays whole
// after every turn, and the scripted player never gets a refusal.
TEST(SelfPlayTest, WholeGamesKeepTheDeckWhole) {
    for (uint64_t seed : {1u, 2u, 3u}) {
        const TSelfPlayResult result = PlayGames(4, seed, 300);
        EXPECT_EQ(result.Failure, "");
        EXPECT_EQ(result.Games, 4);
        EXPECT_EQ(result.PlayerWins + result.ComputerWins + result.Unfinished, result.Games);
    }
}

// The rules and both players decide exactly as they did when this figure was
// taken: any change of any decision, mark or card order shows here.
TEST(SelfPlayTest, FixedSeedsGiveTheRecordedGames) {
    const TSelfPlayResult result = PlayGames(40, 7);
    EXPECT_EQ(result.Failure, "");
    EXPECT_EQ(result.Signature, 0x103514a1c540e189ull);
}

}  // namespace
