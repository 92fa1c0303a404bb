// Helpers for the rendering tests: the artwork the build made, faces from it
// for a painting, a painting as one picture, and pixel checks.
#pragma once

#include <QImage>
#include <QString>
#include <functional>

#include "game/Game.h"
#include "render/Artwork.h"
#include "render/FaceComposer.h"
#include "render/TablePainter.h"

// The folder next to the test program where the build writes the artwork.
QString BuiltArtworkDir();
// The built artwork of one scale; fails the test when it cannot be loaded.
const TArtwork& BuiltArtwork(int32_t scale = 1);

// Every card's face composed from the built artwork, whole wherever it shows.
struct TBuiltFaces {
    explicit TBuiltFaces(qreal dpr = 1);
    TFaceSource Source();
    QImage Face(const TCard& card) { return Composer.Face(card.Suit, card.Rank); }

    TFaceComposer Composer;
};

// Records the table and draws its whole picture, as the window shows it.
QImage PaintedTable(TTablePainter& painter, const TGame& game, const TTableLayout& layout,
                    const TTableScene& scene);

// True when some pixel of `rect` satisfies `test`.
bool AnyPixel(const QImage& image, const QRect& rect, const std::function<bool(QRgb)>& test);
bool IsWhite(QRgb pixel);
bool IsRedInk(QRgb pixel);
bool IsDarkInk(QRgb pixel);
// `rect` of `image` turned by 180 degrees.
QImage Turned(const QImage& image, const QRect& rect);
