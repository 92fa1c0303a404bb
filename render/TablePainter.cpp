#include "render/TablePainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <cstdlib>
#include <limits>

#include "render/TableLayout.h"

namespace {

const QColor Black(0, 0, 0);
const QColor HintRed(255, 0, 0);

// Logical table coordinates to device pixels of the off-screen table.
class TDeviceMap {
  public:
    explicit TDeviceMap(qreal dpr) : Dpr(dpr) {}
    int At(int32_t v) const { return qRound(v * Dpr); }
    QRect Rect(const TRect& r) const {
        const int l = At(r.Left);
        const int t = At(r.Top);
        return QRect(l, t, std::max(0, At(r.Right) - l), std::max(0, At(r.Bottom) - t));
    }
    int Pen(int32_t width) const { return std::max(1, At(width)); }

  private:
    qreal Dpr;
};

// A scene's pixel ratio and scale, 1 where it gives none.
qreal DprOf(const TTableScene& scene) {
    return scene.DevicePixelRatio > 0 ? scene.DevicePixelRatio : 1;
}
qreal ScaleOf(const TTableScene& scene) {
    return scene.Scale > 0 ? scene.Scale : 1;
}

void Bands(TTablePicture& picture, const TDeviceMap& map, const std::array<TRect, 4>& bands,
           const QColor& colour) {
    for (const TRect& band : bands) {
        picture.Fill(map.Rect(band), colour);
    }
}

// An unfilled rectangle drawn with a pen of `width` pixels centred on its edge.
void Frame(TTablePicture& picture, const TDeviceMap& map, const TRect& pile, const QColor& colour) {
    Bands(picture, map, HintFrameBands(pile), colour);
}

void DrawMark(TTablePicture& picture, const TDeviceMap& map, const TRect& place, TMarkStyle style,
              const QColor& table) {
    switch (style) {
        case TMarkStyle::Move:
            Bands(picture, map, FrameBands(place, 0, 2), MoveMarkColour(table));
            break;
        case TMarkStyle::Hint:
            Frame(picture, map, place, HintRed);
            break;
        case TMarkStyle::Focus:
            // Black and white: seen on every table and every card.
            Bands(picture, map, FrameBands(place, 3, 5), Black);
            Bands(picture, map, FrameBands(place, 4, 5), QColor(255, 255, 255));
            break;
    }
}

// A filled rectangle with a one-pixel outline on its own edge pixels.
void Rectangle(TTablePicture& picture, const QRect& rect, const QColor& pen, const QColor& brush,
               int penWidth) {
    picture.Fill(rect, brush);
    picture.Fill(QRect(rect.left(), rect.top(), rect.width(), penWidth), pen);
    picture.Fill(QRect(rect.left(), rect.bottom() + 1 - penWidth, rect.width(), penWidth), pen);
    picture.Fill(QRect(rect.left(), rect.top(), penWidth, rect.height()), pen);
    picture.Fill(QRect(rect.right() + 1 - penWidth, rect.top(), penWidth, rect.height()), pen);
}

// The words on the table: white or black, whichever stands out more from it.
QColor WordsColour(const QColor& table) {
    const QColor white(255, 255, 255);
    return ContrastRatio(white, table) >= ContrastRatio(Black, table) ? white : Black;
}

// Whether a computer's card lies face down on the table.
bool AnyBack(const std::vector<TOpponentPlace>& opponents) {
    return std::any_of(opponents.begin(), opponents.end(),
                       [](const TOpponentPlace& place) { return place.Seat.Cards > 0; });
}

}  // namespace

bool StockHintAt(int32_t gameState, int32_t paintCount) {
    return gameState == MustDraw && paintCount % 30 == 0;
}

bool DiscardHintAt(int32_t gameState, int32_t paintCount, bool discardPileHasCards) {
    return gameState == MustDraw && paintCount % 30 == 15 && discardPileHasCards;
}

int32_t NextPaintCount(int32_t paintCount) {
    return paintCount == std::numeric_limits<int32_t>::max() ? 0 : paintCount + 1;
}

const QImage& TTablePainter::Fitted(const QImage& picture, QSize size, bool inverted) {
    const TFittedKey key{picture.cacheKey(), size.width(), size.height(), inverted};
    if (auto used = FittedNow.find(key); used != FittedNow.end()) {
        return used->second;
    }
    if (auto earlier = FittedBefore.find(key); earlier != FittedBefore.end()) {
        return FittedNow.emplace(key, earlier->second).first->second;
    }
    QImage plain = picture;
    plain.setDevicePixelRatio(1);
    QImage fitted = size == plain.size() ? plain.convertToFormat(QImage::Format_RGB32)
                                         : plain.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                               .convertToFormat(QImage::Format_RGB32);
    if (inverted) {
        fitted.invertPixels();
    }
    return FittedNow.emplace(key, std::move(fitted)).first->second;
}

const QImage& TTablePainter::Words(const QString& text, QSize size, int textSize, const QColor& colour) {
    const TWordsKey key{text, size.width(), size.height(), textSize, colour.rgb()};
    if (auto used = WordsNow.find(key); used != WordsNow.end()) {
        return used->second;
    }
    if (auto earlier = WordsBefore.find(key); earlier != WordsBefore.end()) {
        return WordsNow.emplace(key, earlier->second).first->second;
    }
    QImage words(size, QImage::Format_ARGB32_Premultiplied);
    words.fill(Qt::transparent);
    QFont font;
    font.setPixelSize(std::max(1, textSize));
    QPainter painter(&words);
    painter.setFont(font);
    painter.setPen(colour);
    const QString shown = QFontMetrics(font).elidedText(text, Qt::ElideRight, size.width());
    painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignLeft | Qt::AlignVCenter, shown);
    painter.end();
    return WordsNow.emplace(key, std::move(words)).first->second;
}

std::optional<TRect> TTablePainter::BlinkArea(const TGame& game, int32_t paintCount) const {
    if (!DrawState.Painted) {
        return std::nullopt;
    }
    const bool stock = StockHintAt(game.GameState, paintCount);
    const bool discard = DiscardHintAt(game.GameState, paintCount, !game.DiscardPile.Empty());
    const bool stockChanges = stock != DrawState.StockHint;
    const bool discardChanges = discard != DrawState.DiscardHint;
    const int32_t h = DrawState.Layout.Height;
    // The stock's frame leaves the pen black for the outline of the empty
    // discard place; with no card of a computer's before it, that outline
    // comes and goes with the stock's frame.
    if (stockChanges && (discardChanges || !AnyBack(ShownOpponents(game, DrawState.Layout)))) {
        return HintArea(h);
    }
    if (stockChanges) {
        return HintFrameArea(StockPileRect(h));
    }
    if (discardChanges) {
        return HintFrameArea(DiscardPileRect(h));
    }
    return std::nullopt;
}

std::optional<TRect> TTablePainter::Blink(const TGame& game, int32_t paintCount) {
    const std::optional<TRect> area = BlinkArea(game, paintCount);
    if (area) {
        // Only the steps within the area are worked out again; the rest of
        // the picture stays as it is.
        DrawState.Scene.PaintCount = paintCount;
        const TDeviceMap map(DprOf(DrawState.Scene) * ScaleOf(DrawState.Scene));
        const QRect part = map.Rect(*area) & QRect(QPoint(0, 0), Shown.DeviceSize());
        if (!part.isEmpty()) {
            TTablePicture patch;
            Compose(patch, game, DrawState.Layout, DrawState.Scene, &part);
            Shown.Replace(part, std::move(patch));
        }
        DrawState.StockHint = StockHintAt(game.GameState, paintCount);
        DrawState.DiscardHint = DiscardHintAt(game.GameState, paintCount, !game.DiscardPile.Empty());
    }
    return area;
}

int32_t TTablePainter::PaintingsUntilBlink(const TGame& game, int32_t paintCount) const {
    // The hint repeats every 30 paintings; one cycle tells whether it ever changes.
    int32_t count = paintCount;
    for (int32_t n = 0; n <= 30; ++n) {
        if (BlinkArea(game, count)) {
            return n;
        }
        count = NextPaintCount(count);
    }
    return -1;
}

void TTablePainter::Record(const TGame& game, const TTableLayout& layout, const TTableScene& scene) {
    TTablePicture picture;
    const THints hints = Compose(picture, game, layout, scene, nullptr);
    Shown = std::move(picture);
    // Copies no painting uses any more, of old faces or sizes, are let go.
    FittedBefore = std::move(FittedNow);
    FittedNow.clear();
    WordsBefore = std::move(WordsNow);
    WordsNow.clear();

    DrawState.Painted = true;
    DrawState.Layout = layout;
    DrawState.Scene = scene;
    DrawState.StockHint = hints.Stock;
    DrawState.DiscardHint = hints.Discard;
}

TTablePainter::THints TTablePainter::Compose(TTablePicture& picture, const TGame& game,
                                             const TTableLayout& layout, const TTableScene& scene,
                                             const QRect* within) {
    const qreal dpr = DprOf(scene);
    const qreal scale = ScaleOf(scene);
    const TDeviceMap map(dpr * scale);
    const QSizeF box =
        scene.Box.isEmpty() ? QSizeF(layout.Width * scale, layout.Height * scale) : QSizeF(scene.Box);
    const QSize size(std::max(1, qCeil(box.width() * dpr)), std::max(1, qCeil(box.height() * dpr)));
    if (within != nullptr) {
        picture.Within(*within);
    }

    auto draw = [&](const QImage* face, const TRect& place, const QRect* clip = nullptr,
                    bool inverted = false) {
        const QRect target = map.Rect(place);
        if (target.isEmpty() || (within != nullptr && !target.intersects(*within))) {
            return;
        }
        if (face == nullptr || face->isNull()) {
            if (inverted) {
                picture.Invert(target);
            }
            return;
        }
        // At a fractional scale a card's place is a pixel wider or narrower
        // here and there, as its edges round; the face made for that scale is
        // drawn as it is rather than blurred by a stretch of one pixel.
        const QSize off = face->size() - target.size();
        const bool asItIs = std::abs(off.width()) <= 1 && std::abs(off.height()) <= 1;
        if (inverted && (!asItIs || off.isNull())) {
            // An inverted copy of a face that fills its place exactly: each
            // pixel is written once rather than drawn and then inverted.
            picture.Image(target.topLeft(), Fitted(*face, target.size(), true), clip);
            return;
        }
        picture.Image(target.topLeft(), asItIs ? *face : Fitted(*face, target.size(), false), clip);
        if (inverted) {
            picture.Invert(target);
        }
    };
    auto drawFace = [&](const TCard& card, TFaceUse use, const TRect& place, bool inverted = false,
                        const QRect* clip = nullptr) {
        const QImage face = scene.Faces ? scene.Faces(card, use) : QImage();
        draw(&face, place, clip, inverted);
    };

    // Brush and pen take the table colour; only some steps below set the pen black.
    picture.Fill(QRect(QPoint(0, 0), size), scene.TableColor);
    QColor pen = scene.TableColor;
    const int penWidth = map.Pen(1);
    const int32_t h = layout.Height;

    const std::vector<TOpponentPlace> opponents = ShownOpponents(game, layout);
    for (const TOpponentPlace& place : opponents) {
        for (int32_t i = 0; i < place.Seat.Cards; ++i) {
            pen = Black;
            draw(scene.Back, OpponentHandCardRect(place, i));
        }
        const QRect words = map.Rect(place.Words);
        if (!words.isEmpty() && !place.Seat.Label.isEmpty() &&
            (within == nullptr || words.intersects(*within))) {
            picture.Image(words.topLeft(),
                          Words(place.Seat.Label, words.size(), qRound(OpponentLabelTextSize * dpr * scale),
                                WordsColour(scene.TableColor)));
        }
    }

    // The stock always shows a back, however many cards it holds.
    draw(scene.Back, layout.StockRect);
    const bool stockHint = StockHintAt(game.GameState, scene.PaintCount);
    if (stockHint) {
        Frame(picture, map, layout.StockRect, HintRed);
        pen = Black;
    }

    // The empty place is outlined with whatever pen the steps before left:
    // in the table colour when no card has been drawn yet.
    Rectangle(picture, map.Rect(layout.DiscardRect), pen, scene.TableColor, penWidth);
    const bool discards = !game.DiscardPile.Empty();
    if (discards) {
        drawFace(game.DiscardPile.Last(), TFaceUse::Whole, layout.DiscardRect);
    }
    const bool discardHint = DiscardHintAt(game.GameState, scene.PaintCount, discards);
    if (discardHint) {
        Frame(picture, map, layout.DiscardRect, HintRed);
    }

    // Melds side by side, overlapping by two thirds, clipped to their row.
    const QRect row = map.Rect(MeldRowClip(layout.Width, h));
    if (!row.isEmpty()) {
        for (int m = 0; m < game.TableMelds.Count(); ++m) {
            const TMeld& meld = game.TableMelds.At(m);
            if (meld.Cards == nullptr) {
                continue;
            }
            for (int j = 0; j < meld.Cards->Count(); ++j) {
                drawFace(meld.Cards->At(j), TFaceUse::Whole, MeldCardRect(layout.Meld(m), j), false, &row);
            }
        }
    }

    // The hand in its order, so a later card covers an earlier one.
    const auto dragged = [&scene](const TCard& card) { return scene.Dragging && card.Selected != 0; };
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        const TCard& card = game.OwnCards.At(i);
        if (dragged(card)) {
            continue;
        }
        drawFace(card, TFaceUse::InHand, HandCardRect(i, h), card.Selected != 0);
    }
    for (const TTableMark& mark : scene.Marks) {
        const TRect place = MarkedRect(mark, game, layout);
        if (place.Right > place.Left && place.Bottom > place.Top) {
            DrawMark(picture, map, place, mark.Style, scene.TableColor);
        }
    }
    // Cards being dragged lie above everything, marks included, wherever they are carried.
    for (int i = 0; i < game.OwnCards.Count(); ++i) {
        const TCard& card = game.OwnCards.At(i);
        if (dragged(card)) {
            const TDragOffset offset =
                static_cast<size_t>(i) < scene.DragOffsets.size() ? scene.DragOffsets[i] : TDragOffset{};
            const TRect place = DraggedCardRect(offset, scene.MouseX, scene.MouseY);
            drawFace(card, TFaceUse::Whole, place, scene.DragMoves <= 3);
        }
    }
    picture.Finish(size, dpr);
    return {stockHint, discardHint};
}
