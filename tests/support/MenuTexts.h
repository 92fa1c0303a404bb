// The texts of a menu's entries as the menu shows them, and their letters.
#pragma once

#include <QAction>
#include <QMenu>
#include <QStringList>

// A caption as shown: the '&' before the letter hidden, "&&" a plain '&'.
inline QString Shown(const QString& text) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

// The letter Alt or an open menu chooses an entry by, lower case; none: an empty string.
inline QString MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] != '&') {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return {};
}

// "-" for a separator.
inline QStringList MenuTexts(QMenu* menu) {
    QStringList texts;
    for (QAction* action : menu->actions()) {
        texts << (action->isSeparator() ? QString("-") : Shown(action->text()));
    }
    return texts;
}
