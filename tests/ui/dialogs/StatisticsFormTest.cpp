// What the dialog "Statistik" makes of a record.
#include <gtest/gtest.h>

#include <QLabel>

#include "ui/dialogs/StatisticsForm.h"

namespace {

TEST(StatisticsFormTest, TheShareWonIsRoundedAndADashBeforeTheFirstGame) {
    EXPECT_EQ(ShareWon(TOpponentRecord{3, 1, 1, 2, 9}), "75 %");
    EXPECT_EQ(ShareWon(TOpponentRecord{1, 2, 0, 1, 9}), "33 %");
    EXPECT_EQ(ShareWon(TOpponentRecord{}), "–");
}

// Each figure in its row and column, as German writes numbers.
TEST(StatisticsFormTest, EveryFigureStandsInItsPlace) {
    TGameStatistics statistics;
    statistics.For(TOpponentKind::Strong) = {1234, 5, 2, 7, 9};
    TStatisticsForm form(nullptr);
    form.ShowStatistics(statistics);
    const char* const strong[TStatisticsForm::Rows] = {"1.234", "5", "100 %", "2", "7", "9"};
    for (int row = 0; row < TStatisticsForm::Rows; ++row) {
        EXPECT_EQ(form.Figure(TOpponentKind::Strong, row)->text(), strong[row]) << row;
    }
    EXPECT_EQ(form.Figure(TOpponentKind::Classic, 2)->text(), "–");
    EXPECT_EQ(form.Figure(TOpponentKind::Classic, 5)->text(), "–");
}

}  // namespace
