// Spiel › Tisch: how many computers sit at the next game's table and how each
// of them plays. At a table of two the one computer is the "Gegner" choice.
#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include "settings/ProfileFile.h"
#include "ui/window/MainForm.h"

void TMainForm::CreateTableMenu() {
    TableMenu = SpielMenu->addMenu(tr("Tis&ch"));
    TableMenu->setObjectName("TableMenu");
    auto* sizes = new QActionGroup(this);
    const QString sizeNames[MostOpponents] = {tr("Zu &zweit"), tr("Zu &dritt"), tr("Zu &viert")};
    for (int32_t opponents = 1; opponents <= MostOpponents; ++opponents) {
        QAction* size = TableMenu->addAction(sizeNames[opponents - 1], this, [this, opponents] {
            TTableSettings table = TableChoice;
            table.Opponents = opponents;
            ChooseTable(table);
        });
        size->setObjectName(QString("TableOf%1").arg(opponents + 1));
        size->setCheckable(true);
        sizes->addAction(size);
        TableSizeActions[opponents - 1] = size;
    }
    TableMenu->addSeparator();
    for (int32_t computer = 0; computer < MostOpponents; ++computer) {
        LevelMenus[computer] = TableMenu->addMenu(tr("Computer &%1").arg(computer + 1));
        auto* levels = new QActionGroup(this);
        for (const TOpponentKind kind : {TOpponentKind::Classic, TOpponentKind::Strong}) {
            const bool strong = kind == TOpponentKind::Strong;
            QAction* level = LevelMenus[computer]->addAction(strong ? tr("St&ark") : tr("&Klassisch"), this,
                                                             [this, computer, kind] {
                                                                 TTableSettings table = TableChoice;
                                                                 table.Levels[computer] = kind;
                                                                 ChooseTable(table);
                                                             });
            level->setObjectName(
                QString("Computer%1%2").arg(computer + 1).arg(strong ? "Strong" : "Classic"));
            level->setCheckable(true);
            levels->addAction(level);
            LevelActions[computer][strong ? 1 : 0] = level;
        }
    }
    ShowTableChoice();
}

void TMainForm::ShowTableChoice() {
    TableSizeActions[TableChoice.Opponents - 1]->setChecked(true);
    for (int32_t computer = 0; computer < MostOpponents; ++computer) {
        LevelActions[computer][TableChoice.Levels[computer] == TOpponentKind::Strong ? 1 : 0]->setChecked(
            true);
        // At a table of two the one computer plays as "Gegner" says.
        LevelMenus[computer]->setEnabled(TableChoice.Opponents >= 2 && computer < TableChoice.Opponents);
    }
}

void TMainForm::ChooseTable(const TTableSettings& table) {
    const TTableSettings before = TableChoice;
    if (!(table == TableChoice)) {
        TableChoice = table;
        TProfileFile ini(SettingsFilePath());
        WriteTableSettings(ini, table);
        UpdateSettingsFile(ini);
    }
    ShowTableChoice();
    SeatNextTable();
    if (table.Opponents != before.Opponents || table.Opponents == 1) {
        const QString sizes[MostOpponents] = {tr("Ab dem nächsten Spiel spielen Sie zu zweit."),
                                              tr("Ab dem nächsten Spiel spielen Sie zu dritt."),
                                              tr("Ab dem nächsten Spiel spielen Sie zu viert.")};
        QString told = sizes[table.Opponents - 1];
        if (!Lists.Current.Rows.empty() && Lists.Current.Seats != table.Opponents + 1) {
            told += " " + tr("Mit dem ersten gewerteten Spiel am neuen Tisch beginnt eine neue Liste.");
        }
        ShowInStatusBar(told);
        return;
    }
    for (int32_t computer = 0; computer < MostOpponents; ++computer) {
        if (table.Levels[computer] != before.Levels[computer]) {
            ShowInStatusBar(
                table.Levels[computer] == TOpponentKind::Strong
                    ? tr("Ab dem nächsten Spiel spielt Computer %1 stark.").arg(computer + 1)
                    : tr("Ab dem nächsten Spiel spielt Computer %1 klassisch.").arg(computer + 1));
        }
    }
}

void TMainForm::SeatNextTable() {
    const std::vector<TOpponentKind> seated = SeatedOpponents(TableChoice, OneOpponent);
    Table.Game.NextDeal.Seats = static_cast<int32_t>(seated.size()) + 1;
    for (size_t computer = 0; computer < seated.size(); ++computer) {
        Table.Game.ChosenOpponents[computer + 1] = seated[computer];
    }
}
