#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <random>
#include <vector>

#include "game/Card.h"
#include "render/FaceComposer.h"
#include "tests/render/RenderTestSupport.h"

namespace {

constexpr int W = 72;
constexpr int H = 108;

// The pixel-by-pixel copy as the game describes it, with single-pixel reads and writes.
void SlowSpiegele(QImage& image) {
    for (int y = 0; y <= image.height() / 2; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            image.setPixel(x, image.height() - 1 - y, image.pixel(image.width() - 1 - x, y));
        }
    }
}

QImage Noise(int w, int h) {
    QImage image(w, h, QImage::Format_RGB32);
    uint32_t state = 12345;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, 0xff000000u | (state >> 8));
        }
    }
    return image;
}

TEST(SpiegeleTest, MatchesThePixelByPixelCopyForEvenAndOddSizes) {
    for (const QSize size :
         {QSize(72, 108), QSize(144, 216), QSize(5, 7), QSize(3, 3), QSize(4, 1), QSize(1, 2)}) {
        SCOPED_TRACE(testing::Message() << size.width() << "x" << size.height());
        QImage fast = Noise(size.width(), size.height());
        QImage slow = fast.copy();
        const QImage before = fast.copy();
        Spiegele(fast);
        SlowSpiegele(slow);
        EXPECT_EQ(fast, slow);
        if (size.height() % 2 == 0) {
            const int half = size.height() / 2;
            // The top half stays; the bottom half is the top half turned.
            EXPECT_EQ(fast.copy(0, 0, size.width(), half), before.copy(0, 0, size.width(), half));
            EXPECT_EQ(fast.copy(0, half, size.width(), half),
                      Turned(before, QRect(0, 0, size.width(), half)));
        }
    }
}

TEST(SpiegeleTest, LeavesSharedCopiesAlone) {
    QImage image = Noise(6, 8);
    const QImage copy = image;
    const QImage original = image.copy();
    Spiegele(image);
    EXPECT_EQ(copy, original);
    EXPECT_NE(image, original);
}

class FaceTest : public testing::Test {
  protected:
    FaceTest() { Composer.SetUp(&BuiltArtwork(1), 1); }

    QFont CardFont() const {
        QFont font("Times New Roman");
        font.setBold(true);
        font.setPixelSize(15);
        return font;
    }

    TFaceComposer Composer;
};

// Pips drawn after the mirroring, and the jester, by rank loop value.
std::vector<QRect> CentreEntries(int32_t suit, int32_t value) {
    if (suit == Joker) {
        return {QRect(QPoint(14, 21), QPoint(57, 86))};
    }
    const QRect centre(26, 46, 19, 15);
    const QRect pair[2] = {QRect(16, 46, 19, 15), QRect(36, 46, 19, 15)};
    switch (value) {
        case 1:
        case 3:
        case 5:
        case 9:
            return {centre};
        case 6:
        case 8:
            return {pair[0], pair[1]};
        case 7:
            return {QRect(26, 30, 19, 15), pair[0], pair[1]};
        default:
            return {};
    }
}

TEST_F(FaceTest, EveryFaceIsAWhiteOutlinedCardWhoseBottomIsItsTopTurned) {
    for (int32_t suit = Joker; suit <= Kreuz; ++suit) {
        for (int32_t value = 1; value <= (suit == Joker ? 1 : 13); ++value) {
            SCOPED_TRACE(testing::Message() << "suit " << suit << " value " << value);
            const QImage face = Composer.ComposeFace(suit, value == 1 && suit != Joker ? Ass : value);
            ASSERT_EQ(face.size(), QSize(W, H));
            EXPECT_EQ(face.devicePixelRatio(), 1.0);
            for (int x = 0; x < W; ++x) {
                ASSERT_TRUE(IsDarkInk(face.pixel(x, 0)) && IsDarkInk(face.pixel(x, H - 1)));
            }
            for (int y = 0; y < H; ++y) {
                ASSERT_TRUE(IsDarkInk(face.pixel(0, y)) && IsDarkInk(face.pixel(W - 1, y)));
            }
            EXPECT_TRUE(IsWhite(face.pixel(1, 1)));

            // Apart from what is drawn after the mirroring, pixel (x, y) of the
            // bottom half is pixel (W-1-x, H-1-y) of the top half.
            const std::vector<QRect> late = CentreEntries(suit, value);
            auto isLate = [&late](int x, int y) {
                for (const QRect& r : late) {
                    if (r.contains(x, y) || r.contains(W - 1 - x, H - 1 - y)) {
                        return true;
                    }
                }
                return false;
            };
            int compared = 0;
            for (int y = H / 2; y < H; ++y) {
                for (int x = 0; x < W; ++x) {
                    if (!isLate(x, y)) {
                        ASSERT_EQ(face.pixel(x, y), face.pixel(W - 1 - x, H - 1 - y)) << x << "," << y;
                        ++compared;
                    }
                }
            }
            EXPECT_GT(compared, W * H / 4);
        }
    }
}

TEST_F(FaceTest, TheAceHasOneCentrePipAndNothingElseInTheMiddle) {
    const int th = Composer.TextHeight();
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        const QImage ace = Composer.Face(suit, Ass);
        const QRect pip(26, 46, 19, 15);
        const auto ink = [](QRgb p) { return !IsWhite(p); };
        EXPECT_TRUE(AnyPixel(ace, pip, ink));
        // Between the small symbols at the top and their mirror images at the bottom.
        const QRect middle(QPoint(1, th + 12), QPoint(W - 2, H - 1 - (th + 12)));
        for (int y = middle.top(); y <= middle.bottom(); ++y) {
            for (int x = middle.left(); x <= middle.right(); ++x) {
                if (!pip.contains(x, y)) {
                    ASSERT_TRUE(IsWhite(ace.pixel(x, y))) << x << "," << y;
                }
            }
        }
    }
}

// Column 35 runs between the pip pairs, so in the middle rows only a centre
// pip can put ink there: the ace, 3, 5 and 9 have one, no other rank has.
TEST_F(FaceTest, OnlyTheAceThreeFiveAndNineHaveACentrePip) {
    const QRect centreColumn(35, 49, 1, 9);
    const auto ink = [](QRgb p) { return !IsWhite(p); };
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        for (int32_t rank = 2; rank <= 10; ++rank) {
            SCOPED_TRACE(testing::Message() << "suit " << suit << " rank " << rank);
            const bool centrePip = rank == 3 || rank == 5 || rank == 9;
            EXPECT_EQ(AnyPixel(Composer.Face(suit, rank), centreColumn, ink), centrePip);
        }
        EXPECT_TRUE(AnyPixel(Composer.Face(suit, Ass), centreColumn, ink));
    }
}

TEST_F(FaceTest, TheSevenHasItsExtraPipAboveTheMiddlePairOnly) {
    const auto ink = [](QRgb p) { return !IsWhite(p); };
    const QRect above(26, 30, 19, 15);
    const QRect below(27, 63, 19, 15);  // where the mirror image of the pip above would lie
    const QImage seven = Composer.Face(Herz, 7);
    EXPECT_TRUE(AnyPixel(seven, above, ink));
    EXPECT_FALSE(AnyPixel(seven, below, ink));
    const QImage eight = Composer.Face(Herz, 8);
    EXPECT_TRUE(AnyPixel(eight, above, ink));
    EXPECT_TRUE(AnyPixel(eight, below, ink));
}

TEST_F(FaceTest, TheJesterStandsUprightAndIsNotMirrored) {
    const QImage joker = Composer.Face(Joker, JokerRank);
    const QRect box(14, 21, 44, 66);
    QImage jester = BuiltArtwork(1).Jester;
    jester.setDevicePixelRatio(1);
    const QImage expected = jester.scaled(box.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(joker.copy(box), expected);
    EXPECT_NE(joker.copy(box), Turned(joker, box));
    // The corner stars are mirrored like everything else (checked above); "J" is black.
    EXPECT_TRUE(AnyPixel(joker, QRect(2, 2, 8, 10), IsDarkInk));
}

TEST_F(FaceTest, TheTenEndsItsRightIndexThreePixelsFromTheEdge) {
    const QImage ten = Composer.Face(Karo, 10);
    const int width = QFontMetrics(CardFont()).horizontalAdvance("10");
    ASSERT_GT(width, 10) << "two digits";
    // Rows 2..9 hold the index text alone (the pips start at row 10).
    const QImage left = ten.copy(2, 2, width, 8);
    const QImage right = ten.copy(W - 3 - width, 2, width, 8);
    EXPECT_EQ(left, right);
    EXPECT_TRUE(AnyPixel(left, left.rect(), IsRedInk));
    for (int y = 2; y < 10; ++y) {
        EXPECT_TRUE(IsWhite(ten.pixel(W - 3, y)));
        EXPECT_TRUE(IsWhite(ten.pixel(W - 2, y)));
    }
}

TEST_F(FaceTest, IndexColoursFollowTheSuit) {
    struct Case {
        int32_t Suit;
        int32_t Rank;
        bool Red;
    };
    const Case cases[] = {{Karo, 5, true},     {Herz, Dame, true},   {Blatt, 5, false},
                          {Kreuz, Ass, false}, {Karo, Koenig, true}, {Joker, JokerRank, false}};
    const int th = Composer.TextHeight();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "suit " << c.Suit << " rank " << c.Rank);
        const QImage face = Composer.Face(c.Suit, c.Rank);
        const QRect index(2, 2, 8, th - 4);
        EXPECT_EQ(AnyPixel(face, index, IsRedInk), c.Red);
        EXPECT_EQ(AnyPixel(face, index, IsDarkInk), !c.Red);
    }
}

TEST_F(FaceTest, CourtCardsShowThePictureInARoundedFrame) {
    for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
        for (const int32_t rank : {Bube, Dame, Koenig}) {
            SCOPED_TRACE(testing::Message() << "suit " << suit << " rank " << rank);
            const QImage court = Composer.Face(suit, rank);
            const auto colourful = [](QRgb p) {
                return std::abs(qRed(p) - qGreen(p)) > 80 || std::abs(qGreen(p) - qBlue(p)) > 80;
            };
            EXPECT_TRUE(AnyPixel(court, QRect(30, 20, 30, 30), colourful));
            // Below the picture, clear of the small symbols' mirror images.
            for (int y = 60; y < 76; ++y) {
                ASSERT_TRUE(IsDarkInk(court.pixel(7, y))) << y;
                ASSERT_TRUE(IsDarkInk(court.pixel(64, y))) << y;
            }
            for (int x = 15; x < 57; ++x) {
                ASSERT_TRUE(IsDarkInk(court.pixel(x, 97))) << x;
            }
        }
    }
    // Different figures for jack, queen and king.
    EXPECT_NE(Composer.Face(Herz, Bube), Composer.Face(Herz, Dame));
    EXPECT_NE(Composer.Face(Herz, Dame), Composer.Face(Herz, Koenig));
}

// Wherever the figure and its turned copy meet, every row shows some of it:
// at an odd number of rows the middle one belongs to both halves.
TEST_F(FaceTest, CourtFiguresHaveNoWhiteRowAtAnyScale) {
    std::mt19937 random(30);
    std::uniform_real_distribution<double> scales(1, 8);
    for (int n = 0; n < 16; ++n) {
        const double scale = n == 0 ? 1.5 : scales(random);
        SCOPED_TRACE(scale);
        TFaceComposer composer;
        composer.SetUp(&BuiltArtwork(1), scale);
        for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
            for (const int32_t rank : {Bube, Dame, Koenig}) {
                const QImage court = composer.Face(suit, rank);
                // Inside the frame, from the figure's first row down to its turned copy's last.
                const int left = qRound(W / 10 * scale) + qRound(scale) + 1;
                const QRect inside(left, 0, court.width() - 2 * left, 1);
                int top = qRound(H / 10 * scale) + qRound(scale);
                const auto inked = [&](int y) {
                    return AnyPixel(court, inside.translated(0, y), [](QRgb p) { return !IsWhite(p); });
                };
                while (top < court.height() / 4 && !inked(top)) {
                    ++top;
                }
                for (int y = top; y < court.height() - top; ++y) {
                    ASSERT_TRUE(inked(y)) << "suit " << suit << " rank " << rank << ", " << court.height()
                                          << " rows: row " << y;
                }
            }
        }
    }
}

TEST_F(FaceTest, FacesAreComposedOnceAndSharedByEveryCopy) {
    const QImage first = Composer.Face(Kreuz, Ass);
    EXPECT_EQ(Composer.Face(Kreuz, Ass).cacheKey(), first.cacheKey());
    EXPECT_EQ(Composer.Face(Kreuz, 1).cacheKey(), first.cacheKey());
    EXPECT_NE(Composer.Face(Blatt, Ass).cacheKey(), first.cacheKey());
    EXPECT_EQ(first, Composer.ComposeFace(Kreuz, Ass)) << "the cache holds exactly the composition";
    Composer.SetUp(&BuiltArtwork(1), 1);
    EXPECT_NE(Composer.Face(Kreuz, Ass).cacheKey(), first.cacheKey()) << "a new set-up composes anew";
}

TEST_F(FaceTest, TheBackShowsThePatternInsideABlackOutline) {
    const QImage back = Composer.ComposeBack();
    ASSERT_EQ(back.size(), QSize(W, H));
    for (int x = 0; x < W; ++x) {
        ASSERT_EQ(back.pixel(x, 0), 0xff000000u);
        ASSERT_EQ(back.pixel(x, H - 1), 0xff000000u);
    }
    for (int y = 0; y < H; ++y) {
        ASSERT_EQ(back.pixel(0, y), 0xff000000u);
        ASSERT_EQ(back.pixel(W - 1, y), 0xff000000u);
    }
    QImage pattern = BuiltArtwork(1).Back;
    pattern.setDevicePixelRatio(1);
    EXPECT_EQ(back.copy(1, 1, W - 2, H - 2),
              pattern.scaled(W - 2, H - 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_RGB32));
}

TEST_F(FaceTest, HiDpiFacesHaveTheSameLogicalSizeAndLayoutAtFinerPixels) {
    TFaceComposer fine;
    fine.SetUp(&BuiltArtwork(2), 2);
    const QImage four = fine.Face(Blatt, 4);
    EXPECT_EQ(four.size(), QSize(2 * W, 2 * H));
    EXPECT_EQ(four.devicePixelRatio(), 2.0);
    EXPECT_EQ(four.deviceIndependentSize().toSize(), QSize(W, H));
    EXPECT_TRUE(IsDarkInk(four.pixel(1, 1))) << "the outline is two device pixels wide";
    EXPECT_TRUE(IsWhite(four.pixel(2, 2)));
    // Top pip pair at (16, 15) logical, mirrored at device level.
    EXPECT_TRUE(AnyPixel(four, QRect(32, 30, 38, 30), IsDarkInk));
    EXPECT_EQ(four.copy(0, H, 2 * W, H), Turned(four, QRect(0, 0, 2 * W, H)));
    const QImage back = fine.ComposeBack();
    EXPECT_EQ(back.size(), QSize(2 * W, 2 * H));
    EXPECT_EQ(back.devicePixelRatio(), 2.0);
}

TEST_F(FaceTest, MissingArtworkOrImpossibleCardsGiveBlankCardsNotCrashes) {
    TFaceComposer bare;
    bare.SetUp(nullptr, 1);
    const QImage king = bare.Face(Herz, Koenig);
    EXPECT_EQ(king.size(), QSize(W, H));
    EXPECT_TRUE(IsWhite(king.pixel(W / 2, H / 2)));
    EXPECT_EQ(bare.ComposeBack().size(), QSize(W, H));
    for (const auto& [suit, rank] : {std::pair{7, 3}, {-1, 2}, {Karo, 0}, {Kreuz, 15}, {Herz, -4}}) {
        const QImage odd = Composer.Face(suit, rank);
        EXPECT_EQ(odd.size(), QSize(W, H));
        EXPECT_TRUE(IsWhite(odd.pixel(W / 2, H / 2)));
    }
}

}  // namespace

namespace {

// Faces made after the artwork is let go, from the pieces cut beforehand, are
// those the artwork itself gives, at plain, fractional and fine pixel ratios;
// the back is made before, and nothing else is made without the artwork.
TEST(PreparedFaceTest, FacesFromThePiecesCutBeforehandEqualThoseFromTheArtwork) {
    for (const qreal dpr : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(dpr);
        const TArtwork& art = BuiltArtwork(dpr > 1 ? 2 : 1);
        TFaceComposer whole;
        whole.SetUp(&art, dpr);
        TFaceComposer prepared;
        prepared.SetUp(&art, dpr);
        const QImage back = prepared.ComposeBack();
        prepared.PrepareAndForgetArtwork();
        EXPECT_EQ(back, whole.ComposeBack());
        EXPECT_EQ(prepared.Face(Joker, JokerRank), whole.Face(Joker, JokerRank));
        for (int32_t suit = Karo; suit <= Kreuz; ++suit) {
            for (int32_t rank = 2; rank <= Ass; ++rank) {
                ASSERT_EQ(prepared.Face(suit, rank), whole.Face(suit, rank)) << suit << " " << rank;
            }
        }
        // The back's pattern is not among the pieces kept.
        EXPECT_NE(prepared.ComposeBack(), back);
    }
}

}  // namespace
