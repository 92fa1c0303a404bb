#include <gtest/gtest.h>

#include <QImage>
#include <limits>

#include "render/TableLayout.h"
#include "render/TablePainter.h"
#include "tests/render/RenderTestSupport.h"
#include "tests/support/TestCards.h"

namespace {

const QColor Green(0, 128, 0);

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

class TablePainterTest : public testing::Test {
  protected:
    TablePainterTest() : Game(nullptr, 7) {
        Back = Faces.Composer.ComposeBack();
        Scene.Faces = Faces.Source();
        Scene.TableColor = Green;
        Scene.Back = &Back;
        Scene.PaintCount = 1;  // no hint frame
    }

    // Lays the table out and paints it, as the window does.
    const TTableDrawState& Paint() {
        const TTableLayout layout = LayOutTable(Game.TableMelds, Width, Height, ScrollPosition);
        Table = PaintedTable(Painter, Game, layout, Scene);
        return Painter.Drawn();
    }

    QImage Picture(const TRect& place) const { return Table.copy(ToQRect(place)); }

    QImage Expected(const TCard& card, QSize size) {
        return Faces.Face(card)
            .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    }

    TBuiltFaces Faces;
    TGame Game;
    QImage Back;
    TTableScene Scene;
    int32_t Width = 680;
    int32_t Height = 338;
    int32_t ScrollPosition = 0;
    TTablePainter Painter;
    QImage Table;
};

TEST_F(TablePainterTest, AnEmptyTableShowsTheTableColourAndTheStocksBackOnly) {
    const TTableDrawState& painted = Paint();
    ASSERT_EQ(Table.size(), QSize(680, 338));
    EXPECT_EQ(painted.Layout.StockRect, (TRect{4, 115, 76, 223}));
    EXPECT_EQ(painted.Layout.DiscardRect, (TRect{80, 115, 152, 223}));
    EXPECT_EQ(painted.Layout.MeldRowEnd, 192);
    EXPECT_EQ(Picture(painted.Layout.StockRect), Back);
    // The discard outline is drawn with the pen of the table colour: invisible.
    for (int x = 80; x < 152; ++x) {
        ASSERT_EQ(QColor(Table.pixel(x, 115)), Green) << x;
    }
    EXPECT_EQ(QColor(Table.pixel(0, 0)), Green);
    EXPECT_EQ(QColor(Table.pixel(679, 337)), Green);
    EXPECT_EQ(QColor(Table.pixel(300, 150)), Green);
}

TEST_F(TablePainterTest, TheDiscardOutlineTakesThePenTheStepsBeforeLeft) {
    struct Case {
        int32_t GameState;
        int32_t PaintCount;
        bool OpponentCards;
        bool Outlined;
    };
    const Case cases[] = {
        {0, 1, false, false},  // nothing set the pen black
        {0, 0, false, true},   // the stock's hint frame leaves the pen black
        {1, 0, false, false},  // no hint while the player plays
        {0, 1, true, true},    // every opponent card sets the pen black
        {1, 7, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.GameState << " " << c.PaintCount << " " << c.OpponentCards);
        Game.ClearAll();
        if (c.OpponentCards) {
            AddLooseCard(Game.OpponentCards, Herz, 5);
        }
        Game.GameState = c.GameState;
        Scene.PaintCount = c.PaintCount;
        const QRect discard = ToQRect(Paint().Layout.DiscardRect);
        const QColor edge = c.Outlined ? QColor(Qt::black) : Green;
        EXPECT_EQ(QColor(Table.pixel(discard.left(), discard.top() + 50)), edge);
        EXPECT_EQ(QColor(Table.pixel(discard.right(), discard.top() + 50)), edge);
        EXPECT_EQ(QColor(Table.pixel(discard.left() + 30, discard.bottom())), edge);
        EXPECT_EQ(QColor(Table.pixel(discard.left() + 1, discard.top() + 1)), Green)
            << "filled with the table";
    }
}

TEST_F(TablePainterTest, TheDrawHintFramesTheStockAndThenTheDiscardPile) {
    Game.NeuesSpiel();
    const QColor red(255, 0, 0);
    struct Case {
        int32_t GameState;
        int32_t PaintCount;
        bool Discards;
        bool StockFrame;
        bool DiscardFrame;
    };
    const Case cases[] = {
        {0, 0, false, true, false},  {0, 30, true, true, false}, {0, 1, true, false, false},
        {0, 15, true, false, true},  {0, 45, true, false, true}, {0, 15, false, false, false},
        {0, 16, true, false, false}, {1, 0, true, false, false}, {1, 15, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.GameState << " " << c.PaintCount << " " << c.Discards);
        while (!Game.DiscardPile.Empty()) {
            MoveCard(Game.DiscardPile, 0, Game.Stock);
        }
        if (c.Discards) {
            MoveCard(Game.Stock, 0, Game.DiscardPile);
        }
        Game.GameState = c.GameState;
        Scene.PaintCount = c.PaintCount;
        const TTableDrawState& painted = Paint();
        EXPECT_EQ(painted.StockHint, c.StockFrame);
        EXPECT_EQ(painted.DiscardHint, c.DiscardFrame);
        // The frame is 4 pixels wide, centred on the pile's edge.
        for (const auto& [pile, framed] : {std::pair{painted.Layout.StockRect, c.StockFrame},
                                           std::pair{painted.Layout.DiscardRect, c.DiscardFrame}}) {
            const QColor outside = QColor(Table.pixel(pile.Left - 2, pile.Top + 40));
            const QColor inside = QColor(Table.pixel(pile.Left + 1, pile.Top + 40));
            const QColor corner = QColor(Table.pixel(pile.Right + 1, pile.Bottom + 1));
            EXPECT_EQ(outside == red, framed);
            EXPECT_EQ(inside == red, framed);
            EXPECT_EQ(corner == red, framed);
            EXPECT_NE(QColor(Table.pixel(pile.Left + 2, pile.Top + 40)), red);
        }
    }
}

TEST(PaintCountTest, TheHintPhasesAndTheCountsEnd) {
    EXPECT_TRUE(StockHintAt(0, 0));
    EXPECT_TRUE(StockHintAt(0, 60));
    EXPECT_FALSE(StockHintAt(0, 15));
    EXPECT_FALSE(StockHintAt(1, 30));
    EXPECT_TRUE(DiscardHintAt(0, 45, true));
    EXPECT_FALSE(DiscardHintAt(0, 45, false));
    EXPECT_FALSE(DiscardHintAt(1, 15, true));
    EXPECT_EQ(NextPaintCount(0), 1);
    // Counting on past the largest value would be undefined; it starts again instead.
    EXPECT_EQ(NextPaintCount(std::numeric_limits<int32_t>::max()), 0);
}

QImage Inverted(QImage image) {
    image.invertPixels();
    return image;
}

TEST_F(TablePainterTest, CardsLieWhereTheLayoutSaysAndSelectedOnesAreInverted) {
    Game.NeuesSpiel();
    MoveCard(Game.Stock, 0, Game.DiscardPile);
    Paint();
    const QImage plain = Table.copy();
    const QImage squeezedBack = Back.scaled(68, 108, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                    .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(Picture(OpponentCardRect(11)), squeezedBack);
    EXPECT_EQ(Picture(OpponentCardRect(0)).copy(0, 0, 40, 108), squeezedBack.copy(0, 0, 40, 108));
    EXPECT_EQ(Picture(DiscardPileRect(338)), Faces.Face(Game.DiscardPile.Last()));
    const QImage last = Expected(Game.OwnCards.At(11), {68, 108});
    EXPECT_EQ(Picture(HandCardRect(11, 338)), last);
    // Only the left 40 pixels of the earlier cards show.
    EXPECT_EQ(Picture(HandCardRect(0, 338)).copy(0, 0, 40, 108),
              Expected(Game.OwnCards.At(0), {68, 108}).copy(0, 0, 40, 108));

    Game.OwnCards.At(3).Selected = 1;
    Game.OwnCards.At(11).Selected = 1;
    Paint();
    EXPECT_EQ(Picture(HandCardRect(11, 338)), Inverted(last));
    const QRect third = ToQRect(HandCardRect(3, 338)).adjusted(0, 0, -28, 0);
    EXPECT_EQ(Table.copy(third), Inverted(plain.copy(third)));
    const QRect second = ToQRect(HandCardRect(2, 338)).adjusted(0, 0, -28, 0);
    EXPECT_EQ(Table.copy(second), plain.copy(second));
}

// Selecting a card turns exactly the pixels of its place into their
// opposites, whether its face fits that place, is a pixel off, or is stretched.
TEST_F(TablePainterTest, SelectedCardsAreInvertedExactlyAtEveryCardSize) {
    Scene.Faces = Faces.Composer.Source();  // narrow faces in the hand, as the window has them
    Game.NeuesSpiel();
    MoveCard(Game.Stock, 0, Game.DiscardPile);
    for (const qreal scale : {1.0, 1.01, 1.5}) {
        SCOPED_TRACE(scale);
        Scene.Scale = scale;
        auto device = [scale](const TRect& r) {
            const int left = qRound(r.Left * scale);
            const int top = qRound(r.Top * scale);
            return QRect(left, top, qRound(r.Right * scale) - left, qRound(r.Bottom * scale) - top);
        };
        Game.OwnCards.At(11).Selected = 0;
        Paint();
        QImage expected = Table.copy();
        const QRect last = device(HandCardRect(11, 338));
        for (int y = last.top(); y <= last.bottom(); ++y) {
            for (int x = last.left(); x <= last.right(); ++x) {
                expected.setPixel(x, y, expected.pixel(x, y) ^ 0x00ffffffu);
            }
        }
        Game.OwnCards.At(11).Selected = 1;
        Paint();
        EXPECT_EQ(Table, expected);
    }
}

TEST_F(TablePainterTest, DraggedCardsFollowTheMouseInvertedForThreeMoves) {
    Game.NeuesSpiel();
    TCard& dragged = Game.OwnCards.At(2);
    dragged.Selected = 1;
    Scene.DragOffsets.assign(12, {});
    Scene.DragOffsets[2] = {-20, -30};
    Scene.Dragging = true;
    Scene.MouseX = 320;
    Scene.MouseY = 130;
    const QRect place(300, 100, 72, 108);
    const QImage face = Faces.Face(dragged);
    for (const int32_t moves : {0, 3, 4, 20}) {
        SCOPED_TRACE(moves);
        Scene.DragMoves = moves;
        Paint();
        EXPECT_EQ(Table.copy(place), moves <= 3 ? Inverted(face) : face);
        // Its hand place is empty now where no neighbour covers it.
        EXPECT_EQ(QColor(Table.pixel(118, 300)), Green);
    }

    // Above everything: later hand cards, the discard pile and the frames over it.
    MoveCard(Game.Stock, 0, Game.DiscardPile);
    Scene.Marks = {{TMarkStyle::Focus, TMarkPlace::DiscardPile},
                   {TMarkStyle::Hint, TMarkPlace::HandCard, -1, 5}};
    Scene.PaintCount = 15;  // the discard pile's red frame
    for (const QPoint mouse : {QPoint(224, 255), QPoint(120, 230)}) {
        Scene.MouseX = mouse.x();
        Scene.MouseY = mouse.y();
        Paint();
        EXPECT_EQ(Table.copy(QRect(mouse - QPoint(20, 30), QSize(72, 108))), face);
    }
}

TEST_F(TablePainterTest, MeldsLieWhereTheLayoutPutsThemAndStayInsideTheirRow) {
    Game.NeuesSpiel();
    PutMeld(Game, "He5 He6 He7", TFrom::Deck);
    PutMeld(Game, "KaD HeD BlD KrD", TFrom::Deck);
    ASSERT_EQ(Game.TableMelds.At(1).Cards->Count(), 4);
    EXPECT_EQ(Paint().Layout.MeldRowEnd, 464);
    EXPECT_EQ(Painter.Drawn().Layout.Meld(0), (TRect{192, 115, 312, 223}));
    EXPECT_EQ(Painter.Drawn().Layout.Meld(1), (TRect{316, 115, 460, 223}));
    EXPECT_EQ(Table.copy(388, 115, 72, 108), Faces.Face(Game.TableMelds.At(1).Cards->At(3)));
    EXPECT_EQ(Table.copy(192, 115, 24, 108),
              Faces.Face(Game.TableMelds.At(0).Cards->At(0)).copy(0, 0, 24, 108));
    EXPECT_EQ(QColor(Table.pixel(314, 150)), Green) << "4 pixels between melds";

    ScrollPosition = 100;
    EXPECT_EQ(Paint().Layout.MeldRowEnd, 364);
    EXPECT_EQ(Painter.Drawn().Layout.Meld(0), (TRect{92, 115, 212, 223}));
    // Clipped on the left at x = 192: the gap after the discard pile stays empty.
    for (int x = 152; x < 192; ++x) {
        ASSERT_EQ(QColor(Table.pixel(x, 150)), Green) << x;
    }
    EXPECT_EQ(Table.copy(192, 115, 20, 108),
              Faces.Face(Game.TableMelds.At(0).Cards->At(2)).copy(52, 0, 20, 108));

    // A narrow table has no meld row at all, but the melds still have their places.
    Width = 150;
    ScrollPosition = 0;
    Paint();
    EXPECT_EQ(Painter.Drawn().Layout.Meld(1).Left, 316);
    EXPECT_EQ(Table.size(), QSize(150, 338));
}

TEST_F(TablePainterTest, ABlinkPaintsOnlyTheFrameThatComesOrGoesAsAFullPaintingWould) {
    Game.NeuesSpiel();
    MoveCard(Game.Stock, 0, Game.DiscardPile);
    Game.OwnCards.At(0).Selected = 1;
    Scene.PaintCount = 1;
    Paint();
    const QImage before = Table.copy();

    // 1 to 14 look alike; 15 frames the discard pile.
    EXPECT_EQ(Painter.PaintingsUntilBlink(Game, 2), 13);
    EXPECT_FALSE(Painter.BlinkArea(Game, 14));
    ASSERT_TRUE(Painter.BlinkArea(Game, 15));
    EXPECT_EQ(*Painter.BlinkArea(Game, 15), HintFrameArea(DiscardPileRect(338)));
    const std::optional<TRect> area = Painter.Blink(Game, 15);
    ASSERT_TRUE(area);
    Table = Painter.Picture().ToImage();
    EXPECT_TRUE(Painter.Drawn().DiscardHint);
    TTablePainter other;
    Scene.PaintCount = 15;
    const QImage full = PaintedTable(other, Game, LayOutTable(Game.TableMelds, 680, 338, 0), Scene);
    EXPECT_EQ(Table, full);
    EXPECT_NE(Table, before);
    // Only inside the area.
    for (int y = 0; y < 338; y += 3) {
        for (int x = 0; x < 680; x += 3) {
            if (!area->Contains(x, y)) {
                ASSERT_EQ(Table.pixel(x, y), before.pixel(x, y)) << x << "," << y;
            }
        }
    }
    // 16 takes the frame away again; 30 brings the stock's.
    EXPECT_EQ(Painter.PaintingsUntilBlink(Game, 16), 0);
    Painter.Blink(Game, 16);
    EXPECT_EQ(Painter.PaintingsUntilBlink(Game, 17), 13);

    // What the painter keeps to draw again is the whole table as a full
    // painting draws it, blink after blink, also under a dragged card shown
    // inverted across both piles' frames.
    Scene.Dragging = true;
    Scene.DragMoves = 1;
    Scene.MouseX = 50;
    Scene.MouseY = 160;
    Scene.PaintCount = 1;
    Paint();
    for (const int32_t count : {15, 16, 30, 31, 45}) {
        ASSERT_TRUE(Painter.Blink(Game, count)) << count;
        TTableScene at = Scene;
        at.PaintCount = count;
        TTablePainter fresh;
        EXPECT_EQ(Painter.Picture().ToImage(),
                  PaintedTable(fresh, Game, LayOutTable(Game.TableMelds, 680, 338, 0), at))
            << count;
    }
    Scene.Dragging = false;

    // With no card of the computer's, the stock's frame also blackens the empty discard place's outline.
    while (!Game.DiscardPile.Empty()) {
        MoveCard(Game.DiscardPile, 0, Game.Stock);
    }
    while (!Game.OpponentCards.Empty()) {
        MoveCard(Game.OpponentCards, 0, Game.Stock);
    }
    Scene.PaintCount = 29;
    Paint();
    EXPECT_EQ(*Painter.BlinkArea(Game, 30), HintArea(338));

    // While the player plays, nothing ever blinks.
    Game.SetStatus(MayLayOut);
    Paint();
    EXPECT_EQ(Painter.PaintingsUntilBlink(Game, 0), -1);
    EXPECT_FALSE(Painter.Blink(Game, 0));
}

TEST_F(TablePainterTest, HiDpiTablesAreFinerButLaidOutInLogicalPixels) {
    TBuiltFaces fine(2);
    TGame game(nullptr, 7);
    game.NeuesSpiel();
    MoveCard(game.Stock, 0, game.DiscardPile);
    const QImage back = fine.Composer.ComposeBack();
    Scene.Back = &back;
    Scene.Faces = fine.Source();
    Scene.DevicePixelRatio = 2;
    const TTableLayout layout = LayOutTable(game.TableMelds, 680, 338, 0);
    Table = PaintedTable(Painter, game, layout, Scene);
    EXPECT_EQ(Table.size(), QSize(1360, 676));
    EXPECT_EQ(Table.devicePixelRatio(), 2.0);
    EXPECT_EQ(layout.StockRect, (TRect{4, 115, 76, 223}));
    QImage stock = Table.copy(8, 230, 144, 216);
    stock.setDevicePixelRatio(2);
    EXPECT_EQ(stock, back);
    QImage top = Table.copy(160, 230, 144, 216);
    top.setDevicePixelRatio(2);
    EXPECT_EQ(top, fine.Face(game.DiscardPile.Last()));
}

}  // namespace
