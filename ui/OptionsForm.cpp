#include "ui/OptionsForm.h"

#include <QRadioButton>
#include <QSpinBox>

TOptionsForm::TOptionsForm(QWidget* parent) : QDialog(parent) {
    setObjectName("OptionsForm");
    setWindowTitle("Einstellungen");
    Raus30Check = new QRadioButton("Raus bei 30", this);
    Raus30Check->setChecked(true);
    Raus40Check = new QRadioButton("Raus bei 40", this);
    AnzCardEd = new QSpinBox(this);
    AnzCardEd->setRange(10, 16);
    AnzCardEd->setValue(12);
}

void TOptionsForm::RestoreSettings() {}

QColor TOptionsForm::TableColor() const {
    return QColor(0, 128, 0);
}
