// Larger cards: the menu and its setting, one scale for the whole table, the
// mouse hitting the card the picture shows at every scale, and faces made anew
// only once a changing window has settled.
#include <gtest/gtest.h>

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QFrame>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <cmath>

#include "render/TableLayout.h"
#include "render/TablePainter.h"
#include "settings/ProfileFile.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/MenuTexts.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/TestCards.h"
#include "tests/support/WindowParts.h"
#include "ui/window/MainForm.h"

namespace {

class CardSizeTest : public ::testing::Test {
  protected:
    CardSizeTest() {
        In(form).SetMessageBoxes(&boxes);
        form.show();
        Named<QTimer>(form, "Timer1")->stop();  // the blinking would only add paintings
        QApplication::processEvents();
    }

    // Resizes the window so that the table gets exactly this size.
    void TableSize(int width, int height) {
        QApplication::processEvents();  // the layout of an earlier change first
        const QSize around = form.size() - TableOf(form)->size();
        form.resize(QSize(width, height) + around);
        QApplication::processEvents();
        ASSERT_EQ(TableOf(form)->size(), QSize(width, height));
    }
    // A point of the widget in the middle of what the picture shows of a place,
    // worked out from the designed table, independently of the window's own mapping.
    QPoint Shown(int32_t tableX, int32_t tableY) const {
        const qreal s = In(form).Drawn().Scene.Scale;
        return QPoint(static_cast<int>(std::lround((tableX + 0.5) * s)),
                      static_cast<int>(std::lround((tableY + 0.5) * s)));
    }
    // The middle of the part of hand card i no later card covers.
    QPoint HandCardShown(int i) const {
        const int32_t height = static_cast<int32_t>(TableOf(form)->height() / In(form).Drawn().Scene.Scale);
        const TRect r = HandCardRect(i, height);
        const bool last = i == In(form).Controller.Game.OwnCards.Count() - 1;
        return Shown(last ? (r.Left + r.Right) / 2 : r.Left + HandSlot / 2, (r.Top + r.Bottom) / 2);
    }
    void Click(QPoint p) {
        QTest::mousePress(TableOf(form), Qt::LeftButton, {}, p);
        QTest::mouseRelease(TableOf(form), Qt::LeftButton, {}, p);
    }

    TTempConfig config;
    TScriptedBoxes boxes;
    TMainForm form{17};
};

TEST_F(CardSizeTest, TheMenuOffersFiveSizesNormalFirstAndTheChoiceIsKept) {
    EXPECT_EQ(MenuTexts(Named<QMenu>(form, "CardSizeMenu")),
              (QStringList{"Normal", "125 %", "150 %", "200 %", "An das Fenster anpassen"}));
    EXPECT_TRUE(Named<QMenu>(form, "CardSizeMenu")->actions()[0]->isChecked());
    EXPECT_EQ(TableOf(form)->size(), DesignTableSize);
    EXPECT_EQ(In(form).Drawn().Scene.Scale, 1);

    Named<QMenu>(form, "CardSizeMenu")->actions()[2]->trigger();  // 150 %
    EXPECT_EQ(In(form).Drawn().Scene.Scale, 1.5);
    EXPECT_TRUE(config.IniLines().contains("Kartengroesse=150"));
    // The rows never overlap: the table cannot be made smaller than its least size at 150 %.
    EXPECT_EQ(TableOf(form)->minimumSize(), QSize(600, 501));
    EXPECT_GE(TableOf(form)->width(), 1020);

    TMainForm again(18);
    In(again).SetMessageBoxes(&boxes);
    again.show();
    QApplication::processEvents();
    EXPECT_TRUE(Named<QMenu>(again, "CardSizeMenu")->actions()[2]->isChecked());
    EXPECT_EQ(In(again).Drawn().Scene.Scale, 1.5);
}

// At 200 % on an ordinary screen the window paints exactly what the designed
// table paints on a screen of twice the pixel density.
TEST_F(CardSizeTest, TwiceTheSizeIsTheDesignedTableAtTwiceThePixelRatio) {
    CardSizeAction(form, TCardSize::Larger200)->trigger();
    TableSize(1500, 800);
    ASSERT_EQ(In(form).Drawn().Scene.Scale, 2);
    TGame& game = In(form).Controller.Game;
    TTableLayout layout = LayOutTable(game.TableMelds, 750, 400, 0);
    TTableScene scene;
    scene.DevicePixelRatio = 2;
    scene.TableColor = Named<QFrame>(form, "Panel2")->palette().color(QPalette::Window);
    scene.Back = In(form).Drawn().Scene.Back;
    scene.Faces = In(form).Drawn().Scene.Faces;
    scene.PaintCount = In(form).Drawn().Scene.PaintCount;  // the count the window's last painting used
    TTablePainter painter;
    painter.Record(game, layout, scene);
    const QImage designed = painter.Picture().ToImage();
    EXPECT_EQ(designed.size(), In(form).Table().size());
    EXPECT_TRUE(designed.convertToFormat(QImage::Format_RGB32) ==
                In(form).Table().convertToFormat(QImage::Format_RGB32));
    // The faces were made for the finer pixels, not stretched; the hand's as
    // narrow as its places.
    EXPECT_EQ(FaceOf(form, game.OwnCards.At(0), TFaceUse::InHand).size(), QSize(136, 216));
}

// At a fractional and at fitted scales, a click into the middle of what the
// picture shows of a hand card selects that card, and its drop on a meld's
// middle lays it off onto that meld.
TEST_F(CardSizeTest, TheMouseHitsTheCardThePictureShowsAtEveryScale) {
    struct TCase {
        TCardSize Size;
        QSize Table;
        qreal Scale;
    } cases[] = {
        {TCardSize::Larger150, {1100, 560}, 1.5},
        {TCardSize::FitWindow, {1360, 760}, 2},
        {TCardSize::FitWindow, {1111, 700}, 1111.0 / 680},
        // Bound by the height: the rows, and the scroll bar between the lower two.
        {TCardSize::FitWindow, {3000, 900}, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Table.width());
        CardSizeAction(form, c.Size)->trigger();
        TableSize(c.Table.width(), c.Table.height());
        const int bar = Named<QScrollBar>(form, "ScrollBar1")->sizeHint().height();
        ASSERT_DOUBLE_EQ(In(form).Drawn().Scene.Scale, c.Scale > 0 ? c.Scale : (900.0 - 2 * bar) / 349);
        TGame& game = In(form).Controller.Game;
        game.NeuesSpiel();
        SetHand(game, "");  // whatever the deal, the cards below are free
        PutMeld(game, "He7 He6 He5", TFrom::Deck);
        PutMeld(game, "Kr9 Bl9 Ka9", TFrom::Deck);
        SetHand(game, "He8 He4 Kr2 Ka7 Bl3");
        game.PlayerCameOut = 1;
        game.SetStatus(MayLayOut);
        In(form).Paint();
        for (int i = 0; i < game.OwnCards.Count(); ++i) {
            Click(HandCardShown(i));
            EXPECT_EQ(SelectedCount(game), 1) << i;
            EXPECT_NE(game.OwnCards.At(i).Selected, 0) << i;
            Click(HandCardShown(i));  // and off again
        }
        // He4 goes onto the first meld's low end.
        const int card = HandIndex(game, "He4");
        const TRect meld = In(form).Drawn().Layout.Meld(0);
        const QPoint target = Shown((meld.Left + meld.Right) / 2, (meld.Top + meld.Bottom) / 2);
        QTest::mousePress(TableOf(form), Qt::LeftButton, {}, HandCardShown(card));
        QTest::mouseMove(TableOf(form), target);
        QTest::mouseRelease(TableOf(form), Qt::LeftButton, {}, target);
        EXPECT_EQ(ShowCards(*game.TableMelds.At(0).Cards), "He7 He6 He5 He4");
        // A screen reader finds the meld where the picture shows it.
        EXPECT_TRUE(PlaceOf(form, {TStopKind::Meld, 0}).contains(target));
        const TRect stock = In(form).Drawn().Layout.StockRect;
        const QPoint stockMiddle = Shown((stock.Left + stock.Right) / 2, (stock.Top + stock.Bottom) / 2);
        EXPECT_TRUE(ToolTipAt(TableOf(form), stockMiddle).startsWith("Stapel:"));
    }
}

// A card size the screen cannot hold with all that lies around the table: the
// table takes the largest scale the screen holds, the window's least size
// follows that scale, and the window never grows past the screen.
TEST_F(CardSizeTest, AFixedSizeTheScreenCannotHoldTakesTheScaleThatFits) {
    const QRect room = form.screen()->availableGeometry();
    Named<QFrame>(form, "Panel1")->setFixedHeight(room.height() - 600);  // leaves the table less than 2 x 334
    QApplication::processEvents();
    CardSizeAction(form, TCardSize::Larger200)->trigger();
    QApplication::processEvents();
    const qreal s = In(form).Drawn().Scene.Scale;
    EXPECT_GT(s, 1.2);
    EXPECT_LT(s, 2);
    EXPECT_EQ(TableOf(form)->minimumSize(), QSize(static_cast<int>(std::ceil(MinimumTableWidth * s)),
                                                  static_cast<int>(std::ceil(MinimumTableHeight * s))));
    EXPECT_LE(form.minimumSizeHint().height() + form.frameGeometry().height() - form.height(), room.height());
    EXPECT_LE(form.frameGeometry().height(), room.height());
    EXPECT_LE(form.frameGeometry().width(), room.width());
}

// A whole turn by mouse at 200 %: draw, throw away, and the computer answers.
TEST_F(CardSizeTest, AWholeTurnByMouseAtTwiceTheSize) {
    CardSizeAction(form, TCardSize::Larger200)->trigger();
    QApplication::processEvents();
    TGame& game = In(form).Controller.Game;
    const int cards = game.OwnCards.Count();
    const TRect stock = In(form).Drawn().Layout.StockRect;
    Click(Shown((stock.Left + stock.Right) / 2, (stock.Top + stock.Bottom) / 2));
    ASSERT_EQ(game.GameState, MayLayOut);
    ASSERT_EQ(game.OwnCards.Count(), cards + 1);
    const int drawn = [&game] {
        for (int i = 0; i < game.OwnCards.Count(); ++i) {
            if (game.OwnCards.At(i).Selected != 0) {
                return i;
            }
        }
        return -1;
    }();
    ASSERT_GE(drawn, 0);
    Click(HandCardShown(drawn));  // the card drawn comes selected: a click lets it go
    ASSERT_EQ(SelectedCount(game), 0);
    const TRect discard = In(form).Drawn().Layout.DiscardRect;
    const QPoint target = Shown((discard.Left + discard.Right) / 2, (discard.Top + discard.Bottom) / 2);
    QTest::mousePress(TableOf(form), Qt::LeftButton, {}, HandCardShown(drawn));
    QTest::mouseMove(TableOf(form), target);
    QTest::mouseRelease(TableOf(form), Qt::LeftButton, {}, target);
    EXPECT_EQ(game.GameState, MustDraw);
    EXPECT_EQ(game.OwnCards.Count(), cards);
    EXPECT_FALSE(game.OpponentTurn.Steps.empty());
}

// While the window is dragged larger the table follows at once with the faces
// it has; they are made at the new size once the size has settled.
TEST_F(CardSizeTest, FacesAreMadeAnewOnlyOnceTheSizeHasSettled) {
    TGame& game = In(form).Controller.Game;
    PutMeld(game, "He7 He6 He5", TFrom::Deck);
    PutMeld(game, "Kr9 Bl9 Ka9", TFrom::Deck);
    MoveCard(game.Stock, 0, game.DiscardPile);
    CardSizeAction(form, TCardSize::FitWindow)->trigger();
    TableSize(1360, 760);
    Named<QTimer>(form, "SettleTimer")->stop();
    In(form).Paint();
    const QImage before = FaceOf(form, game.OwnCards.At(0), TFaceUse::InHand);
    ASSERT_EQ(before.size(), QSize(136, 216));
    // However slow this machine, the size settles only when the test says so.
    Named<QTimer>(form, "SettleTimer")->setInterval(3600000);
    for (const int width : {1400, 1450, 1500, 1530}) {
        TableSize(width, 850);
        EXPECT_EQ(FaceOf(form, game.OwnCards.At(0), TFaceUse::InHand).cacheKey(), before.cacheKey()) << width;
        EXPECT_TRUE(Named<QTimer>(form, "SettleTimer")->isActive());
    }
    EXPECT_DOUBLE_EQ(In(form).Drawn().Scene.Scale, 1530.0 / 680);
    Named<QTimer>(form, "SettleTimer")->start(0);
    QTest::qWait(50);
    // Every face on show is made at the new size, none drawn stretched.
    std::vector<const TCard*> shown{&game.OwnCards.At(0), &game.DiscardPile.Last()};
    for (int m = 0; m < game.TableMelds.Count(); ++m) {
        for (int i = 0; i < game.TableMelds.At(m).Cards->Count(); ++i) {
            shown.push_back(&game.TableMelds.At(m).Cards->At(i));
        }
    }
    for (const TCard* card : shown) {
        const bool inHand = card == shown[0];
        const QImage face = FaceOf(form, *card, inHand ? TFaceUse::InHand : TFaceUse::Whole);
        EXPECT_EQ(face.size(), QSize(inHand ? 153 : 162, 243)) << card->Suit << " " << card->Rank;
    }
}

}  // namespace
