// Build step: writes the game's artwork strips.
//   brisko_artwork <deck.svgz> <output folder>
// Court figures and the jester come from the SVG deck; symbols, star and the
// card back are drawn here. Every strip is written at each scale.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

#include "render/ArtworkFiles.h"
#include "tools/CourtFigures.h"
#include "tools/Marbling.h"
#include "tools/SuitSymbols.h"

namespace {

int Fail(const QString& message) {
    QTextStream(stderr) << "brisko_artwork: " << message << "\n";
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Rendering needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        return Fail("usage: brisko_artwork <deck.svgz> <output folder>");
    }
    QSvgRenderer deck(args[1]);
    if (!deck.isValid()) {
        return Fail(
            QString("cannot read the card deck %1 (Debian package kdegames-card-data-kf5)").arg(args[1]));
    }
    const QDir out(args[2]);
    if (!out.mkpath(".")) {
        return Fail(QString("cannot create %1").arg(args[2]));
    }

    for (const int32_t scale : ArtworkScales) {
        for (const TArtworkStrip& strip : ArtworkStrips) {
            QImage image;
            QString error;
            const std::string name = strip.Name;
            if (name == SymbolStrip.Name) {
                image = DrawSymbolStrip(strip, scale);
            } else if (name == BackStrip.Name) {
                image = DrawMarbledBack(strip, scale);
            } else if (name == JesterStrip.Name) {
                if (!DrawJesterStrip(deck, strip, scale, &image, &error)) {
                    return Fail(error);
                }
            } else if (!DrawCourtStrip(deck, strip, scale, &image, &error)) {
                return Fail(error);
            }
            const QString path = out.filePath(QString::fromStdString(ArtworkFileName(strip, scale)));
            if (!image.save(path, "PNG")) {
                return Fail(QString("cannot write %1").arg(path));
            }
        }
    }
    return 0;
}
