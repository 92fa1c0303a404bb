// Helpers for tests that read or write the settings file: each test gets its
// own configuration folder, and no test ever touches the real home.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "settings/ProfileFile.h"

// Points XDG_CONFIG_HOME at a fresh temporary folder for its lifetime.
class TTempConfig {
  public:
    TTempConfig() : Previous(qgetenv("XDG_CONFIG_HOME")) { qputenv("XDG_CONFIG_HOME", Dir.path().toUtf8()); }
    ~TTempConfig() { qputenv("XDG_CONFIG_HOME", Previous); }
    TTempConfig(const TTempConfig&) = delete;
    TTempConfig& operator=(const TTempConfig&) = delete;

    QString Path() const { return Dir.path(); }
    QString IniPath() const { return Dir.path() + "/brisko.INI"; }

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
};
