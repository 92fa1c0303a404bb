// Paints the whole table: the computers' hands face down, stock and discard
// pile, the meld row, the player's hand; selected cards inverted, dragged cards
// at the mouse, and the blinking red frame of the draw hint. It only reads the
// game and the layout, and remembers what it drew, so that it can tell what a
// blink tick changes and draw it again onto any painter.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

#include "game/Card.h"
#include "game/Game.h"
#include "render/FaceComposer.h"
#include "render/TableLayout.h"
#include "render/TableMarks.h"
#include "render/TablePicture.h"

// What one painting reads besides the game and its layout.
struct TTableScene {
    qreal DevicePixelRatio = 1;  // of the screen
    qreal Scale = 1;             // logical pixels per unit of the layout: larger cards
    QSize Box;                   // the paint box in logical pixels; empty: the layout's size, scaled
    QColor TableColor;
    const QImage* Back = nullptr;
    TFaceSource Faces;  // none: no face is drawn
    int32_t PaintCount = 0;
    bool Dragging = false;
    std::vector<TDragOffset> DragOffsets;  // of each hand card, where the mouse took it
    int32_t DragMoves = 0;
    int32_t MouseX = 0;
    int32_t MouseY = 0;
    std::vector<TTableMark> Marks;  // drawn over everything else, in this order
};

// What the last painting drew, as far as a blink tick needs to know it.
struct TTableDrawState {
    bool Painted = false;
    TTableLayout Layout;
    TTableScene Scene;
    bool StockHint = false;
    bool DiscardHint = false;
};

// The draw hint: the stock is framed on one painting in 30, the discard pile
// half a cycle later, and only while the player has to draw.
bool StockHintAt(int32_t gameState, int32_t paintCount);
bool DiscardHintAt(int32_t gameState, int32_t paintCount, bool discardPileHasCards);
// PaintCount only grows; past the largest value it starts again at 0.
int32_t NextPaintCount(int32_t paintCount);

class TTablePainter {
  public:
    // Works out the whole table's picture (Picture()) without drawing a pixel.
    void Record(const TGame& game, const TTableLayout& layout, const TTableScene& scene);

    // What a painting at `paintCount` would change on the last one, when nothing
    // but the draw hint has changed since: the frame that comes or goes, or nothing.
    std::optional<TRect> BlinkArea(const TGame& game, int32_t paintCount) const;
    // Records the painting at `paintCount` when it differs from the last one
    // only by a frame of the draw hint, and returns the area BlinkArea names.
    std::optional<TRect> Blink(const TGame& game, int32_t paintCount);
    // How many paintings after one at `paintCount` the first that looks
    // different comes, nothing else changing: 0 when that one already does; -1
    // when none ever does (the player is not to draw).
    int32_t PaintingsUntilBlink(const TGame& game, int32_t paintCount) const;

    const TTableDrawState& Drawn() const { return DrawState; }
    // What the last painting drew, to draw again.
    const TTablePicture& Picture() const { return Shown; }
    // Lets go of the picture and the faces it holds on to, and of their fitted copies.
    void Forget() {
        Shown = TTablePicture();
        FittedBefore.clear();
        FittedNow.clear();
        WordsBefore.clear();
        WordsNow.clear();
    }

  private:
    struct THints {
        bool Stock = false;
        bool Discard = false;
    };
    // Works out the steps of a painting into `picture`, only those within
    // `within` (device pixels) when given, and finishes it; tells which red
    // frames it drew.
    THints Compose(TTablePicture& picture, const TGame& game, const TTableLayout& layout,
                   const TTableScene& scene, const QRect* within);
    // The picture at the device size of its place on the table, its colours
    // turned into their opposites when `inverted`.
    const QImage& Fitted(const QImage& picture, QSize size, bool inverted);
    // Words written in `colour` on a clear picture of `size` device pixels, in
    // letters `textSize` device pixels high, shortened to fit.
    const QImage& Words(const QString& text, QSize size, int textSize, const QColor& colour);

    TTableDrawState DrawState;
    TTablePicture Shown;
    // Pictures fitted to their places, kept only while paintings use them, so
    // that resizing the window or new faces never pile up copies.
    using TFittedKey = std::tuple<qint64, int, int, bool>;
    std::map<TFittedKey, QImage> FittedBefore;  // what the last painting used
    std::map<TFittedKey, QImage> FittedNow;     // what this one uses
    // The same for the words above the computers' hands.
    using TWordsKey = std::tuple<QString, int, int, int, QRgb>;
    std::map<TWordsKey, QImage> WordsBefore;
    std::map<TWordsKey, QImage> WordsNow;
};
