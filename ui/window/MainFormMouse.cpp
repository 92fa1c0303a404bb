// Mouse input on the table: drawing, selecting, dragging and dropping.
// Hit tests use the rectangles of the last painting; the rules live in the game.
#include "render/TableLayout.h"
#include "ui/window/MainForm.h"
#include "ui/window/PaintBox.h"

void TMainForm::TableMousePress(int x, int y) {
    SwallowMouse = false;
    KeyboardShown = false;  // the frame goes with the next painting
    PaintBox1MouseDown(ToTable(x), ToTable(y));
}

void TMainForm::TableMouseRelease(int x, int y) {
    if (SwallowMouse) {
        SwallowMouse = false;  // the end of the click that ended a playing-out
        return;
    }
    PaintBox1MouseUp(ToTable(x), ToTable(y));
}

void TMainForm::PaintBox1MouseDown(int x, int y) {
    ClearHint();
    if (Table.Game.GameState == MustDraw) {
        if (StockRect.Contains(x, y)) {
            DrawForPlayer(true);
        } else if (!Table.Game.DiscardPile.Empty() && DiscardRect.Contains(x, y)) {
            DrawForPlayer(false);
        }
        return;
    }
    if (Table.Game.GameState != MayLayOut) {
        return;
    }

    // From the top card down, so that where cards overlap the upper one is hit.
    // Every card notes its offset to the mouse: a drag carries all selected cards.
    bool hit = false;
    bool newlySelected = false;
    const int height = TableUnits().height();
    DragOffsets.assign(static_cast<size_t>(Table.Game.OwnCards.Count()), {});
    for (int i = Table.Game.OwnCards.Count() - 1; i >= 0; --i) {
        const TRect place = HandCardRect(i, height);
        DragOffsets[static_cast<size_t>(i)] = {place.Left - x, place.Top - y};
        if (!hit && place.Contains(x, y)) {
            hit = true;
            newlySelected = Table.Toggle(i);
            DragMoves = 0;
        }
    }
    MouseX = x;
    MouseY = y;
    if (!hit) {
        Table.ClearSelection();
    }
    PaintBox1Paint();
    if (newlySelected) {
        Dragging = 1;
    }
    KeepGame();
}

void TMainForm::PaintBox1MouseMove(int x, int y) {
    if (Dragging == 0) {
        return;
    }
    ++DragMoves;
    MouseX = x;
    MouseY = y;
    PaintBox1Paint();
}

void TMainForm::PaintBox1MouseUp(int x, int y) {
    if (Dragging == 0) {
        return;
    }
    Dragging = 0;
    if (DiscardRect.Contains(x, y)) {
        Table.Discard();
    } else if (InTableArea(x, y, TableUnits().height())) {
        Table.LayOut(TablePainter.Drawn().Layout.MeldAt(x, y));
    } else {
        PaintBox1Paint();  // the cards go back into the hand
    }
    ShowComputerTurn();
}
