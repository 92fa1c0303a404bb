// Paints the whole table off-screen: the computer's hand face down, stock and
// discard pile, the meld row, the player's hand; selected cards inverted, dragged
// cards at the mouse, and the blinking red frame of the draw hint. It only reads
// the game and the layout, and remembers what it drew, so that it can tell what
// a blink tick changes.
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "game/Card.h"
#include "game/Game.h"
#include "render/TableLayout.h"
#include "render/TableMarks.h"

// What one painting reads besides the game and its layout.
struct TTableScene {
    qreal DevicePixelRatio = 1;  // of the screen
    qreal Scale = 1;             // logical pixels per unit of the layout: larger cards
    QSize Box;                   // the paint box in logical pixels; empty: the layout's size, scaled
    QColor TableColor;
    const QImage* Back = nullptr;
    int32_t PaintCount = 0;
    bool Dragging = false;
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
    // Paints the whole table into `table`, which is (re)made at the paint box's
    // device size when needed.
    void Paint(QImage& table, const TGame& game, const TTableLayout& layout, const TTableScene& scene);

    // What a painting at `paintCount` would change on the last one, when nothing
    // but the draw hint has changed since: the frame that comes or goes, or nothing.
    std::optional<TRect> BlinkArea(const TGame& game, int32_t paintCount) const;
    // Paints the draw hint of `paintCount` over the last painting, touching only
    // the pixels BlinkArea names, which come out as in a full painting; returns them.
    std::optional<TRect> PaintBlink(QImage& table, const TGame& game, int32_t paintCount);
    // How many paintings after one at `paintCount` the first that looks
    // different comes, nothing else changing: 0 when that one already does; -1
    // when none ever does (the player is not to draw).
    int32_t PaintingsUntilBlink(const TGame& game, int32_t paintCount) const;

    const TTableDrawState& Drawn() const { return DrawState; }

  private:
    void Draw(QImage& table, const TGame& game, const TTableLayout& layout, const TTableScene& scene,
              const TRect* area);
    // The picture at the device size of its place on the table.
    const QImage& Fitted(const QImage& picture, QSize size);

    TTableDrawState DrawState;
    // Pictures fitted for the device scale of the last painting; another scale
    // frees them, so that resizing the window never piles up copies.
    std::map<std::pair<qint64, std::pair<int, int>>, QImage> FittedCache;
    qreal FittedScale = 0;
    qint64 FittedBytes = 0;
};
