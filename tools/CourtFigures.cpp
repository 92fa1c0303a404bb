#include "tools/CourtFigures.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <string_view>

namespace {

// The figure is the last group of each card of the deck; the card itself
// (background, indices, pips) is never drawn. Order: Karo, Herz, Blatt, Kreuz.
struct TFigureIds {
    const char* Card[4];
    const char* Figure[4];
};

const TFigureIds Jacks{{"jack_diamond", "jack_heart", "jack_spade", "jack_club"},
                       {"g3992", "g1440", "g3325", "g1438"}};
const TFigureIds Queens{{"queen_diamond", "queen_heart", "queen_spade", "queen_club"},
                        {"g3905", "g4128", "g4493", "g4494"}};
const TFigureIds Kings{{"king_diamond", "king_heart", "king_spade", "king_club"},
                       {"g3838", "g4228", "g3155", "g4647"}};
const char* const JesterCard = "black_joker";
const char* const JesterFigure = "g2398";

// Share of the figure's height that makes head and shoulders.
constexpr double BustShare = 0.80;
// Free space above the head, in the deck's units.
constexpr double BustHeadroom = 1.5;

bool Require(const QSvgRenderer& deck, const char* id, QString* error) {
    if (deck.elementExists(id)) {
        return true;
    }
    *error = QString("the deck has no element \"%1\"").arg(id);
    return false;
}

// Draws one figure so that `crop` (deck units, figure coordinates) fills `target`.
void DrawFigure(QPainter& painter, QSvgRenderer& deck, const char* id, const QRectF& crop,
                const QRectF& target) {
    const QRectF figure = deck.boundsOnElement(id);
    const double sx = target.width() / crop.width();
    const double sy = target.height() / crop.height();
    const QRectF placed(target.left() + (figure.left() - crop.left()) * sx,
                        target.top() + (figure.top() - crop.top()) * sy, figure.width() * sx,
                        figure.height() * sy);
    painter.save();
    painter.setClipRect(target);
    deck.render(&painter, id, placed);
    painter.restore();
}

}  // namespace

bool DrawCourtStrip(QSvgRenderer& deck, const TArtworkStrip& strip, int32_t scale, QImage* out,
                    QString* error) {
    const TFigureIds* ids = nullptr;
    const std::string_view name = strip.Name;
    if (name == JackStrip.Name) {
        ids = &Jacks;
    } else if (name == QueenStrip.Name) {
        ids = &Queens;
    } else if (name == KingStrip.Name) {
        ids = &Kings;
    } else {
        *error = QString("no court figures for \"%1\"").arg(strip.Name);
        return false;
    }
    const int w = strip.Width * scale;
    const int h = strip.Height * scale;
    QImage image(w * strip.Count, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int i = 0; i < strip.Count && i < 4; ++i) {
        if (!Require(deck, ids->Card[i], error) || !Require(deck, ids->Figure[i], error)) {
            return false;
        }
        // Head and shoulders: the top of the figure, as wide as the picture's
        // proportions ask, centred on the figure.
        const QRectF figure = deck.boundsOnElement(ids->Figure[i]);
        const double cropHeight = figure.height() * BustShare + BustHeadroom;
        const double cropWidth = cropHeight * strip.Width / strip.Height;
        const QRectF crop(figure.center().x() - cropWidth / 2, figure.top() - BustHeadroom, cropWidth,
                          cropHeight);
        DrawFigure(painter, deck, ids->Figure[i], crop, QRectF(i * w, 0, w, h));
    }
    *out = image;
    return true;
}

bool DrawJesterStrip(QSvgRenderer& deck, const TArtworkStrip& strip, int32_t scale, QImage* out,
                     QString* error) {
    if (!Require(deck, JesterCard, error) || !Require(deck, JesterFigure, error)) {
        return false;
    }
    const int w = strip.Width * scale;
    const int h = strip.Height * scale;
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    // The whole figure, as large as fits with a small margin, standing on the bottom.
    const QRectF figure = deck.boundsOnElement(JesterFigure);
    const double margin = 2.0 * scale;
    const double k = std::min((w - 2 * margin) / figure.width(), (h - 2 * margin) / figure.height());
    const QRectF target((w - figure.width() * k) / 2, h - margin - figure.height() * k, figure.width() * k,
                        figure.height() * k);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    deck.render(&painter, JesterFigure, target);
    painter.end();
    *out = image;
    return true;
}
