#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFrame>
#include <QLayout>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <map>
#include <vector>

#include "game/Random.h"
#include "render/CardFace.h"
#include "render/TableLayout.h"
#include "render/TablePainter.h"
#include "tests/support/ScriptedBoxes.h"
#include "ui/MainForm.h"

namespace {

// A dealt game in a shown window of the given size, painted once. Time stands
// still unless a test moves it: no tick counts into PaintCount by itself.
class PaintTableTest : public testing::Test {
  protected:
    PaintTableTest() : Form(11) {
        Form.SetMessageBoxes(&Boxes);
        Form.resize(900, 560);
        Form.show();
        QCoreApplication::processEvents();
        Now = Form.TicksCounted * TMainForm::BlinkTickMs;
        Form.BlinkClock = [this] { return Now; };
        Form.PaintBox1Paint();
    }

    int32_t BW() const { return Form.PaintBox1->width(); }
    int32_t BH() const { return Form.PaintBox1->height(); }

    // Melds of three cards taken from the stock until the row is `width` long.
    void LayMelds(int count) {
        for (int m = 0; m < count; ++m) {
            TMeld* meld = Form.Game.TableMelds.Append();
            meld->Cards = new TCardArray(&Form.Game.CurMeldCard);
            for (int i = 0; i < 3; ++i) {
                MoveCard(Form.Game.Stock, 0, *meld->Cards);
            }
        }
    }

    void RemoveLastMeld() {
        TMeldArray& melds = Form.Game.TableMelds;
        TMeld* meld = melds.GoTo(melds.Count() - 1);
        Form.Game.ClearTCard(*meld->Cards);
        delete meld->Cards;
        melds.DeleteAt(melds.Count() - 1);
    }

    TScriptedBoxes Boxes;
    TMainForm Form;
    int64_t Now = 0;
};

TEST_F(PaintTableTest, EveryPaintingWritesCardSizePilesAndCount) {
    Form.CardWidth = 0;
    Form.CardHeight = 0;
    Form.StockRect = {};
    const int32_t count = Form.PaintCount;
    Form.PaintBox1Paint();
    EXPECT_EQ(Form.CardWidth, 72);
    EXPECT_EQ(Form.CardHeight, 108);
    EXPECT_EQ(Form.StockRect, StockPileRect(BH()));
    EXPECT_EQ(Form.DiscardRect, DiscardPileRect(BH()));
    EXPECT_EQ(Form.PaintCount, count + 1);
    EXPECT_EQ(Form.Table.deviceIndependentSize().toSize(), Form.PaintBox1->size());

    // The game's own repaints always compose anew.
    const qint64 before = Form.Table.cacheKey();
    Form.Game.GetScreen().Repaint();
    EXPECT_EQ(Form.PaintCount, count + 2);
    EXPECT_NE(Form.Table.cacheKey(), before);

    // A larger window moves the lower rows with it.
    Form.resize(1280, 900);
    QCoreApplication::processEvents();
    Form.PaintBox1Paint();
    EXPECT_GT(BH(), 700);
    EXPECT_EQ(Form.StockRect, StockPileRect(BH()));
    EXPECT_EQ(Form.Table.deviceIndependentSize().toSize(), Form.PaintBox1->size());
}

TEST_F(PaintTableTest, EveryCardOwnsItsFaceAndEqualCardsSharePixels) {
    std::map<std::pair<int32_t, int32_t>, std::vector<const CardFace*>> faces;
    for (const TCardArray* pile : {&Form.Game.OwnCards, &Form.Game.OpponentCards, &Form.Game.Stock}) {
        for (int i = 0; i < pile->Count(); ++i) {
            const TCard& card = pile->At(i);
            ASSERT_NE(card.Image, nullptr);
            EXPECT_EQ(card.Image->Image.deviceIndependentSize().toSize(), QSize(72, 108));
            faces[{card.Suit, card.Rank}].push_back(card.Image);
        }
    }
    EXPECT_EQ(faces.size(), 53u);
    for (const auto& [card, copies] : faces) {
        ASSERT_EQ(copies.size(), card.first == Joker ? 6u : 2u);
        EXPECT_NE(copies[0], copies[1]) << "each card its own face object";
        EXPECT_EQ(copies[0]->Image.cacheKey(), copies[1]->Image.cacheKey()) << "sharing the pixels";
    }
    EXPECT_EQ(Form.CardBack->Image.deviceIndependentSize().toSize(), QSize(72, 108));
}

TEST_F(PaintTableTest, TheScrollBarAppearsWithTheOverflowAndHidesAtPositionZero) {
    EXPECT_TRUE(Form.ScrollBar1->isHidden());
    LayMelds(8);  // 8 x (72 + 52) - 4 = 988 pixels from x = 192
    Form.PaintBox1Paint();
    const int32_t overflow = 192 + 8 * 124 - BW() + 4;
    ASSERT_GT(overflow, 0);
    EXPECT_FALSE(Form.ScrollBar1->isHidden());
    EXPECT_TRUE(Form.ScrollBar1->isEnabled());
    EXPECT_EQ(Form.ScrollBar1->minimum(), 0);
    EXPECT_EQ(Form.ScrollBar1->maximum(), overflow);
    const int barHeight = Form.ScrollBar1->height();
    EXPECT_EQ(Form.ScrollBar1->geometry(), QRect(80, BH() - 8 - 108 - barHeight, BW() - 80, barHeight));

    // Scrolling repaints at once, and the melds' Bounds follow.
    Form.ScrollBar1->setValue(100);
    EXPECT_EQ(Form.Game.TableMelds.At(0).Bounds.Left, 92);
    EXPECT_EQ(Form.Game.TableMelds.At(1).Bounds.Left, 216);

    // A shorter row pulls the bar back; picture and Bounds agree with it.
    Form.ScrollBar1->setValue(overflow);
    RemoveLastMeld();
    Form.PaintBox1Paint();
    EXPECT_EQ(Form.ScrollBar1->maximum(), overflow - 124);
    EXPECT_EQ(Form.ScrollBar1->value(), overflow - 124);
    EXPECT_EQ(Form.Game.TableMelds.At(0).Bounds.Left, 192 - (overflow - 124));

    // When the melds fit again, the bar hides with position 0 in the same painting.
    while (Form.Game.TableMelds.Count() > 1) {
        RemoveLastMeld();
    }
    Form.PaintBox1Paint();
    EXPECT_TRUE(Form.ScrollBar1->isHidden());
    EXPECT_FALSE(Form.ScrollBar1->isEnabled());
    EXPECT_EQ(Form.ScrollBar1->value(), 0);
    EXPECT_EQ(Form.Game.TableMelds.At(0).Bounds.Left, 192);
}

// The table as a timer of 10 ms that repaints every tick would show it, with
// the count each painting used.
struct TTickModel {
    int32_t Count = 0;   // what the next painting uses
    int32_t Shown = -1;  // what the last one used
    void Paint() {
        Shown = Count;
        Count = NextPaintCount(Count);
    }
};

// A simulated idle minute against a timer that would repaint every tick: the
// same frames at every moment, the same PaintCount after every painting, and a
// wake-up only where a frame comes or goes.
TEST_F(PaintTableTest, TheBlinkSleepsUntilAFrameComesOrGoesAndCountsTheTicksBetween) {
    ASSERT_EQ(Form.Game.GameState, MustDraw);
    int64_t& now = Now;
    const QPoint stockFrame(Form.StockRect.Left - 2, Form.StockRect.Top + 50);
    const QPoint discardFrame(Form.DiscardRect.Left - 2, Form.DiscardRect.Top + 50);
    auto red = [this](QPoint p) { return QColor(Form.Table.pixel(p)) == QColor(255, 0, 0); };

    for (const bool discards : {false, true}) {
        for (const bool events : {false, true}) {
            SCOPED_TRACE(testing::Message() << "discards " << discards << ", events " << events);
            if (discards && Form.Game.DiscardPile.Empty()) {
                MoveCard(Form.Game.Stock, 0, Form.Game.DiscardPile);
            }
            Form.PaintBox1Paint();
            TTickModel model;
            model.Shown = Form.PaintCount - 1;
            model.Count = Form.PaintCount;
            TRandom rng(7);
            int wakeUps = 0;
            for (int tick = 0; tick < 6000; ++tick) {
                now += TMainForm::BlinkTickMs;
                model.Paint();
                if (Form.Timer1->isActive() && Form.CurrentTick() >= Form.NextBlinkTick) {
                    const QImage before = Form.Table.copy();
                    Form.Timer1Timer();
                    ++wakeUps;
                    ASSERT_NE(Form.Table, before) << "woken for nothing at " << tick;
                    ASSERT_EQ(Form.PaintCount, model.Count);
                    // Armed on the same clock for the next change.
                    ASSERT_EQ(Form.Timer1->interval(), Form.NextBlinkTick * TMainForm::BlinkTickMs - now);
                }
                if (events && rng.Below(50) == 0) {
                    Form.PaintBox1Paint();  // a repaint for another reason
                    model.Paint();
                    ASSERT_EQ(Form.PaintCount, model.Count) << tick;
                }
                ASSERT_EQ(red(stockFrame), StockHintAt(MustDraw, model.Shown)) << tick;
                ASSERT_EQ(red(discardFrame), DiscardHintAt(MustDraw, model.Shown, discards)) << tick;
            }
            // Frame on and frame off, once or twice a cycle of 30 ticks; events may add a few.
            if (!events) {
                EXPECT_EQ(wakeUps, 6000 / 30 * (discards ? 4 : 2));
            }
        }
    }

    // While the player lays out, the timer sleeps and nothing counts.
    Form.Game.SetStatus(MayLayOut);
    Form.PaintBox1Paint();
    EXPECT_FALSE(Form.Timer1->isActive());
    const int32_t count = Form.PaintCount;
    now += 100000;
    Form.Timer1Timer();
    Form.PaintBox1Paint();
    EXPECT_EQ(Form.PaintCount, count + 1);
    // Back to drawing, it blinks again.
    Form.Game.SetStatus(MustDraw);
    Form.PaintBox1Paint();
    EXPECT_TRUE(Form.Timer1->isActive());
}

TEST_F(PaintTableTest, DraggedCardsAreDrawnAtTheMouseFromTheWindowsDragState) {
    Form.Game.SetStatus(1);
    TCard& card = Form.Game.OwnCards.At(0);
    card.Selected = 1;
    card.DragDX = -10;
    card.DragDY = -10;
    Form.Dragging = 1;
    Form.DragMoves = 1;
    Form.MouseX = 410;
    Form.MouseY = 160;
    Form.PaintBox1Paint();
    QImage shown = Form.Table.copy(400, 150, 72, 108);
    QImage face = card.Image->Image;
    face.invertPixels();
    EXPECT_EQ(shown, face);
    Form.DragMoves = 4;
    Form.PaintBox1Paint();
    EXPECT_EQ(Form.Table.copy(400, 150, 72, 108), card.Image->Image);
    Form.Dragging = 0;
}

TEST_F(PaintTableTest, MissingArtworkIsReportedInGermanAndEndsTheProgram) {
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    EXPECT_FALSE(Form.LoadCardArtwork(empty.path()));
    EXPECT_TRUE(Form.ArtworkError.contains("symbols.png fehlt")) << Form.ArtworkError.toStdString();
    EXPECT_TRUE(Form.ArtworkError.contains("kann Brisko nicht starten"));

    // The artwork in use stays as it was.
    Form.NeuesSpiel1->trigger();
    EXPECT_FALSE(Form.Game.OwnCards.At(0).Image->Image.isNull());

    Form.ReportArtworkError();
    ASSERT_EQ(Boxes.Shown.size(), 1u);
    EXPECT_EQ(Boxes.Shown[0].Caption, "Kartenbilder fehlen");
    EXPECT_EQ(Boxes.Shown[0].Icon, TMessageIcon::Error);
    EXPECT_EQ(Boxes.Shown[0].Text, Form.ArtworkError);
    EXPECT_TRUE(Form.testAttribute(Qt::WA_DontShowOnScreen));
    // The event loop ends at once with a failure code.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 1);

    // A good folder brings the pictures back.
    EXPECT_TRUE(Form.LoadCardArtwork(QCoreApplication::applicationDirPath() + "/artwork"));
    EXPECT_TRUE(Form.ArtworkError.isEmpty());
}

}  // namespace
