#include "render/Artwork.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <string_view>

#include "render/ArtworkFiles.h"

namespace {

// The strips are read in this order below.
constexpr bool StripIs(size_t index, const TArtworkStrip& strip) {
    return std::string_view(ArtworkStrips[index].Name) == strip.Name;
}
static_assert(StripIs(0, SymbolStrip) && StripIs(1, JackStrip) && StripIs(2, QueenStrip) &&
              StripIs(3, KingStrip) && StripIs(4, JesterStrip) && StripIs(5, BackStrip));

// The picture as it lies on a white working bitmap, made in its own pixels.
QImage OnWhite(QImage image) {
    image.setDevicePixelRatio(1);
    image.convertTo(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            const int white = 255 - qAlpha(p);
            line[x] = qRgb(qRed(p) + white, qGreen(p) + white, qBlue(p) + white);
        }
    }
    image.reinterpretAsFormat(QImage::Format_RGB32);
    return image;
}

// Image `index` of a strip, sharing the strip's pixels rather than copying
// them: the strips of a fine scale are large, and read only.
QImage Cut(const QImage& strip, const TArtworkStrip& kind, int index, int32_t scale) {
    const int width = kind.Width * scale;
    auto* keep = new QImage(strip);
    QImage image(
        keep->constBits() + qsizetype{index} * width * 4, width, kind.Height * scale, keep->bytesPerLine(),
        keep->format(), [](void* kept) { delete static_cast<QImage*>(kept); }, keep);
    image.setDevicePixelRatio(scale);
    return image;
}

}  // namespace

TArtworkLoad LoadArtwork(const QString& directory, int32_t scale, int32_t onlyStrip) {
    TArtworkLoad result;
    const QDir dir(directory);
    std::array<QImage, ArtworkStrips.size()> strips;
    for (size_t i = 0; i < ArtworkStrips.size(); ++i) {
        if (onlyStrip >= 0 && static_cast<size_t>(onlyStrip) != i) {
            continue;
        }
        const TArtworkStrip& strip = ArtworkStrips[i];
        const QString name = QString::fromStdString(ArtworkFileName(strip, scale));
        const QString path = dir.filePath(name);
        if (directory.isEmpty() || !QFileInfo(path).isFile()) {
            result.Problems << QCoreApplication::translate("TArtwork", "%1 fehlt").arg(name);
            continue;
        }
        QImageReader reader(path);
        const QSize expected(strip.Width * strip.Count * scale, strip.Height * scale);
        // The size is checked before decoding, so that no file can make us decode a giant.
        if (reader.size() != expected) {
            result.Problems << QCoreApplication::translate("TArtwork",
                                                           "%1 ist beschädigt (erwartet %2 x %3 Pixel)")
                                   .arg(name)
                                   .arg(expected.width())
                                   .arg(expected.height());
            continue;
        }
        QImage image = reader.read();
        if (image.isNull() || image.size() != expected) {
            result.Problems << QCoreApplication::translate("TArtwork", "%1 ist beschädigt").arg(name);
            continue;
        }
        strips[i] = OnWhite(image);
    }
    if (!result.Problems.isEmpty()) {
        return result;
    }

    // Strips not read leave their images empty.
    auto cut = [scale](const QImage& strip, const TArtworkStrip& kind, int index) {
        return strip.isNull() ? QImage() : Cut(strip, kind, index, scale);
    };
    TArtwork& art = result.Artwork;
    for (int i = 0; i < SymbolStrip.Count; ++i) {
        art.Symbols[i] = cut(strips[0], SymbolStrip, i);
    }
    for (int i = 0; i < 4; ++i) {
        art.Jacks[i] = cut(strips[1], JackStrip, i);
        art.Queens[i] = cut(strips[2], QueenStrip, i);
        art.Kings[i] = cut(strips[3], KingStrip, i);
    }
    art.Jester = cut(strips[4], JesterStrip, 0);
    art.Back = cut(strips[5], BackStrip, 0);
    art.Scale = scale;
    return result;
}

QString ArtworkProblemText(const QString& directory, const QStringList& problems) {
    return QCoreApplication::translate(
               "TArtwork",
               "Die Kartenbilder fehlen oder sind beschädigt, deshalb kann Brisko nicht "
               "starten.\n\nOrdner: %1\n%2\n\nBitte installieren Sie das Spiel neu.")
        .arg(QDir::toNativeSeparators(directory), problems.join('\n'));
}
