// A program outside this one, spoken to a line at a time over its standard
// input and output; its standard error is ours. It runs under `/bin/sh -c` in
// a process group of its own, so that ending it ends whatever it started.
// Starting one makes this process ignore SIGPIPE: a program that closes its
// input must not end the tool.
#pragma once

#include <sys/types.h>

#include <string>
#include <utility>

class TExternProgram {
  public:
    // An answer longer than this is refused unread.
    static constexpr size_t MaxLineBytes = 65536;

    explicit TExternProgram(std::string command) : Command(std::move(command)) {}
    ~TExternProgram() { Stop(0); }
    TExternProgram(const TExternProgram&) = delete;
    TExternProgram& operator=(const TExternProgram&) = delete;

    // False, with the reason in `error`, when it cannot be started.
    bool Start(std::string& error);
    bool Running() const { return Pid > 0; }
    pid_t ProcessId() const { return Pid; }

    enum class TIo { Done, Timeout, Closed, TooLong };

    // Writes the line and a newline.
    TIo Send(const std::string& line, double seconds);
    // The next line, without its newline (nor a carriage return before it).
    TIo ReadLine(std::string& line, double seconds);
    // Whether it has written anything that has not been read as a line yet.
    bool HasUnreadOutput();

    // Closes its input and gives it `grace` seconds to exit, then sends
    // SIGTERM and, a second later, SIGKILL; it is always reaped.
    void Stop(double grace);
    // How it ended, once stopped: "exited with status 3", "ended by signal 11".
    const std::string& HowItEnded() const { return Ending; }

  private:
    // Reads what is there within `milliseconds`; false when nothing came in
    // time. Its output counts as closed once the program itself has ended.
    bool Fill(int milliseconds);
    bool Exited() const;
    bool WaitForExit(double seconds);
    void Signal(int signal);

    std::string Command;
    pid_t Pid = -1;
    int ToProgram = -1;
    int FromProgram = -1;
    bool OutputClosed = false;
    std::string Unread;
    std::string Ending;
};
