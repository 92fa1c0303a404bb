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
#include <functional>
#include <map>
#include <tuple>
#include <vector>

#include "game/Card.h"
#include "render/Artwork.h"

class QPainter;

// Turns the top half of `image` into its bottom half: row by row from the top,
// pixel (x, H-1-y) takes the colour of (W-1-x, y), read at the moment it is copied.
void Spiegele(QImage& image);

// The height of a corner's index text in the card font, in logical pixels.
int32_t CornerTextHeight();

// A card's face as the table shows it: whole, or in the hand as narrow as its place.
enum class TFaceUse { Whole, InHand };
using TFaceSource = std::function<QImage(const TCard& card, TFaceUse use)>;

class TFaceComposer {
  public:
    // Faces at the given device pixel ratio from `artwork`, which the caller
    // keeps alive; without artwork the cards stay blank. Forgets earlier faces.
    void SetUp(const TArtwork* artwork, qreal devicePixelRatio);
    qreal DevicePixelRatio() const { return Dpr; }

    // The face of a card, composed on first use and shared afterwards (QImage
    // shares its pixels). The ace may be given as 14 or 1.
    QImage Face(int32_t suit, int32_t rank);
    // The face stretched to the width of a card in a hand (four units
    // narrower), as the table draws it there; the whole face is not kept for it.
    QImage HandFace(int32_t suit, int32_t rank);
    // Each card's face for its use, from this composer, which must outlive it.
    TFaceSource Source();
    // A fresh composition of one face: 72 x 108 logical pixels.
    QImage ComposeFace(int32_t suit, int32_t rank);
    // A fresh composition of the card back.
    QImage ComposeBack();
    // Stretches every piece of artwork that any face takes to the size it
    // takes it, then lets go of the artwork: faces are made from those pieces
    // when first asked for, at a fraction of the artwork's memory.
    void PrepareAndForgetArtwork();
    // Artwork for the next ComposeBack or PrepareAndForgetArtwork, keeping the
    // faces and pieces made so far: pieces of images it lacks stay to be made
    // from other artwork.
    void UseArtwork(const TArtwork* artwork) { Art = artwork; }

  private:
    // The pieces of artwork, by number: the five symbols, the jacks, queens
    // and kings of each suit, the jester and the back's pattern.
    static constexpr int32_t FirstSymbol = 0;
    static constexpr int32_t FirstJack = 5;
    static constexpr int32_t FirstQueen = 9;
    static constexpr int32_t FirstKing = 13;
    static constexpr int32_t JesterPiece = 17;
    static constexpr int32_t BackPiece = 18;
    // A piece stretched onto a face at `Target` (device pixels); with
    // WhiteTransparent its white pixels leave the card as it is.
    struct TPlacement {
        int32_t Piece;
        QRect Target;
        bool WhiteTransparent;
    };
    // What a face takes, in the order it is drawn: the court picture before
    // its frame and the index, the symbols on the top half before it is
    // mirrored, and what stands upright once over the middle.
    struct TFacePlan {
        std::vector<TPlacement> Picture;
        std::vector<TPlacement> Symbols;
        std::vector<TPlacement> Upright;
    };
    struct TPieceKey {
        int32_t Piece;
        int Width;
        int Height;
        bool WhiteTransparent;
        bool operator<(const TPieceKey& o) const {
            return std::tie(Piece, Width, Height, WhiteTransparent) <
                   std::tie(o.Piece, o.Width, o.Height, o.WhiteTransparent);
        }
    };

    static bool HasFace(int32_t suit, int32_t value);
    TFacePlan Plan(int32_t suit, int32_t value) const;
    // Logical rectangle (left, top, right, bottom) in device pixels.
    QRect Device(int32_t left, int32_t top, int32_t right, int32_t bottom) const;
    int32_t DeviceLength(int32_t length) const;
    QImage NewCard() const;
    // The artwork of a piece; null once the artwork is let go, or when it lacks that image.
    const QImage* PieceSource(int32_t piece) const;
    const QImage* WholePieceSource(int32_t piece) const;
    static QImage StretchedCopy(const QImage& source, QSize size, bool whiteTransparent);
    // The piece at its placement's size, stretched once.
    const QImage& Stretched(const TPlacement& placement);
    void Stretch(QPainter& painter, const TPlacement& placement);
    void DrawIndex(QPainter& painter, const QString& text, const QColor& colour);

    const TArtwork* Art = nullptr;
    qreal Dpr = 1;
    QFont CardFont;  // at device size
    int32_t Th = 0;
    std::array<QImage, 5 * 15> Faces;
    std::array<QImage, 5 * 15> HandFaces;
    std::map<TPieceKey, QImage> Pieces;
};
