// The keyboard on the table: a second way in to the same routines as the mouse.
#include <QAccessible>
#include <QApplication>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>
#include <optional>

#include "render/TableLayout.h"
#include "render/TableMarks.h"
#include "ui/window/MainForm.h"
#include "ui/window/PaintBox.h"

namespace {

std::optional<TStopMove> MoveOf(int key) {
    switch (key) {
        case Qt::Key_Left:
            return TStopMove::Left;
        case Qt::Key_Right:
            return TStopMove::Right;
        case Qt::Key_Up:
            return TStopMove::Up;
        case Qt::Key_Down:
            return TStopMove::Down;
        case Qt::Key_Home:
            return TStopMove::Home;
        case Qt::Key_End:
            return TStopMove::End;
        default:
            return std::nullopt;
    }
}

}  // namespace

bool TMainForm::PaintBox1KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool control = (modifiers & Qt::ControlModifier) != 0;
    if ((key == Qt::Key_Z && control) || key == Qt::Key_Backspace) {
        KeyboardShown = true;
        ClearHint();
        UndoBtnClick();
        return true;
    }
    if (control || (modifiers & Qt::AltModifier) != 0) {
        return false;  // the menus' shortcuts
    }
    if (const std::optional<TStopMove> move = MoveOf(key)) {
        KeyboardShown = true;
        SetKeyFocus(MoveStop(Table.Game, KeyFocus, *move));
        return true;
    }
    switch (key) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            KeyboardShown = true;
            ClearHint();
            ActOnKeyFocus(key == Qt::Key_Space);
            return true;
        case Qt::Key_Escape:
            KeyboardShown = true;
            ClearHint();
            Table.ClearSelection();
            KeepGame();
            PaintBox1Paint();
            TellAccessibleFocus();
            return true;
        default:
            return false;
    }
}

void TMainForm::ActOnKeyFocus(bool space) {
    const TTableStop stop = ValidStop(Table.Game, KeyFocus);
    if (Table.Game.GameState == MustDraw) {
        const bool drawn = (stop.Kind == TStopKind::Stock && DrawForPlayer(true)) ||
                           (stop.Kind == TStopKind::DiscardPile && DrawForPlayer(false));
        if (drawn) {
            // On to the card just drawn.
            for (int i = 0; i < Table.Game.OwnCards.Count(); ++i) {
                if (Table.Game.OwnCards.At(i).Selected != 0) {
                    SetKeyFocus({TStopKind::HandCard, i});
                    break;
                }
            }
        }
        return;
    }
    if (Table.Game.GameState != MayLayOut) {
        return;
    }
    if (space) {
        if (stop.Kind == TStopKind::HandCard) {
            Table.Toggle(stop.Index);
            KeepGame();
            PaintBox1Paint();
            TellAccessibleFocus();
        }
        return;
    }
    switch (stop.Kind) {
        case TStopKind::Meld:
        case TStopKind::FreeTable:
            Table.LayOut(stop.Kind == TStopKind::Meld ? stop.Index : -1);
            TellAccessibleFocus();
            break;
        case TStopKind::DiscardPile:
            Table.Discard();
            ShowComputerTurn();
            break;
        default:
            break;
    }
}

void TMainForm::SetKeyFocus(const TTableStop& stop) {
    KeyFocus = ValidStop(Table.Game, stop);
    PaintBox1Paint();
    TellAccessibleFocus();
}

void TMainForm::FocusTheStock() {
    KeyFocus = {TStopKind::Stock};
    if (QApplication::activeModalWidget() == nullptr && !SignalQuit) {
        PaintBox1->setFocus(Qt::OtherFocusReason);
    }
    if (KeyFocusShown()) {
        PaintBox1Paint();
    }
    TellAccessibleFocus();
}

void TMainForm::TableFocusChanged(bool byKeyboard) {
    KeyboardShown = KeyboardShown || byKeyboard;
    if (KeyboardShown) {
        PaintBox1Paint();  // the frame comes or goes with the focus
    }
    TellAccessibleFocus();
}

bool TMainForm::TableHasKeyboard() const {
    return focusWidget() == PaintBox1;
}

bool TMainForm::KeyFocusShown() const {
    return KeyboardShown && TableHasKeyboard();
}

void TMainForm::TellAccessibleFocus() {
    if (!TableHasKeyboard()) {
        return;
    }
    const std::vector<TTableStop> stops = TableStops(Table.Game);
    for (size_t i = 0; i < stops.size(); ++i) {
        if (stops[i] == KeyFocus) {
            QAccessibleEvent focus(PaintBox1, QAccessible::Focus);
            focus.setChild(static_cast<int>(i));
            TellScreenReaders(&focus);
            // What a place says may have changed with the action (a card selected).
            QAccessibleEvent name(PaintBox1, QAccessible::NameChanged);
            name.setChild(static_cast<int>(i));
            TellScreenReaders(&name);
            return;
        }
    }
}

TRect TMainForm::StopRect(const TTableStop& stop) const {
    const TGame& shown = TableGame();
    const TTableLayout& layout = (PlayingOut() ? StepPainter : TablePainter).Drawn().Layout;
    if (stop.Kind == TStopKind::ComputerHand) {
        const int cards = shown.OpponentCards.Count();
        return cards == 0 ? TRect{}
                          : TRect{OpponentCardRect(0).Left, OpponentCardRect(0).Top,
                                  OpponentCardRect(cards - 1).Right, OpponentCardRect(0).Bottom};
    }
    return MarkedRect(FocusMark(shown, stop), shown, layout);
}

bool TMainForm::ScrollToKeyFocus(const TTableLayout& layout) {
    if (!KeyFocusShown() || (KeyFocus.Kind != TStopKind::Meld && KeyFocus.Kind != TStopKind::FreeTable) ||
        layout.Overflow <= 0) {
        return false;
    }
    const TRect place = MarkedRect(FocusMark(Table.Game, KeyFocus), Table.Game, layout);
    const TRect row = MeldRowClip(layout.Width, layout.Height);
    int32_t shift = 0;
    if (place.Right > row.Right) {
        shift = place.Right - row.Right;
    }
    // The left edge wins where the place is wider than the row.
    if (place.Left - shift < row.Left) {
        shift = place.Left - row.Left;
    }
    const int value = std::clamp(ScrollBar1->value() + shift, 0, ScrollBar1->maximum());
    if (value == ScrollBar1->value()) {
        return false;
    }
    const QSignalBlocker quiet(ScrollBar1);
    ScrollBar1->setValue(value);
    return true;
}
