// The dialog "Statistik": games won and lost against each opponent, the share
// won, the winning streaks and the fewest turns to a win; lists won and lost.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "settings/GameStatistics.h"

class QLabel;
class QPushButton;

// "Klassisch", "Stark": as the menu and the dialog name the opponents.
QString OpponentName(TOpponentKind opponent);
// The share of games won, "67 %", or "–" before the first game.
QString ShareWon(const TOpponentRecord& record);

class TStatisticsForm final : public QDialog {
    Q_OBJECT
  public:
    static constexpr int Rows = 6;

    explicit TStatisticsForm(QWidget* parent);

    void ShowStatistics(const TGameStatistics& statistics);
    // The figure in `row` (0 won, 1 lost, 2 share, 3 streak, 4 longest
    // streak, 5 fewest turns) for one opponent.
    QLabel* Figure(TOpponentKind opponent, int row) const;

    // "Zurücksetzen": the main window asks and resets.
    std::function<void()> OnReset;

    QLabel* Note;
    QLabel* ListsWon;
    QLabel* ListsLost;
    QPushButton* ResetBtn;
    QPushButton* CloseBtn;

  private:
    QLabel* Figures[2][Rows];
};
