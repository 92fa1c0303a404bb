// The computer's turn on screen: its sentence in the status bar, its cards
// marked on the table (by the painting), its steps played out on request.
#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTimer>

#include "game/record/TurnRecord.h"
#include "render/TableLayout.h"
#include "settings/ProfileFile.h"
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
    if (PlayoutStep + 1 < Playback.Count()) {
        PaintStep(PlayoutStep + 1);
    } else {
        FinishPlayout();
    }
}

void TMainForm::OpponentStep(const TTurnRecord& record) {
    if (record.Steps.empty()) {
        // A new turn: whatever was kept of the last one is over.
        if (PlayingOut()) {
            FinishPlayout();
        }
        Playback.Clear();
        ComputerMoved = true;
        ComputerOutBeforeTurn = Game.OpponentCameOut != 0;
    }
    if (StepMilliseconds(View.Speed) > 0) {
        Playback.Capture(Game);
    }
}

void TMainForm::DiscardSelected() {
    PlayerOutBeforeTurn = Game.ComeOutAtTurnStart != 0;
    Game.PlayerDiscard();
    PlayerOutBeforeTurn.reset();
    KeepGame();
}

void TMainForm::ShowComputerTurn() {
    if (!ComputerMoved) {
        return;
    }
    ComputerMoved = false;
    // First, for its painting of the keyboard's frame would end a playing-out.
    FocusTheStock();
    if (Playback.Count() > 1) {
        StartPlayout();
    } else {
        ShowInStatusBar(QString::fromStdString(TurnSentence(Game.OpponentTurn)));
    }
}

void TMainForm::ShowGameEnd(TGameEnd end, const std::string& text, const std::string& caption) {
    ClearHint();
    // The file goes first: a game counted must never be offered again.
    ForgetKeptGame();
    const QString listEnded = ScoreFinishedGame(FinishedGameOf(end));
    const bool counted = CountGame(end == TGameEnd::PlayerWon);
    // The loss is told only once its last step has been seen.
    if (end == TGameEnd::ComputerWon && ComputerMoved) {
        ShowComputerTurn();
        if (PlayingOut() && !SignalQuit) {
            QEventLoop loop;
            PlayoutLoop = &loop;
            loop.exec();
            PlayoutLoop = nullptr;
        }
    }
    ComputerMoved = false;
    ShowMessage(text, caption, TMessageIcon::Information);
    if (!listEnded.isEmpty()) {
        ShowMessage(listEnded.toStdString(), tr("Liste beendet").toStdString(), TMessageIcon::Information);
    }
    if (!counted) {
        ReportCannotWrite(SettingsFilePath());
    }
    // A new deal follows.
    ShowInStatusBar({});
    Playback.Clear();
    FocusTheStock();
}

void TMainForm::StartPlayout() {
    qApp->installEventFilter(this);
    PaintStep(0);
    PlayoutTimer->start(StepMilliseconds(View.Speed));
}

void TMainForm::PaintStep(int step) {
    PlayoutStep = step;
    Playback.Fill(step, StepGame);
    const QSize units = TableUnits();
    const TTableLayout layout =
        LayOutTable(StepGame.TableMelds, units.width(), units.height(), ScrollBar1->value());
    // Played out without the blinking draw hint: a count at which neither pile is framed.
    StepPainter.Record(StepGame, layout, Scene(StepGame, 1, Playback.Record(step)));
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
        ShowInStatusBar(QString::fromStdString(TurnSentence(Game.OpponentTurn)));
    }
    Playback.Clear();
    PaintBox1->update();
    if (wasPlaying) {
        TellTableChanged();
    }
    if (PlayoutLoop != nullptr) {
        PlayoutLoop->quit();
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
