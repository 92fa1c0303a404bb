// The list's totals in one line at the right of the status bar. It asks for
// the width of its whole text, so that it takes it back when the window
// grows again, and gives way, shortened with "…", when the window is narrow.
#pragma once

#include "ui/window/ElidedLabel.h"

class TListLine final : public TElidedLabel {
    Q_OBJECT
  public:
    explicit TListLine(QWidget* parent);
    // `shown` on the bar, `spoken` for screen readers.
    void SetTexts(const QString& shown, const QString& spoken);
    QSize sizeHint() const override;
};
