#include "ui/window/ListLine.h"

#include <QFontMetricsF>
#include <cmath>

TListLine::TListLine(QWidget* parent) : TElidedLabel(parent) {
    setObjectName("ListLine");
}

void TListLine::SetTexts(const QString& shown, const QString& spoken) {
    SetFullText(shown);
    setAccessibleName(spoken);
    updateGeometry();
}

QSize TListLine::sizeHint() const {
    const QMargins margins = contentsMargins();
    // Rounded up, and a pixel more: eliding measures in fractions of a pixel.
    const int text = static_cast<int>(std::ceil(QFontMetricsF(font()).horizontalAdvance(FullText()))) + 1;
    return {text + margins.left() + margins.right() + 2 * margin(), TElidedLabel::sizeHint().height()};
}
