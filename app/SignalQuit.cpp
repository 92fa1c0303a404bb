#include "app/SignalQuit.h"

#include <QSocketNotifier>
#include <cerrno>

#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr int Signals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler only writes a byte; the event loop does the rest.
int signalSockets[2] = {-1, -1};

void NoteSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalSockets[1], &byte, 1);
    errno = saved;
}

}  // namespace

TSignalQuit::TSignalQuit(std::function<void()> quit) : Quit(std::move(quit)) {
    if (signalSockets[0] >= 0 ||
        ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalSockets) != 0) {
        return;
    }
    Notifier = new QSocketNotifier(signalSockets[0], QSocketNotifier::Read);
    QObject::connect(Notifier, &QSocketNotifier::activated, Notifier, [this] { Received(); });
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < 3; ++i) {
        sigaction(Signals[i], &action, &Previous[i]);
    }
}

TSignalQuit::~TSignalQuit() {
    if (Notifier == nullptr) {
        return;
    }
    for (int i = 0; i < 3; ++i) {
        sigaction(Signals[i], &Previous[i], nullptr);
    }
    delete Notifier;
    ::close(signalSockets[0]);
    ::close(signalSockets[1]);
    signalSockets[0] = signalSockets[1] = -1;
}

void TSignalQuit::Received() {
    char bytes[16];
    while (::read(signalSockets[0], bytes, sizeof bytes) > 0) {
    }
    if (Quitting) {
        return;
    }
    Quitting = true;
    Quit();
}
