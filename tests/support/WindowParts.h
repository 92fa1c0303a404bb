// The main window's menus, actions, widgets and timers as a test reaches them:
// by object name, and through the events Qt itself would send them.
#pragma once

#include <QApplication>
#include <QHelpEvent>
#include <QMetaObject>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <stdexcept>
#include <string>

#include "render/TableLayout.h"
#include "render/TableMarks.h"
#include "render/TablePainter.h"
#include "settings/ViewSettings.h"
#include "tests/support/MainFormAccess.h"
#include "ui/table/TableStops.h"
#include "ui/window/MainForm.h"
#include "ui/window/PaintBox.h"
#include "ui/window/TableHost.h"

// The object of that name and type below `parent`; a missing one fails the test.
template <class T>
T* Named(const QObject& parent, const QString& name) {
    T* found = parent.findChild<T*>(name);
    if (found == nullptr) {
        throw std::runtime_error(std::string("no ") + T::staticMetaObject.className() + " named \"" +
                                 name.toStdString() + "\"");
    }
    return found;
}

// The table's widget, and what it tells screen readers.
inline TPaintBox* TableOf(const QObject& form) {
    return Named<TPaintBox>(form, "PaintBox1");
}
// Where the last painting put a place, in the table's widget.
inline QRect PlaceOf(const QObject& form, const TTableStop& stop) {
    return TableOf(form)->Reader()->PlaceRect(stop);
}
inline TTableStop KeyboardStopOf(const QObject& form) {
    return TableOf(form)->Reader()->KeyboardStop();
}

// A card's face as the window draws it.
inline QImage FaceOf(TMainForm& form, const TCard& card, TFaceUse use = TFaceUse::Whole) {
    return In(form).Drawn().Scene.Faces(card, use);
}

// Whether the last painting framed the place the keyboard is at.
inline bool KeyboardFrameShown(TMainForm& form) {
    const std::vector<TTableMark>& marks = In(form).Drawn().Scene.Marks;
    const TTableMark frame = FocusMark(In(form).Controller.Game, KeyboardStopOf(form));
    return std::find(marks.begin(), marks.end(), frame) != marks.end();
}

// The entries of "Ansicht" that choose a speed and a card size.
inline QAction* SpeedAction(const QObject& form, TMoveSpeed speed) {
    return Named<QAction>(form, "Speed" + StoredSpeedName(speed));
}
inline QAction* CardSizeAction(const QObject& form, TCardSize size) {
    return Named<QAction>(form, "CardSize" + StoredCardSizeName(size));
}

// The timer's time is up: what it does from the event loop, done at once.
inline void Fire(QTimer* timer) {
    QMetaObject::invokeMethod(timer, "timeout");
}

// The computer's turn is being played out step by step.
inline bool PlayingOut(const QObject& form) {
    return Named<QTimer>(form, "PlayoutTimer")->isActive();
}

// What the widget's tooltip says when the mouse rests at `p`; empty when it shows none.
inline QString ToolTipAt(QWidget* widget, QPoint p) {
    QHelpEvent hover(QEvent::ToolTip, p, widget->mapToGlobal(p));
    QApplication::sendEvent(widget, &hover);
    // A widget with nothing to tell ignores the event.
    return hover.isAccepted() ? QToolTip::text() : QString();
}
