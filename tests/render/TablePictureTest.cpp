#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QRegion>
#include <functional>
#include <vector>

#include "game/Random.h"
#include "render/TablePicture.h"

namespace {

const QSize Size(97, 61);

// One step drawn the plain way, each over everything before it.
using TPlainStep = std::function<void(QPainter&)>;

QImage Plainly(const std::vector<TPlainStep>& steps) {
    QImage image(Size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    for (const TPlainStep& step : steps) {
        painter.save();
        step(painter);
        painter.restore();
    }
    return image;
}

QImage Drawn(const TTablePicture& picture, const QRegion* region = nullptr) {
    QImage image(Size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    picture.Draw(painter, region);
    return image;
}

QImage Pattern(QSize size, bool translucent, TRandom& rng) {
    QImage image(size, translucent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int alpha = translucent ? static_cast<int>(rng.Below(256)) : 255;
            image.setPixelColor(
                x, y, QColor(static_cast<int>(rng.Below(256)), (x * 37) % 256, (y * 53) % 256, alpha));
        }
    }
    return image;
}

QRect SomeRect(TRandom& rng) {
    // Now and then reaching past the picture's edges.
    const int left = static_cast<int>(rng.Below(Size.width() + 20)) - 10;
    const int top = static_cast<int>(rng.Below(Size.height() + 20)) - 10;
    return QRect(left, top, 1 + static_cast<int>(rng.Below(40)), 1 + static_cast<int>(rng.Below(30)));
}

// Random pictures of every kind of step: the steps a later opaque one covers are
// left out, and what comes out is what drawing every step in turn gives.
TEST(TablePictureTest, EachPixelComesOutAsIfEveryStepWereDrawnInTurn) {
    TRandom rng(5);
    for (int round = 0; round < 200; ++round) {
        SCOPED_TRACE(round);
        TTablePicture picture;
        std::vector<TPlainStep> plain;
        const QColor table(0, 128, 0);
        picture.Fill(QRect(QPoint(0, 0), Size), table);
        plain.push_back([table](QPainter& p) { p.fillRect(QRect(QPoint(0, 0), Size), table); });
        const int steps = 1 + static_cast<int>(rng.Below(14));
        for (int s = 0; s < steps; ++s) {
            const QRect rect = SomeRect(rng);
            const bool clipped = rng.Below(4) == 0;
            const QRect clip = SomeRect(rng);
            const QRect* clipOrNone = clipped ? &clip : nullptr;
            auto clipPainter = [clipped, clip](QPainter& p) {
                if (clipped) {
                    p.setClipRect(clip);
                }
            };
            switch (rng.Below(3)) {
                case 0: {
                    const int alpha = rng.Below(3) == 0 ? 128 : 255;
                    const QColor colour(static_cast<int>(rng.Below(256)), static_cast<int>(rng.Below(256)),
                                        static_cast<int>(rng.Below(256)), alpha);
                    picture.Fill(rect, colour, clipOrNone);
                    plain.push_back([=](QPainter& p) {
                        clipPainter(p);
                        p.fillRect(rect, colour);
                    });
                    break;
                }
                case 1: {
                    QImage face = Pattern(rect.size(), rng.Below(3) == 0, rng);
                    // A face made for a finer screen is still drawn pixel for pixel.
                    face.setDevicePixelRatio(rng.Below(2) == 0 ? 1 : 2);
                    picture.Image(rect.topLeft(), face, clipOrNone);
                    plain.push_back([=](QPainter& p) {
                        clipPainter(p);
                        p.drawImage(rect, face, face.rect());
                    });
                    break;
                }
                default:
                    picture.Invert(rect);
                    plain.push_back([rect](QPainter& p) {
                        p.setCompositionMode(QPainter::RasterOp_NotDestination);
                        p.fillRect(rect, Qt::black);
                    });
                    break;
            }
        }
        picture.Finish(Size, 1);
        const QImage expected = Plainly(plain);
        ASSERT_EQ(Drawn(picture), expected);
        ASSERT_EQ(picture.ToImage(), expected);

        // Within a region only: inside as the whole picture, outside untouched.
        QRegion region;
        for (int r = 0; r < 3; ++r) {
            region += SomeRect(rng);
        }
        const QImage part = Drawn(picture, &region);
        for (int y = 0; y < Size.height(); ++y) {
            for (int x = 0; x < Size.width(); ++x) {
                const QRgb want = region.contains(QPoint(x, y)) ? expected.pixel(x, y) : qRgb(0, 0, 0);
                ASSERT_EQ(part.pixel(x, y), want) << x << "," << y;
            }
        }
    }
}

TEST(TablePictureTest, KeepsItsSizeAndPixelRatioAndHoldsOnToTheFacesItShows) {
    TTablePicture picture;
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(picture.ToImage().isNull());
    QImage face(10, 10, QImage::Format_RGB32);
    face.fill(Qt::red);
    picture.Fill(QRect(0, 0, 40, 30), Qt::blue);
    picture.Image(QPoint(5, 5), face);
    picture.Finish(QSize(40, 30), 2);
    face = QImage();  // the card that showed it is gone
    const QImage image = picture.ToImage();
    EXPECT_EQ(image.size(), QSize(40, 30));
    EXPECT_EQ(image.devicePixelRatio(), 2);
    EXPECT_EQ(image.pixelColor(6, 6), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(20, 20), QColor(Qt::blue));
    EXPECT_EQ(picture.DeviceSize(), QSize(40, 30));
    EXPECT_FALSE(picture.Empty());
}

// A face that later cards or frames hide wholly is not kept: a picture of a
// large table holds on to no more faces than it shows.
TEST(TablePictureTest, LetsGoOfFacesThatOpaqueStepsAboveHideWholly) {
    QImage hidden(10, 10, QImage::Format_RGB32);
    hidden.fill(Qt::red);
    QImage shown(10, 10, QImage::Format_RGB32);
    shown.fill(Qt::blue);
    TTablePicture picture;
    picture.Image(QPoint(0, 0), hidden);
    picture.Image(QPoint(20, 0), shown);
    picture.Image(QPoint(2, 0), shown);           // covers most of `hidden`
    picture.Fill(QRect(0, 0, 2, 10), Qt::green);  // and the rest of it
    picture.Invert(QRect(20, 0, 10, 10));         // depends on what lies below
    picture.Finish(QSize(40, 10), 1);
    EXPECT_TRUE(hidden.isDetached()) << "the hidden face is let go";
    EXPECT_FALSE(shown.isDetached());
    // A translucent frame hides nothing.
    TTablePicture framed;
    framed.Image(QPoint(0, 0), hidden);
    framed.Fill(QRect(0, 0, 10, 10), QColor(0, 0, 0, 128));
    framed.Finish(QSize(10, 10), 1);
    EXPECT_FALSE(hidden.isDetached());
}

}  // namespace
