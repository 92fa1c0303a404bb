// Writing a file so that it is either complete or not changed at all.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include <sys/types.h>

// The system calls by which a save writes, flushes, closes and renames.
// Tests put their own in place to watch the order of the steps or to fail one
// as a full disk or a broken medium would; the program never changes them.
struct TSaveCalls {
    std::function<int(const char* path, int flags, mode_t mode)> Open;
    std::function<ssize_t(int fd, const void* data, size_t size)> Write;
    std::function<int(int fd)> Sync;
    std::function<int(int fd)> Close;
    std::function<int(const char* from, const char* to)> Rename;
};
TSaveCalls& SaveCalls();

// Replaces the file at `path` in one step: the contents go to a temporary file
// "<name>.XXXXXX.tmp" beside it, every write and the flush to the disk are
// checked, and only then is it renamed over the file. On any failure the
// temporary file is removed, the old file is untouched, and it returns false.
// A new file gets the usual permissions, an existing one keeps its own.
bool ReplaceFile(const QString& path, const QByteArray& contents);

enum class TNewFile { Written, Exists, Failed };
// Writes a file that must not exist yet (it never replaces anything), with the
// given permission bits. A file that could not be written whole is removed.
TNewFile WriteNewFile(const QString& path, const QByteArray& contents, unsigned permissions);

// Removes the temporary files of ReplaceFile that a program killed halfway
// through a save left beside `path`; nothing else.
void RemoveStaleTemporaries(const QString& path);
