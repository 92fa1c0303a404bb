// The game in play kept in a file of its own after every change, so that an
// interrupted game is never lost; the kept game continued on request, and
// counted once.
#include <QAction>
#include <QScrollBar>
#include <QSignalBlocker>
#include <cstdio>

#include "game/record/Snapshot.h"
#include "settings/KeptGame.h"
#include "settings/ProfileFile.h"
#include "ui/table/GameWords.h"
#include "ui/window/ElidedLabel.h"
#include "ui/window/MainForm.h"

namespace {

QString OfferSentence() {
    return TMainForm::tr("Das letzte Spiel ist aufgehoben: Spiel › Letztes Spiel fortsetzen (Strg+L)");
}

}  // namespace

void TMainForm::OfferKeptGame() {
    if (KeepingOff) {
        ContinueAction->setEnabled(false);
        ShowMessage(
            tr("Brisko läuft bereits in einem anderen Fenster, das nicht antwortet. Dieses Fenster hebt "
               "sein Spiel nicht auf: Wenn Sie es schließen, ist das Spiel verloren.")
                .toStdString(),
            ApplicationTitle, TMessageIcon::Information);
        return;
    }
    KeptGameWaiting = KeptGameLies(Keeper->Path());
    ContinueAction->setEnabled(KeptGameWaiting);
    if (KeptGameWaiting) {
        ShowInStatusBar(OfferSentence());
    }
}

void TMainForm::ContinueKeptGame() {
    if (!KeptGameWaiting || Dragging != 0) {
        return;
    }
    ClearHint();
    KeptGameWaiting = false;
    ContinueAction->setEnabled(false);
    ShowInStatusBar({});
    const TKeptGameReading reading = ReadKeptGame(Keeper->Path());
    if (reading.Result != TKeptGameRead::Read) {
        QString message = reading.Message;
        if (reading.Result == TKeptGameRead::Missing) {
            message = tr("Es ist kein Spiel mehr aufgehoben; das neue Spiel geht weiter.");
        } else {
            std::fprintf(stderr, "brisko: %s (%s)\n", qPrintable(message), reading.Problem.c_str());
        }
        ShowMessage(message.toStdString(), tr("Letztes Spiel fortsetzen").toStdString(), TMessageIcon::Error);
        return;
    }
    const TGameSnapshot fresh = TakeSnapshot(Table.Game);
    if (!RestoreSnapshot(Table.Game, reading.Kept.Game)) {
        // Out of memory half-way, which has been told: the fresh deal again,
        // and the kept game stays in its file for another try.
        if (!RestoreSnapshot(Table.Game, fresh)) {
            Table.Deal();
        }
        KeptGameWaiting = true;
        ContinueAction->setEnabled(true);
        PaintBox1Paint();
        return;
    }
    // The player's latest choice of the next table stands.
    SeatNextTable();
    ListFollowsTable();
    ComputerMoved = false;
    Table.Playback().Clear();
    Table.ForgetRound();
    PendingEnd = {};
    // The first painting gives the scroll bar its range, the second shows the
    // meld row where it was.
    PaintBox1Paint();
    {
        const QSignalBlocker quiet(ScrollBar1);
        ScrollBar1->setValue(reading.Kept.MeldRowScroll);
    }
    PaintBox1Paint();
    // The sentence of the computer's last turn, as it stood until the player acted.
    ShowInStatusBar(QString::fromStdString(TurnSentence(Table.Game.OpponentTurn)));
    FocusTheStock();
}

bool TMainForm::DrawForPlayer(bool fromStock) {
    const bool drawn = Table.Draw(fromStock);
    if (drawn) {
        GiveUpWaitingGame();
        KeepGame();
    }
    return drawn;
}

void TMainForm::GiveUpWaitingGame() {
    if (!KeptGameWaiting) {
        return;
    }
    KeptGameWaiting = false;
    ContinueAction->setEnabled(false);
    if (StatusBarText->FullText() == OfferSentence()) {
        ShowInStatusBar({});
    }
    const TKeptGameReading reading = ReadKeptGame(Keeper->Path());
    if (reading.Result == TKeptGameRead::Refused) {
        // Told without a box: the player is in the middle of a turn.
        std::fprintf(stderr, "brisko: %s (%s)\n", qPrintable(reading.Message), reading.Problem.c_str());
        ShowInStatusBar(reading.Message);
        return;
    }
    if (reading.Result == TKeptGameRead::Missing) {
        return;
    }
    // Counted only once its file is gone, so that it is never counted twice.
    if (!RemoveKeptFile(TKeepingFailure::RemoveGivenUp)) {
        return;
    }
    const TGameSnapshot& kept = reading.Kept.Game;
    std::vector<TOpponentKind> seated{kept.Opponent};
    seated.insert(seated.end(), kept.MoreOpponents, kept.MoreOpponents + (kept.Seats - FewestSeats));
    if (!CountLoss(seated)) {
        ReportCannotWrite(SettingsFilePath());
    }
}

bool TMainForm::GameOver() const {
    return Table.Game.Over();
}

void TMainForm::KeepGame() {
    if (KeepingOff || KeptGameWaiting || Table.Game.PlayerDraws == 0 || GameOver()) {
        return;
    }
    TKeptGame kept{TakeSnapshot(Table.Game), ScrollBar1->value()};
    // Nothing is written that would not be read back.
    if (const std::string problem = CheckSnapshot(kept.Game); !problem.empty()) {
        std::fprintf(stderr, "brisko: the game in play cannot be kept: %s\n", problem.c_str());
        LastKept.clear();
        TellKeepingFailure(TKeepingFailure::Save);
        return;
    }
    QByteArray text = KeptGameText(kept);
    if (text == LastKept) {
        return;
    }
    LastKept = text;
    Keeper->Save(std::move(text));
}

void TMainForm::ForgetKeptGame() {
    if (KeepingOff || KeptGameWaiting) {
        return;
    }
    LastKept.clear();
    RemoveKeptFile(TKeepingFailure::RemoveEnded);
}

bool TMainForm::RemoveKeptFile(TKeepingFailure failure) {
    Keeper->Remove();
    const bool removed = Keeper->Finish();
    if (removed) {
        FailuresTold[static_cast<int>(TKeepingFailure::RemoveEnded)] = false;
        FailuresTold[static_cast<int>(TKeepingFailure::RemoveGivenUp)] = false;
    } else {
        TellKeepingFailure(failure);
    }
    return removed;
}

void TMainForm::KeepGameAtExit() {
    LastKept.clear();  // written once more, whatever became of the last save
    KeepGame();
    if (!Keeper->Finish() && !KeepingOff && !KeptGameWaiting && Table.Game.PlayerDraws > 0 && !GameOver()) {
        // Told even when a save failed before: only now is the game lost.
        ReportSettingsProblem(
            tr("Das Spiel ließ sich nicht in %1 aufheben und geht mit dem Beenden verloren.")
                .arg(Keeper->Path()),
            TMessageIcon::Error);
    }
}

void TMainForm::ReportKeeping(TKeeperTask task, bool done) {
    // Removals are awaited and told where they are asked for.
    if (task != TKeeperTask::Save) {
        return;
    }
    if (done) {
        FailuresTold[static_cast<int>(TKeepingFailure::Save)] = false;
        return;
    }
    LastKept.clear();  // the next change tries again
    TellKeepingFailure(TKeepingFailure::Save);
}

void TMainForm::TellKeepingFailure(TKeepingFailure failure) {
    bool& told = FailuresTold[static_cast<int>(failure)];
    if (told) {
        return;
    }
    told = true;
    QString message;
    switch (failure) {
        case TKeepingFailure::Save:
            message = tr("Das Spiel ließ sich nicht in %1 aufheben; Sie können weiterspielen.");
            break;
        case TKeepingFailure::RemoveEnded:
            message = tr("Das beendete Spiel ließ sich nicht aus %1 entfernen.");
            break;
        case TKeepingFailure::RemoveGivenUp:
            message =
                tr("Das nicht fortgesetzte Spiel ließ sich nicht aus %1 entfernen; es wird beim nächsten "
                   "Start wieder angeboten.");
            break;
    }
    message = message.arg(Keeper->Path());
    std::fprintf(stderr, "brisko: %s\n", qPrintable(message));
    if (!SignalQuit) {
        ShowInStatusBar(message);
    }
}
