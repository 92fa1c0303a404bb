// The settings, help and info commands of the main window.
#include <QFrame>
#include <QPalette>
#include <QScreen>
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
        // Over the middle of the game, but wholly on the screen.
        QRect place(QPoint(0, 0), HelpViewer->size());
        place.moveCenter(frameGeometry().center());
        const QRect screenArea = screen()->availableGeometry();
        place.moveLeft(std::clamp(place.left(), screenArea.left(),
                                  std::max(screenArea.left(), screenArea.right() - place.width())));
        place.moveTop(std::clamp(place.top(), screenArea.top(),
                                 std::max(screenArea.top(), screenArea.bottom() - place.height())));
        HelpViewer->move(place.topLeft());
    }
    HelpViewer->ShowPage(THelpViewer::HomePage);
    HelpViewer->show();
    HelpViewer->raise();
    HelpViewer->activateWindow();
}

void TMainForm::berdasProgramm1Click() {
    AboutBox->exec();
}
