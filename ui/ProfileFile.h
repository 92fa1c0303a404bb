// An INI file read and written the way the classic profile-string functions
// treat it: section and key names without regard to case, the first of
// repeated keys wins, blanks around values are dropped, and one pair of
// surrounding quotes is stripped on reading. Built on SimpleIni.
#pragma once

#include <QString>
#include <cstdint>
#include <memory>

class TProfileDocument;

// Where the settings file lives: $XDG_CONFIG_HOME, else ~/.config.
QString ConfigDirectory();
// The settings file of the program: "brisko.INI" in the configuration folder.
QString SettingsFilePath();

class TProfileFile {
  public:
    // Reads the file once. A missing, unreadable, oversized or garbled file
    // reads as (partly) empty; it never throws.
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

    // Writes the whole file in one step (the old file stays intact on
    // failure). False when it could not be written.
    bool UpdateFile();

    // Files above this size are not read, and not overwritten either.
    static constexpr int64_t MaxFileSize = 1 << 20;

  private:
    QString Name;
    std::unique_ptr<TProfileDocument> Doc;
    bool Writable = true;  // false when an existing file could not be read whole
};

// Parses a decimal integer the strict way: optional sign, digits, nothing else
// (surrounding blanks allowed). False for anything else or outside 32 bits.
bool ParseDecimal(const QString& text, int32_t& value);
