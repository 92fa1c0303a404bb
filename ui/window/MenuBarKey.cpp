#include "ui/window/MenuBarKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>

TMenuBarKey::TMenuBarKey(QMainWindow* window) : QObject(window), Window(window) {
    setObjectName("MenuBarKey");
    auto* key = new QShortcut(QKeySequence(Qt::Key_F10), window);
    connect(key, &QShortcut::activated, this, &TMenuBarKey::OpenFirstMenu);
    // An open menu has the keyboard to itself; the shortcut does not reach it.
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        menu->installEventFilter(this);
    }
}

void TMenuBarKey::OpenFirstMenu() {
    QMenuBar* bar = Window->menuBar();
    for (QAction* menu : bar->actions()) {
        if (menu->menu() != nullptr) {
            bar->setActiveAction(menu);
            return;
        }
    }
}

bool TMenuBarKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F10 &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        // The open menu and the submenus it opened, the innermost first.
        while (QWidget* popup = QApplication::activePopupWidget()) {
            popup->close();
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}
