#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/SignalQuit.h"
#include "tests/support/MainFormAccess.h"
#include "tests/support/ProfileTestSupport.h"
#include "tests/support/WindowParts.h"
#include "ui/dialogs/FormStorage.h"
#include "ui/dialogs/OptionsForm.h"
#include "ui/window/MainForm.h"

namespace {

// The real, blocking message boxes, counted.
class TCountedBoxes final : public TMessageBoxes {
  public:
    void Show(QWidget* parent, const QString& text, const QString& caption, TMessageIcon icon) override {
        ++Calls;
        Real.Show(parent, text, caption, icon);
    }
    bool Ask(QWidget* parent, const QString& text, const QString& caption) override {
        ++Calls;
        return Real.Ask(parent, text, caption);
    }
    int Calls = 0;

  private:
    TQtMessageBoxes Real;
};

std::function<bool()> ModalIs(const char* className) {
    return [className] {
        const QWidget* modal = QApplication::activeModalWidget();
        return modal != nullptr && modal->inherits(className);
    };
}

struct TOpenCase {
    const char* Name;
    std::function<void(TMainForm&)> Open;  // opens something modal
    std::function<bool()> IsOpen;          // the moment for the signal
    int BoxesBefore;                       // boxes opened up to that moment
    int SavesAtSignal;                     // failed saves after it, told on standard error
};

// The whole program as main() runs it, with its real event loop, real boxes
// and a real SIGTERM, SIGINT or SIGHUP (twice) while something modal is open;
// the settings cannot be saved. It must end at once, save once more at most,
// and show no box after the signal.
TEST(SignalQuitTest, SignalEndsTheProgramOnceWhateverIsOpen) {
    const TOpenCase cases[] = {
        {"settings dialog", [](TMainForm& f) { Named<QAction>(f, "Einstellungen1")->trigger(); },
         ModalIs("TOptionsForm"), 0, 1},
        {"error box over the settings dialog",
         [](TMainForm& f) {
             QTimer::singleShot(0, Named<TOptionsForm>(f, "OptionsForm"),
                                [&f] { Named<TOptionsForm>(f, "OptionsForm")->close(); });
             Named<QAction>(f, "Einstellungen1")->trigger();
         },
         ModalIs("QMessageBox"), 1, 1},
        {"info dialog", [](TMainForm& f) { Named<QAction>(f, "berdasProgramm1")->trigger(); },
         ModalIs("TAboutBox"), 0, 1},
        {"joker question", [](TMainForm& f) { f.AskYesNo("Tauschen?", "Joker"); }, ModalIs("QMessageBox"), 1,
         1},
        {"end of game", [](TMainForm& f) { f.ShowMessage("Gewonnen", "Ende", TMessageIcon::Information); },
         ModalIs("QMessageBox"), 1, 1},
        // "Beenden" has tried its one save already and is telling of its failure.
        {"error box at Beenden", [](TMainForm& f) { Named<QAction>(f, "Beenden1")->trigger(); },
         ModalIs("QMessageBox"), 1, 0},
    };
    const QByteArray stored = "[TOptionsForm]\nAnzCardEd_Value=13\n";
    // A desktop logging out sends SIGTERM, a terminal Ctrl+C SIGINT, a closed terminal SIGHUP.
    const int quitSignals[] = {SIGTERM, SIGINT, SIGHUP};
    int next = 0;
    for (const TOpenCase& c : cases) {
        const int quitSignal = quitSignals[next++ % 3];
        TTempConfig config;
        config.WriteIni(stored);
        TCountedBoxes boxes;
        int boxesAtSignal = -1;
        testing::internal::CaptureStderr();
        {
            TMainForm form(1);
            In(form).SetMessageBoxes(&boxes);
            form.show();
            // The path runs through a file: no save can succeed.
            Named<TOptionsForm>(form, "OptionsForm")->FormStorage1->IniFileName =
                config.IniPath() + "/brisko.INI";
            const TSignalQuit signalQuit([&form] { form.QuitOnSignal(); });

            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (boxesAtSignal < 0 && c.IsOpen()) {
                    boxesAtSignal = boxes.Calls;
                    std::raise(quitSignal);
                    std::raise(quitSignal);
                }
            });
            poll.start(1);
            // Only so that a broken build fails instead of hanging; nothing is timed.
            QTimer giveUp;
            giveUp.setSingleShot(true);
            QObject::connect(&giveUp, &QTimer::timeout, [&] {
                std::printf("%s: the program did not end on signal %d\n", c.Name, quitSignal);
                std::fflush(stdout);
                std::_Exit(1);
            });
            giveUp.start(60000);
            QTimer::singleShot(0, &form, [&] { c.Open(form); });
            QApplication::exec();

            // Quitting, the window asks nothing more (counted below: no box).
            EXPECT_FALSE(form.AskYesNo("Noch da?", "Brisko")) << c.Name;
            EXPECT_FALSE(form.isVisible()) << c.Name;
            EXPECT_FALSE(Named<TOptionsForm>(form, "OptionsForm")->isVisible()) << c.Name;
        }
        const QString errors = QString::fromStdString(testing::internal::GetCapturedStderr());
        EXPECT_EQ(boxesAtSignal, c.BoxesBefore) << c.Name;
        EXPECT_EQ(boxes.Calls, c.BoxesBefore) << c.Name;  // none after the signal, none at destruction
        EXPECT_EQ(errors.count("kann nicht geschrieben werden"), c.SavesAtSignal) << c.Name << "\n"
                                                                                  << errors.toStdString();
        EXPECT_EQ(config.ReadIni(), stored) << c.Name;
    }
}

}  // namespace
