// The settings, help and info commands of the main window.
#include <QFrame>
#include <QPalette>
#include <QRadioButton>
#include <QSpinBox>

#include "game/Settings.h"
#include "ui/AboutBox.h"
#include "ui/MainForm.h"
#include "ui/OptionsForm.h"

void TMainForm::ApplySettings() {
    FirstMeldMinimum = OptionsForm->Raus30Check->isChecked() ? 30 : 40;
    CardsPerPlayer = OptionsForm->AnzCardEd->value();
    QPalette palette = Panel2->palette();
    palette.setColor(QPalette::Window, OptionsForm->TableColor());
    Panel2->setPalette(palette);
    PaintBox1Paint();
}

void TMainForm::Einstellungen1Click() {
    OptionsForm->exec();
    ApplySettings();
}

void TMainForm::Hilfe2Click() {}

void TMainForm::berdasProgramm1Click() {
    AboutBox->exec();
}
