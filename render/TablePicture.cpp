#include "render/TablePicture.h"

#include <QPainter>

void TTablePicture::Add(TStep step, const QRect* clip) {
    if (clip != nullptr) {
        step.Rect &= *clip;
    }
    if (!Limit.isEmpty()) {
        step.Rect &= Limit;
    }
    if (!step.Rect.isEmpty()) {
        Steps.push_back(std::move(step));
    }
}

void TTablePicture::Fill(const QRect& rect, const QColor& colour, const QRect* clip) {
    TStep step;
    step.Kind = TKind::Fill;
    step.Rect = rect;
    step.Colour = colour;
    Add(std::move(step), clip);
}

void TTablePicture::Image(const QPoint& at, const QImage& picture, const QRect* clip) {
    if (picture.isNull()) {
        return;
    }
    TStep step;
    step.Kind = TKind::Image;
    step.Rect = QRect(at, picture.size());
    step.Picture = picture;  // shares the pixels
    step.Origin = at;
    Add(std::move(step), clip);
}

void TTablePicture::Invert(const QRect& rect) {
    TStep step;
    step.Kind = TKind::Invert;
    step.Rect = rect;
    Add(std::move(step), nullptr);
}

void TTablePicture::Finish(QSize deviceSize, qreal devicePixelRatio) {
    Size = deviceSize;
    Dpr = devicePixelRatio;
    // From the top down: a step shows where no later opaque step lies. An
    // inverted place depends on what lies below it, so it covers nothing.
    const QRect whole(QPoint(0, 0), deviceSize);
    QRegion covered;
    for (auto step = Steps.rbegin(); step != Steps.rend(); ++step) {
        step->Shown = QRegion(step->Rect & whole).subtracted(covered);
        const bool opaque = (step->Kind == TKind::Fill && step->Colour.alpha() == 255) ||
                            (step->Kind == TKind::Image && !step->Picture.hasAlphaChannel());
        if (opaque) {
            covered += step->Rect;
        }
    }
    std::erase_if(Steps, [](const TStep& step) { return step.Shown.isEmpty(); });
}

void TTablePicture::Replace(const QRect& area, TTablePicture part) {
    for (TStep& step : Steps) {
        if (step.Shown.boundingRect().intersects(area)) {
            step.Shown -= area;
        }
    }
    std::erase_if(Steps, [](const TStep& step) { return step.Shown.isEmpty(); });
    // Drawn last, but each only where nothing else is drawn any more.
    for (TStep& step : part.Steps) {
        step.Shown &= area;
        if (!step.Shown.isEmpty()) {
            Steps.push_back(std::move(step));
        }
    }
}

void TTablePicture::Draw(QPainter& painter, const QRegion* region) const {
    const QRect reach = region != nullptr ? region->boundingRect() : QRect();
    for (const TStep& step : Steps) {
        if (region != nullptr && !step.Shown.boundingRect().intersects(reach)) {
            continue;
        }
        const QRegion shown = region != nullptr ? step.Shown.intersected(*region) : step.Shown;
        for (const QRect& part : shown) {
            switch (step.Kind) {
                case TKind::Fill:
                    painter.fillRect(part, step.Colour);
                    break;
                case TKind::Image:
                    // Target and source of one size: pixel for pixel, whatever
                    // pixel ratio the picture was made for.
                    painter.drawImage(part, step.Picture, part.translated(-step.Origin));
                    break;
                case TKind::Invert:
                    painter.save();
                    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
                    painter.fillRect(part, Qt::black);
                    painter.restore();
                    break;
            }
        }
    }
}

QImage TTablePicture::ToImage() const {
    if (Size.isEmpty()) {
        return QImage();
    }
    QImage image(Size, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        Draw(painter);
    }
    image.setDevicePixelRatio(Dpr);
    return image;
}
