// An INI file read and written the way the classic profile-string functions
// treat it: section and key names without regard to case, the first of
// repeated keys wins, blanks around values are dropped, and one pair of
// surrounding quotes is stripped on reading. Built on SimpleIni.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class TProfileDocument;

// Where the settings file lives: $XDG_CONFIG_HOME, else ~/.config.
QString ConfigDirectory();
// Where the program's data lives: $XDG_DATA_HOME, else ~/.local/share.
QString DataDirectory();
// The settings file of the program: "brisko.INI" in the configuration folder.
QString SettingsFilePath();

class TProfileFile {
  public:
    // Reads the file once. A missing, unreadable, oversized or garbled file
    // reads as (partly) empty; it never throws. The first file read in a run
    // also clears away what an interrupted save left beside it.
    explicit TProfileFile(QString fileName);
    ~TProfileFile();
    TProfileFile(const TProfileFile&) = delete;
    TProfileFile& operator=(const TProfileFile&) = delete;

    const QString& FileName() const { return Name; }

    // The stored text, or def when the key is missing.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // A decimal number; def when the key is missing or the text is not a number.
    int32_t ReadInteger(const QString& section, const QString& key, int32_t def) const;

    // Sets a value in memory; UpdateFile writes it. The value is trimmed, and a
    // value that begins and ends with the same quote gets one more pair of
    // double quotes, so that reading gives it back unchanged.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int32_t value);

    // Writes the whole file in one step, every section alike; the old file
    // stays byte for byte as it was on failure. A file that was no clean text
    // is first kept aside as "<name>.bak" (or .bak1, .bak2, ... when that is
    // taken), and the player is told so. False when it could not be written.
    bool UpdateFile();

    // Files above this size are not read, and not overwritten either.
    static constexpr int64_t MaxFileSize = 1 << 20;

    // Where the player is told about a file kept aside; without it the
    // message goes to standard error.
    static std::function<void(const QString& message)> OnNotice;
    // That message.
    static QString KeptAsideMessage(const QString& fileName, const QString& backupName);

  private:
    bool KeepAside(QString& kept);

    QString Name;
    QString Target;  // the file itself, symbolic links followed
    std::unique_ptr<TProfileDocument> Doc;
    QByteArray Original;   // the bytes as read, for keeping them aside
    bool Writable = true;  // false when an existing file could not be read at all
    bool Damaged = false;  // read only in part: kept aside before it is replaced
};

// Parses a decimal integer the strict way: optional sign, digits, nothing else
// (surrounding blanks allowed). False for anything else or outside 32 bits.
bool ParseDecimal(const QString& text, int32_t& value);
