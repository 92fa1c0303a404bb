// The settings dialog: table colour, first-meld minimum, cards per player.
#pragma once

#include <QColor>
#include <QDialog>

class QRadioButton;
class QSpinBox;

class TOptionsForm final : public QDialog {
    Q_OBJECT
  public:
    explicit TOptionsForm(QWidget* parent);

    // Reads the stored values into the controls.
    void RestoreSettings();
    QColor TableColor() const;

    QRadioButton* Raus30Check;
    QRadioButton* Raus40Check;
    QSpinBox* AnzCardEd;
};
