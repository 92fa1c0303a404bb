// The list on the window: every finished game scored into it in one place,
// its line in the status bar, and the window "Liste" with the list's
// settings, "Neue Liste" and "Liste speichern…".
#include <QDir>
#include <QFileDialog>
#include <QStatusBar>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "settings/ListCsv.h"
#include "settings/ProfileFile.h"
#include "settings/SafeFile.h"
#include "settings/ScoreListFile.h"
#include "ui/dialogs/ListForm.h"
#include "ui/window/ListLine.h"
#include "ui/window/MainForm.h"

void TMainForm::CreateListLine() {
    ListLine = new TListLine(StatusBar1);
    StatusBar1->addPermanentWidget(ListLine);
    ChooseExportFile = [this] {
        // Over the list's window, from which it is asked for.
        QWidget* over = ListForm != nullptr ? static_cast<QWidget*>(ListForm) : this;
        return QFileDialog::getSaveFileName(over, tr("Liste speichern"),
                                            QDir::home().filePath("brisko-liste.csv"),
                                            tr("CSV-Dateien (*.csv)"));
    };
    ShowListLine();
}

void TMainForm::LoadScoreList() {
    ListSettings = ReadListSettings(TProfileFile(SettingsFilePath()));
    const QString path = ScoreListFilePath();
    // Another copy keeps the list of this data folder; its saves are left alone.
    if (!KeepingOff) {
        RemoveStaleTemporaries(path);
    }
    const TScoreListsReading reading = ReadScoreLists(path);
    Lists = reading.Lists;
    ShowListLine();
    if (reading.Result == TScoreListRead::Refused) {
        std::fprintf(stderr, "brisko: %s (%s)\n", qPrintable(reading.Message), reading.Problem.c_str());
        // Told once the window and its deal are on the screen.
        QTimer::singleShot(0, this, [this, message = reading.Message] {
            ShowMessage(message.toStdString(), tr("Liste").toStdString(), TMessageIcon::Error);
        });
    }
}

QString TMainForm::ScoreFinishedGame(const TFinishedGame& game) {
    const std::optional<TScoreList> ended =
        AddGame(Lists, RowOf(game, ListSettings.JokerPoints), ListSettings.Limit);
    SaveScoreLists();
    ShowListLine();
    if (!ended) {
        return {};
    }
    const std::vector<int32_t> leaders = ended->Leaders();
    UncountedLists.push_back({std::find(leaders.begin(), leaders.end(), 0) != leaders.end()});
    return ListEndText(*ended);
}

void TMainForm::OpenList() {
    if (ListForm == nullptr) {
        ListForm = new TListForm(this);
        ListForm->OnSettingsChanged = [this](const TListSettings& settings) { ChangeListSettings(settings); };
        ListForm->OnNewList = [this] { NewList(); };
        ListForm->OnSave = [this](const TScoreList& list) { ExportList(list); };
    }
    ListForm->ShowLists(Lists, ListSettings);
    ListForm->exec();
}

void TMainForm::NewList() {
    if (!MessageBoxes->Ask(
            ListForm,
            tr("Möchten Sie die laufende Liste aufgeben und eine neue beginnen? Die aufgegebene "
               "Liste zählt in der Statistik als verloren."),
            tr("Neue Liste"))) {
        return;
    }
    if (GiveUpList(Lists)) {
        UncountedLists.push_back({false});
        if (!WriteUncountedStatistics()) {
            ReportCannotWrite(SettingsFilePath());
        }
    }
    ListFollowsTable();
    SaveScoreLists();
    ListForm->ShowLists(Lists, ListSettings);
}

void TMainForm::ExportList(const TScoreList& list) {
    const QString path = ChooseExportFile();
    if (path.isEmpty()) {
        return;
    }
    if (!ReplaceFile(path, ListCsv(list, CsvWords(list.Seats)))) {
        MessageBoxes->Show(ListForm, tr("Die Liste ließ sich nicht in %1 speichern.").arg(path),
                           tr("Liste speichern"), TMessageIcon::Error);
    }
}

void TMainForm::ChangeListSettings(const TListSettings& settings) {
    ListSettings = settings;
    TProfileFile ini(SettingsFilePath());
    WriteListSettings(ini, settings);
    UpdateSettingsFile(ini);
}

void TMainForm::SaveScoreLists() {
    if (KeepingOff) {
        return;
    }
    if (WriteScoreLists(ScoreListFilePath(), Lists)) {
        ListFailureTold = false;
        return;
    }
    if (ListFailureTold) {
        return;
    }
    ListFailureTold = true;
    const QString message =
        tr("Die Liste ließ sich nicht in %1 speichern. Sie gilt weiter, solange Brisko läuft.")
            .arg(ScoreListFilePath());
    std::fprintf(stderr, "brisko: %s\n", qPrintable(message));
    ShowMessage(message.toStdString(), tr("Liste").toStdString(), TMessageIcon::Error);
}

void TMainForm::ListFollowsTable() {
    if (Lists.Current.Rows.empty() && Lists.Current.Seats != Table.Game.SeatCount) {
        Lists.Current = TScoreList::Begin(Table.Game.SeatCount);
    }
    ShowListLine();
}

void TMainForm::ShowListLine() {
    ListLine->SetTexts(ListLineText(Lists.Current), ListLineText(Lists.Current, ", "));
    ListLine->setToolTip(tr("Minuspunkte der laufenden Liste – Spiel › Liste... (F3)"));
}
