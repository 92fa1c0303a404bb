#include "ui/window/ListLine.h"

#include <QFontMetrics>

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
    return {fontMetrics().horizontalAdvance(FullText()) + margins.left() + margins.right() + 2 * margin(),
            TElidedLabel::sizeHint().height()};
}
