// Starts the game as the program does and reports, at its first painted table,
// how long that took since the given moment and how much memory it holds:
//   brisko_startup_probe <launch time in ns since the epoch> [data folder]
// Prints "first_table_ms <ms> rss_kb <kB> kept_game_offered <0|1>" and ends.
// The data folder is where a kept game may lie; by default an empty one.
//   brisko_startup_probe --keep-game <data folder>
// keeps a game there, one draw into it, for the next starts to find.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "app/AppSetup.h"
#include "game/record/Snapshot.h"
#include "settings/KeptGame.h"
#include "settings/SafeFile.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/WindowParts.h"
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
    TFirstPaint(long long launched, TMainForm& form) : Launched(launched), Form(form) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && Painted == 0) {
            Painted = NowNanoseconds();
            // Memory once the first table is up and the event queue has run dry.
            QTimer::singleShot(500, [this] {
                std::printf("first_table_ms %.1f rss_kb %ld kept_game_offered %d\n",
                            (Painted - Launched) / 1e6, ResidentKilobytes(),
                            Named<QAction>(Form, "ContinueAction")->isEnabled() ? 1 : 0);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    long long Launched;
    TMainForm& Form;
    long long Painted = 0;
};

int KeepAGame() {
    TGame game(nullptr, 7);
    game.NeuesSpiel();
    game.PlayerDrawFromStock();
    QDir().mkpath(QFileInfo(KeptGameFilePath()).absolutePath());
    return ReplaceFile(KeptGameFilePath(), KeptGameText({TakeSnapshot(game), 0}), KeptGamePermissions) ? 0
                                                                                                       : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const long long launched = argc > 1 ? std::atoll(argv[1]) : NowNanoseconds();
    QTemporaryDir config;  // never the user's own settings or games
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_DATA_HOME", argc > 2 ? QByteArray(argv[2]) : (config.path() + "/data").toUtf8());
    if (argc > 2 && std::strcmp(argv[1], "--keep-game") == 0) {
        return KeepAGame();
    }
    QApplication app(argc, argv);
    SetUpApplication(app);
    TMainForm form(1);
    TFirstPaint probe(launched, form);
    TableOf(form)->installEventFilter(&probe);
    form.show();
    return QApplication::exec();
}
