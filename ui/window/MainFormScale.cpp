// Larger cards: the whole table laid out for a paint box 1/s the size and
// drawn s times larger, so that every place, hit test and frame follows.
#include <QAction>
#include <QActionGroup>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "ui/window/MainForm.h"
#include "ui/window/PaintBox.h"

namespace {

QSize Scaled(const QSize& size, qreal scale) {
    return QSize(qCeil(size.width() * scale), qCeil(size.height() * scale));
}

}  // namespace

qreal TMainForm::WantedScale() const {
    const double fixed = FixedCardScale(View.CardSize);
    if (fixed <= 0) {
        return FittedTableScale(PaintBox1->width(), PaintBox1->height(), ScrollBar1->sizeHint().height(),
                                MostDeviceScale / devicePixelRatioF());
    }
    // As large as chosen, or the largest whose smallest table the screen holds
    // with everything around the table.
    const QScreen* shown = screen();
    if (fixed <= 1 || shown == nullptr) {
        return std::max(1.0, fixed);
    }
    // What lies around the table, from the layout's fixed parts rather than
    // the sizes of the moment, which a resize in progress leaves at odds.
    const QSize frame = frameGeometry().size() - size();
    const QSize around(frame.width(),
                       frame.height() + minimumSizeHint().height() - PaintBox1->minimumHeight());
    const QSize room = shown->availableGeometry().size() - around;
    const double fits = std::min(static_cast<double>(room.width()) / MinimumTableWidth,
                                 static_cast<double>(room.height()) / MinimumTableHeight);
    return std::clamp(fits, 1.0, fixed);
}

QSize TMainForm::TableUnits() const {
    return QSize(ToTable(PaintBox1->width()), ToTable(PaintBox1->height()));
}

int32_t TMainForm::ToTable(int coordinate) const {
    return static_cast<int32_t>(std::floor(coordinate / TableScale));
}

QRect TMainForm::ToWidget(const TRect& place) const {
    // Outwards, so that the pixels the painting touches are all inside.
    const int left = static_cast<int>(std::floor(place.Left * TableScale));
    const int top = static_cast<int>(std::floor(place.Top * TableScale));
    return QRect(left, top, static_cast<int>(std::ceil(place.Right * TableScale)) - left,
                 static_cast<int>(std::ceil(place.Bottom * TableScale)) - top);
}

void TMainForm::SetCardSize(TCardSize size) {
    View.CardSize = size;
    ShowViewSettings();
    StoreViewSettings();
    FitWindowToCardSize();
    PaintBox1Paint();
}

void TMainForm::FitWindowToCardSize() {
    const double fixed = FixedCardScale(View.CardSize);
    TableScale = WantedScale();
    PaintBox1->setMinimumSize(fixed > 0 ? Scaled(MinimumTableSize, TableScale) : MinimumTableSize);
    // The window learns its new least size now, not at the next turn of the event loop.
    for (QWidget* w = PaintBox1->parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (w->layout() != nullptr) {
            w->layout()->invalidate();
        }
    }
    layout()->activate();
    if (fixed <= 0) {
        return;
    }
    // A window smaller than the designed table at this size grows to it, as
    // far as the screen lets it.
    const QSize missing = (Scaled(DesignTableSize, TableScale) - PaintBox1->size()).expandedTo(QSize(0, 0));
    if (!missing.isNull()) {
        QSize grown = size() + missing;
        if (const QScreen* shown = screen()) {
            grown = grown.boundedTo(shown->availableGeometry().size() - (frameGeometry().size() - size()));
        }
        resize(grown.expandedTo(minimumSizeHint()));
    }
}

void TMainForm::TableResized() {
    // The faces fitting a window being dragged larger are made once it stops.
    if (View.CardSize == TCardSize::FitWindow && TablePainter.Drawn().Painted) {
        SettleTimer->start();
    }
    PaintBox1Paint();
}
