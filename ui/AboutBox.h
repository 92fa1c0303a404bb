// The info dialog.
#pragma once

#include <QDialog>

class TAboutBox final : public QDialog {
    Q_OBJECT
  public:
    explicit TAboutBox(QWidget* parent);
};
