#include "ExternProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace {

using TClock = std::chrono::steady_clock;

// How often a silent program is looked at to see whether it still runs.
constexpr int ExitLookMilliseconds = 20;

TClock::time_point Deadline(double seconds) {
    return TClock::now() +
           std::chrono::duration_cast<TClock::duration>(std::chrono::duration<double>(seconds));
}

// Milliseconds left until the deadline, rounded up so that poll never wakes early.
int MillisecondsLeft(TClock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - TClock::now()).count();
    return left <= 0 ? 0 : left > 3600000 ? 3600000 : static_cast<int>(left);
}

void CloseFd(int& fd) {
    if (fd >= 0) {
        close(fd);
        fd = -1;
    }
}

std::string SignalText(int signal) {
    return "signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
}

std::string Ended(int status) {
    if (WIFSIGNALED(status)) {
        return "ended by " + SignalText(WTERMSIG(status));
    }
    const int code = WEXITSTATUS(status);
    // The shell in between tells a program's death by a signal this way.
    return "exited with status " + std::to_string(code) +
           (code > 128 && code < 128 + NSIG ? ", a shell's word for " + SignalText(code - 128) : "");
}

}  // namespace

bool TExternProgram::Start(std::string& error) {
    Stop(0);
    signal(SIGPIPE, SIG_IGN);
    int in[2];
    int out[2];
    if (pipe2(in, O_CLOEXEC) != 0) {
        error = std::string("no pipe: ") + std::strerror(errno);
        return false;
    }
    if (pipe2(out, O_CLOEXEC) != 0) {
        error = std::string("no pipe: ") + std::strerror(errno);
        close(in[0]);
        close(in[1]);
        return false;
    }
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_adddup2(&files, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&files, out[1], STDOUT_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // The ignored SIGPIPE would be inherited; the program gets the default back.
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETPGROUP);
    std::string shell = "/bin/sh";
    std::string dashC = "-c";
    char* argv[] = {shell.data(), dashC.data(), Command.data(), nullptr};
    pid_t pid = -1;
    const int spawned = posix_spawn(&pid, "/bin/sh", &files, &attributes, argv, environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    close(in[0]);
    close(out[1]);
    if (spawned != 0) {
        close(in[1]);
        close(out[0]);
        error = std::string("cannot start /bin/sh: ") + std::strerror(spawned);
        return false;
    }
    Pid = pid;
    ToProgram = in[1];
    FromProgram = out[0];
    fcntl(ToProgram, F_SETFL, fcntl(ToProgram, F_GETFL) | O_NONBLOCK);
    fcntl(FromProgram, F_SETFL, fcntl(FromProgram, F_GETFL) | O_NONBLOCK);
    OutputClosed = false;
    Unread.clear();
    Ending.clear();
    return true;
}

TExternProgram::TIo TExternProgram::Send(const std::string& line, double seconds) {
    if (ToProgram < 0) {
        return TIo::Closed;
    }
    const std::string data = line + '\n';
    const auto deadline = Deadline(seconds);
    size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = write(ToProgram, data.data() + written, data.size() - written);
        if (n > 0) {
            written += static_cast<size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno != EAGAIN) {
            return TIo::Closed;  // EPIPE: nobody reads any more
        }
        pollfd wait{ToProgram, POLLOUT, 0};
        if (poll(&wait, 1, MillisecondsLeft(deadline)) == 0) {
            return TIo::Timeout;
        }
    }
    return TIo::Done;
}

bool TExternProgram::Exited() const {
    siginfo_t info{};
    // Only a look: the program is reaped where it is stopped.
    return waitid(P_PID, static_cast<id_t>(Pid), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == Pid;
}

bool TExternProgram::Fill(int milliseconds) {
    if (FromProgram < 0 || OutputClosed) {
        return false;
    }
    // Waited for in short slices, so that a program that ended while
    // something it started still holds its output is seen to end at once.
    const auto deadline = Deadline(milliseconds / 1000.0);
    pollfd wait{FromProgram, POLLIN, 0};
    int ready = 0;
    for (;;) {
        ready = poll(&wait, 1, std::min(MillisecondsLeft(deadline), ExitLookMilliseconds));
        if (ready != 0) {
            break;
        }
        if (Exited()) {
            OutputClosed = true;
            return true;
        }
        if (MillisecondsLeft(deadline) == 0) {
            return false;
        }
    }
    if (ready < 0) {
        OutputClosed = errno != EINTR;
        return true;
    }
    char buffer[65536];
    const ssize_t n = read(FromProgram, buffer, sizeof(buffer));
    if (n > 0) {
        Unread.append(buffer, static_cast<size_t>(n));
    } else if (n == 0 || (errno != EINTR && errno != EAGAIN)) {
        OutputClosed = true;
    }
    return true;
}

TExternProgram::TIo TExternProgram::ReadLine(std::string& line, double seconds) {
    const auto deadline = Deadline(seconds);
    for (;;) {
        const size_t end = Unread.find('\n');
        if ((end == std::string::npos ? Unread.size() : end) > MaxLineBytes) {
            return TIo::TooLong;
        }
        if (end != std::string::npos) {
            line.assign(Unread, 0, end);
            Unread.erase(0, end + 1);
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
            }
            return TIo::Done;
        }
        if (OutputClosed || FromProgram < 0) {
            return TIo::Closed;
        }
        // Past the deadline this still takes what has already come.
        if (!Fill(MillisecondsLeft(deadline))) {
            return TIo::Timeout;
        }
    }
}

bool TExternProgram::HasUnreadOutput() {
    if (Unread.empty()) {
        Fill(0);
    }
    return !Unread.empty();
}

bool TExternProgram::WaitForExit(double seconds) {
    const auto deadline = Deadline(seconds);
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(Pid, &status, WNOHANG);
        if (done == Pid) {
            Ending = Ended(status);
            return true;
        }
        if (done < 0 && errno != EINTR) {
            Ending = "gone";
            return true;
        }
        if (TClock::now() >= deadline) {
            return false;
        }
        poll(nullptr, 0, 5);
    }
}

void TExternProgram::Signal(int signal) {
    // The whole group: a shell's children, and theirs.
    kill(-Pid, signal);
}

void TExternProgram::Stop(double grace) {
    if (Pid <= 0) {
        return;
    }
    CloseFd(ToProgram);
    if (!WaitForExit(grace)) {
        Signal(SIGTERM);
        if (!WaitForExit(1.0)) {
            Signal(SIGKILL);
            WaitForExit(3600.0);
        }
    }
    // Whatever it left running in its group goes with it.
    Signal(SIGKILL);
    CloseFd(FromProgram);
    Pid = -1;
    Unread.clear();
}
