// Paints the whole table off-screen: the computer's hand face down, stock and
// discard pile, the meld row, the player's hand; selected cards inverted, dragged
// cards at the mouse, and the blinking red frame of the draw hint.
#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>
#include <map>
#include <utility>

#include "game/Card.h"
#include "game/Game.h"

// What one painting reads besides the game.
struct TTableScene {
    int32_t Width = 0;  // paint box, logical pixels
    int32_t Height = 0;
    qreal DevicePixelRatio = 1;
    QColor TableColor;
    const QImage* Back = nullptr;
    int32_t PaintCount = 0;
    int32_t ScrollPosition = 0;
    bool Dragging = false;
    int32_t DragMoves = 0;
    int32_t MouseX = 0;
    int32_t MouseY = 0;
};

// What one painting wrote besides the picture and the melds' Bounds.
struct TTablePainted {
    TRect StockRect{};
    TRect DiscardRect{};
    int32_t MeldRowEnd = 0;  // x after the last meld
    bool StockHint = false;
    bool DiscardHint = false;
    bool WholeTable = true;  // false when only the asked-for area was painted
};

// The draw hint: the stock is framed on one painting in 30, the discard pile
// half a cycle later, and only while the player has to draw.
bool StockHintAt(int32_t gameState, int32_t paintCount);
bool DiscardHintAt(int32_t gameState, int32_t paintCount, bool discardPileHasCards);
// PaintCount only grows; past the largest value it starts again at 0.
int32_t NextPaintCount(int32_t paintCount);

class TTablePainter {
  public:
    // Paints into `table`, which is (re)made at the paint box's device size when
    // needed, and writes every meld's Bounds. With `area` only the pixels of that
    // logical rectangle are touched: they come out as in a full painting.
    TTablePainted Paint(QImage& table, TGame& game, const TTableScene& scene, const TRect* area = nullptr);

  private:
    // The picture at the device size of its place on the table.
    const QImage& Fitted(const QImage& picture, QSize size);

    std::map<std::pair<qint64, std::pair<int, int>>, QImage> FittedCache;
};
