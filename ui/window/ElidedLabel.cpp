#include "ui/window/ElidedLabel.h"

#include <QFontMetrics>

TElidedLabel::TElidedLabel(QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    // However long the sentence, the status bar keeps its width.
    setMinimumWidth(1);
}

void TElidedLabel::SetFullText(const QString& text) {
    Full = text;
    setToolTip(text);
    setAccessibleName(text);
    Elide();
}

void TElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void TElidedLabel::Elide() {
    setText(fontMetrics().elidedText(Full, Qt::ElideRight, std::max(0, contentsRect().width())));
}
