// The system calls of a save, watched, and failed where a test asks: the
// order of the steps, and what a full disk or a broken medium at any one of
// them leaves behind. The real calls come back when it goes.
#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <cerrno>
#include <cstdint>

#include "settings/SafeFile.h"

class TWatchedSaveCalls {
  public:
    // Fails the `nth` call (counting from 1) of the step named `failing`
    // ("open", "write", "sync", "close", "rename"); 0 fails none.
    explicit TWatchedSaveCalls(QString failing = {}, int nth = 1)
        : Real(SaveCalls()), Failing(std::move(failing)), Nth(nth) {
        TSaveCalls& calls = SaveCalls();
        calls.Open = [this](const char* path, int flags, mode_t mode) {
            Opened << QString::fromLocal8Bit(path);
            return Fails("open") ? -1 : Real.Open(path, flags, mode);
        };
        calls.Write = [this](int fd, const void* data, size_t size) -> ssize_t {
            if (Fails("write")) {
                return -1;
            }
            // A write may take fewer bytes than asked for, or be cut short by a signal.
            if (Interrupted && Steps.count("write") % 2 == 1) {
                errno = EINTR;
                return -1;
            }
            return Real.Write(fd, data, std::min(size, MostPerWrite));
        };
        calls.Sync = [this](int fd) { return Fails("sync") ? -1 : Real.Sync(fd); };
        // A failed close still closes: the descriptor is gone either way.
        calls.Close = [this](int fd) { return Fails("close") ? (Real.Close(fd), -1) : Real.Close(fd); };
        calls.Rename = [this](const char* from, const char* to) {
            return Fails("rename") ? -1 : Real.Rename(from, to);
        };
        calls.Unlink = [this](const char* path) { return Fails("unlink") ? -1 : Real.Unlink(path); };
    }
    ~TWatchedSaveCalls() { SaveCalls() = Real; }
    TWatchedSaveCalls(const TWatchedSaveCalls&) = delete;
    TWatchedSaveCalls& operator=(const TWatchedSaveCalls&) = delete;

    // Every step taken, in order, and the files opened.
    QStringList Steps;
    QStringList Opened;
    // How the system writes: at most this much a call, and every other call
    // interrupted before it wrote anything.
    size_t MostPerWrite = SIZE_MAX;
    bool Interrupted = false;
    // Steps that fail every time, as in a folder that cannot be written.
    QStringList AlwaysFailing;

  private:
    bool Fails(const QString& step) {
        Steps << step;
        if (!AlwaysFailing.contains(step) && (step != Failing || Steps.count(step) != Nth)) {
            return false;
        }
        errno = EIO;
        return true;
    }

    TSaveCalls Real;
    QString Failing;
    int Nth;
};
