#include "settings/FileKeeper.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

#include "settings/SafeFile.h"

TFileKeeper::TFileKeeper(QString path, unsigned permissions)
    : FilePath(std::move(path)), Permissions(permissions) {}

TFileKeeper::~TFileKeeper() {
    {
        const std::lock_guard<std::mutex> guard(Lock);
        Stopping = true;
    }
    Changed.notify_all();
    if (Worker.joinable()) {
        Worker.join();
    }
}

void TFileKeeper::Save(QByteArray contents) {
    Ask(TWish(std::move(contents)));
}

void TFileKeeper::Remove() {
    Ask(TWish());
}

void TFileKeeper::Ask(TWish wish) {
    {
        const std::lock_guard<std::mutex> guard(Lock);
        Waiting = std::move(wish);
        if (!Worker.joinable()) {
            Worker = std::thread([this] { Run(); });
        }
    }
    Changed.notify_all();
}

bool TFileKeeper::Finish() {
    std::unique_lock<std::mutex> guard(Lock);
    Changed.wait(guard, [this] { return !Waiting && !Busy; });
    return LastDone;
}

void TFileKeeper::Run() {
    std::unique_lock<std::mutex> guard(Lock);
    for (;;) {
        Changed.wait(guard, [this] { return Waiting || Stopping; });
        if (!Waiting) {
            return;
        }
        const TWish wish = std::move(*Waiting);
        Waiting.reset();
        Busy = true;
        guard.unlock();
        const bool done = CarryOut(wish);
        if (OnDone) {
            OnDone(wish ? TKeeperTask::Save : TKeeperTask::Remove, done);
        }
        guard.lock();
        Busy = false;
        LastDone = done;
        Changed.notify_all();
    }
}

bool TFileKeeper::CarryOut(const TWish& wish) {
    const QByteArray name = QFile::encodeName(FilePath);
    if (!wish) {
        return SaveCalls().Unlink(name.constData()) == 0 || errno == ENOENT;
    }
    if (!Started) {
        Started = true;
        RemoveStaleTemporaries(FilePath);
    }
    MakePrivateFolder(QFileInfo(FilePath).absolutePath());
    return ReplaceFile(FilePath, *wish, Permissions);
}
