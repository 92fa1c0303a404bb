// What the dialog "Statistik" makes of a record.
#include <gtest/gtest.h>

#include "ui/dialogs/StatisticsForm.h"

namespace {

TEST(StatisticsFormTest, TheShareWonIsRoundedAndADashBeforeTheFirstGame) {
    EXPECT_EQ(ShareWon(TOpponentRecord{3, 1, 1, 2, 9}), "75 %");
    EXPECT_EQ(ShareWon(TOpponentRecord{1, 2, 0, 1, 9}), "33 %");
    EXPECT_EQ(ShareWon(TOpponentRecord{}), "–");
}

}  // namespace
