#include "ui/window/PaintBox.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <QtMath>

#include "ui/window/TableHost.h"

TPaintBox::TPaintBox(TTableHost* host, QWidget* parent) : QWidget(parent), Host(host) {
    setObjectName("PaintBox1");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

QSize TPaintBox::sizeHint() const {
    return DesignTableSize;
}

const TTableReader* TPaintBox::Reader() const {
    return Host;
}

bool TPaintBox::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip && Host != nullptr) {
        auto* help = static_cast<QHelpEvent*>(event);
        const QString tip = Host->TableToolTip(help->pos().x(), help->pos().y());
        if (tip.isEmpty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), tip, this);
        }
        return true;
    }
    return QWidget::event(event);
}

void TPaintBox::keyPressEvent(QKeyEvent* event) {
    if (Host == nullptr || !Host->TableKey(event->key(), event->modifiers())) {
        QWidget::keyPressEvent(event);
    }
}

void TPaintBox::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    if (Host != nullptr) {
        Host->TableFocusChanged(event->reason() == Qt::TabFocusReason ||
                                event->reason() == Qt::BacktabFocusReason);
    }
}

void TPaintBox::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    if (Host != nullptr) {
        Host->TableFocusChanged(false);
    }
}

void TPaintBox::paintEvent(QPaintEvent* event) {
    if (Host == nullptr) {
        return;
    }
    const TTablePicture& shown = Host->ShownPicture();
    if (shown.Empty()) {
        return;
    }
    // The picture is in device pixels: drawn straight into the window's own,
    // only where the window asks for it.
    const qreal dpr = shown.DevicePixelRatio();
    QPainter painter(this);
    painter.setWorldTransform(QTransform::fromScale(1 / dpr, 1 / dpr));
    QRegion wanted;
    for (const QRect& r : event->region()) {
        const int left = qFloor(r.left() * dpr);
        const int top = qFloor(r.top() * dpr);
        wanted += QRect(left, top, qCeil((r.right() + 1) * dpr) - left, qCeil((r.bottom() + 1) * dpr) - top);
    }
    shown.Draw(painter, &wanted);
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    if (Host != nullptr) {
        const QPoint p = event->position().toPoint();
        Host->TableMousePress(p.x(), p.y());
    }
}

void TPaintBox::mouseMoveEvent(QMouseEvent* event) {
    if (Host != nullptr) {
        const QPoint p = event->position().toPoint();
        Host->TableMouseMove(p.x(), p.y());
    }
}

void TPaintBox::mouseReleaseEvent(QMouseEvent* event) {
    if (Host != nullptr) {
        const QPoint p = event->position().toPoint();
        Host->TableMouseRelease(p.x(), p.y());
    }
}

void TPaintBox::resizeEvent(QResizeEvent*) {
    if (Host != nullptr) {
        Host->TableResized();
    }
}
