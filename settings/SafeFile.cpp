#include "settings/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Six letters or digits, as mkstemp makes them, and a suffix that no backup
// or hand-made copy of the file is likely to carry.
constexpr int RandomLength = 6;
constexpr const char* TemporarySuffix = ".tmp";

TSaveCalls RealCalls() {
    return {[](const char* path, int flags, mode_t mode) { return ::open(path, flags, mode); },
            ::write,
            ::fsync,
            ::close,
            ::rename,
            ::unlink};
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

bool ReplaceFile(const QString& path, const QByteArray& contents, std::optional<unsigned> permissions) {
    QString temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(path);
        // 0666 less the umask, as for any new file; a private one is never
        // readable by others, not even while it is written.
        fd = SaveCalls().Open(Native(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                              permissions ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    if (permissions) {
        old.st_mode = *permissions;
    } else if (::stat(Native(path).constData(), &old) != 0) {
        old.st_mode = 0;
    }
    // A failure leaves at most the mode the file was created with.
    if (old.st_mode != 0) {
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

bool MakePrivateFolder(const QString& path) {
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    if (QFileInfo(absolute).isDir()) {
        return true;
    }
    const QString parent = QFileInfo(absolute).absolutePath();
    if (parent != absolute && !MakePrivateFolder(parent)) {
        return false;
    }
    return ::mkdir(QFile::encodeName(absolute).constData(), 0700) == 0 || QFileInfo(absolute).isDir();
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

QString PutAside(const QString& path, const std::function<TNewFile(const QString& backup)>& place) {
    for (int i = 0; i < 1000; ++i) {
        const QString backup = path + ".bak" + (i == 0 ? QString() : QString::number(i));
        switch (place(backup)) {
            case TNewFile::Written:
                return backup;
            case TNewFile::Failed:
                return {};
            case TNewFile::Exists:
                break;
        }
    }
    return {};
}

QString MoveAside(const QString& path) {
    const QByteArray from = Native(path);
    return PutAside(path, [&](const QString& backup) {
        const QByteArray to = Native(backup);
        if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_NOREPLACE) == 0) {
            return TNewFile::Written;
        }
        if (errno == EEXIST) {
            return TNewFile::Exists;
        }
        if (errno != EINVAL && errno != ENOSYS) {
            return TNewFile::Failed;
        }
        // A file system that cannot rename without replacing: a second name,
        // which never replaces either, then the first one goes.
        if (::link(from.constData(), to.constData()) != 0) {
            return errno == EEXIST ? TNewFile::Exists : TNewFile::Failed;
        }
        ::unlink(from.constData());
        return TNewFile::Written;
    });
}

TFileRead ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& contents, std::string& problem) {
    contents.clear();
    const QByteArray name = Native(path);
    // A look before opening: a device or a pipe is never opened at all.
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) {
        if (errno == ENOENT) {
            return TFileRead::Missing;
        }
        problem = "cannot be looked at";
        return TFileRead::Refused;
    }
    if (!S_ISREG(st.st_mode)) {
        problem = S_ISLNK(st.st_mode) ? "a link" : "not a regular file";
        return TFileRead::Refused;
    }
    // What lies there may have changed since the look: no link is followed
    // and no pipe waited for, and the open file is looked at once more.
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const bool gone = errno == ENOENT;
        problem = gone ? "gone" : "cannot be opened";
        return gone ? TFileRead::Missing : TFileRead::Refused;
    }
    bool whole = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    problem = whole ? "" : "not a regular file";
    if (whole && st.st_size > maxSize) {
        whole = false;
        problem = "too large";
    }
    while (whole) {
        char buffer[16384];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            whole = got == 0;
            problem = whole ? "" : "cannot be read";
            break;
        }
        contents.append(buffer, got);
        if (contents.size() > maxSize) {
            whole = false;
            problem = "too large";
        }
    }
    ::close(fd);
    if (!whole) {
        contents.clear();
        return TFileRead::Refused;
    }
    return TFileRead::Read;
}

TFileRead ReadOwnFile(const QString& path, qint64 maxSize,
                      const std::function<std::string(const QByteArray& text)>& parse, std::string& problem,
                      QString& keptAs) {
    QByteArray text;
    TFileRead read = ReadRegularFile(path, maxSize, text, problem);
    if (read == TFileRead::Read) {
        problem = parse(text);
        read = problem.empty() ? TFileRead::Read : TFileRead::Refused;
    }
    if (read == TFileRead::Refused) {
        keptAs = MoveAside(path);
    }
    return read;
}
