// Starts the game as the program does and reports, at its first painted table,
// how long that took since the given moment and how much memory it holds:
//   brisko_startup_probe <launch time in ns since the epoch>
// Prints "first_table_ms <ms> rss_kb <kB>" and ends.
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "app/AppSetup.h"
#include "tests/support/MainFormAccess.h"
#include "ui/window/MainForm.h"

namespace {

long ResidentKilobytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:")) {
            return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return -1;
}

long long NowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Notes the first paint of the table, then lets the program settle and reports.
class TFirstPaint final : public QObject {
  public:
    explicit TFirstPaint(long long launched) : Launched(launched) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && Painted == 0) {
            Painted = NowNanoseconds();
            // Memory once the first table is up and the event queue has run dry.
            QTimer::singleShot(500, [this] {
                std::printf("first_table_ms %.1f rss_kb %ld\n", (Painted - Launched) / 1e6,
                            ResidentKilobytes());
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    long long Launched;
    long long Painted = 0;
};

}  // namespace

int main(int argc, char** argv) {
    const long long launched = argc > 1 ? std::atoll(argv[1]) : NowNanoseconds();
    QTemporaryDir config;  // never the user's own settings
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication app(argc, argv);
    SetUpApplication(app);
    TMainForm form(1);
    TFirstPaint probe(launched);
    In(form).PaintBox1->installEventFilter(&probe);
    form.show();
    return QApplication::exec();
}
