// What one painting of the table draws, kept as a list of steps in device
// pixels rather than as pixels: a large table then costs no picture of its own
// beside the window's, and each pixel is written once, by the last step that
// covers it, whatever the steps below would have drawn there.
#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <vector>

class QPainter;

class TTablePicture {
  public:
    // Every step of this picture is kept within `area` (device pixels), for a
    // part of the table painted anew.
    void Within(const QRect& area) { Limit = area; }

    // Steps in painting order, each within `clip` (device pixels) when one is given.
    void Fill(const QRect& rect, const QColor& colour, const QRect* clip = nullptr);
    // `picture` drawn pixel for pixel with its top left corner at `at`.
    void Image(const QPoint& at, const QImage& picture, const QRect* clip = nullptr);
    // Every colour of the pixels below turned into its opposite.
    void Invert(const QRect& rect);

    // Called once every step is in: works out what each step leaves visible.
    void Finish(QSize deviceSize, qreal devicePixelRatio);
    // What this picture shows within `area` becomes what `part`, a finished
    // picture of the same table kept within that area, shows there.
    void Replace(const QRect& area, TTablePicture part);

    // Draws the steps onto a painter that works in device pixels, only within
    // `region` where one is given; outside it nothing is touched.
    void Draw(QPainter& painter, const QRegion* region = nullptr) const;
    // The whole picture as an image of its device size.
    QImage ToImage() const;

    bool Empty() const { return Steps.empty(); }
    QSize DeviceSize() const { return Size; }
    qreal DevicePixelRatio() const { return Dpr; }

  private:
    enum class TKind { Fill, Image, Invert };
    struct TStep {
        TKind Kind = TKind::Fill;
        QRect Rect;  // what it may touch, in device pixels
        QColor Colour;
        QImage Picture;
        QPoint Origin;  // where the picture's top left lands
        QRegion Shown;  // what no later opaque step covers
    };

    void Add(TStep step, const QRect* clip);

    std::vector<TStep> Steps;
    QRect Limit;  // none when empty
    QSize Size;
    qreal Dpr = 1;
};
