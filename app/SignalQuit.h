// Ending the program on SIGTERM, SIGINT and SIGHUP (a desktop logging out
// sends SIGTERM) from the event loop, where it is safe to save.
#pragma once

#include <csignal>
#include <functional>

class QSocketNotifier;

class TSignalQuit {
  public:
    // While it lives, the first of these signals runs `quit` once on the event
    // loop, whatever box or dialog is open; later ones change nothing. Only
    // one may live at a time.
    explicit TSignalQuit(std::function<void()> quit);
    // The signals get back the handling they had before.
    ~TSignalQuit();
    TSignalQuit(const TSignalQuit&) = delete;
    TSignalQuit& operator=(const TSignalQuit&) = delete;

  private:
    void Received();

    std::function<void()> Quit;
    QSocketNotifier* Notifier = nullptr;
    bool Quitting = false;
    struct sigaction Previous[3]{};
};
