#include <gtest/gtest.h>

#include <QImage>
#include <limits>

#include "render/TableLayout.h"
#include "render/TablePainter.h"
#include "tests/render/RenderTestSupport.h"

namespace {

const QColor Green(0, 128, 0);

QRect ToQRect(const TRect& r) {
    return QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top);
}

class TablePainterTest : public testing::Test {
  protected:
    TablePainterTest() : Game(&Screen, 7) {
        Back = Screen.Composer.ComposeBack();
        Scene.Width = 680;
        Scene.Height = 338;
        Scene.TableColor = Green;
        Scene.Back = &Back;
        Scene.PaintCount = 1;  // no hint frame
    }

    TTablePainted Paint() { return Painter.Paint(Table, Game, Scene); }

    QImage Picture(const TRect& place) const { return Table.copy(ToQRect(place)); }

    QImage Expected(const TCard& card, QSize size) const {
        return card.Image->Image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    }

    TComposingScreen Screen = BuiltArtworkScreen();
    TGame Game;
    QImage Back;
    TTableScene Scene;
    TTablePainter Painter;
    QImage Table;
};

TEST_F(TablePainterTest, AnEmptyTableShowsTheTableColourAndTheStocksBackOnly) {
    const TTablePainted painted = Paint();
    ASSERT_EQ(Table.size(), QSize(680, 338));
    EXPECT_EQ(painted.StockRect, (TRect{4, 115, 76, 223}));
    EXPECT_EQ(painted.DiscardRect, (TRect{80, 115, 152, 223}));
    EXPECT_EQ(painted.MeldRowEnd, 192);
    EXPECT_EQ(Picture(painted.StockRect), Back);
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
            Game.NewCard(Game.OpponentCards, Herz, 5);
        }
        Game.GameState = c.GameState;
        Scene.PaintCount = c.PaintCount;
        const TTablePainted painted = Paint();
        const QRect discard = ToQRect(painted.DiscardRect);
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
        const TTablePainted painted = Paint();
        EXPECT_EQ(painted.StockHint, c.StockFrame);
        EXPECT_EQ(painted.DiscardHint, c.DiscardFrame);
        // The frame is 4 pixels wide, centred on the pile's edge.
        for (const auto& [pile, framed] :
             {std::pair{painted.StockRect, c.StockFrame}, std::pair{painted.DiscardRect, c.DiscardFrame}}) {
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
    EXPECT_EQ(Picture(DiscardPileRect(338)), Game.DiscardPile.Last().Image->Image);
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

TEST_F(TablePainterTest, DraggedCardsFollowTheMouseInvertedForThreeMoves) {
    Game.NeuesSpiel();
    TCard& dragged = Game.OwnCards.At(2);
    dragged.Selected = 1;
    dragged.DragDX = -20;
    dragged.DragDY = -30;
    Scene.Dragging = true;
    Scene.MouseX = 320;
    Scene.MouseY = 130;
    const QRect place(300, 100, 72, 108);
    const QImage face = dragged.Image->Image;
    for (const int32_t moves : {0, 3, 4, 20}) {
        SCOPED_TRACE(moves);
        Scene.DragMoves = moves;
        Paint();
        EXPECT_EQ(Table.copy(place), moves <= 3 ? Inverted(face) : face);
        // Its hand place is empty now where no neighbour covers it.
        EXPECT_EQ(QColor(Table.pixel(118, 300)), Green);
    }

    // Drawn at its place in the hand order: later hand cards cover it.
    Scene.MouseX = 224;
    Scene.MouseY = 255;
    Paint();
    EXPECT_EQ(Picture(HandCardRect(5, 338)).copy(0, 0, 40, 108),
              Expected(Game.OwnCards.At(5), {68, 108}).copy(0, 0, 40, 108));
}

TEST_F(TablePainterTest, MeldsWriteTheirBoundsAndStayInsideTheirRow) {
    Game.NeuesSpiel();
    AddMeld(Game, {{Herz, 5}, {Herz, 6}, {Herz, 7}});
    AddMeld(Game, {{Karo, Dame}, {Herz, Dame}, {Blatt, Dame}, {Kreuz, Dame}});
    ASSERT_EQ(Game.TableMelds.At(1).Cards->Count(), 4);
    TTablePainted painted = Paint();
    EXPECT_EQ(painted.MeldRowEnd, 464);
    EXPECT_EQ(Game.TableMelds.At(0).Bounds, (TRect{192, 115, 312, 223}));
    EXPECT_EQ(Game.TableMelds.At(1).Bounds, (TRect{316, 115, 460, 223}));
    EXPECT_EQ(Table.copy(388, 115, 72, 108), Game.TableMelds.At(1).Cards->At(3).Image->Image);
    EXPECT_EQ(Table.copy(192, 115, 24, 108),
              Game.TableMelds.At(0).Cards->At(0).Image->Image.copy(0, 0, 24, 108));
    EXPECT_EQ(QColor(Table.pixel(314, 150)), Green) << "4 pixels between melds";

    Scene.ScrollPosition = 100;
    painted = Paint();
    EXPECT_EQ(painted.MeldRowEnd, 364);
    EXPECT_EQ(Game.TableMelds.At(0).Bounds, (TRect{92, 115, 212, 223}));
    // Clipped on the left at x = 192: the gap after the discard pile stays empty.
    for (int x = 152; x < 192; ++x) {
        ASSERT_EQ(QColor(Table.pixel(x, 150)), Green) << x;
    }
    EXPECT_EQ(Table.copy(192, 115, 20, 108),
              Game.TableMelds.At(0).Cards->At(2).Image->Image.copy(52, 0, 20, 108));

    // A narrow table has no meld row at all, but the Bounds are still written.
    Scene.Width = 150;
    Scene.ScrollPosition = 0;
    painted = Paint();
    EXPECT_EQ(Game.TableMelds.At(1).Bounds.Left, 316);
    EXPECT_EQ(Table.size(), QSize(150, 338));
}

TEST_F(TablePainterTest, PaintingAnAreaGivesThosepixelsOfAFullPaintingAndNoOthers) {
    Game.NeuesSpiel();
    MoveCard(Game.Stock, 0, Game.DiscardPile);
    Game.OwnCards.At(0).Selected = 1;
    Scene.PaintCount = 1;
    Paint();
    const QImage before = Table.copy();

    Scene.PaintCount = 15;
    const TRect area = HintArea(338);
    const TTablePainted painted = Painter.Paint(Table, Game, Scene, &area);
    EXPECT_FALSE(painted.WholeTable);
    EXPECT_TRUE(painted.DiscardHint);
    QImage full;
    TTablePainter other;
    other.Paint(full, Game, Scene);
    EXPECT_EQ(Table, full);
    EXPECT_NE(Table, before);

    // Another size cannot keep anything: the whole table is painted.
    Scene.Height = 400;
    EXPECT_TRUE(Painter.Paint(Table, Game, Scene, &area).WholeTable);
    EXPECT_EQ(Table.size(), QSize(680, 400));
}

TEST_F(TablePainterTest, HiDpiTablesAreFinerButLaidOutInLogicalPixels) {
    TComposingScreen fine = BuiltArtworkScreen(2);
    TGame game(&fine, 7);
    game.NeuesSpiel();
    MoveCard(game.Stock, 0, game.DiscardPile);
    const QImage back = fine.Composer.ComposeBack();
    Scene.Back = &back;
    Scene.DevicePixelRatio = 2;
    const TTablePainted painted = Painter.Paint(Table, game, Scene);
    EXPECT_EQ(Table.size(), QSize(1360, 676));
    EXPECT_EQ(Table.devicePixelRatio(), 2.0);
    EXPECT_EQ(painted.StockRect, (TRect{4, 115, 76, 223}));
    QImage stock = Table.copy(8, 230, 144, 216);
    stock.setDevicePixelRatio(2);
    EXPECT_EQ(stock, back);
    QImage top = Table.copy(160, 230, 144, 216);
    top.setDevicePixelRatio(2);
    EXPECT_EQ(top, game.DiscardPile.Last().Image->Image);
}

}  // namespace
