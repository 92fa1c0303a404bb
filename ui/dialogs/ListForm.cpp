#include "ui/dialogs/ListForm.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

namespace {

constexpr int MinimumTableWidth = 440;

const char* const LimitTexts[] = {
    QT_TRANSLATE_NOOP("TListForm", "bei mehr als 500 Minuspunkten"),
    QT_TRANSLATE_NOOP("TListForm", "bei mehr als 1000 Minuspunkten"),
    QT_TRANSLATE_NOOP("TListForm", "nach 10 Spielen"),
    QT_TRANSLATE_NOOP("TListForm", "nach 20 Spielen"),
    QT_TRANSLATE_NOOP("TListForm", "nie, nur mit „Neue Liste“"),
};

QString Points(int32_t points) {
    return QLocale().toString(points);
}

QTableWidgetItem* Cell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

// When the list in play ends under the chosen limit.
QString LimitNote(const TScoreList& list, TListLimit limit) {
    if (LimitPoints(limit) > 0) {
        return TListForm::tr(
                   "Die Liste endet, sobald jemand mehr als %1 Minuspunkte hat. Es gewinnt, wer dann die "
                   "wenigsten hat.")
            .arg(Points(LimitPoints(limit)));
    }
    if (LimitGames(limit) > 0) {
        const int32_t left = std::max<int32_t>(LimitGames(limit) - static_cast<int32_t>(list.Rows.size()), 1);
        return TListForm::
            tr("Die Liste endet nach %1 Spielen (noch %2). Es gewinnt, wer dann die wenigsten Minuspunkte "
               "hat.")
                .arg(LimitGames(limit))
                .arg(left);
    }
    return TListForm::tr("Die Liste endet erst mit „Neue Liste“.");
}

}  // namespace

QString SeatName(int32_t seat, int32_t seats) {
    if (seat == 0) {
        return TListForm::tr("Sie");
    }
    return seats == 2 ? TListForm::tr("Computer") : TListForm::tr("Computer %1").arg(seat);
}

QString TotalsText(const TScoreList& list, const QString& separator) {
    const std::vector<int32_t> totals = list.Totals();
    QStringList seats;
    for (size_t seat = 0; seat < totals.size(); ++seat) {
        seats << SeatName(static_cast<int32_t>(seat), list.Seats) + ' ' + Points(totals[seat]);
    }
    return seats.join(separator);
}

QString ListLineText(const TScoreList& list, const QString& separator) {
    return TListForm::tr("Liste: %1").arg(TotalsText(list, separator));
}

QString ListWinnersText(const TScoreList& list) {
    const std::vector<int32_t> leaders = list.Leaders();
    QStringList others;
    for (const int32_t seat : leaders) {
        if (seat != 0) {
            others << SeatName(seat, list.Seats);
        }
    }
    const QString names = QLocale().createSeparatedList(others);
    if (leaders.front() == 0) {
        return others.isEmpty() ? TListForm::tr("Sie haben die Liste gewonnen!")
                                : TListForm::tr("Sie haben die Liste gewonnen, gemeinsam mit %1!").arg(names);
    }
    return others.size() == 1 ? TListForm::tr("%1 hat die Liste gewonnen.").arg(names)
                              : TListForm::tr("%1 haben die Liste gemeinsam gewonnen.").arg(names);
}

QString ListEndText(const TScoreList& list) {
    return TListForm::tr("%1 Endstand: %2. Eine neue Liste beginnt.")
        .arg(ListWinnersText(list), TotalsText(list, ", "));
}

TCsvWords CsvWords(int32_t seats) {
    TCsvWords words{TListForm::tr("Spiel"),
                    TListForm::tr("Ausgegangen"),
                    TListForm::tr("Hand-Rommé"),
                    TListForm::tr("ja"),
                    {}};
    for (int32_t seat = 0; seat < seats; ++seat) {
        words.Seats << SeatName(seat, seats);
    }
    return words;
}

TListForm::TListForm(QWidget* parent) : QDialog(parent) {
    setObjectName("ListForm");
    setWindowTitle(tr("Liste"));
    auto* column = new QVBoxLayout(this);

    // Only once a list has ended or was given up is there a choice.
    WhichRow = new QWidget(this);
    auto* which = new QHBoxLayout(WhichRow);
    which->setContentsMargins(0, 0, 0, 0);
    Which = new QComboBox(WhichRow);
    Which->setObjectName("Which");
    auto* whichLabel = new QLabel(tr("&Anzeigen:"), WhichRow);
    whichLabel->setBuddy(Which);
    which->addWidget(whichLabel);
    which->addWidget(Which, 1);
    connect(Which, &QComboBox::activated, this, [this] { FillTable(); });
    column->addWidget(WhichRow);

    Table = new QTableWidget(this);
    Table->setObjectName("Table");
    Table->setAccessibleName(tr("Minuspunkte je Spiel"));
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->verticalHeader()->hide();
    Table->verticalHeader()->setDefaultSectionSize(Table->fontMetrics().height() + 8);
    Table->setMinimumSize(MinimumTableWidth, 260);
    column->addWidget(Table, 1);

    Note = new QLabel(this);
    Note->setObjectName("Note");
    Note->setWordWrap(true);
    column->addWidget(Note);

    auto* form = new QFormLayout;
    LimitBox = new QComboBox(this);
    LimitBox->setObjectName("LimitBox");
    for (const TListLimit limit : ListLimits) {
        LimitBox->addItem(tr(LimitTexts[static_cast<int>(limit)]), static_cast<int>(limit));
    }
    form->addRow(tr("Die Liste &endet:"), LimitBox);
    JokerBox = new QComboBox(this);
    JokerBox->setObjectName("JokerBox");
    for (const int32_t points : {DefaultJokerPoints, HighJokerPoints}) {
        JokerBox->addItem(tr("%1 Punkte").arg(points), points);
    }
    form->addRow(tr("Ein &Joker auf der Hand zählt:"), JokerBox);
    column->addLayout(form);
    connect(LimitBox, &QComboBox::activated, this, &TListForm::SettingsChosen);
    connect(JokerBox, &QComboBox::activated, this, &TListForm::SettingsChosen);

    auto* buttons = new QDialogButtonBox(this);
    SaveBtn = buttons->addButton(tr("Liste &speichern…"), QDialogButtonBox::ActionRole);
    SaveBtn->setObjectName("SaveBtn");
    NewBtn = buttons->addButton(tr("&Neue Liste"), QDialogButtonBox::ResetRole);
    NewBtn->setObjectName("NewBtn");
    CloseBtn = buttons->addButton(tr("Schließen"), QDialogButtonBox::AcceptRole);
    CloseBtn->setObjectName("CloseBtn");
    CloseBtn->setDefault(true);
    connect(SaveBtn, &QPushButton::clicked, this, [this] {
        if (OnSave) {
            OnSave(ShownList());
        }
    });
    connect(NewBtn, &QPushButton::clicked, this, [this] {
        if (OnNewList) {
            OnNewList();
        }
    });
    connect(CloseBtn, &QPushButton::clicked, this, &QDialog::accept);
    column->addWidget(buttons);
}

void TListForm::ShowLists(const TScoreLists& lists, const TListSettings& settings) {
    Lists = lists;
    Settings = settings;
    Which->clear();
    Which->addItem(tr("Laufende Liste"));
    if (Lists.Finished) {
        Which->addItem(Lists.Finished->State == TListState::Ended ? tr("Letzte Liste (beendet)")
                                                                  : tr("Letzte Liste (aufgegeben)"));
    }
    Which->setCurrentIndex(0);
    WhichRow->setVisible(Lists.Finished.has_value());
    // A list without a game has nothing to give up.
    NewBtn->setEnabled(!Lists.Current.Rows.empty());
    LimitBox->setCurrentIndex(LimitBox->findData(static_cast<int>(settings.Limit)));
    JokerBox->setCurrentIndex(JokerBox->findData(settings.JokerPoints));
    FillTable();
}

const TScoreList& TListForm::ShownList() const {
    return Which->currentIndex() == 1 && Lists.Finished ? *Lists.Finished : Lists.Current;
}

void TListForm::FillTable() {
    const TScoreList& list = ShownList();
    const TCsvWords words = CsvWords(list.Seats);
    const QStringList heads = QStringList{words.Game, words.WentOut, words.HandRomme} + words.Seats;
    Table->clear();
    Table->setColumnCount(static_cast<int>(heads.size()));
    Table->setHorizontalHeaderLabels(heads);
    const int games = static_cast<int>(list.Rows.size());
    Table->setRowCount(games + 1);
    for (int game = 0; game < games; ++game) {
        const TListRow& row = list.Rows[static_cast<size_t>(game)];
        Table->setItem(game, 0, Cell(QLocale().toString(game + 1), true));
        Table->setItem(game, 1, Cell(SeatName(row.Winner, list.Seats), false));
        QTableWidgetItem* mark = Cell(row.HandRomme ? QString::fromUtf8("✓") : QString(), false);
        mark->setTextAlignment(Qt::AlignCenter);
        // Read out as what it means, not as the mark's name.
        mark->setData(Qt::AccessibleTextRole, row.HandRomme ? tr("Hand-Rommé, doppelt") : tr("nein"));
        Table->setItem(game, 2, mark);
        for (int32_t seat = 0; seat < list.Seats; ++seat) {
            Table->setItem(game, 3 + seat, Cell(Points(row.Points[static_cast<size_t>(seat)]), true));
        }
    }
    QTableWidgetItem* sum = Cell(tr("Summe"), false);
    QFont bold = sum->font();
    bold.setBold(true);
    Table->setItem(games, 0, sum);
    const std::vector<int32_t> totals = list.Totals();
    for (int32_t seat = 0; seat < list.Seats; ++seat) {
        QTableWidgetItem* total = Cell(Points(totals[static_cast<size_t>(seat)]), true);
        Table->setItem(games, 3 + seat, total);
    }
    for (int column = 0; column < Table->columnCount(); ++column) {
        if (QTableWidgetItem* item = Table->item(games, column)) {
            item->setFont(bold);
        }
    }
    // The seats share equally what the columns of the game leave, and the
    // table is wide enough for each seat to take the widest seat's head or
    // cells, so that at a table of four "Computer 3" shows whole.
    QHeaderView* header = Table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Interactive);
    Table->resizeColumnsToContents();
    int gameColumns = 0;
    int widestSeat = 0;
    for (int column = 0; column < Table->columnCount(); ++column) {
        if (column < 3) {
            gameColumns += header->sectionSize(column);
        } else {
            widestSeat = std::max(widestSeat, header->sectionSize(column));
        }
        header->setSectionResizeMode(column,
                                     column < 3 ? QHeaderView::ResizeToContents : QHeaderView::Stretch);
    }
    const int frame = 2 * Table->frameWidth() + Table->verticalScrollBar()->sizeHint().width();
    Table->setMinimumWidth(std::max(MinimumTableWidth, frame + gameColumns + list.Seats * widestSeat));
    // The latest games and the totals show, once the table has its size.
    QTimer::singleShot(0, Table, &QTableWidget::scrollToBottom);

    if (list.State == TListState::Open) {
        Note->setText(LimitNote(list, Settings.Limit));
    } else if (list.State == TListState::Ended) {
        Note->setText(ListWinnersText(list));
    } else {
        Note->setText(tr("Diese Liste wurde vor ihrem Ende aufgegeben."));
    }
    // The last list is only looked at: its end is settled.
    LimitBox->setEnabled(list.State == TListState::Open);
    JokerBox->setEnabled(list.State == TListState::Open);
}

void TListForm::SettingsChosen() {
    Settings.Limit = static_cast<TListLimit>(LimitBox->currentData().toInt());
    Settings.JokerPoints = JokerBox->currentData().toInt();
    FillTable();
    if (OnSettingsChanged) {
        OnSettingsChanged(Settings);
    }
}
