// The computer's turn on screen: its sentence in the status bar, its cards
// marked on the table, its steps played out on request, and the table's tooltips.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QTimer>

#include "game/TurnRecord.h"
#include "render/TableLayout.h"
#include "render/TableMarks.h"
#include "ui/FormStorage.h"
#include "ui/MainForm.h"
#include "ui/ProfileFile.h"
#include "ui/TableTexts.h"

namespace {

constexpr TMoveSpeed Speeds[] = {TMoveSpeed::Sofort, TMoveSpeed::Schnell, TMoveSpeed::Normal,
                                 TMoveSpeed::Langsam};

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

void TMainForm::CreateViewMenu() {
    AnsichtMenu = menuBar()->addMenu("Ansicht");
    ZugDesComputers1 = AnsichtMenu->addMenu("Zug des Computers");
    ZugDesComputers1->setObjectName("ZugDesComputers1");
    SpeedGroup = new QActionGroup(this);
    for (TMoveSpeed speed : Speeds) {
        QAction* action = ZugDesComputers1->addAction(SpeedName(speed));
        action->setObjectName("Speed" + SpeedName(speed));
        action->setCheckable(true);
        action->setData(static_cast<int>(speed));
        SpeedGroup->addAction(action);
        connect(action, &QAction::triggered, this, [this, speed] { SetMoveSpeed(speed); });
    }
    MarkMoves1 = AnsichtMenu->addAction("Züge des Computers markieren");
    MarkMoves1->setObjectName("MarkMoves1");
    MarkMoves1->setCheckable(true);
    connect(MarkMoves1, &QAction::triggered, this, [this](bool on) { SetMarkMoves(on); });
    PlayoutTimer = new QTimer(this);
    PlayoutTimer->setObjectName("PlayoutTimer");
    connect(PlayoutTimer, &QTimer::timeout, this, &TMainForm::AdvancePlayout);
}

void TMainForm::AdvancePlayout() {
    if (PlayoutStep + 1 < Playback.Count()) {
        PaintStep(PlayoutStep + 1);
    } else {
        FinishPlayout();
    }
}

void TMainForm::ShowViewSettings() {
    for (QAction* action : SpeedGroup->actions()) {
        action->setChecked(action->data().toInt() == static_cast<int>(View.Speed));
    }
    MarkMoves1->setChecked(View.MarkMoves);
}

void TMainForm::SetMoveSpeed(TMoveSpeed speed) {
    View.Speed = speed;
    ShowViewSettings();
    StoreViewSettings();
}

void TMainForm::SetMarkMoves(bool mark) {
    View.MarkMoves = mark;
    ShowViewSettings();
    StoreViewSettings();
    PaintBox1Paint();
}

void TMainForm::StoreViewSettings() {
    TProfileFile ini(SettingsFilePath());
    WriteViewSettings(ini, View);
    UpdateSettingsFile(ini);
}

void TMainForm::OpponentStep(const TTurnRecord& record) {
    if (record.Steps.empty()) {
        // A new turn: whatever was kept of the last one is over.
        if (PlayingOut()) {
            FinishPlayout();
        }
        Playback.Clear();
        ComputerMoved = true;
    }
    if (StepMilliseconds(View.Speed) > 0) {
        Playback.Capture(Game);
    }
}

void TMainForm::DiscardSelected() {
    Game.PlayerDiscard();
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
    const TTableLayout layout =
        LayOutTable(StepGame.TableMelds, PaintBox1->width(), PaintBox1->height(), ScrollBar1->value());
    // Played out without the blinking draw hint: a count at which neither pile is framed.
    StepPainter.Paint(StepTable, StepGame, layout, Scene(StepGame, 1, Playback.Record(step)));
    PaintBox1->update();
}

void TMainForm::FinishPlayout() {
    PlayoutTimer->stop();
    qApp->removeEventFilter(this);
    const bool wasPlaying = PlayingOut();
    PlayoutStep = -1;
    StepTable = QImage();
    StepGame.ClearAll();
    if (wasPlaying) {
        ShowInStatusBar(QString::fromStdString(TurnSentence(Game.OpponentTurn)));
    }
    Playback.Clear();
    PaintBox1->update();
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

QString TMainForm::TableToolTip(int x, int y) const {
    // From the top: the hand rows cover nothing of each other.
    if (StockRect.Contains(x, y)) {
        return StockTip(Game.Stock.Count());
    }
    if (DiscardRect.Contains(x, y)) {
        return DiscardPileTip(Game.DiscardPile.Count());
    }
    for (int i = Game.OpponentCards.Count() - 1; i >= 0; --i) {
        if (OpponentCardRect(i).Contains(x, y)) {
            return ComputerHandTip(Game.OpponentCards.Count());
        }
    }
    const TRect row = MeldRowClip(PaintBox1->width(), PaintBox1->height());
    if (!row.Contains(x, y)) {
        return {};
    }
    for (int m = 0; m < Game.TableMelds.Count(); ++m) {
        const TMeld& meld = Game.TableMelds.At(m);
        if (meld.Cards == nullptr || !meld.Bounds.Contains(x, y)) {
            continue;
        }
        // The card on top where cards overlap: the later one.
        for (int j = meld.Cards->Count() - 1; j >= 0; --j) {
            if (MeldCardRect(meld.Bounds, j).Contains(x, y)) {
                const TCard& card = meld.Cards->At(j);
                return IsJoker(card) ? QString::fromStdString(MeldCardWords(card)) : QString();
            }
        }
    }
    return {};
}
