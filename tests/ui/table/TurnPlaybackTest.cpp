// The copies of the computer's turn for playing it out, and their pace.
#include <gtest/gtest.h>

#include "ui/table/TurnPlayback.h"

namespace {

TEST(TurnPlaybackTest, TheSpeedsRiseFromAtOnceToSlow) {
    EXPECT_EQ(StepMilliseconds(TMoveSpeed::Instant), 0);
    EXPECT_LT(StepMilliseconds(TMoveSpeed::Fast), StepMilliseconds(TMoveSpeed::Normal));
    EXPECT_LT(StepMilliseconds(TMoveSpeed::Normal), StepMilliseconds(TMoveSpeed::Slow));
}

}  // namespace
