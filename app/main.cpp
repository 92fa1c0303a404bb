#include <QApplication>
#include <chrono>

#include "app/AppSetup.h"
#include "app/SignalQuit.h"
#include "app/SingleCopy.h"
#include "settings/ProfileFile.h"
#include "ui/window/MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication(app);

    TSingleCopy single(DataDirectory() + "/brisko");
    const TSingleCopy::TStart start = single.Claim();
    if (start == TSingleCopy::TStart::Raised) {
        return 0;
    }

    const auto seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    TMainForm form(seed);
    if (form.ArtworkMissing()) {
        return 1;  // already reported: there is nothing to play with
    }
    if (start == TSingleCopy::TStart::Unkept) {
        form.KeepNoGame();
    }
    single.OnRaise = [&form] {
        form.setWindowState(form.windowState() & ~Qt::WindowMinimized);
        form.show();
        form.raise();
        form.activateWindow();
    };
    const TSignalQuit signalQuit([&form] { form.QuitOnSignal(); });
    form.show();
    return QApplication::exec();
}
