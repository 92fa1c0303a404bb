// Card faces and the card back, composed from the artwork: a white card with
// corner indices and small symbols, pips or a court picture on the top half,
// copied turned by 180 degrees onto the bottom half (Spiegele).
#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <tuple>

#include "render/Artwork.h"

class QPainter;

// Turns the top half of `image` into its bottom half: row by row from the top,
// pixel (x, H-1-y) takes the colour of (W-1-x, y), read at the moment it is copied.
void Spiegele(QImage& image);

class TFaceComposer {
  public:
    // Faces at the given device pixel ratio from `artwork`, which the caller
    // keeps alive; without artwork the cards stay blank. Forgets earlier faces.
    void SetUp(const TArtwork* artwork, qreal devicePixelRatio);
    qreal DevicePixelRatio() const { return Dpr; }

    // The face of a card, composed on first use and shared afterwards (QImage
    // shares its pixels). The ace may be given as 14 or 1.
    QImage Face(int32_t suit, int32_t rank);
    // A fresh composition of one face: 72 x 108 logical pixels.
    QImage ComposeFace(int32_t suit, int32_t rank);
    // A fresh composition of the card back.
    QImage ComposeBack();
    // Composes every face there is, then lets go of the artwork and of what
    // was stretched from it: the faces are all it is needed for.
    void ComposeAllAndForgetArtwork();

    // TH: height of the index text in the card font, in logical pixels.
    int32_t TextHeight() const { return Th; }

  private:
    struct TScaledKey {
        qint64 Source;
        int Width;
        int Height;
        bool WhiteTransparent;
        bool operator<(const TScaledKey& o) const {
            return std::tie(Source, Width, Height, WhiteTransparent) <
                   std::tie(o.Source, o.Width, o.Height, o.WhiteTransparent);
        }
    };

    // Logical rectangle (left, top, right, bottom) in device pixels.
    QRect Device(int32_t left, int32_t top, int32_t right, int32_t bottom) const;
    int32_t DeviceLength(int32_t length) const;
    QImage NewCard() const;
    // `source` scaled to `size`; with whiteTransparent its white pixels are left out when drawn.
    const QImage& Stretched(const QImage& source, QSize size, bool whiteTransparent);
    void Stretch(QPainter& painter, const QImage& source, const QRect& target, bool whiteTransparent);
    void DrawIndex(QPainter& painter, const QString& text, const QColor& colour);

    const TArtwork* Art = nullptr;
    qreal Dpr = 1;
    QFont CardFont;  // at device size
    int32_t Th = 0;
    std::array<QImage, 5 * 15> Faces;
    std::map<TScaledKey, QImage> Scaled;
};
