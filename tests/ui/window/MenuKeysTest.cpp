// The menus by keyboard, in German and in English: every menu and command has
// a letter of its own in its menu, Alt with a menu's letter opens it, and F10
// opens the first menu as GNOME and KDE programs do.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTest>

#include "settings/ProgramDir.h"
#include "tests/support/LanguageGuard.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/MenuTexts.h"
#include "tests/support/WindowParts.h"
#include "ui/window/MainForm.h"

namespace {

// Entries without a letter, and letters two entries of one menu share.
void CheckLetters(const QString& where, const QList<QAction*>& entries, QStringList& problems) {
    QMap<QString, QStringList> byLetter;
    for (QAction* entry : entries) {
        if (entry->isSeparator()) {
            continue;
        }
        const QString letter = MnemonicOf(entry->text());
        if (letter.isEmpty() || letter == " ") {
            problems << where + ": \"" + entry->text() + "\" has no letter";
        } else {
            byLetter[letter] << entry->text();
        }
        if (entry->menu() != nullptr) {
            CheckLetters(Shown(entry->text()), entry->menu()->actions(), problems);
        }
    }
    for (auto shared = byLetter.cbegin(); shared != byLetter.cend(); ++shared) {
        if (shared.value().size() > 1) {
            problems << where + ": " + shared.key() + " for " + shared.value().join(", ");
        }
    }
}

TEST(MenuKeysTest, EveryMenuAndCommandHasALetterOfItsOwnInEachLanguage) {
    for (const char* language : {"de", "en"}) {
        const TLanguage guard(language);
        TMainForm form(1);
        QStringList problems;
        CheckLetters("menu bar", form.menuBar()->actions(), problems);
        EXPECT_TRUE(problems.isEmpty()) << language << ": " << problems.join("; ").toStdString();
        // A screen reader reads the caption as shown.
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(Named<QMenu>(form, "SpielMenu"));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->child(0)->text(QAccessible::Name),
                  Shown(Named<QAction>(form, "NeuesSpiel1")->text()));
        EXPECT_FALSE(menu->child(0)->text(QAccessible::Name).contains('&'));
    }
}

// Each command the help names, "Spiel → Neues Spiel", "View → Card Size", is
// in that menu as the menu shows it.
TEST(MenuKeysTest, EveryCommandTheHelpNamesIsInItsMenu) {
    static const QRegularExpression named("(\\w+) → ([^<(/]+)");
    for (const char* language : {"de", "en"}) {
        const TLanguage guard(language);
        TMainForm form(1);
        QMap<QString, QStringList> menus;
        for (QAction* menu : form.menuBar()->actions()) {
            menus[Shown(menu->text())] = MenuTexts(menu->menu());
        }
        const QDir help(ProgramDirectory() + (QString(language) == "de" ? "help" : "help/en"));
        int commands = 0;
        for (const QString& page : help.entryList({"*.html"})) {
            QFile file(help.filePath(page));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << page.toStdString();
            const QString text = QString::fromUtf8(file.readAll()).replace('\n', ' ');
            for (const QRegularExpressionMatch& m : named.globalMatch(text)) {
                const QString command = m.captured(2).trimmed();
                ASSERT_TRUE(menus.contains(m.captured(1)))
                    << page.toStdString() << ": " << m.captured(0).toStdString();
                EXPECT_TRUE(menus[m.captured(1)].contains(command))
                    << language << " " << page.toStdString() << ": " << m.captured(0).toStdString();
                ++commands;
            }
        }
        EXPECT_GE(commands, 15) << language;
    }
}

TEST(MenuKeysTest, F10OpensTheFirstMenuAndAltWithALetterOpensItsMenu) {
    TMainForm form(1);
    form.show();
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    QMenu* game = Named<QMenu>(form, "SpielMenu");
    QMenu* view = Named<QMenu>(form, "ViewMenu");

    QTest::keyClick(&form, Qt::Key_F10);
    EXPECT_TRUE(game->isVisible());
    EXPECT_EQ(form.menuBar()->activeAction(), game->menuAction());
    QTest::keyClick(game, Qt::Key_F10);  // again: closed
    EXPECT_FALSE(game->isVisible());
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);

    // Alt+A opens "Ansicht"; the arrow keys go on to the other menus, and a letter chooses.
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    ASSERT_TRUE(view->isVisible());
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_FALSE(view->isVisible());
    EXPECT_TRUE(game->isVisible());
    QTest::keyClick(game, Qt::Key_Right);
    ASSERT_TRUE(view->isVisible());
    const bool marked = Named<QAction>(form, "MarkMovesAction")->isChecked();
    QTest::keyClick(view, Qt::Key_M);
    EXPECT_FALSE(view->isVisible());
    EXPECT_NE(Named<QAction>(form, "MarkMovesAction")->isChecked(), marked);

    // F10 in a submenu closes it and the menu it came from.
    QTest::keyClick(&form, Qt::Key_A, Qt::AltModifier);
    QTest::keyClick(view, Qt::Key_Right);
    ASSERT_TRUE(Named<QMenu>(form, "ComputerTurnMenu")->isVisible());
    QTest::keyClick(Named<QMenu>(form, "ComputerTurnMenu"), Qt::Key_F10);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
}

}  // namespace
