// The match mode's pairings and the line it prints.
#include <gtest/gtest.h>

#include "Match.h"

namespace {

TEST(MatchTest, PairingsAreReadAndTheResultIsToldInOneLine) {
    TStrategy first{};
    TStrategy second{};
    EXPECT_TRUE(ParsePairing("stark-klassisch", first, second));
    EXPECT_EQ(first, TStrategy::Strong);
    EXPECT_EQ(second, TStrategy::Classic);
    EXPECT_FALSE(ParsePairing("skript-skript", first, second));
    EXPECT_FALSE(ParsePairing("stark", first, second));
    EXPECT_EQ(
        MatchLine(TStrategy::Strong, TStrategy::Classic, TMatchResult{8000, 5300, 2600, 100, 0, ""}),
        "match stark-klassisch: stark won 5300 of 8000 games (66.2 %), klassisch won 2600, unfinished 100");
}

}  // namespace
