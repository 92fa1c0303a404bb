// What the table's widget hands to the window that owns it, and what it and
// the screen readers ask of it. The window is the only host.
#pragma once

#include <QRect>
#include <QString>
#include <Qt>

#include "game/Game.h"
#include "render/TablePicture.h"
#include "ui/table/TableStops.h"

// What screen readers read of the table: the game it shows and where the
// keyboard stands on it.
class TTableReader {
  public:
    virtual ~TTableReader() = default;
    virtual const TGame& TableGame() const = 0;
    // The table holds the window's keyboard focus (also while another window is active).
    virtual bool TableHasKeyboard() const = 0;
    virtual TTableStop KeyboardStop() const = 0;
    // Where a place lies in the table's widget, as the last painting drew it.
    virtual QRect PlaceRect(const TTableStop& stop) const = 0;
};

class TTableHost : public TTableReader {
  public:
    // The picture to show: the table, or a step of the computer's turn being played out.
    virtual const TTablePicture& ShownPicture() = 0;
    virtual void TableMousePress(int x, int y) = 0;
    virtual void TableMouseMove(int x, int y) = 0;
    virtual void TableMouseRelease(int x, int y) = 0;
    // False when the key is not one of the table's.
    virtual bool TableKey(int key, Qt::KeyboardModifiers modifiers) = 0;
    // `byKeyboard` when Tab brought the focus.
    virtual void TableFocusChanged(bool byKeyboard) = 0;
    virtual void TableResized() = 0;
    // Empty where the table has nothing to tell.
    virtual QString TableToolTip(int x, int y) const = 0;
};
