// The window's own sections of the settings file, the record of games, and
// what the player is told when the file cannot be written.
#include <QAction>
#include <cstdio>

#include "settings/OpponentChoice.h"
#include "settings/ProfileFile.h"
#include "settings/ViewSettings.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/dialogs/OptionsForm.h"
#include "ui/window/MainForm.h"

void TMainForm::RestoreOwnSections() {
    const TProfileFile ini(SettingsFilePath());
    View = ReadViewSettings(ini);
    ShowViewSettings();
    OneOpponent = ReadOpponentChoice(ini);
    (OneOpponent == TOpponentKind::Strong ? StrongOpponentAction : ClassicOpponentAction)->setChecked(true);
    TableChoice = ReadTableSettings(ini);
    ShowTableChoice();
    SeatNextTable();
    Statistics = TGameStatistics::Read(ini);
    RestoreWindowPlacement(ReadWindowPlacement(ini));
}

bool TMainForm::CountGame(bool won) {
    const std::vector<TOpponentKind> seated(Table.Game.Opponents + ComputerSeat,
                                            Table.Game.Opponents + Table.Game.SeatCount);
    return CountInStatistics(CountedGame(seated, won, Table.Game.PlayerDraws));
}

bool TMainForm::CountLoss(TOpponentKind opponent) {
    return CountInStatistics({opponent, false, 0});
}

bool TMainForm::CountInStatistics(const TCountedGame& game) {
    UncountedGames.push_back(game);
    return WriteUncountedStatistics();
}

bool TMainForm::WriteUncountedStatistics() {
    // Games and lists not yet written are counted again into the next writing.
    if (!AddToStatisticsFile(SettingsFilePath(), UncountedGames, Statistics, UncountedLists)) {
        return false;
    }
    UncountedGames.clear();
    UncountedLists.clear();
    return true;
}

bool TMainForm::UpdateSettingsFile(TProfileFile& ini) {
    if (ini.UpdateFile()) {
        return true;
    }
    ReportCannotWrite(ini.FileName());
    return false;
}

void TMainForm::ReportCannotWrite(const QString& fileName) {
    ReportSettingsProblem(CannotWriteText(fileName), TMessageIcon::Error);
}

void TMainForm::ReportSettingsProblem(const QString& message, TMessageIcon icon) {
    if (SignalQuit) {
        std::fprintf(stderr, "brisko: %s\n", qPrintable(message));
        return;
    }
    ShowMessage(message.toStdString(), ApplicationTitle, icon);
}

void TMainForm::SaveSettingsAtExit() {
    if (SettingsSavedAtExit) {
        return;
    }
    SettingsSavedAtExit = true;
    StoreWindowPlacement();
    OptionsForm->FormDestroy();
    KeepGameAtExit();
}

void TMainForm::StoreViewSettings() {
    TProfileFile ini(SettingsFilePath());
    WriteViewSettings(ini, View);
    UpdateSettingsFile(ini);
}
