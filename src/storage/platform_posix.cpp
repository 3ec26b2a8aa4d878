// The file calls of Linux and the other POSIX systems.
#include "storage/platform.h"

#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace iqx::platform {

namespace {

QString reasonOf(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

void setReason(QString *reason, int err)
{
    if (reason)
        *reason = reasonOf(err);
}

Status fromStat(const struct stat &st)
{
    Status s;
    const mode_t m = st.st_mode;
    s.kind = S_ISREG(m)                 ? Status::Regular
             : S_ISDIR(m)               ? Status::Directory
             : S_ISLNK(m)               ? Status::Link
             : S_ISFIFO(m)              ? Status::Fifo
             : S_ISCHR(m) || S_ISBLK(m) ? Status::Device
             : S_ISSOCK(m)              ? Status::Socket
                                        : Status::Other;
    s.permissions = unsigned(m & 0777);
    s.writableByNobody = (m & 0222) == 0;
    s.device = quint64(st.st_dev);
    s.inode = quint64(st.st_ino);
#if defined(__linux__)
    s.modifiedMs = qint64(st.st_mtim.tv_sec) * 1000 + st.st_mtim.tv_nsec / 1000000;
#else
    s.modifiedMs = qint64(st.st_mtime) * 1000;
#endif
    return s;
}

// The whole of a small file of /proc; empty when it cannot be read. What
// is read of one is bounded, whatever the system says.
constexpr qsizetype kMaxProcFile = qsizetype(1024) * 1024;
QByteArray readProcFile(const char *path)
{
    QByteArray bytes;
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (fd < 0)
        return bytes;
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || bytes.size() > kMaxProcFile)
            break;
        bytes.append(buffer, n);
    }
    ::close(fd);
    return bytes;
}

Status failedStatus(int err)
{
    Status s;
    if (err != ENOENT && err != ENOTDIR) {
        s.kind = Status::Unknown;
        s.error = reasonOf(err);
    }
    return s;
}

} // namespace

NativePath nativePath(const QString &path) { return QFile::encodeName(path); }

std::optional<QString> decodedPath(const NativePath &path)
{
    QString decoded = QFile::decodeName(path);
    if (QFile::encodeName(decoded) != path)
        return std::nullopt;
    return decoded;
}

NativePath joinPath(const NativePath &folder, const NativePath &name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

Status statusOf(const NativePath &path)
{
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0 ? fromStat(st) : failedStatus(errno);
}

Status statusThroughLinks(const NativePath &path)
{
    struct stat st {};
    return ::stat(path.constData(), &st) == 0 ? fromStat(st) : failedStatus(errno);
}

Handle openRegularForReading(const NativePath &path, OpenFailure *failure, QString *reason)
{
    // O_NONBLOCK keeps open() from waiting on a FIFO; O_NOFOLLOW refuses a link.
    const int fd = ::open(path.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        *failure = err == ELOOP ? OpenFailure::Link : err == ENOENT ? OpenFailure::Missing : OpenFailure::Other;
        setReason(reason, err);
        return kNoHandle;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = errno;
        ::close(fd);
        *failure = S_ISDIR(st.st_mode) ? OpenFailure::Directory
                   : st.st_mode != 0   ? OpenFailure::NotRegular
                                       : OpenFailure::Other;
        setReason(reason, S_ISDIR(st.st_mode) ? EISDIR : err);
        return kNoHandle;
    }
    // Reads of a regular file never wait; the flag only kept open() from
    // waiting.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    *failure = OpenFailure::None;
    return fd;
}

Status statusOf(Handle handle)
{
    struct stat st {};
    return ::fstat(int(handle), &st) == 0 ? fromStat(st) : failedStatus(errno);
}

bool adoptForReading(QFile &file, Handle handle, QString *reason)
{
    if (file.open(int(handle), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return true;
    ::close(int(handle));
    if (reason)
        *reason = file.errorString();
    return false;
}

qint64 readSome(Handle handle, char *buffer, qint64 size)
{
    for (;;) {
        const ssize_t n = ::read(int(handle), buffer, size_t(size));
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

bool lockedByAnother(Handle handle)
{
    // The lock is given back when the handle is closed.
    return ::flock(int(handle), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
}

Handle createUniqueFile(NativePath &pathTemplate, unsigned permissions, QString *reason)
{
    const int fd = ::mkostemp(pathTemplate.data(), O_CLOEXEC);
    if (fd < 0) {
        setReason(reason, errno);
        return kNoHandle;
    }
    ::fchmod(fd, mode_t(permissions));
    return fd;
}

bool writeAll(Handle handle, QByteArrayView bytes, QString *reason)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(int(handle), bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) { // a short write is followed by one that says why
            setReason(reason, n < 0 ? errno : ENOSPC);
            return false;
        }
        done += n;
    }
    return true;
}

bool flushToDisk(Handle handle, QString *reason)
{
    if (::fsync(int(handle)) == 0)
        return true;
    setReason(reason, errno);
    return false;
}

bool closeFile(Handle handle, QString *reason)
{
    if (::close(int(handle)) == 0)
        return true;
    setReason(reason, errno);
    return false;
}

bool replaceFile(const NativePath &from, const NativePath &to, QString *reason)
{
    // rename() replaces the name itself: a link that appeared at `to` would
    // be replaced, never written through.
    if (::rename(from.constData(), to.constData()) == 0)
        return true;
    setReason(reason, errno);
    return false;
}

void flushFolder(const NativePath &folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

bool removeFile(const NativePath &path, QString *reason)
{
    if (::unlink(path.constData()) == 0)
        return true;
    setReason(reason, errno);
    return false;
}

unsigned newFilePermissions()
{
    // The creation mask, read without changing it: setting it to read it
    // back would, for a moment, change it for every other thread (the
    // recovery copy is written on a thread of its own).
    mode_t mask = 022;
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("Umask:"))
                mask = mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
    }
    return unsigned(0666 & ~mask);
}

std::optional<qint64> processStartTime(qint64 pid)
{
#if defined(__linux__)
    if (pid <= 0)
        return std::nullopt;
    // /proc/<pid>/stat: "pid (name) state ..."; the name may hold blanks and
    // parentheses, so the fields are counted after the last ')'. The start
    // time, in clock ticks after the boot, is the 22nd field.
    const QByteArray stat = readProcFile(QByteArray("/proc/" + QByteArray::number(pid) + "/stat").constData());
    const qsizetype nameEnd = stat.lastIndexOf(')');
    if (nameEnd < 0)
        return std::nullopt;
    const QList<QByteArray> fields = stat.mid(nameEnd + 1).trimmed().split(' ');
    constexpr int kStartTimeAfterName = 22 - 3; // fields 1 and 2 are the pid and the name
    bool ok = false;
    const qint64 ticks = fields.value(kStartTimeAfterName).toLongLong(&ok);
    const long perSecond = ::sysconf(_SC_CLK_TCK);
    if (!ok || perSecond <= 0)
        return std::nullopt;
    // The boot's time: "btime <seconds since 1970>" in /proc/stat.
    const QByteArray all = readProcFile("/proc/stat");
    const qsizetype at = all.startsWith("btime ") ? 0 : all.indexOf("\nbtime ");
    if (at < 0)
        return std::nullopt;
    const qsizetype from = all.indexOf(' ', at + 1) + 1;
    const qint64 boot = all.mid(from, all.indexOf('\n', from) - from).toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return boot * 1000 + ticks * 1000 / perSecond;
#else
    Q_UNUSED(pid);
    return std::nullopt;
#endif
}

std::optional<QList<NativePath>> folderNames(const NativePath &folder, QString *reason)
{
    DIR *dir = ::opendir(folder.constData());
    if (!dir) {
        setReason(reason, errno);
        return std::nullopt;
    }
    QList<NativePath> names;
    for (;;) {
        errno = 0;
        const dirent *entry = ::readdir(dir);
        if (!entry)
            break;
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << name;
    }
    const int err = errno;
    ::closedir(dir);
    if (err != 0) {
        setReason(reason, err);
        return std::nullopt;
    }
    return names;
}

QStringList commandLineArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

void prepareStandardStreams()
{
    // A terminal or a pipe is there already, and bytes go through as they are.
}

void reportOversizedWritesAsErrors() { std::signal(SIGXFSZ, SIG_IGN); }

} // namespace iqx::platform
