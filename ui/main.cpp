#include <QApplication>
#include <chrono>

#include "ui/AppSetup.h"
#include "ui/MainForm.h"
#include "ui/SignalQuit.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    SetUpApplication(app);

    const auto seed = static_cast<uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
    TMainForm form(seed);
    if (!form.ArtworkError.isEmpty()) {
        return 1;  // already reported: there is nothing to play with
    }
    const TSignalQuit signalQuit([&form] { form.QuitOnSignal(); });
    form.show();
    return QApplication::exec();
}
