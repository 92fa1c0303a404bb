// The window "Liste": a row per game of the list in play (or of the last one),
// the totals, when the list ends, what a held joker costs, "Liste speichern…"
// and "Neue Liste". The main window keeps the lists; this only shows them.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "settings/ListCsv.h"
#include "settings/ListSettings.h"
#include "settings/ScoreList.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

// "Sie", then "Computer" at a table of two, else "Computer 1", "Computer 2", ...
QString SeatName(int32_t seat, int32_t seats);
// Every seat with its total: "Sie 35, Computer 120".
QString TotalsText(const TScoreList& list, const QString& separator);
// The one line of the main window: "Liste: Sie 35 · Computer 120"; screen
// readers hear commas between the seats.
QString ListLineText(const TScoreList& list, const QString& separator = QString::fromUtf8(" · "));
// Who won a list that is over: "Sie haben die Liste gewonnen!", "Computer hat die Liste gewonnen."
QString ListWinnersText(const TScoreList& list);
// The message at a list's end: its winners, the final totals, and that a new list begins.
QString ListEndText(const TScoreList& list);
// The columns and marks of the export, in the player's language.
TCsvWords CsvWords(int32_t seats);

class TListForm final : public QDialog {
    Q_OBJECT
  public:
    explicit TListForm(QWidget* parent);

    // Shows the list in play; the last one, if there is one, can be chosen.
    void ShowLists(const TScoreLists& lists, const TListSettings& settings);
    // The list the table shows.
    const TScoreList& ShownList() const;

    // The main window acts on these.
    std::function<void(const TListSettings&)> OnSettingsChanged;
    std::function<void()> OnNewList;
    std::function<void(const TScoreList&)> OnSave;

    QWidget* WhichRow;  // the choice with its label, shown once there is a last list
    QComboBox* Which;   // the list in play or the last one
    QTableWidget* Table;
    QLabel* Note;
    QComboBox* LimitBox;
    QComboBox* JokerBox;
    QPushButton* SaveBtn;
    QPushButton* NewBtn;
    QPushButton* CloseBtn;

  private:
    void FillTable();
    void SettingsChosen();

    TScoreLists Lists;
    TListSettings Settings;
};
