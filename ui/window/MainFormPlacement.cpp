// The window's place and size, kept between runs in "[Fenster]" and opened
// there again, inside the screen it finds.
#include <QGuiApplication>
#include <QScreen>

#include "settings/ProfileFile.h"
#include "ui/window/MainForm.h"

void TMainForm::RestoreWindowPlacement(const std::optional<TWindowPlacement>& stored) {
    KeptPlacement = stored;
    if (!stored) {
        return;  // where the window was made, at its designed size
    }
    const QScreen* shown = QGuiApplication::screenAt(stored->Normal.center());
    if (shown == nullptr) {
        shown = screen();
    }
    if (shown != nullptr) {
        const QRect outer = frameGeometry();
        const QRect inner = geometry();
        const QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                             outer.right() - inner.right(), outer.bottom() - inner.bottom());
        setGeometry(PlaceInside(stored->Normal, shown->availableGeometry(), frame));
    }
    if (stored->Maximized) {
        setWindowState(windowState() | Qt::WindowMaximized);
    }
}

TWindowPlacement TMainForm::CurrentPlacement() const {
    return {isMaximized() ? normalGeometry() : geometry(), isMaximized()};
}

void TMainForm::StoreWindowPlacement() {
    // A window never shown has no place of its own to keep.
    if (SettingsLoaded == 0) {
        return;
    }
    const TWindowPlacement now = CurrentPlacement();
    if (KeptPlacement == now || now.Normal.isEmpty()) {
        return;
    }
    TProfileFile ini(SettingsFilePath());
    WriteWindowPlacement(ini, now);
    if (UpdateSettingsFile(ini)) {
        KeptPlacement = now;
    }
}
