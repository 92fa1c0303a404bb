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

}  // namespace
