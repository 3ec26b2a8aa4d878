#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QStringList>
#include <QString>
#include <optional>

class QFile;

// The system's file calls, behind one small interface, so that the rest of
// storage says what it wants (open without following a link or waiting,
// write a temporary file, flush it, put it in place) and one source per
// system says how: platform_posix.cpp on Linux and the other POSIX systems,
// platform_windows.cpp on Windows (the build takes the one of its system).
// Every function gives its failure as the system's reason in words.
namespace iqx::platform {

// A path as the system spells it: on POSIX systems its bytes, which need
// not be valid in the locale's encoding (a name copied from another
// system), so that such a file can still be opened; on Windows, whose names
// are UTF-16, the name in UTF-8, turned into UTF-16 at each call.
using NativePath = QByteArray;
NativePath nativePath(const QString &path);
// The path as text; nullopt when its bytes are no name in the system's
// encoding (the caller shows such a name byte by byte).
std::optional<QString> decodedPath(const NativePath &path);
// `folder` and `name` joined by the system's separator.
NativePath joinPath(const NativePath &folder, const NativePath &name);

// What stands at a path.
struct Status {
    enum Kind { Missing, Regular, Directory, Link, Fifo, Device, Socket, Other, Unknown } kind = Missing;
    unsigned permissions = 0;      // the permission bits (rwxrwxrwx)
    bool writableByNobody = false; // no write bit at all: made read-only
    quint64 device = 0, inode = 0; // which file it is, to see whether a name was replaced
    qint64 modifiedMs = 0;         // last written, in milliseconds since 1970 (UTC)
    QString error;                 // Unknown: why the system could not tell

    bool sameFileAs(const Status &other) const { return device == other.device && inode == other.inode; }
};
// The status of `path` itself: a link is a Link, never followed.
Status statusOf(const NativePath &path);
// The status of what `path` leads to, through links.
Status statusThroughLinks(const NativePath &path);

// An open file.
using Handle = qintptr;
inline constexpr Handle kNoHandle = -1;

enum class OpenFailure { None, Missing, Link, Directory, NotRegular, Other };
// Opens `path` for reading only when it is a regular file: a link is not
// followed, and opening never waits (a FIFO or a device is refused at once).
Handle openRegularForReading(const NativePath &path, OpenFailure *failure, QString *reason);
Status statusOf(Handle handle);
// Hands `handle` to `file`, which reads it from now on and closes it.
bool adoptForReading(QFile &file, Handle handle, QString *reason);
// Reads at most `size` bytes; -1 on an error.
qint64 readSome(Handle handle, char *buffer, qint64 size);
// True when another process holds the exclusive lock of the open file.
bool lockedByAnother(Handle handle);

// Creates a new file whose name is `pathTemplate` with its last six
// characters ("XXXXXX") replaced so that no file of that name exists; it is
// opened for writing, with `permissions`, and `pathTemplate` is set to its
// name.
Handle createUniqueFile(NativePath &pathTemplate, unsigned permissions, QString *reason);
// Writes all of `bytes`; a short write is followed by one that says why.
bool writeAll(Handle handle, QByteArrayView bytes, QString *reason);
// Waits until what was written is on the disk.
bool flushToDisk(Handle handle, QString *reason);
bool closeFile(Handle handle, QString *reason = nullptr);
// Gives the file `from` the name `to` in one step, replacing whatever file
// was there (its name, never what a link there led to).
bool replaceFile(const NativePath &from, const NativePath &to, QString *reason);
// Makes the names of `folder` that changed last durable.
void flushFolder(const NativePath &folder);
// Removes the name `path` (a link itself, never what it leads to).
bool removeFile(const NativePath &path, QString *reason = nullptr);
// The permissions a new file gets: read and write for all, less the
// process's creation mask.
unsigned newFilePermissions();

// When the running process `pid` started, in milliseconds since 1970
// (UTC): on Linux from /proc (its start in clock ticks after the boot, and
// the boot's time), on Windows from GetProcessTimes. Nullopt when no such
// process runs or the system cannot tell.
std::optional<qint64> processStartTime(qint64 pid);

// The names in `folder`, in the system's order; nullopt when it cannot be
// read.
std::optional<QList<NativePath>> folderNames(const NativePath &folder, QString *reason);

// The program's arguments as text: on POSIX systems `argv` decoded from
// the locale's encoding, on Windows the wide command line, so that a
// Polish letter outside the system's ANSI code page survives.
QStringList commandLineArguments(int argc, char *argv[]);
// Standard output and standard error for a run without windows: on
// Windows, the console of the command prompt that started the program
// when neither is redirected (the program is a windows program, which has
// none of its own), bytes written as they are (no CR added before LF, so
// the output is the same as on Linux) and the console set to UTF-8.
void prepareStandardStreams();

// A write beyond a file-size limit fails with an error that the program
// reports, instead of ending the program unannounced (POSIX systems; there
// is no such signal on Windows).
void reportOversizedWritesAsErrors();

} // namespace iqx::platform
