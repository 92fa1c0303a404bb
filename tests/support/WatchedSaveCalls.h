// The system calls of a save, watched, and failed where a test asks: the
// order of the steps, and what a full disk or a broken medium at any one of
// them leaves behind. The real calls come back when it goes.
#pragma once

#include <QString>
#include <QStringList>
#include <cerrno>

#include "settings/SafeFile.h"

class TWatchedSaveCalls {
  public:
    // Fails the `nth` call (counting from 1) of the step named `failing`
    // ("write", "sync", "close", "rename"); 0 fails none.
    explicit TWatchedSaveCalls(QString failing = {}, int nth = 1)
        : Real(SaveCalls()), Failing(std::move(failing)), Nth(nth) {
        TSaveCalls& calls = SaveCalls();
        calls.Write = [this](int fd, const void* data, size_t size) -> ssize_t {
            return Fails("write") ? -1 : Real.Write(fd, data, size);
        };
        calls.Sync = [this](int fd) { return Fails("sync") ? -1 : Real.Sync(fd); };
        // A failed close still closes: the descriptor is gone either way.
        calls.Close = [this](int fd) { return Fails("close") ? (Real.Close(fd), -1) : Real.Close(fd); };
        calls.Rename = [this](const char* from, const char* to) {
            return Fails("rename") ? -1 : Real.Rename(from, to);
        };
    }
    ~TWatchedSaveCalls() { SaveCalls() = Real; }
    TWatchedSaveCalls(const TWatchedSaveCalls&) = delete;
    TWatchedSaveCalls& operator=(const TWatchedSaveCalls&) = delete;

    // Every step taken, in order.
    QStringList Steps;

  private:
    bool Fails(const QString& step) {
        Steps << step;
        if (step != Failing || Steps.count(step) != Nth) {
            return false;
        }
        errno = EIO;
        return true;
    }

    TSaveCalls Real;
    QString Failing;
    int Nth;
};
