// A long random session against the real main window, for soaking by hand:
//   brisko_soak [events] [seed]
// Prints the seed and the event number of the first broken invariant.
#include <QApplication>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "SoakRun.h"
#include "app/AppSetup.h"
#include "tests/support/QuietOffscreen.h"

int main(int argc, char** argv) {
    qInstallMessageHandler(QuietOffscreenHandler);
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    // The games it keeps go to a folder of their own, never over the player's.
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    QApplication app(argc, argv);
    SetUpApplication(app);
    const int events = argc > 1 ? std::atoi(argv[1]) : 100000;
    const uint64_t seed =
        argc > 2 ? std::strtoull(argv[2], nullptr, 10)
                 : static_cast<uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    std::printf("seed %llu, %d events\n", static_cast<unsigned long long>(seed), events);
    const TSoakResult result = RunSoak(seed, events, [](int n) {
        std::printf("  %d events\n", n);
        std::fflush(stdout);
    });
    if (!result.Failure.empty()) {
        std::printf("BROKEN: %s\n", result.Failure.c_str());
        return 1;
    }
    std::printf("%d events without a broken invariant; up to %d melds on the table\n", result.Events,
                result.MeldsLaid);
    return 0;
}
