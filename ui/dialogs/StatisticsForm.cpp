#include "ui/dialogs/StatisticsForm.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "settings/OpponentChoice.h"

namespace {

const char* const RowNames[TStatisticsForm::Rows] = {
    QT_TRANSLATE_NOOP("TStatisticsForm", "Gewonnen"),
    QT_TRANSLATE_NOOP("TStatisticsForm", "Verloren"),
    QT_TRANSLATE_NOOP("TStatisticsForm", "Anteil gewonnen"),
    QT_TRANSLATE_NOOP("TStatisticsForm", "Aktuelle Siegesserie"),
    QT_TRANSLATE_NOOP("TStatisticsForm", "Längste Siegesserie"),
    QT_TRANSLATE_NOOP("TStatisticsForm", "Wenigste Züge bis zum Sieg"),
};

// Figures as the player's language writes them: "1.234" in German, "1,234" in English.
QString FigureText(const TOpponentRecord& record, int row) {
    const QLocale locale;
    switch (row) {
        case 0:
            return locale.toString(record.Won);
        case 1:
            return locale.toString(record.Lost);
        case 2:
            return ShareWon(record);
        case 3:
            return locale.toString(record.Streak);
        case 4:
            return locale.toString(record.LongestStreak);
        default:
            return record.FewestTurns > 0 ? locale.toString(record.FewestTurns) : QString::fromUtf8("–");
    }
}

}  // namespace

QString OpponentName(TOpponentKind opponent) {
    return opponent == TOpponentKind::Strong ? QCoreApplication::translate("TStatisticsForm", "Stark")
                                             : QCoreApplication::translate("TStatisticsForm", "Klassisch");
}

QString ShareWon(const TOpponentRecord& record) {
    const double games = static_cast<double>(record.Won) + record.Lost;
    if (games == 0) {
        return QString::fromUtf8("–");
    }
    //: A share in percent, %1 the number: "75 %" in German, "75%" in English.
    return QCoreApplication::translate("TStatisticsForm", "%1 %")
        .arg(QLocale().toString(static_cast<int>(std::lround(100.0 * record.Won / games))));
}

TStatisticsForm::TStatisticsForm(QWidget* parent) : QDialog(parent) {
    setObjectName("StatisticsForm");
    setWindowTitle(tr("Statistik"));

    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(24);
    const TOpponentKind opponents[2] = {TOpponentKind::Classic, TOpponentKind::Strong};
    for (int o = 0; o < 2; ++o) {
        auto* head = new QLabel("<b>" + OpponentName(opponents[o]) + "</b>", this);
        head->setAlignment(Qt::AlignRight);
        grid->addWidget(head, 0, o + 1);
    }
    for (int row = 0; row < Rows; ++row) {
        grid->addWidget(new QLabel(tr(RowNames[row]), this), row + 1, 0);
        for (int o = 0; o < 2; ++o) {
            QLabel* figure = new QLabel(this);
            figure->setObjectName(StoredOpponentName(opponents[o]) + QString::number(row));
            figure->setAlignment(Qt::AlignRight);
            grid->addWidget(figure, row + 1, o + 1);
            Figures[o][row] = figure;
        }
    }
    column->addLayout(grid);

    // Lists stand apart from the opponents: one list may be played against both.
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(24);
    ListsWon = new QLabel(this);
    ListsLost = new QLabel(this);
    const QString listRows[] = {tr("Listen gewonnen"), tr("Listen verloren")};
    QLabel* listFigures[] = {ListsWon, ListsLost};
    for (int row = 0; row < 2; ++row) {
        listFigures[row]->setObjectName(row == 0 ? "ListsWon" : "ListsLost");
        listFigures[row]->setAlignment(Qt::AlignRight);
        lists->addWidget(new QLabel(listRows[row], this), row, 0);
        lists->addWidget(listFigures[row], row, 1);
    }
    lists->setColumnStretch(0, 1);
    column->addSpacing(8);
    column->addLayout(lists);

    Note = new QLabel(tr("Gezählt wird jedes Spiel, das mit dem Abwerfen der letzten Karte endet. "
                         "Ein Spiel, das Sie mit „Neues Spiel“ abbrechen, zählt als verloren, "
                         "wenn Sie darin schon eine Karte gezogen hatten. Ein Zug beginnt mit dem "
                         "Ziehen einer Karte. Eine Liste zählt, wenn sie endet; eine Liste, die Sie mit "
                         "„Neue Liste“ aufgeben, zählt als verloren."),
                      this);
    Note->setObjectName("Note");
    Note->setWordWrap(true);
    column->addSpacing(8);
    column->addWidget(Note);

    auto* buttons = new QDialogButtonBox(this);
    ResetBtn = buttons->addButton(tr("Zurücksetzen"), QDialogButtonBox::ResetRole);
    ResetBtn->setObjectName("ResetBtn");
    CloseBtn = buttons->addButton(tr("Schließen"), QDialogButtonBox::AcceptRole);
    CloseBtn->setObjectName("CloseBtn");
    CloseBtn->setDefault(true);
    connect(ResetBtn, &QPushButton::clicked, this, [this] {
        if (OnReset) {
            OnReset();
        }
    });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(buttons);
    setMinimumWidth(380);
}

void TStatisticsForm::ShowStatistics(const TGameStatistics& statistics) {
    const TOpponentKind opponents[2] = {TOpponentKind::Classic, TOpponentKind::Strong};
    for (int o = 0; o < 2; ++o) {
        for (int row = 0; row < Rows; ++row) {
            Figures[o][row]->setText(FigureText(statistics.For(opponents[o]), row));
        }
    }
    ListsWon->setText(QLocale().toString(statistics.ListsWon));
    ListsLost->setText(QLocale().toString(statistics.ListsLost));
}

QLabel* TStatisticsForm::Figure(TOpponentKind opponent, int row) const {
    return Figures[opponent == TOpponentKind::Strong ? 1 : 0][row];
}
