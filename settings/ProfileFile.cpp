#include "settings/ProfileFile.h"

// Values are bytes here; Qt does the text decoding. Debian's header keeps
// the template bodies behind SI_IMPLEMENTATION; compiling them here spares the
// program the shared library and its ICU dependency.
#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <cstdio>
#include <string>

#include <sys/stat.h>

#include "settings/SafeFile.h"
#include "settings/SettingsText.h"

class TProfileDocument {
  public:
    // Repeated keys are all kept so that the first one can win on reading;
    // writing a key replaces every copy of it.
    CSimpleIniA Ini{false, true, false};  // names without regard to case
};

namespace {

// Relative paths in the XDG variables are invalid and must be ignored.
QString XdgDirectory(const char* variable, const char* underHome) {
    const QString xdg = qEnvironmentVariable(variable);
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg)) {
        return QDir::cleanPath(xdg);
    }
    return QDir::homePath() + underHome;
}

}  // namespace

QString ConfigDirectory() {
    return XdgDirectory("XDG_CONFIG_HOME", "/.config");
}

QString DataDirectory() {
    return XdgDirectory("XDG_DATA_HOME", "/.local/share");
}

QString SettingsFilePath() {
    return ConfigDirectory() + "/brisko.INI";
}

namespace {

std::string Bytes(const QString& text) {
    return text.toUtf8().toStdString();
}

// One pair of matching quotes around the whole value goes, as the profile
// functions do it.
QString StripQuotes(const QString& value) {
    if (value.size() >= 2) {
        const QChar first = value.front();
        if ((first == '"' || first == '\'') && value.back() == first) {
            return value.mid(1, value.size() - 2);
        }
    }
    return value;
}

// A value line ends at the line break; anything after it would become a line
// of its own.
QString OneLine(const QString& value) {
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' || value[i] == '\n' || value[i] == QChar(0)) {
            return value.left(i);
        }
    }
    return value;
}

}  // namespace

bool ParseDecimal(const QString& text, int32_t& value) {
    const QString t = text.trimmed();
    if (t.isEmpty() || t.size() > 12) {
        return false;
    }
    qsizetype i = 0;
    if (t[0] == '+' || t[0] == '-') {
        i = 1;
    }
    if (i == t.size()) {
        return false;
    }
    for (qsizetype k = i; k < t.size(); ++k) {
        if (t[k] < '0' || t[k] > '9') {
            return false;
        }
    }
    bool ok = false;
    const qlonglong v = t.toLongLong(&ok);
    if (!ok || v < INT32_MIN || v > INT32_MAX) {
        return false;
    }
    value = static_cast<int32_t>(v);
    return true;
}

std::function<void(const QString&)> TProfileFile::OnNotice;

QString TProfileFile::KeptAsideMessage(const QString& fileName, const QString& backupName) {
    return QCoreApplication::translate(
               "TProfileFile",
               "Die Einstellungsdatei %1 war beschädigt und ließ sich nicht vollständig lesen. Die alte "
               "Datei ist unverändert als %2 aufbewahrt; Brisko speichert die Einstellungen nun neu.")
        .arg(fileName, backupName);
}

TProfileFile::TProfileFile(QString fileName)
    : Name(std::move(fileName)), Target(Name), Doc(new TProfileDocument) {
    Doc->Ini.SetSpaces(false);
    const QFileInfo info(Name);
    // A linked settings file is written where the link points, and the link stays.
    if (info.isSymLink()) {
        Target = info.exists() ? info.canonicalFilePath() : info.symLinkTarget();
    }
    static QSet<QString> cleared;
    if (!cleared.contains(Target)) {
        cleared.insert(Target);
        RemoveStaleTemporaries(Target);
    }
    if (!info.exists()) {
        return;
    }
    // Folders, pipes and devices are never opened: a pipe would block for good.
    QFile file(Target);
    if (!info.isFile() || info.size() > MaxFileSize || !file.open(QIODevice::ReadOnly)) {
        Writable = false;
        return;
    }
    Original = file.read(MaxFileSize + 1);
    if (Original.size() > MaxFileSize || file.error() != QFileDevice::NoError) {
        Writable = false;
        return;
    }
    const TSettingsText text = DecodeSettingsText(Original);
    Damaged = !text.Whole;
    if (Doc->Ini.LoadData(text.Utf8.constData(), static_cast<size_t>(text.Utf8.size())) < 0) {
        Doc->Ini.Reset();
        Writable = false;
    }
}

TProfileFile::~TProfileFile() = default;

QString TProfileFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const std::string s = Bytes(section);
    const std::string k = Bytes(key);
    CSimpleIniA::TNamesDepend values;
    if (!Doc->Ini.GetAllValues(s.c_str(), k.c_str(), values) || values.empty()) {
        return def;
    }
    // The first in the file wins.
    const CSimpleIniA::Entry* first = &values.front();
    for (const auto& entry : values) {
        if (entry.nOrder < first->nOrder) {
            first = &entry;
        }
    }
    return StripQuotes(QString::fromUtf8(first->pItem).trimmed());
}

int32_t TProfileFile::ReadInteger(const QString& section, const QString& key, int32_t def) const {
    int32_t value = def;
    return ParseDecimal(ReadString(section, key, QString()), value) ? value : def;
}

void TProfileFile::WriteString(const QString& section, const QString& key, const QString& value) {
    QString text = OneLine(value).trimmed();
    if (text.size() >= 2) {
        const QChar first = text.front();
        if ((first == '"' || first == '\'') && text.back() == first) {
            text = '"' + text + '"';
        }
    }
    const std::string s = Bytes(OneLine(section));
    const std::string k = Bytes(OneLine(key));
    const std::string v = Bytes(text);
    Doc->Ini.SetValue(s.c_str(), k.c_str(), v.c_str(), nullptr, true);
}

void TProfileFile::WriteInteger(const QString& section, const QString& key, int32_t value) {
    WriteString(section, key, QString::number(value));
}

bool TProfileFile::UpdateFile() {
    if (!Writable) {
        return false;
    }
    const QFileInfo info(Target);
    // A write-protected file stays as it is, even where its folder would let
    // us replace it.
    if (info.exists() && (!info.isFile() || !info.isWritable())) {
        return false;
    }
    if (!MakePrivateFolder(info.absolutePath())) {
        return false;
    }
    std::string text;
    if (Doc->Ini.Save(text, false) < 0) {
        return false;
    }
    QString kept;
    if (Damaged && !KeepAside(kept)) {
        return false;
    }
    const bool written = ReplaceFile(Target, QByteArray::fromStdString(text));
    if (written) {
        Damaged = false;
    }
    // Told once the file is written (or has failed to be): a box opened
    // earlier could let another save run in between.
    if (!kept.isEmpty()) {
        if (OnNotice) {
            OnNotice(KeptAsideMessage(Name, kept));
        } else {
            std::fprintf(stderr, "%s\n", qPrintable(KeptAsideMessage(Name, kept)));
        }
    }
    return written;
}

// Copies the file as read to the first backup name that is free, unless one
// of the taken ones holds exactly these bytes already (an earlier save that
// failed after keeping it). `kept` names a new backup.
bool TProfileFile::KeepAside(QString& kept) {
    // The backup is as private as the file was.
    struct stat st {};
    const unsigned permissions = ::stat(QFile::encodeName(Target).constData(), &st) == 0 ? st.st_mode : 0600;
    bool alreadyKept = false;
    const QString backup = PutAside(Target, [&](const QString& name) {
        const TNewFile written = WriteNewFile(name, Original, permissions);
        if (written != TNewFile::Exists) {
            return written;
        }
        const QFileInfo taken(name);
        QFile same(name);
        alreadyKept = taken.isFile() && taken.size() == Original.size() && same.open(QIODevice::ReadOnly) &&
                      same.readAll() == Original;
        return alreadyKept ? TNewFile::Written : TNewFile::Exists;
    });
    if (!alreadyKept) {
        kept = backup;
    }
    return !backup.isEmpty();
}
