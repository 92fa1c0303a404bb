// The computers' hands at tables of two, three and four: where they lie at
// every size of the table, and how they are painted.
#include <gtest/gtest.h>

#include <cmath>

#include "render/TableLayout.h"
#include "render/TablePainter.h"
#include "tests/render/RenderTestSupport.h"

namespace {

bool Inside(const TRect& inner, const TRect& outer) {
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
           inner.Bottom <= outer.Bottom;
}

// Hands of 10 to 16 cards at tables of two, three and four lie inside the
// table above the middle row's frames, apart, below their words, their cards
// as large as the band allows, at the designed size and fitted to windows.
TEST(OpponentHandsTest, EveryHandFitsAboveTheMiddleRowApartFromTheOthers) {
    const struct {
        int32_t Width, Height;
        double Scale;  // 0: fitted
    } sizes[] = {{680, 338, 1}, {400, 334, 1}, {1920, 1080, 0}, {3840, 2160, 0}, {1000, 2000, 0}};
    for (const auto& size : sizes) {
        const double s = size.Scale > 0 ? size.Scale : FittedTableScale(size.Width, size.Height, 15, 8);
        const auto width = static_cast<int32_t>(std::floor(size.Width / s));
        const auto height = static_cast<int32_t>(std::floor(size.Height / s));
        // The one computer's row of the smallest table runs as it always did.
        for (int32_t computers = height < DesignTableHeight ? 2 : 1; computers <= 3; ++computers) {
            for (int32_t cards = 10; cards <= 16; ++cards) {
                SCOPED_TRACE(testing::Message() << size.Width << " " << computers << " " << cards);
                std::vector<int32_t> counts{cards, cards - 3, cards - 1};
                counts.resize(computers);
                std::vector<TOpponentHand> hands;
                for (const int32_t count : counts) {
                    hands.push_back({"Computer", count});
                }
                const TTableLayout layout = LayOutTable(TMeldArray(), width, height, 0, hands);
                const TRect band{4, 4, width - 4, MiddleRowTop(height) - FittedRowGap};
                for (int32_t c = 0; c < computers; ++c) {
                    const TOpponentPlace& place = layout.Opponents.at(c);
                    EXPECT_TRUE(Inside(place.Share, band) && Inside(place.Hand, place.Share));
                    EXPECT_TRUE(Inside(OpponentHandCardRect(place, counts[c] - 1), place.Hand));
                    EXPECT_EQ(OpponentAt(layout.Opponents, place.Hand.Right - 1, place.Hand.Bottom - 1), c);
                    EXPECT_TRUE(c == 0 || place.Share.Left >= layout.Opponents[c - 1].Share.Right);
                    EXPECT_TRUE(computers == 1 || (place.Words.Bottom <= place.Hand.Top &&
                                                   (place.CardHeight == CardBitmapHeight ||
                                                    place.Share.Bottom == band.Bottom)));
                    // In pixels, too, above the stock's hint frame.
                    EXPECT_LE(std::ceil(place.Share.Bottom * s),
                              std::floor(HintFrameArea(layout.StockRect).Top * s));
                }
            }
        }
    }
    // The one computer keeps the designed row.
    const TOpponentPlace only = LayOutOpponents({{"", 12}}, 680, 338)[0];
    EXPECT_EQ(OpponentHandCardRect(only, 11), OpponentCardRect(11));
    EXPECT_EQ(only.Hand, (TRect{4, 4, 512, 112}));
    EXPECT_EQ(LayOutOpponents({{"", 16}, {"", 16}, {"", 16}}, 680, 338)[2].CardHeight, 92);
}

// The table of two paints the same picture whether the layout names its
// computer or not; three computers change nothing below their band.
TEST(OpponentHandsTest, ThreeComputersShowTheirBacksAndWordsAboveAnUnchangedTable) {
    TBuiltFaces faces;
    TGame game(nullptr, 7);
    game.NeuesSpiel();
    const QImage back = faces.Composer.ComposeBack();
    TTableScene scene;
    scene.Faces = faces.Source();
    scene.TableColor = QColor(0, 128, 0);
    scene.Back = &back;
    const auto paint = [&](const std::vector<TOpponentHand>& opponents) {
        TTablePainter painter;
        return PaintedTable(painter, game, LayOutTable(game.TableMelds, 680, 338, 0, opponents), scene);
    };
    const QImage two = paint({});
    EXPECT_TRUE(paint({{"Computer", 12}}) == two);
    const std::vector<TOpponentHand> hands{
        {"Computer 1: 16 Karten", 16}, {"Computer 2", 9}, {"Computer 3", 1}};
    const QImage three = paint(hands);
    const int32_t band = MiddleRowTop(338) - FittedRowGap;
    EXPECT_TRUE(three.copy(0, band, 680, 338 - band) == two.copy(0, band, 680, 338 - band));
    for (const TOpponentPlace& place : LayOutOpponents(hands, 680, 338)) {
        const TRect last = OpponentHandCardRect(place, place.Seat.Cards - 1);
        EXPECT_TRUE(
            three.copy(last.Left, last.Top, place.CardWidth, place.CardHeight) ==
            back.scaled(place.CardWidth, place.CardHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_RGB32));
        EXPECT_TRUE(AnyPixel(three, QRect(place.Words.Left, 4, 50, OpponentLabelHeight), IsWhite));
    }
    scene.TableColor = QColor(230, 230, 200);  // black words on a light table
    EXPECT_FALSE(AnyPixel(paint(hands), QRect(4, 4, 50, OpponentLabelHeight), IsWhite));
}

}  // namespace
