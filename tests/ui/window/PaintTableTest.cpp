#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLayout>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "game/Random.h"
#include "render/TableLayout.h"
#include "render/TablePainter.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ScriptedBoxes.h"
#include "tests/support/WindowParts.h"
#include "ui/window/MainForm.h"

namespace {

constexpr int64_t BlinkTickMs = 10;  // the draw hint's tick

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

// A dealt game in a shown window of the given size, painted once. Time stands
// still unless a test moves it: no tick counts into PaintCount by itself.
class PaintTableTest : public testing::Test {
  protected:
    PaintTableTest() : Form(11) {
        In(Form).SetMessageBoxes(&Boxes);
        Form.resize(900, 560);
        Form.show();
        QCoreApplication::processEvents();
        In(Form).StopBlinkClock(Now);
        In(Form).Paint();
    }

    int32_t BW() const { return TableOf(Form)->width(); }
    int32_t BH() const { return TableOf(Form)->height(); }

    // Melds of three cards taken from the stock until the row is `width` long.
    void LayMelds(int count) {
        for (int m = 0; m < count; ++m) {
            TMeld* meld = In(Form).Controller.Game.TableMelds.Append();
            meld->Cards = new TCardArray();
            for (int i = 0; i < 3; ++i) {
                MoveCard(In(Form).Controller.Game.Stock, 0, *meld->Cards);
            }
        }
    }

    void RemoveLastMeld() {
        TMeldArray& melds = In(Form).Controller.Game.TableMelds;
        TMeld* meld = melds.GoTo(melds.Count() - 1);
        In(Form).Controller.Game.ClearTCard(*meld->Cards);
        delete meld->Cards;
        melds.DeleteAt(melds.Count() - 1);
    }

    TScriptedBoxes Boxes;
    TMainForm Form;
    int64_t Now = 0;
};

TEST_F(PaintTableTest, EveryPaintingWritesThePilesAndLeavesTheBlinkToTheClock) {
    const int32_t count = In(Form).PaintCount;
    In(Form).Paint();
    EXPECT_EQ(In(Form).Drawn().Layout.StockRect, StockPileRect(BH()));
    EXPECT_EQ(In(Form).Drawn().Layout.DiscardRect, DiscardPileRect(BH()));
    EXPECT_EQ(In(Form).PaintCount, count);
    EXPECT_EQ(In(Form).Table().deviceIndependentSize().toSize(), TableOf(Form)->size());

    // Every painting composes anew.
    const QImage before = In(Form).Table();
    In(Form).Controller.Game.OwnCards.At(0).Selected = 1;
    In(Form).Paint();
    In(Form).Controller.Game.OwnCards.At(0).Selected = 0;
    EXPECT_EQ(In(Form).PaintCount, count);
    EXPECT_NE(In(Form).Table(), before);

    // A larger window moves the lower rows with it.
    Form.resize(1280, 900);
    QCoreApplication::processEvents();
    In(Form).Paint();
    EXPECT_GT(BH(), 700);
    EXPECT_EQ(In(Form).Drawn().Layout.StockRect, StockPileRect(BH()));
    EXPECT_EQ(In(Form).Table().deviceIndependentSize().toSize(), TableOf(Form)->size());
    // The mouse finds the stock where it is drawn now.
    QTest::mouseClick(TableOf(Form), Qt::LeftButton, {}, PlaceOf(Form, {TStopKind::Stock}).center());
    EXPECT_EQ(In(Form).Controller.Game.GameState, MayLayOut);
}

// The table draws each card's face as the window makes it, and cards of one
// face share its pixels; the hand's faces are as narrow as its places.
TEST_F(PaintTableTest, TheTableShowsTheFacesAndEqualCardsSharePixels) {
    TGame& game = In(Form).Controller.Game;
    MoveCard(game.Stock, 0, game.DiscardPile);
    LayMelds(2);
    In(Form).Paint();
    for (int m = 0; m < 2; ++m) {
        const TCardArray& meld = *game.TableMelds.At(m).Cards;
        // The last card of a meld shows whole.
        const TRect last = MeldCardRect(In(Form).Drawn().Layout.Meld(m), meld.Count() - 1);
        EXPECT_EQ(In(Form).Table().copy(ToQRect(last)), FaceOf(Form, meld.Last())) << m;
    }

    // Every card shown: two of each face, six jokers, one picture each.
    while (!game.Stock.Empty()) {
        MoveCard(game.Stock, 0, game.OwnCards);
    }
    while (!game.OpponentCards.Empty()) {
        MoveCard(game.OpponentCards, 0, game.OwnCards);
    }
    In(Form).Paint();
    std::map<std::tuple<int32_t, int32_t, int>, std::set<qint64>> pixels;
    for (const TCardArray* pile :
         {&game.OwnCards, game.TableMelds.At(0).Cards, game.TableMelds.At(1).Cards}) {
        const bool inHand = pile == &game.OwnCards;
        const int width = inHand ? 68 : 72;
        for (int i = 0; i < pile->Count(); ++i) {
            const TCard& card = pile->At(i);
            const QImage face = FaceOf(Form, card, inHand ? TFaceUse::InHand : TFaceUse::Whole);
            ASSERT_EQ(face.deviceIndependentSize().toSize(), QSize(width, 108));
            pixels[{card.Suit, card.Rank, width}].insert(face.cacheKey());
        }
    }
    EXPECT_GE(pixels.size(), 53u);
    for (const auto& [face, keys] : pixels) {
        EXPECT_EQ(keys.size(), 1u) << std::get<0>(face) << " " << std::get<1>(face) << ": sharing the pixels";
    }
    EXPECT_EQ(In(Form).Drawn().Scene.Back->deviceIndependentSize().toSize(), QSize(72, 108));
}

TEST_F(PaintTableTest, TheScrollBarAppearsWithTheOverflowAndHidesAtPositionZero) {
    EXPECT_TRUE(Named<QScrollBar>(Form, "ScrollBar1")->isHidden());
    LayMelds(8);  // 8 x (72 + 52) - 4 = 988 pixels from x = 192
    In(Form).Paint();
    const int32_t overflow = 192 + 8 * 124 - BW() + 4;
    ASSERT_GT(overflow, 0);
    EXPECT_FALSE(Named<QScrollBar>(Form, "ScrollBar1")->isHidden());
    EXPECT_TRUE(Named<QScrollBar>(Form, "ScrollBar1")->isEnabled());
    EXPECT_EQ(Named<QScrollBar>(Form, "ScrollBar1")->minimum(), 0);
    EXPECT_EQ(Named<QScrollBar>(Form, "ScrollBar1")->maximum(), overflow);
    const int barHeight = Named<QScrollBar>(Form, "ScrollBar1")->height();
    EXPECT_EQ(Named<QScrollBar>(Form, "ScrollBar1")->geometry(),
              QRect(80, BH() - 8 - 108 - barHeight, BW() - 80, barHeight));

    // Scrolling repaints at once, and the melds' rectangles follow.
    Named<QScrollBar>(Form, "ScrollBar1")->setValue(100);
    EXPECT_EQ(In(Form).Drawn().Layout.Meld(0).Left, 92);
    EXPECT_EQ(In(Form).Drawn().Layout.Meld(1).Left, 216);

    // A shorter row pulls the bar back; picture and meld rectangles agree with it.
    Named<QScrollBar>(Form, "ScrollBar1")->setValue(overflow);
    RemoveLastMeld();
    In(Form).Paint();
    EXPECT_EQ(Named<QScrollBar>(Form, "ScrollBar1")->maximum(), overflow - 124);
    EXPECT_EQ(Named<QScrollBar>(Form, "ScrollBar1")->value(), overflow - 124);
    EXPECT_EQ(In(Form).Drawn().Layout.Meld(0).Left, 192 - (overflow - 124));

    // When the melds fit again, the bar hides with position 0 in the same painting.
    while (In(Form).Controller.Game.TableMelds.Count() > 1) {
        RemoveLastMeld();
    }
    In(Form).Paint();
    EXPECT_TRUE(Named<QScrollBar>(Form, "ScrollBar1")->isHidden());
    EXPECT_FALSE(Named<QScrollBar>(Form, "ScrollBar1")->isEnabled());
    EXPECT_EQ(Named<QScrollBar>(Form, "ScrollBar1")->value(), 0);
    EXPECT_EQ(In(Form).Drawn().Layout.Meld(0).Left, 192);
}

// The table as a timer of 10 ms that repaints every tick would show it, with
// the count each painting used.
struct TTickModel {
    int32_t Count = 0;   // what the next painting uses
    int32_t Shown = -1;  // what the last one used
    // The tick's own painting counts the tick.
    void Tick() {
        Shown = Count;
        Count = NextPaintCount(Count);
    }
    // A painting for another reason counts nothing: the blink goes by the clock.
    void Paint() { Shown = Count; }
};

// A simulated idle minute against a timer that would repaint every tick: the
// same frames at every moment, the same PaintCount after every painting, and a
// wake-up only where a frame comes or goes.
TEST_F(PaintTableTest, TheBlinkSleepsUntilAFrameComesOrGoesAndCountsTheTicksBetween) {
    ASSERT_EQ(In(Form).Controller.Game.GameState, MustDraw);
    int64_t& now = Now;
    const QPoint stockFrame(In(Form).Drawn().Layout.StockRect.Left - 2,
                            In(Form).Drawn().Layout.StockRect.Top + 50);
    const QPoint discardFrame(In(Form).Drawn().Layout.DiscardRect.Left - 2,
                              In(Form).Drawn().Layout.DiscardRect.Top + 50);
    // The picture changes only when the window paints; it is looked at after each painting.
    QImage shown;
    auto red = [&shown](QPoint p) { return QColor(shown.pixel(p)) == QColor(255, 0, 0); };

    for (const bool discards : {false, true}) {
        for (const bool events : {false, true}) {
            SCOPED_TRACE(testing::Message() << "discards " << discards << ", events " << events);
            if (discards && In(Form).Controller.Game.DiscardPile.Empty()) {
                MoveCard(In(Form).Controller.Game.Stock, 0, In(Form).Controller.Game.DiscardPile);
            }
            In(Form).Paint();
            shown = In(Form).Table();
            TTickModel model;
            model.Shown = In(Form).PaintCount;
            model.Count = In(Form).PaintCount;
            TRandom rng(7);
            int wakeUps = 0;
            for (int tick = 0; tick < 6000; ++tick) {
                now += BlinkTickMs;
                model.Tick();
                if (Named<QTimer>(Form, "Timer1")->isActive() && now >= In(Form).BlinkDue()) {
                    const QImage before = shown;
                    Fire(Named<QTimer>(Form, "Timer1"));
                    shown = In(Form).Table();
                    ++wakeUps;
                    ASSERT_NE(shown, before) << "woken for nothing at " << tick;
                    ASSERT_EQ(In(Form).PaintCount, model.Count);
                    // Armed on the same clock for the next change.
                    ASSERT_EQ(Named<QTimer>(Form, "Timer1")->interval(), In(Form).BlinkDue() - now);
                }
                if (events && rng.Below(50) == 0) {
                    In(Form).Paint();  // a repaint for another reason
                    shown = In(Form).Table();
                    model.Paint();
                    ASSERT_EQ(In(Form).PaintCount, model.Count) << tick;
                }
                ASSERT_EQ(red(stockFrame), StockHintAt(MustDraw, model.Shown)) << tick;
                ASSERT_EQ(red(discardFrame), DiscardHintAt(MustDraw, model.Shown, discards)) << tick;
            }
            // Frame on and frame off, once or twice a cycle of 30 ticks (the
            // first change may fall just outside the minute); events may add a few.
            if (!events) {
                EXPECT_NEAR(wakeUps, 6000 / 30 * (discards ? 4 : 2), 1);
            }
        }
    }

    // While the player lays out, the timer sleeps and nothing counts.
    In(Form).Controller.Game.SetStatus(MayLayOut);
    In(Form).Paint();
    EXPECT_FALSE(Named<QTimer>(Form, "Timer1")->isActive());
    const int32_t count = In(Form).PaintCount;
    now += 100000;
    Fire(Named<QTimer>(Form, "Timer1"));
    In(Form).Paint();
    EXPECT_EQ(In(Form).PaintCount, count);
    // Back to drawing, it blinks again.
    In(Form).Controller.Game.SetStatus(MustDraw);
    In(Form).Paint();
    EXPECT_TRUE(Named<QTimer>(Form, "Timer1")->isActive());
}

// What the paint box puts on the screen is the last painting, also where only
// the blinking pile is drawn again.
TEST_F(PaintTableTest, ThePaintBoxShowsTheLastPaintingAlsoWhereABlinkRedrawsOnlyAPile) {
    ASSERT_EQ(In(Form).Controller.Game.GameState, MustDraw);
    MoveCard(In(Form).Controller.Game.Stock, 0, In(Form).Controller.Game.DiscardPile);
    In(Form).Controller.Game.OwnCards.At(2).Selected = 1;
    In(Form).Paint();
    const int32_t count = In(Form).PaintCount;
    QImage screen = TableOf(Form)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(screen, In(Form).Table());
    EXPECT_EQ(In(Form).PaintCount, count) << "showing the table is not painting it anew";
    for (int blink = 0; blink < 4; ++blink) {
        SCOPED_TRACE(blink);
        Now = In(Form).BlinkDue();
        Fire(Named<QTimer>(Form, "Timer1"));
        // Only the pile's frame is asked for, as the window asks after a blink.
        const QRegion pile = QRegion(ToQRect(HintFrameArea(StockPileRect(BH()))))
                                 .united(ToQRect(HintFrameArea(DiscardPileRect(BH()))));
        TableOf(Form)->render(&screen, pile.boundingRect().topLeft(), pile, QWidget::DrawChildren);
        ASSERT_EQ(screen, In(Form).Table());
    }
    In(Form).Controller.Game.OwnCards.At(2).Selected = 0;
}

TEST_F(PaintTableTest, DraggedCardsAreDrawnAtTheMouseFromTheWindowsDragState) {
    In(Form).Controller.Game.SetStatus(1);
    const TCard& card = In(Form).Controller.Game.OwnCards.At(0);
    // Taken 10 pixels right of and below its corner, and moved once.
    const TRect place = HandCardRect(0, BH());
    const QPoint taken(place.Left + 10, place.Top + 10);
    QTest::mousePress(TableOf(Form), Qt::LeftButton, {}, taken);
    QTest::mouseMove(TableOf(Form), QPoint(410, 160));
    QImage shown = In(Form).Table().copy(400, 150, 72, 108);
    QImage face = FaceOf(Form, card);
    face.invertPixels();
    EXPECT_EQ(shown, face);
    for (const QPoint to : {QPoint(409, 160), QPoint(411, 160), QPoint(410, 160)}) {
        QTest::mouseMove(TableOf(Form), to);
    }
    EXPECT_EQ(In(Form).Table().copy(400, 150, 72, 108), FaceOf(Form, card));
    QTest::mouseRelease(TableOf(Form), Qt::LeftButton, {}, taken);
}

TEST_F(PaintTableTest, MissingArtworkIsReportedInGermanAndEndsTheProgram) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_FALSE(In(Form).LoadCardArtwork(empty.path()));
    EXPECT_TRUE(Form.ArtworkMissing());

    // The artwork in use stays as it was.
    Named<QAction>(Form, "NeuesSpiel1")->trigger();
    EXPECT_FALSE(FaceOf(Form, In(Form).Controller.Game.OwnCards.At(0)).isNull());

    In(Form).ReportArtworkError();
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Caption, "Kartenbilder fehlen");
    EXPECT_EQ(Boxes.Shown[0].Icon, TMessageIcon::Error);
    EXPECT_TRUE(Boxes.Shown[0].Text.contains("symbols.png fehlt")) << Boxes.Shown[0].Text.toStdString();
    EXPECT_TRUE(Boxes.Shown[0].Text.contains("kann Brisko nicht starten"));
    EXPECT_TRUE(Form.testAttribute(Qt::WA_DontShowOnScreen));
    // The event loop ends at once with a failure code.
    QTimer giveUp;  // gone with the test, so that it never ends a later test's loop
    giveUp.callOnTimeout([] { QCoreApplication::exit(99); });
    giveUp.start(5000);
    EXPECT_EQ(QCoreApplication::exec(), 1);

    // A good folder brings the pictures back.
    EXPECT_TRUE(In(Form).LoadCardArtwork(QCoreApplication::applicationDirPath() + "/artwork"));
    EXPECT_FALSE(Form.ArtworkMissing());
}

}  // namespace
