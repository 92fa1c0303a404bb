// The settings, help and info commands of the main window.
#include <QFrame>
#include <QPalette>
#include <algorithm>

#include "game/Settings.h"
#include "ui/AboutBox.h"
#include "ui/HelpViewer.h"
#include "ui/MainForm.h"
#include "ui/OptionsForm.h"
#include "ui/PrismColorComboBox.h"

void TMainForm::ApplySettings() {
    FirstMeldMinimum = OptionsForm->Raus30Check->isChecked() ? 30 : 40;
    CardsPerPlayer = std::clamp(static_cast<int32_t>(OptionsForm->AnzCardEd->Value()), 10, 16);
    QPalette palette = Panel2->palette();
    palette.setColor(QPalette::Window, OptionsForm->TableColor());
    Panel2->setPalette(palette);
    PaintBox1Paint();
}

void TMainForm::Einstellungen1Click() {
    // However the dialog was closed, what it shows now applies.
    OptionsForm->exec();
    ApplySettings();
}

void TMainForm::Hilfe2Click() {
    if (HelpViewer == nullptr) {
        HelpViewer = new THelpViewer(this);
        HelpViewer->move(frameGeometry().center() -
                         QPoint(HelpViewer->width() / 2, HelpViewer->height() / 2));
    }
    HelpViewer->ShowPage(THelpViewer::HomePage);
    HelpViewer->show();
    HelpViewer->raise();
    HelpViewer->activateWindow();
}

void TMainForm::berdasProgramm1Click() {
    AboutBox->exec();
}
