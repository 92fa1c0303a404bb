// Keeps one file up to date from a thread of its own, so that nobody waits
// for the disk: a flush to it takes some 10 ms here, more on a busy one.
#pragma once

#include <QByteArray>
#include <QString>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

enum class TKeeperTask { Save, Remove };

class TFileKeeper {
  public:
    // The file's folder is made when missing, private to the player.
    TFileKeeper(QString path, unsigned permissions);
    // Carries out what is still to do.
    ~TFileKeeper();
    TFileKeeper(const TFileKeeper&) = delete;
    TFileKeeper& operator=(const TFileKeeper&) = delete;

    const QString& Path() const { return FilePath; }

    // The file is to hold these contents, replaced whole (ReplaceFile).
    void Save(QByteArray contents);
    // The file is to be gone.
    void Remove();
    // Waits until all that was asked for is done; false when the last of it failed.
    bool Finish();

    // Told on the keeper's thread after each save or removal whether it
    // succeeded; set it before the first one.
    std::function<void(TKeeperTask task, bool done)> OnDone;

  private:
    // Only the newest wish counts: one that waits behind the running one is
    // replaced by the next. Nothing in it: the file is to be gone.
    using TWish = std::optional<QByteArray>;

    void Ask(TWish wish);
    void Run();
    bool CarryOut(const TWish& wish);

    const QString FilePath;
    const unsigned Permissions;
    std::mutex Lock;
    std::condition_variable Changed;
    std::optional<TWish> Waiting;
    bool Busy = false;
    bool Stopping = false;
    bool LastDone = true;
    bool Started = false;  // stale temporaries cleared
    std::thread Worker;
};
