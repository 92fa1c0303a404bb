#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>

#include "render/TableLayout.h"
#include "tests/support/FakeScreen.h"
#include "tests/support/MenuTexts.h"
#include "ui/MainForm.h"

namespace {

TEST(MainFormTest, HasTheDesignedWindowAndControls) {
    TMainForm form(1);
    EXPECT_EQ(form.windowTitle(), "Taldrin Brisko 1.0");

    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 3);
    EXPECT_EQ(menus[0]->text(), "Spiel");
    EXPECT_EQ(menus[1]->text(), "Ansicht");
    EXPECT_EQ(menus[2]->text(), "Hilfe");
    EXPECT_EQ(MenuTexts(form.AnsichtMenu),
              (QStringList{"Zug des Computers", "Züge des Computers markieren"}));
    EXPECT_EQ(MenuTexts(form.ZugDesComputers1), (QStringList{"Sofort", "Schnell", "Normal", "Langsam"}));
    EXPECT_EQ(MenuTexts(form.SpielMenu),
              (QStringList{"Neues Spiel", "-", "Gegner: Klassisch", "Gegner: Stark", "-", "Tipp",
                           "Statistik...", "-", "Einstellungen...", "-", "Beenden"}));
    EXPECT_EQ(MenuTexts(form.HilfeMenu), (QStringList{"&Hilfe...", "-", "Über das Programm..."}));
    EXPECT_EQ(form.NeuesSpiel1->shortcut(), QKeySequence(Qt::Key_F2));
    EXPECT_EQ(form.Beenden1->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(form.Hilfe2->shortcut(), QKeySequence(Qt::Key_F1));

    EXPECT_EQ(form.UndoBtn->text(), "Ausgelegte Karten zurücknehmen");
    EXPECT_FALSE(form.UndoBtn->icon().isNull());
    EXPECT_EQ(form.UndoBtn->pos(), QPoint(16, 8));
    EXPECT_EQ(form.Panel1->height(), 41);
    EXPECT_EQ(form.StatusPanel->height(), 24);
    EXPECT_TRUE(form.StatusPanel->font().bold());
    EXPECT_EQ(form.StatusPanel->font().pixelSize(), 13);
    EXPECT_EQ(form.Panel2->palette().color(QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(form.ScrollBar1->maximum(), 10000);
    EXPECT_EQ(form.ScrollBar1->pageStep(), 100);
    EXPECT_EQ(TMainForm::BlinkTickMs, 10);
    EXPECT_EQ(form.StatusPanel->text(), "");  // empty until the first deal
    EXPECT_TRUE(form.ProgramDir.endsWith('/'));
    EXPECT_TRUE(form.HelpFile.endsWith("/brisko.hlp"));
}

TEST(MainFormTest, TheTableHasItsDesignSizeAtTheFirstShowingAndAFloorBelowWhichRowsWouldOverlap) {
    TMainForm form(1);
    form.show();
    QApplication::processEvents();
    EXPECT_EQ(form.PaintBox1->size(), QSize(680, 338));
    EXPECT_EQ(MiddleRowTop(form.PaintBox1->height()), 115);

    form.resize(100, 100);
    QApplication::processEvents();
    const int h = form.PaintBox1->height();
    EXPECT_GE(form.PaintBox1->width(), 400);
    // The hand row starts where the middle row ends, or lower.
    EXPECT_GE(HandCardRect(0, h).Top, StockPileRect(h).Bottom);
    EXPECT_LT(HandCardRect(0, h - 1).Top, StockPileRect(h - 1).Bottom);
}

TEST(MainFormTest, TheStatusLineIsLoweredOutsideAndRaisedInside) {
    TMainForm form(1);
    form.show();
    QApplication::processEvents();
    const QImage line = form.StatusPanel->grab().toImage();
    const QPalette& palette = form.StatusPanel->palette();
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
    EXPECT_TRUE(form.Game.OwnCards.Empty());
    form.show();
    EXPECT_EQ(form.SettingsLoaded, 1);
    EXPECT_EQ(form.Game.OwnCards.Count(), 12);
    EXPECT_EQ(form.Game.OpponentCards.Count(), 12);
    EXPECT_EQ(form.Game.Stock.Count(), 86);
    EXPECT_EQ(form.StatusPanel->text(), "Ziehen Sie eine Karte!");
    EXPECT_EQ(CheckCards(form.Game), "");

    const TCard first = form.Game.OwnCards.At(0);
    form.hide();
    form.show();
    EXPECT_EQ(form.Game.OwnCards.At(0).Image, first.Image);  // no new deal
}

TEST(MainFormTest, NewGameDuringThePlayersTurnDealsAtOnce) {
    TMainForm form(2);
    form.show();
    form.Game.SetStatus(1);
    form.NeuesSpiel1->trigger();
    EXPECT_EQ(form.Game.GameState, 0);
    EXPECT_EQ(form.StatusPanel->text(), "Ziehen Sie eine Karte!");
    EXPECT_EQ(CheckCards(form.Game), "");
}

TEST(MainFormTest, BeendenClosesTheWindow) {
    TMainForm form(3);
    form.show();
    form.Beenden1->trigger();
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
