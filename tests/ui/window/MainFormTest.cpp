#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include "render/TableLayout.h"
#include "settings/ProgramDir.h"
#include "tests/support/EventLog.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/MenuTexts.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/WindowParts.h"
#include "ui/window/MainForm.h"

namespace {

TEST(MainFormTest, HasTheDesignedWindowAndControls) {
    TMainForm form(1);
    EXPECT_EQ(form.windowTitle(), "Taldrin Brisko 1.0");

    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(Shown(menus[0]->text()), "Spiel");
    EXPECT_EQ(Shown(menus[1]->text()), "Ansicht");
    EXPECT_EQ(Shown(menus[2]->text()), "Hilfe");
    EXPECT_EQ(MenuTexts(Named<QMenu>(form, "ViewMenu")),
              (QStringList{"Zug des Computers", "Kartengröße", "Züge des Computers markieren"}));
    EXPECT_EQ(MenuTexts(Named<QMenu>(form, "ComputerTurnMenu")),
              (QStringList{"Sofort", "Schnell", "Normal", "Langsam"}));
    EXPECT_EQ(MenuTexts(Named<QMenu>(form, "SpielMenu")),
              (QStringList{"Neues Spiel", "Letztes Spiel fortsetzen", "-", "Gegner: Klassisch",
                           "Gegner: Stark", "Tisch", "-", "Tipp", "Statistik...", "Liste...", "-",
                           "Einstellungen...", "-", "Beenden"}));
    EXPECT_EQ(MenuTexts(Named<QMenu>(form, "HilfeMenu")),
              (QStringList{"Hilfe...", "-", "Über das Programm..."}));
    EXPECT_EQ(Named<QAction>(form, "NeuesSpiel1")->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(Named<QAction>(form, "Beenden1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(Named<QAction>(form, "Hilfe2")->shortcut(), QKeySequence(Qt::Key_F1));

    EXPECT_EQ(Named<QPushButton>(form, "UndoBtn")->text(), "Ausgelegte Karten zurücknehmen");
    EXPECT_FALSE(Named<QPushButton>(form, "UndoBtn")->icon().isNull());
    EXPECT_EQ(Named<QPushButton>(form, "UndoBtn")->pos(), QPoint(16, 8));
    EXPECT_EQ(Named<QFrame>(form, "Panel1")->height(), 41);
    EXPECT_EQ(Named<QLabel>(form, "StatusPanel")->height(), 24);
    EXPECT_TRUE(Named<QLabel>(form, "StatusPanel")->font().bold());
    EXPECT_EQ(Named<QLabel>(form, "StatusPanel")->font().pixelSize(), 13);
    EXPECT_EQ(Named<QFrame>(form, "Panel2")->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(Named<QScrollBar>(form, "ScrollBar1")->maximum(), 10000);
    EXPECT_EQ(Named<QScrollBar>(form, "ScrollBar1")->pageStep(), 100);
    EXPECT_EQ(Named<QLabel>(form, "StatusPanel")->text(), "");  // empty until the first deal
    EXPECT_TRUE(ProgramDirectory().endsWith('/'));
}

TEST(MainFormTest, TheTableHasItsDesignSizeAtTheFirstShowingAndAFloorBelowWhichRowsWouldOverlap) {
    TMainForm form(1);
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(TableOf(form)->size(), QSize(680, 338));
    EXPECT_EQ(MiddleRowTop(TableOf(form)->height()), 115);

    form.resize(100, 100);
    QApplication::processEvents();
    const int h = TableOf(form)->height();
    EXPECT_GE(TableOf(form)->width(), 400);
    // The hand row starts where the middle row ends, or lower.
    EXPECT_GE(HandCardRect(0, h).Top, StockPileRect(h).Bottom);
    EXPECT_LT(HandCardRect(0, h - 1).Top, StockPileRect(h - 1).Bottom);
}

// The window opens where it was left, as large as it was, also maximised, and
// always inside the screen; with nothing stored, or nothing usable, as designed.
TEST(MainFormTest, TheWindowOpensWhereItWasLeftInsideTheScreen) {
    TTempConfig config;
    QRect designed;
    {
        TMainForm form(1);
        form.show();
        QApplication::processEvents();
        designed = form.geometry();
        form.setGeometry(200, 150, 1100, 700);
        QApplication::processEvents();
        form.close();
    }
    EXPECT_TRUE(config.IniLines().contains("[Fenster]"));
    const QRect room = QGuiApplication::primaryScreen()->availableGeometry();
    struct TCase {
        QByteArray Section;
        QRect Expected;  // empty: anywhere inside the screen, no larger than it
        bool Maximized;
    } cases[] = {
        {"", QRect(200, 150, 1100, 700), false},
        {"[Fenster]\nLinks=5000\nOben=-300\nBreite=900\nHoehe=600\n", QRect(), false},
        {"[Fenster]\nLinks=100\nOben=100\nBreite=5000\nHoehe=3000\n", QRect(), false},
        {"[Fenster]\nLinks=100\nOben=100\nBreite=900\nHoehe=600\nMaximiert=True\n", QRect(), true},
        {"[Fenster]\nLinks=100\nOben=100\nBreite=kaputt\nHoehe=600\n", designed, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Section.toStdString());
        if (!c.Section.isEmpty()) {
            config.WriteIni(c.Section);
        }
        TMainForm form(2);
        form.show();
        QApplication::processEvents();
        if (!c.Expected.isEmpty()) {
            EXPECT_EQ(form.geometry(), c.Expected);
        }
        EXPECT_TRUE(room.contains(form.frameGeometry()));
        EXPECT_EQ(form.isMaximized(), c.Maximized);
        form.hide();
    }
    // Maximised, the size it had before is kept for the next run.
    config.WriteIni("[Fenster]\nLinks=100\nOben=100\nBreite=900\nHoehe=600\nMaximiert=True\n");
    {
        TMainForm form(3);
        form.show();
        QApplication::processEvents();
        form.close();
    }
    EXPECT_TRUE(config.IniLines().contains("Breite=900"));
    EXPECT_TRUE(config.IniLines().contains("Maximiert=True"));
}

TEST(MainFormTest, TheStatusLineIsLoweredOutsideAndRaisedInside) {
    TMainForm form(1);
    form.show();
    QApplication::processEvents();
    const QImage line = Named<QLabel>(form, "StatusPanel")->grab().toImage();
    const QPalette& palette = Named<QLabel>(form, "StatusPanel")->palette();
    const QRgb dark = palette.color(QPalette::Dark).rgb();
    const QRgb light = palette.color(QPalette::Light).rgb();
    ASSERT_NE(dark, light);
    const int r = line.width() - 1;
    const int b = line.height() - 1;
    const int mid = line.width() / 2;
    // Outer ring: shadow at the top and left, light at the bottom and right.
    EXPECT_EQ(line.pixel(mid, 0) & 0xffffff, dark & 0xffffff);
    EXPECT_EQ(line.pixel(0, b / 2) & 0xffffff, dark & 0xffffff);
    EXPECT_EQ(line.pixel(mid, b) & 0xffffff, light & 0xffffff);
    EXPECT_EQ(line.pixel(r, b / 2) & 0xffffff, light & 0xffffff);
    // Inner ring the other way round.
    EXPECT_EQ(line.pixel(mid, 1) & 0xffffff, light & 0xffffff);
    EXPECT_EQ(line.pixel(1, b / 2) & 0xffffff, light & 0xffffff);
    EXPECT_EQ(line.pixel(mid, b - 1) & 0xffffff, dark & 0xffffff);
    EXPECT_EQ(line.pixel(r - 1, b / 2) & 0xffffff, dark & 0xffffff);
}

TEST(MainFormTest, FirstShowingDealsOnceLaterShowingsNothing) {
    TMainForm form(1);
    EXPECT_TRUE(In(form).Controller.Game.OwnCards.Empty());
    form.show();
    EXPECT_EQ(In(form).Controller.Game.OwnCards.Count(), 12);
    EXPECT_EQ(In(form).Controller.Game.OpponentCards.Count(), 12);
    EXPECT_EQ(In(form).Controller.Game.Stock.Count(), 86);
    EXPECT_EQ(Named<QLabel>(form, "StatusPanel")->text(), "Ziehen Sie eine Karte!");
    EXPECT_EQ(CheckCards(In(form).Controller.Game), "");

    const TCard first = In(form).Controller.Game.OwnCards.At(0);
    form.hide();
    form.show();
    EXPECT_EQ(In(form).Controller.Game.OwnCards.At(0).Id, first.Id);  // no new deal
}

TEST(MainFormTest, NewGameDuringThePlayersTurnDealsAtOnce) {
    TMainForm form(2);
    form.show();
    In(form).Controller.Game.SetStatus(1);
    Named<QAction>(form, "NeuesSpiel1")->trigger();
    EXPECT_EQ(In(form).Controller.Game.GameState, 0);
    EXPECT_EQ(Named<QLabel>(form, "StatusPanel")->text(), "Ziehen Sie eine Karte!");
    EXPECT_EQ(CheckCards(In(form).Controller.Game), "");
}

TEST(MainFormTest, BeendenClosesTheWindow) {
    TMainForm form(3);
    form.show();
    Named<QAction>(form, "Beenden1")->trigger();
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
