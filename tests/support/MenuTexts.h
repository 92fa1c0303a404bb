// The texts of a menu's entries, "-" for a separator.
#pragma once

#include <QAction>
#include <QMenu>
#include <QStringList>

inline QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QString("-") : action->text());
    }
    return texts;
}
