#include "SoakRun.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <iterator>
#include <vector>

#include "ScriptedPlayer.h"
#include "game/Invariants.h"
#include "game/Random.h"
#include "game/record/Snapshot.h"
#include "render/TableLayout.h"
#include "settings/KeptGame.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/WindowParts.h"
#include "ui/dialogs/MessageBoxes.h"
#include "ui/window/MainForm.h"

namespace {

constexpr int64_t BlinkTickMs = 10;  // the draw hint's tick

class TRandomBoxes final : public TMessageBoxes {
  public:
    explicit TRandomBoxes(TRandom& rng) : Rng(rng) {}
    void Show(QWidget*, const QString&, const QString&, TMessageIcon) override {}
    bool Ask(QWidget*, const QString&, const QString&) override { return Rng.Below(2) == 0; }

  private:
    TRandom& Rng;
};

class TSoak {
  public:
    TSoak(uint64_t seed) : Rng(seed), Boxes(Rng), Form(seed) {
        In(Form).SetMessageBoxes(&Boxes);
        // Time passes only with the events: each step takes a tick or a few.
        In(Form).StopBlinkClock(Now);
        Form.show();
    }

    std::string Step();
    int MeldsLaid() const { return In(Form).Controller.Game.TableMelds.Count(); }

  private:
    int Pick(int n) { return static_cast<int>(Rng.Below(static_cast<uint32_t>(n))); }
    int64_t Now = 0;
    QWidget* Table() { return TableOf(Form); }
    int Width() { return TableOf(Form)->width(); }
    int Height() { return TableOf(Form)->height(); }
    QPoint Inside(const TRect& r) {
        const int w = std::max(1, r.Right - r.Left);
        const int h = std::max(1, r.Bottom - r.Top);
        return QPoint(r.Left + Pick(w), r.Top + Pick(h));
    }
    QPoint HandCard(int i) {
        const TRect r = HandCardRect(i, Height());
        return QPoint(r.Left + Pick(HandSlot), r.Top + Pick(r.Bottom - r.Top));
    }
    // Somewhere worth pressing or letting go: piles, hand cards, melds, free table, anywhere.
    QPoint Somewhere() {
        switch (Pick(7)) {
            case 0:
                return Inside(In(Form).Drawn().Layout.StockRect);
            case 1:
                return Inside(In(Form).Drawn().Layout.DiscardRect);
            case 2:
            case 3:
                return HandCard(Pick(In(Form).Controller.Game.OwnCards.Count() + 1));
            case 4:
                if (!In(Form).Controller.Game.TableMelds.Empty()) {
                    return Inside(
                        In(Form).Drawn().Layout.Meld(Pick(In(Form).Controller.Game.TableMelds.Count())));
                }
                [[fallthrough]];
            case 5: {
                const int top = CardBitmapHeight + 9;
                const int bottom = std::max(top + 1, Height() - CardBitmapHeight - 9);
                return QPoint(2 * CardBitmapWidth + 13 + Pick(std::max(1, Width() - 160)),
                              top + Pick(bottom - top));
            }
            default:
                return QPoint(Pick(Width() + 40) - 20, Pick(Height() + 40) - 20);
        }
    }
    Qt::MouseButton Button() {
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
        return buttons[Pick(4)];
    }
    Qt::KeyboardModifiers Modifiers() {
        const Qt::KeyboardModifiers mods[] = {Qt::NoModifier, Qt::NoModifier, Qt::ShiftModifier,
                                              Qt::ControlModifier};
        return mods[Pick(4)];
    }
    void Press(QPoint p) {
        Held = Button();
        QTest::mousePress(Table(), Held, Modifiers(), p);
    }
    void Release(QPoint p) {
        QTest::mouseRelease(Table(), Held, Modifiers(), p);
        Held = Qt::LeftButton;
    }
    // Selects the cards of a meld the hand holds and drops them on the table or a meld.
    void PlayAMeld();
    // A second start, as if the program had been ended here: it offers the
    // game this window kept and continues exactly that one.
    std::string StartAgain();

    TRandom Rng;
    TRandomBoxes Boxes;
    TMainForm Form;
    Qt::MouseButton Held = Qt::LeftButton;
};

void TSoak::PlayAMeld() {
    if (In(Form).Controller.Game.GameState != 1) {
        Press(Inside(In(Form).Drawn().Layout.StockRect));
        Release(Inside(In(Form).Drawn().Layout.StockRect));
        return;
    }
    const std::vector<std::vector<int>> ideas = MeldIdeas(In(Form).Controller.Game.OwnCards);
    if (ideas.empty()) {
        return;
    }
    // Indices shift as nothing leaves the hand before the drop, so they stay valid.
    const std::vector<int>& idea = ideas[Pick(static_cast<int>(ideas.size()))];
    In(Form).Controller.Game.ClearHandSelection();
    for (size_t k = 0; k + 1 < idea.size(); ++k) {
        const QPoint p = HandCard(idea[k]);
        Press(p);
        Release(p);
    }
    Press(HandCard(idea.back()));
    const QPoint to = Somewhere();
    QTest::mouseMove(Table(), to);
    Release(to);
}

std::string TSoak::StartAgain() {
    In(Form).Keeper.Finish();
    QFile file(KeptGameFilePath());
    if (!file.open(QIODevice::ReadOnly)) {
        return {};  // nothing kept yet
    }
    const TKeptGameParse kept = ParseKeptGame(file.readAll());
    if (!kept.Problem.empty()) {
        return "kept a game that cannot be read back: " + kept.Problem + "; ";
    }
    TMainForm second(Rng.Next64());
    In(second).SetMessageBoxes(&Boxes);
    second.show();
    if (!Named<QAction>(second, "ContinueAction")->isEnabled()) {
        return "a kept game not offered; ";
    }
    Named<QAction>(second, "ContinueAction")->trigger();
    TGameSnapshot continued = TakeSnapshot(In(second).Controller.Game);
    continued.ChosenOpponent = kept.Kept.Game.ChosenOpponent;  // the menu's choice stands
    if (KeptGameText({continued, 0}) != KeptGameText({kept.Kept.Game, 0})) {
        return "a second start continues another game; ";
    }
    return {};
}

std::string TSoak::Step() {
    Now += BlinkTickMs * Pick(4);
    const int roll = Pick(100);
    if (roll < 26) {
        Press(Somewhere());
    } else if (roll < 42) {
        QTest::mouseMove(Table(), Somewhere());
    } else if (roll < 60) {
        Release(Somewhere());
    } else if (roll < 68) {
        PlayAMeld();
    } else if (roll < 71) {
        QTest::mouseClick(Named<QPushButton>(Form, "UndoBtn"), Qt::LeftButton);
    } else if (roll < 72) {
        Named<QAction>(Form, "NeuesSpiel1")->trigger();
    } else if (roll < 73) {
        // Either opponent, the next game against it.
        (Pick(2) == 0 ? Named<QAction>(Form, "ClassicOpponentAction")
                      : Named<QAction>(Form, "StrongOpponentAction"))
            ->trigger();
        Named<QAction>(Form, "NeuesSpiel1")->trigger();
    } else if (roll < 75) {
        Named<QAction>(Form, "HintAction")->trigger();
    } else if (roll < 77) {
        if (Named<QScrollBar>(Form, "ScrollBar1")->isVisible()) {
            Named<QScrollBar>(Form, "ScrollBar1")
                ->setValue(Pick(Named<QScrollBar>(Form, "ScrollBar1")->maximum() + 1));
        }
    } else if (roll < 78) {
        Form.resize(300 + Pick(1300), 250 + Pick(900));
    } else if (roll < 90) {
        static const int keys[] = {Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,
                                   Qt::Key_Home,  Qt::Key_End,    Qt::Key_Space,  Qt::Key_Return,
                                   Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Backspace};
        QTest::keyClick(Table(), static_cast<Qt::Key>(keys[Pick(std::size(keys))]));
    } else if (roll < 92) {
        if (PlayingOut(Form)) {
            Fire(Named<QTimer>(Form, "PlayoutTimer"));
        }
    } else if (roll < 93) {
        // Played out quickly or at once: a loss waits for the last step in real time.
        SpeedAction(Form, Pick(2) == 0 ? TMoveSpeed::Instant : TMoveSpeed::Fast)->trigger();
    } else if (roll == 93 && Pick(3) == 0) {
        if (std::string broken = StartAgain(); !broken.empty()) {
            return broken;
        }
    } else {
        // The timer's own wake-up, at its time or (as timers may) a little late.
        Now = std::max(Now, In(Form).BlinkDue()) + Pick(3);
        Fire(Named<QTimer>(Form, "Timer1"));
    }

    std::string broken = CheckCards(In(Form).Controller.Game);
    if (In(Form).Controller.Game.GameState != MustDraw && In(Form).Controller.Game.GameState != MayLayOut) {
        broken += "game state " + std::to_string(In(Form).Controller.Game.GameState) + "; ";
    }
    if (!StopExists(In(Form).Controller.Game, KeyboardStopOf(Form))) {
        broken += "keyboard at a place that is not there; ";
    }
    return broken;
}

}  // namespace

TSoakResult RunSoak(uint64_t seed, int events, void (*progress)(int event)) {
    TSoakResult result;
    TSoak soak(seed);
    for (int n = 1; n <= events; ++n) {
        const std::string broken = soak.Step();
        result.Events = n;
        result.MeldsLaid = std::max(result.MeldsLaid, soak.MeldsLaid());
        if (!broken.empty()) {
            result.Failure = "seed " + std::to_string(seed) + ", event " + std::to_string(n) + ": " + broken;
            break;
        }
        if (progress != nullptr && n % 1000 == 0) {
            progress(n);
        }
    }
    return result;
}
