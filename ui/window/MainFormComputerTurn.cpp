// The computer's turn on screen: its sentence in the status bar, its cards
// marked on the table (by the painting), its steps played out on request.
#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>
#include <utility>

#include "game/record/TurnRecord.h"
#include "render/TableLayout.h"
#include "settings/ProfileFile.h"
#include "ui/table/GameTexts.h"
#include "ui/table/GameWords.h"
#include "ui/table/TableTexts.h"
#include "ui/window/MainForm.h"
#include "ui/window/PaintBox.h"

namespace {

// A click on the menu bar or into another window ends a playing-out, but still
// does what it was for: the menus and dialogs stay usable.
bool PassesThrough(QObject* watched, QWidget* table) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr) {
        return true;
    }
    return qobject_cast<QMenuBar*>(widget) != nullptr || qobject_cast<QMenu*>(widget) != nullptr ||
           widget->window() != table->window();
}

}  // namespace

void TMainForm::AdvancePlayout() {
    if (PlayoutStep + 1 < Table.Playback().Count()) {
        PaintStep(PlayoutStep + 1);
    } else {
        FinishPlayout();
    }
}

void TMainForm::ComputerTurnBegins() {
    // A new turn: whatever was kept of the last one is over.
    if (PlayingOut()) {
        FinishPlayout();
    }
    ComputerMoved = true;
    Table.SetRecordTurns(StepMilliseconds(View.Speed) > 0);
}

void TMainForm::TableChanged() {
    KeepGame();
    PaintBox1Paint();
}

void TMainForm::ShowRefusal(const QString& text, const QString& caption) {
    ShowMessage(text.toStdString(), caption.toStdString(), TMessageIcon::Error);
}

bool TMainForm::TakeJokerExchange(const TJokerOffer&, const QString& question, const QString& caption) {
    return AskYesNo(question.toStdString(), caption.toStdString());
}

void TMainForm::ShowComputerTurn() {
    if (!ComputerMoved) {
        return;
    }
    ComputerMoved = false;
    // First, for its painting of the keyboard's frame would end a playing-out.
    FocusTheStock();
    if (Table.Playback().Count() > 1) {
        StartPlayout();
    } else {
        ShowInStatusBar(QString::fromStdString(RoundSentence(Table.RoundTurns(), Table.Game.SeatCount)));
    }
}

void TMainForm::GameWon(int32_t seat) {
    ClearHint();
    // The file goes first: a game counted must never be offered again.
    ForgetKeptGame();
    PendingEnd.ListEnded = ScoreFinishedGame(WonGame(Table.Game, seat));
    PendingEnd.Counted = CountGame(seat == PlayerSeat);
    PendingEnd.Winner = seat;
    // The loss is told only once its last step has been seen.
    if (seat != PlayerSeat && ComputerMoved) {
        ShowComputerTurn();
        if (PlayingOut() && !SignalQuit) {
            return;
        }
    }
    AnnounceEnd();
}

void TMainForm::AnnounceEnd() {
    if (PendingEnd.Winner < 0) {
        return;
    }
    const TPendingEnd end = std::exchange(PendingEnd, {});
    ComputerMoved = false;
    if (end.Winner == PlayerSeat) {
        ShowMessage(GameText("Game", "Herzlichen Glückwunsch! Sie haben das Spiel gewonnen!"),
                    GameText("Game", "Sie haben gewonnen!"), TMessageIcon::Information);
    } else {
        ShowMessage(GameText("Game", "Tut mir Leid, Sie haben leider verloren!"),
                    GameText("Game", "Sie haben verloren!"), TMessageIcon::Information);
    }
    if (!end.ListEnded.isEmpty()) {
        ShowMessage(end.ListEnded.toStdString(), tr("Liste beendet").toStdString(),
                    TMessageIcon::Information);
    }
    if (!end.Counted) {
        ReportCannotWrite(SettingsFilePath());
    }
    // A new deal follows.
    Table.Deal();
    ShowInStatusBar({});
    PaintBox1Paint();
    FocusTheStock();
}

void TMainForm::StartPlayout() {
    qApp->installEventFilter(this);
    PaintStep(0);
    PlayoutTimer->start(StepMilliseconds(View.Speed));
}

void TMainForm::PaintStep(int step) {
    PlayoutStep = step;
    Table.Playback().Fill(step, StepGame);
    const QSize units = TableUnits();
    const TTableLayout layout = LayOutTable(StepGame.TableMelds, units.width(), units.height(),
                                            ScrollBar1->value(), OpponentHands(OpponentCountsOf(StepGame)));
    // Played out without the blinking draw hint: a count at which neither pile is framed.
    StepPainter.Record(StepGame, layout, Scene(StepGame, 1, Table.Playback().Record(step)));
    PaintBox1->update();
    TellTableChanged();
}

void TMainForm::TellTableChanged() {
    // Screen readers read the table anew: the places and their names follow the picture.
    QAccessibleEvent changed(PaintBox1, QAccessible::ObjectReorder);
    TellScreenReaders(&changed);
}

void TMainForm::FinishPlayout() {
    PlayoutTimer->stop();
    qApp->removeEventFilter(this);
    const bool wasPlaying = PlayingOut();
    PlayoutStep = -1;
    StepPainter.Forget();
    StepGame.ClearAll();
    if (wasPlaying) {
        ShowInStatusBar(QString::fromStdString(RoundSentence(Table.RoundTurns(), Table.Game.SeatCount)));
    }
    Table.Playback().Clear();
    PaintBox1->update();
    if (wasPlaying) {
        TellTableChanged();
    }
    if (PendingEnd.Winner >= 0) {
        // Told from the event loop: a playing-out ends inside a click or a key's handling.
        QMetaObject::invokeMethod(this, &TMainForm::AnnounceEnd, Qt::QueuedConnection);
    }
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (PlayingOut()) {
                const bool through = PassesThrough(watched, PaintBox1);
                FinishPlayout();
                if (!through) {
                    SwallowMouse = true;
                    return true;
                }
            }
            break;
        case QEvent::KeyPress:
            if (PlayingOut()) {
                FinishPlayout();
                return true;
            }
            break;
        default:
            break;
    }
    return QMainWindow::eventFilter(watched, event);
}
