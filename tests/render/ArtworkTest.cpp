#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "render/Artwork.h"
#include "render/ArtworkFiles.h"
#include "render/ArtworkShelf.h"
#include "tests/render/RenderTestSupport.h"

namespace {

QRgb Centre(const QImage& image) {
    return image.pixel(image.width() / 2, image.height() / 2);
}

TEST(ArtworkTest, BuiltStripsHaveTheSizesCountsAndContentTheCardsNeed) {
    for (const int32_t scale : ArtworkScales) {
        SCOPED_TRACE(scale);
        const TArtwork& art = BuiltArtwork(scale);
        ASSERT_TRUE(art.Loaded());
        EXPECT_EQ(art.Scale, scale);

        for (const QImage& symbol : art.Symbols) {
            EXPECT_EQ(symbol.deviceIndependentSize().toSize(), QSize(130, 100));
            EXPECT_EQ(symbol.size(), QSize(130, 100) * scale);
            EXPECT_TRUE(IsWhite(symbol.pixel(0, 0))) << "symbols lie on white";
        }
        // Strip order: club, spade, heart, diamond, star.
        EXPECT_TRUE(IsDarkInk(Centre(art.Symbols[ClubSymbol])));
        EXPECT_TRUE(IsDarkInk(Centre(art.Symbols[SpadeSymbol])));
        EXPECT_TRUE(IsRedInk(Centre(art.Symbols[HeartSymbol])));
        EXPECT_TRUE(IsRedInk(Centre(art.Symbols[DiamondSymbol])));
        EXPECT_TRUE(IsDarkInk(Centre(art.Symbols[StarSymbol])));

        for (const auto* list : {&art.Jacks, &art.Queens, &art.Kings}) {
            for (const QImage& court : *list) {
                EXPECT_EQ(court.deviceIndependentSize().toSize(), QSize(100, 77));
                // A figure, not an empty box: dark outlines and some colour.
                EXPECT_TRUE(AnyPixel(court, court.rect(), IsDarkInk));
                EXPECT_TRUE(AnyPixel(court, court.rect(), [](QRgb p) {
                    return std::abs(qRed(p) - qGreen(p)) > 80 || std::abs(qGreen(p) - qBlue(p)) > 80;
                }));
            }
        }
        // The four suits differ (their courts wear different colours).
        EXPECT_NE(art.Kings[0], art.Kings[1]);

        EXPECT_EQ(art.Jester.deviceIndependentSize().toSize(), QSize(100, 154));
        EXPECT_TRUE(IsWhite(art.Jester.pixel(0, 0))) << "transparent parts come out white";
        EXPECT_TRUE(AnyPixel(art.Jester, art.Jester.rect(), IsDarkInk));

        // The back: violet, and marbled rather than flat.
        EXPECT_EQ(art.Back.deviceIndependentSize().toSize(), QSize(72, 108));
        int violet = 0;
        QRgb darkest = 0xffffffff;
        QRgb lightest = 0xff000000;
        for (int y = 0; y < art.Back.height(); ++y) {
            for (int x = 0; x < art.Back.width(); ++x) {
                const QRgb p = art.Back.pixel(x, y);
                violet += qRed(p) > qGreen(p) && qBlue(p) > qGreen(p) ? 1 : 0;
                darkest = qGray(p) < qGray(darkest) ? p : darkest;
                lightest = qGray(p) > qGray(lightest) ? p : lightest;
            }
        }
        EXPECT_GT(violet, art.Back.width() * art.Back.height() * 95 / 100);
        EXPECT_GT(qGray(lightest) - qGray(darkest), 100);
    }
}

TEST(ArtworkTest, MissingOrDamagedFilesAreNamedAndNothingIsLoaded) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());

    TArtworkLoad empty = LoadArtwork(dir.path());
    EXPECT_FALSE(empty.Artwork.Loaded());
    ASSERT_EQ(empty.Problems.size(), 6);
    EXPECT_EQ(empty.Problems[0], "symbols.png fehlt");

    // Copy the good strips, then spoil two of them: one cut short, one not an image.
    for (const TArtworkStrip& strip : ArtworkStrips) {
        const QString name = QString::fromStdString(ArtworkFileName(strip, 1));
        ASSERT_TRUE(QFile::copy(QDir(BuiltArtworkDir()).filePath(name), dir.filePath(name)));
    }
    EXPECT_TRUE(LoadArtwork(dir.path()).Problems.isEmpty());
    ASSERT_TRUE(BuiltArtwork().Kings[0].copy(0, 0, 50, 50).save(dir.filePath("kings.png")));
    QFile jester(dir.filePath("jester.png"));
    ASSERT_TRUE(jester.open(QIODevice::WriteOnly | QIODevice::Truncate));
    jester.write("\x89PNG\r\n\x1a\n this is no picture");
    jester.close();

    TArtworkLoad spoilt = LoadArtwork(dir.path());
    EXPECT_FALSE(spoilt.Artwork.Loaded());
    ASSERT_EQ(spoilt.Problems.size(), 2);
    EXPECT_TRUE(spoilt.Problems[0].startsWith("kings.png ist beschädigt"))
        << spoilt.Problems[0].toStdString();
    EXPECT_TRUE(spoilt.Problems[1].startsWith("jester.png ist beschädigt"))
        << spoilt.Problems[1].toStdString();

    const QString text = ArtworkProblemText(dir.path(), spoilt.Problems);
    EXPECT_TRUE(text.contains("Kartenbilder"));
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(dir.path())));
    EXPECT_TRUE(text.contains("kings.png ist beschädigt"));

    // No folder at all.
    EXPECT_EQ(LoadArtwork(QString()).Problems.size(), 6);
    EXPECT_EQ(LoadArtwork(dir.filePath("nowhere"), 2).Problems[0], "symbols@2x.png fehlt");
}

// Faces are made from the coarsest artwork at least as fine as they are, read
// only once asked for; finer than the finest drawn, the finest serves.
TEST(ArtworkTest, TheShelfGivesArtworkAtLeastAsFineAsTheFaces) {
    TArtworkShelf shelf;
    EXPECT_EQ(shelf.For(1), nullptr);
    ASSERT_TRUE(shelf.Open(BuiltArtworkDir()).Problems.isEmpty());
    const struct {
        qreal DeviceScale;
        int32_t Scale;
    } cases[] = {{1, 1}, {1.25, 2}, {2, 2}, {2.5, 3}, {3.75, 4}, {4.5, 6}, {6, 6}, {7.2, 8}, {16, 8}};
    for (const auto& c : cases) {
        ASSERT_NE(shelf.For(c.DeviceScale), nullptr) << c.DeviceScale;
        EXPECT_EQ(shelf.For(c.DeviceScale)->Scale, c.Scale) << c.DeviceScale;
    }
    // One strip alone, at the scale the whole would be read at.
    const TArtwork jacks = shelf.Strip(4.5, 1);
    EXPECT_EQ(jacks.Scale, 6);
    EXPECT_EQ(jacks.Jacks[2].size(), QSize(600, 462));
    EXPECT_TRUE(jacks.Symbols[0].isNull() && jacks.Queens[0].isNull() && jacks.Back.isNull());
    EXPECT_EQ(shelf.Strip(1, 5).Scale, 1);
    EXPECT_FALSE(shelf.Strip(1, 5).Symbols[0].isNull()) << "the plain artwork whole";
    // A folder without artwork leaves what was read.
    EXPECT_FALSE(shelf.Open(BuiltArtworkDir() + "/nowhere").Problems.isEmpty());
    EXPECT_EQ(shelf.For(3)->Scale, 3);
    // Once the faces are made, the plain scale stays and a finer one is read again.
    shelf.KeepOnlyPlain();
    ASSERT_NE(shelf.For(1), nullptr);
    EXPECT_EQ(shelf.For(1)->Scale, 1);
    EXPECT_EQ(shelf.For(2)->Scale, 2);
    // Without its finer strips every face is made from the plain one.
    QTemporaryDir plainOnly;
    for (const TArtworkStrip& strip : ArtworkStrips) {
        const QString name = QString::fromStdString(ArtworkFileName(strip, 1));
        ASSERT_TRUE(QFile::copy(QDir(BuiltArtworkDir()).filePath(name), plainOnly.filePath(name)));
    }
    ASSERT_TRUE(shelf.Open(plainOnly.path()).Problems.isEmpty());
    EXPECT_EQ(shelf.For(3)->Scale, 1);
    EXPECT_EQ(shelf.Strip(3, 4).Scale, 1);
}

}  // namespace
