// Keeps a window's placement and chosen properties of its controls in the
// settings file, one section per window.
#pragma once

#include <QMetaProperty>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

class QWidget;
class TProfileFile;

class TFormStorage final : public QObject {
    Q_OBJECT
  public:
    // Section: the form's class name without its namespace ("TOptionsForm").
    explicit TFormStorage(QWidget* form);

    QString IniFileName;  // full path of the settings file
    QString IniSection;
    int32_t Version = 0;

    // Entries "Component.Property"; an entry whose component the form does
    // not have is dropped.
    void SetStoredProps(const QStringList& props);
    const QStringList& StoredProps() const { return Props; }

    // Where a failed write is reported, with the complete message text.
    std::function<void(const QString& message)> OnWriteError;

    // Reads placement and properties from the file; a missing file or key
    // leaves things as they are.
    void RestoreFormPlacement();
    // Writes placement and properties. Skipped before the first restore.
    // False when skipped or when the file could not be written.
    bool SaveFormPlacement();
    // At program end: saves unless saved since the last restore.
    void FormDestroy();

    bool Restored() const { return HasRestored; }
    bool SavedSinceRestore() const { return Saved; }
    // The last restore found a stored position and moved the form there.
    bool PlacementApplied() const { return Placed; }

    // The key suffix for the current screen size, e.g. "(1920x1080)".
    static QString ScreenSuffix();
    static int32_t ScreenPixelsPerInch();

  private:
    bool Save(bool destroying);
    void RestorePlacement(const TProfileFile& ini);
    bool FindProperty(const QString& entry, QObject*& target, QMetaProperty& meta) const;
    void RestoreProperty(const TProfileFile& ini, const QString& entry);
    void SavePlacement(TProfileFile& ini, bool destroying);
    void SaveProperty(TProfileFile& ini, const QString& entry);
    QString PropertyKey(const QString& entry) const;

    QWidget* Form;
    QStringList Props;
    bool HasRestored = false;
    bool Saved = false;
    bool Placed = false;
};
