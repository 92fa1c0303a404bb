#include "settings/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Six letters or digits, as mkstemp makes them, and a suffix that no backup
// or hand-made copy of the file is likely to carry.
constexpr int RandomLength = 6;
constexpr const char* TemporarySuffix = ".tmp";

TSaveCalls RealCalls() {
    return {[](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); }, ::write,
            ::fsync, ::close, ::rename};
}

QByteArray Native(const QString& path) {
    return QFile::encodeName(path);
}

QString TemporaryName(const QString& path) {
    static constexpr char Characters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    QString name = path + '.';
    for (int i = 0; i < RandomLength; ++i) {
        name +=
            QChar(Characters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof Characters) - 1)]);
    }
    return name + TemporarySuffix;
}

bool WriteAll(int fd, const QByteArray& contents) {
    const char* data = contents.constData();
    size_t left = static_cast<size_t>(contents.size());
    while (left > 0) {
        const ssize_t written = SaveCalls().Write(fd, data, left);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        data += written;
        left -= static_cast<size_t>(written);
    }
    return true;
}

// Writes, flushes to the disk and closes. A full disk may show only at the
// flush or the close, so each of them counts.
bool WriteFlushClose(int fd, const QByteArray& contents) {
    const bool written = WriteAll(fd, contents) && SaveCalls().Sync(fd) == 0;
    const bool closed = SaveCalls().Close(fd) == 0;
    return written && closed;
}

// Makes the rename itself lasting; a failure here loses nothing.
void SyncFolder(const QString& path) {
    const int fd =
        ::open(Native(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        SaveCalls().Sync(fd);
        SaveCalls().Close(fd);
    }
}

}  // namespace

TSaveCalls& SaveCalls() {
    static TSaveCalls calls = RealCalls();
    return calls;
}

bool ReplaceFile(const QString& path, const QByteArray& contents) {
    QString temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(path);
        // 0666 less the umask, as for any new file.
        fd = SaveCalls().Open(Native(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    if (::stat(Native(path).constData(), &old) == 0) {
        ::fchmod(fd, old.st_mode & 07777);
    }
    if (!WriteFlushClose(fd, contents) ||
        SaveCalls().Rename(Native(temporary).constData(), Native(path).constData()) != 0) {
        ::unlink(Native(temporary).constData());
        return false;
    }
    SyncFolder(path);
    return true;
}

TNewFile WriteNewFile(const QString& path, const QByteArray& contents, unsigned permissions) {
    const int fd = SaveCalls().Open(Native(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                    permissions & 07777);
    if (fd < 0) {
        return errno == EEXIST ? TNewFile::Exists : TNewFile::Failed;
    }
    if (!WriteFlushClose(fd, contents)) {
        ::unlink(Native(path).constData());
        return TNewFile::Failed;
    }
    SyncFolder(path);
    return TNewFile::Written;
}

void RemoveStaleTemporaries(const QString& path) {
    const QFileInfo info(path);
    QDir folder = info.absoluteDir();
    folder.setNameFilters({info.fileName() + ".*" + TemporarySuffix});
    folder.setFilter(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    const QRegularExpression ours(QString("^%1\\.[A-Za-z0-9]{%2}%3$")
                                      .arg(QRegularExpression::escape(info.fileName()),
                                           QString::number(RandomLength),
                                           QRegularExpression::escape(TemporarySuffix)));
    for (const QString& name : folder.entryList()) {
        if (!ours.match(name).hasMatch()) {
            continue;
        }
        // Only regular files, never what a link points to.
        const QByteArray file = Native(folder.filePath(name));
        struct stat st {};
        if (::lstat(file.constData(), &st) == 0 && S_ISREG(st.st_mode)) {
            ::unlink(file.constData());
        }
    }
}
