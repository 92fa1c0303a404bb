// One copy of the game per data folder, so that two copies never take turns
// at the same kept game and record of games: a second start brings the
// running window forward and ends. Where the running copy does not answer,
// the second plays on without keeping its game.
#pragma once

#include <QLockFile>
#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

class TSingleCopy {
  public:
    // `folder`: the data folder the copies share, made if missing.
    explicit TSingleCopy(const QString& folder);
    ~TSingleCopy();
    TSingleCopy(const TSingleCopy&) = delete;
    TSingleCopy& operator=(const TSingleCopy&) = delete;

    enum class TStart {
        First,   // no other copy runs: this one keeps the game
        Raised,  // the running copy has been asked forward: end this one
        Unkept,  // another copy runs but did not answer within `wait` milliseconds
    };
    TStart Claim(int wait = 2000);

    // In the first copy: a later start asks for the window.
    std::function<void()> OnRaise;

  private:
    QLockFile Lock;
    QString ServerName;
    std::unique_ptr<QLocalServer> Server;
};
