// Writing a file so that it is either complete or not changed at all, putting
// a file aside without losing an older copy, and reading a file from outside
// without following links or waiting on pipes.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <string>

#include <sys/types.h>

// The system calls by which a save writes, flushes, closes and renames, and
// a kept file is removed.
// Tests put their own in place to watch the order of the steps or to fail one
// as a full disk or a broken medium would; the program never changes them.
struct TSaveCalls {
    std::function<int(const char* path, int flags, mode_t mode)> Open;
    std::function<ssize_t(int fd, const void* data, size_t size)> Write;
    std::function<int(int fd)> Sync;
    std::function<int(int fd)> Close;
    std::function<int(const char* from, const char* to)> Rename;
    std::function<int(const char* path)> Unlink;
};
TSaveCalls& SaveCalls();

// Replaces the file at `path` in one step: the contents go to a temporary file
// "<name>.XXXXXX.tmp" beside it, every write and the flush to the disk are
// checked, and only then is it renamed over the file. On any failure the
// temporary file is removed, the old file is untouched, and it returns false.
// Without `permissions` a new file gets the usual ones and an existing file
// keeps its own; with them the file gets exactly these, whatever the umask.
bool ReplaceFile(const QString& path, const QByteArray& contents,
                 std::optional<unsigned> permissions = std::nullopt);

enum class TNewFile { Written, Exists, Failed };
// Writes a file that must not exist yet (it never replaces anything), with the
// given permission bits. A file that could not be written whole is removed.
TNewFile WriteNewFile(const QString& path, const QByteArray& contents, unsigned permissions);

// Sets something aside under the first free one of "<path>.bak", "<path>.bak1",
// "<path>.bak2", ...: `place` tries one name and tells whether it was free.
// An older backup is never replaced. Returns the name used, empty when none.
QString PutAside(const QString& path, const std::function<TNewFile(const QString& backup)>& place);
// Moves the file at `path` aside that way: a link, a pipe or a folder as
// itself, without opening it. The name it got, empty when it could not move.
QString MoveAside(const QString& path);

// Makes the folder and every missing folder above it for the player alone
// (0700, as XDG asks, whatever the umask); folders that exist stay as they
// are. True when the folder exists afterwards.
bool MakePrivateFolder(const QString& path);

// Removes the temporary files of ReplaceFile that a program killed halfway
// through a save left beside `path`; nothing else.
void RemoveStaleTemporaries(const QString& path);

enum class TFileRead { Read, Missing, Refused };
// Reads a regular file of at most `maxSize` bytes. A link, a pipe, a device
// or a folder is refused without being followed or read, as is a larger file;
// `problem` then says why, in English.
TFileRead ReadRegularFile(const QString& path, qint64 maxSize, QByteArray& contents, std::string& problem);

// Reads a file of the program's own that way and hands its text to `parse`,
// which says in English what is wrong with it, nothing when all is well. A
// file refused by either is moved aside (MoveAside); `keptAs` is the name it
// got, empty when it could not be moved.
TFileRead ReadOwnFile(const QString& path, qint64 maxSize,
                      const std::function<std::string(const QByteArray& text)>& parse, std::string& problem,
                      QString& keptAs);
