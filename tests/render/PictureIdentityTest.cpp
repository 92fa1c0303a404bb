// Fixed positions painted at both pixel ratios must give exactly the pictures
// stored in golden/. With BRISKO_WRITE_GOLDEN=1 the test writes them instead.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <functional>

#include "render/TableLayout.h"
#include "render/TablePainter.h"
#include "tests/render/RenderTestSupport.h"
#include "tests/support/TestCards.h"

namespace {

struct TPosition {
    const char* Name;
    int32_t Width;
    int32_t Height;
    std::function<void(TGame&, TTableScene&, int32_t& scroll)> SetUp;
};

void Discard(TGame& game, int cards) {
    for (int i = 0; i < cards; ++i) {
        MoveCard(game.Stock, 0, game.DiscardPile);
    }
}

const TPosition Positions[] = {
    {"dealt", 680, 338,
     [](TGame& game, TTableScene& scene, int32_t&) {
         game.NeuesSpiel();
         scene.PaintCount = 0;  // the stock is framed
     }},
    {"playing", 680, 338,
     [](TGame& game, TTableScene& scene, int32_t&) {
         game.NeuesSpiel();
         Discard(game, 5);
         PutMeld(game, "He5 He6 He7", TFrom::Deck);
         PutMeld(game, "KrD BlD KaD", TFrom::Deck);
         MoveCard(game.Stock, 0, game.OwnCards);
         game.SetStatus(1);
         game.OwnCards.At(2).Selected = 1;
         game.OwnCards.At(7).Selected = 1;
         scene.PaintCount = 15;  // no hint while the player plays
     }},
    {"scrolled-and-dragging", 900, 560,
     [](TGame& game, TTableScene& scene, int32_t& scroll) {
         game.NeuesSpiel();
         Discard(game, 3);
         for (const char* meld : {"Ka2 Ka4 Ka5", "Ka9 Ka10 KaB", "He2 He3 He4 He5", "He9 HeB",
                                  "Bl2 Bl3 Bl4 Bl5", "Bl9 Bl10 BlB", "Kr2 Kr3 Kr4 Kr5", "Kr9 Kr10 KrB"}) {
             PutMeld(game, meld, TFrom::Deck);
         }
         while (!game.OpponentCards.Empty()) {
             MoveCard(game.OpponentCards, 0, game.Stock);
         }
         game.OwnCards.At(1).Selected = 1;
         game.OwnCards.At(4).Selected = 1;
         for (int i = 0; i < game.OwnCards.Count(); ++i) {
             scene.DragOffsets.push_back({-30 - 40 * i, -40});
         }
         scene.Dragging = true;
         scene.DragMoves = 2;
         scene.MouseX = 500;
         scene.MouseY = 260;
         scroll = 100;
         scene.PaintCount = 15;  // the discard pile is framed
     }},
    {"empty", 680, 338,
     [](TGame& game, TTableScene& scene, int32_t&) {
         game.ClearAll();
         scene.PaintCount = 30;
     }},
};

QString GoldenPath(const char* name, int dpr) {
    return QDir(BRISKO_TEST_SOURCE_DIR).filePath(QString("render/golden/%1@%2x.png").arg(name).arg(dpr));
}

QImage PaintPosition(const TPosition& position, qreal dpr, qreal scale) {
    TBuiltFaces faces(dpr * scale);
    TGame game(nullptr, 7);
    const QImage back = faces.Composer.ComposeBack();
    TTableScene scene;
    scene.Faces = faces.Source();
    scene.DevicePixelRatio = dpr;
    scene.Scale = scale;
    scene.TableColor = QColor(0, 128, 0);
    scene.Back = &back;
    int32_t scroll = 0;
    position.SetUp(game, scene, scroll);
    TTablePainter painter;
    QImage table = PaintedTable(painter, game,
                                LayOutTable(game.TableMelds, position.Width, position.Height, scroll), scene);
    table.setDevicePixelRatio(1);
    return table.convertToFormat(QImage::Format_RGB32);
}

// Cards twice as large on an ordinary screen are, pixel for pixel, the designed
// table on a screen of twice the density; at one and a half times, every face
// is made for its size and drawn without a stretch.
TEST(PictureIdentityTest, LargerCardsAreTheTableAtAFinerPixelRatio) {
    for (const TPosition& position : Positions) {
        SCOPED_TRACE(position.Name);
        EXPECT_TRUE(PaintPosition(position, 1, 2) == PaintPosition(position, 2, 1));
        EXPECT_TRUE(PaintPosition(position, 1, 2) ==
                    QImage(GoldenPath(position.Name, 2)).convertToFormat(QImage::Format_RGB32));
    }
    const TPosition& playing = Positions[1];
    const QImage table = PaintPosition(playing, 1, 1.5);
    TBuiltFaces faces(1.5);
    TGame game(nullptr, 7);
    TTableScene scene;
    int32_t scroll = 0;
    playing.SetUp(game, scene, scroll);
    // The top of the discard pile lies at its full size.
    const TRect place = DiscardPileRect(playing.Height);
    const QImage face = faces.Face(game.DiscardPile.Last());
    ASSERT_EQ(face.size(), QSize(108, 162));
    const QImage drawn = table.copy(qRound(place.Left * 1.5), qRound(place.Top * 1.5), 108, 162);
    QImage plainFace = face.convertToFormat(QImage::Format_RGB32);
    plainFace.setDevicePixelRatio(1);
    EXPECT_TRUE(drawn == plainFace);
}

TEST(PictureIdentityTest, FixedPositionsGiveTheStoredPictures) {
    const bool write = qEnvironmentVariableIntValue("BRISKO_WRITE_GOLDEN") == 1;
    for (const int dpr : {1, 2}) {
        for (const TPosition& position : Positions) {
            SCOPED_TRACE(testing::Message() << position.Name << " at " << dpr << "x");
            const QImage table = PaintPosition(position, dpr, 1);
            const QString path = GoldenPath(position.Name, dpr);
            if (write) {
                ASSERT_TRUE(table.save(path));
                continue;
            }
            const QImage golden(path);
            ASSERT_FALSE(golden.isNull()) << path.toStdString();
            if (table != golden.convertToFormat(QImage::Format_RGB32)) {
                const QString actual =
                    QDir::temp().filePath(QString("%1@%2x.png").arg(position.Name).arg(dpr));
                table.save(actual);
                ADD_FAILURE() << "differs from " << path.toStdString()
                              << "; painted: " << actual.toStdString();
            }
        }
    }
}

}  // namespace
