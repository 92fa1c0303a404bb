#include <gtest/gtest.h>

#include "tests/support/SoakRun.h"

namespace {

// A short random session: every event leaves all 110 cards in place.
TEST(SoakTest, RandomSessionKeepsTheDeckWhole) {
    const TSoakResult result = RunSoak(20261208, 2500);
    EXPECT_EQ(result.Failure, "");
    EXPECT_EQ(result.Events, 2500);
    EXPECT_GT(result.MeldsLaid, 0);  // the session got as far as laying melds
}

}  // namespace
