#include <QApplication>
#include <chrono>

#include "app/AppSetup.h"
#include "app/SignalQuit.h"
#include "ui/window/MainForm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication(app);

    const auto seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    TMainForm form(seed);
    if (form.ArtworkMissing()) {
        return 1;  // already reported: there is nothing to play with
    }
    const TSignalQuit signalQuit([&form] { form.QuitOnSignal(); });
    form.show();
    return QApplication::exec();
}
