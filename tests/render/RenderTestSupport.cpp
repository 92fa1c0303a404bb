#include "tests/render/RenderTestSupport.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <map>

QString BuiltArtworkDir() {
    return QDir(QCoreApplication::applicationDirPath()).filePath("artwork");
}

const TArtwork& BuiltArtwork(int32_t scale) {
    static std::map<int32_t, TArtwork> loaded;
    auto found = loaded.find(scale);
    if (found == loaded.end()) {
        TArtworkLoad load = LoadArtwork(BuiltArtworkDir(), scale);
        EXPECT_TRUE(load.Problems.isEmpty()) << load.Problems.join("; ").toStdString();
        found = loaded.emplace(scale, load.Artwork).first;
    }
    return found->second;
}

TBuiltFaces::TBuiltFaces(qreal dpr) {
    Composer.SetUp(&BuiltArtwork(dpr > 1 ? 2 : 1), dpr);
}

TFaceSource TBuiltFaces::Source() {
    return [this](const TCard& card, TFaceUse) { return Composer.Face(card.Suit, card.Rank); };
}

QImage PaintedTable(TTablePainter& painter, const TGame& game, const TTableLayout& layout,
                    const TTableScene& scene) {
    painter.Record(game, layout, scene);
    return painter.Picture().ToImage();
}

bool AnyPixel(const QImage& image, const QRect& rect, const std::function<bool(QRgb)>& test) {
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x) {
            if (test(image.pixel(x, y))) {
                return true;
            }
        }
    }
    return false;
}

bool IsWhite(QRgb pixel) {
    return (pixel & 0xffffff) == 0xffffff;
}

bool IsRedInk(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

bool IsDarkInk(QRgb pixel) {
    return qRed(pixel) < 90 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

QImage Turned(const QImage& image, const QRect& rect) {
    return image.copy(rect).mirrored(true, true);
}
