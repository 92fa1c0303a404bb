// Helpers for tests that read or write the settings file: each test gets its
// own configuration folder, and no test ever touches the real home.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <csignal>
#include <vector>

#include <sys/resource.h>

#include "settings/ProfileFile.h"

// Points XDG_CONFIG_HOME at a fresh temporary folder for its lifetime, and
// XDG_DATA_HOME, where the kept game lies, at a folder "data" in it.
class TTempConfig {
  public:
    TTempConfig() : Previous(qgetenv("XDG_CONFIG_HOME")), PreviousData(qgetenv("XDG_DATA_HOME")) {
        qputenv("XDG_CONFIG_HOME", Dir.path().toUtf8());
        qputenv("XDG_DATA_HOME", (Dir.path() + "/data").toUtf8());
    }
    ~TTempConfig() {
        qputenv("XDG_CONFIG_HOME", Previous);
        qputenv("XDG_DATA_HOME", PreviousData);
    }
    TTempConfig(const TTempConfig&) = delete;
    TTempConfig& operator=(const TTempConfig&) = delete;

    QString Path() const { return Dir.path(); }
    QString IniPath() const { return Dir.path() + "/brisko.INI"; }
    QString KeptGamePath() const { return Dir.path() + "/data/brisko/kept-game.json"; }

    void WriteIni(const QByteArray& content) const {
        QFile file(IniPath());
        file.open(QIODevice::WriteOnly);
        file.write(content);
    }
    QByteArray ReadIni() const {
        QFile file(IniPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The non-empty lines of the file.
    QStringList IniLines() const { return QString::fromUtf8(ReadIni()).split('\n', Qt::SkipEmptyParts); }

  private:
    QTemporaryDir Dir;
    QByteArray Previous;
    QByteArray PreviousData;
};

// Files of this process may grow to `bytes` only, as on a disk that is full
// after that many bytes; a write beyond fails instead of raising SIGXFSZ.
// Unlike permissions, this binds root too.
class TFileSizeLimit {
  public:
    explicit TFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &Previous);
        PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, Previous.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &Previous);
        std::signal(SIGXFSZ, PreviousHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

  private:
    rlimit Previous{};
    void (*PreviousHandler)(int) = nullptr;
};
