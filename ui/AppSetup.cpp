#include "ui/AppSetup.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSocketNotifier>
#include <QTranslator>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

#include "container/TDynaArray.h"

namespace {

void ReportOutOfMemory(const std::string& message) {
    QMessageBox::critical(nullptr, QString(), QString::fromStdString(message));
}

// The handler only writes a byte; the event loop does the rest.
int signalSockets[2] = {-1, -1};

void NoteSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[1], &byte, 1);
}

}  // namespace

void SetUpApplication(QApplication& app) {
    QApplication::setApplicationName("brisko");
    // Lets the desktop match the window to its launcher and icon.
    QGuiApplication::setDesktopFileName("de.taldrin.Brisko");
    QApplication::setWindowIcon(QIcon::fromTheme("de.taldrin.Brisko"));

    // The cards and dialogs were designed for these fonts; the Liberation fonts
    // share their metrics.
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("Arial Narrow", "Liberation Sans Narrow");
    QFont::insertSubstitution("Times New Roman", "Liberation Serif");

    // Standard buttons and dialogs speak German ("Ja", "Nein").
    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::German), "qtbase", "_",
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(translator);
    }
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    TDynaArray::SetReporter(ReportOutOfMemory);
}

void QuitGracefullyOnSignals(QApplication& app) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalSockets) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalSockets[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte = 0;
        [[maybe_unused]] const ssize_t got = ::read(signalSockets[0], &byte, 1);
        QApplication::closeAllWindows();
        QApplication::quit();
    });
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}
