// The playing surface. It shows the picture its host composed last and hands
// its mouse, key and focus events to the host.
#pragma once

#include <QSize>
#include <QWidget>

#include "render/TableLayout.h"

class TTableHost;
class TTableReader;

// The table's size at the window's first showing, and the least it needs, at the designed card size.
inline const QSize DesignTableSize(DesignTableWidth, DesignTableHeight);
inline const QSize MinimumTableSize(MinimumTableWidth, MinimumTableHeight);

class TPaintBox final : public QWidget {
    Q_OBJECT
  public:
    TPaintBox(TTableHost* host, QWidget* parent);
    QSize sizeHint() const override;
    // What screen readers read of the table; null once the window is going.
    const TTableReader* Reader() const;
    // The window is going: from now on the paint box hands nothing on.
    void Detach() { Host = nullptr; }

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    TTableHost* Host;
};
