#include "storage/safefile.h"

#include "base/messages.h"

#include <QFile>
#include <QRegularExpression>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace iqx {

namespace {

QString systemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

// The process's file-creation mask, read without changing it: setting it
// to read it back would, for a moment, change it for every other thread
// (the recovery copy is written on a thread of its own).
mode_t processUmask()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n'))
            if (line.startsWith("Umask:"))
                return mode_t(line.mid(6).trimmed().toUInt(nullptr, 8));
    }
    return 022;
}

const QString kTemporarySuffix = QStringLiteral(".zapis-XXXXXX");

} // namespace

bool openRegularFile(QFile &file, const QString &path, QString *reason)
{
    return openRegularFile(file, QFile::encodeName(path), reason);
}

bool openRegularFile(QFile &file, const QByteArray &name, QString *reason)
{
    const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        *reason = err == ELOOP ? QStringLiteral("It is a symbolic link, which the program does not follow.")
                               : systemReason(err);
        return false;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const int err = errno;
        ::close(fd);
        *reason = S_ISDIR(st.st_mode) ? systemReason(EISDIR)
                  : st.st_mode != 0   ? QStringLiteral("It is not a regular file.")
                                      : systemReason(err);
        return false;
    }
    // Reads of a regular file never wait; the flag only kept open() from
    // waiting on a FIFO.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        *reason = file.errorString();
        return false;
    }
    return true;
}

std::optional<QByteArray> readBounded(QFile &file, qsizetype limit, bool firstLineOnly, bool *tooLong,
                                      QString *reason)
{
    *tooLong = false;
    QByteArray line;
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0) {
            *reason = file.errorString();
            return std::nullopt;
        }
        const char *end = firstLineOnly ? std::find_if(buffer, buffer + n,
                                                       [](char c) { return c == '\r' || c == '\n'; })
                                        : buffer + n;
        line.append(buffer, end - buffer);
        if (line.size() > limit) {
            *tooLong = true;
            return std::nullopt;
        }
        if (n == 0 || end != buffer + n)
            return line;
    }
}

namespace {

// No write permission for anyone in the permission bits. Root, whom the
// bits do not stop, keeps such a file too.
bool readOnlyMode(const struct stat &st) { return (st.st_mode & 0222) == 0; }

} // namespace

bool isReadOnlyFile(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    return ::stat(name.constData(), &st) == 0 && readOnlyMode(st);
}

QString readOnlyReason()
{
    return QStringLiteral("The file is read-only (its permissions allow no writing); the program does not "
                          "replace it, and nothing was written.");
}

AtomicFileWriter::AtomicFileWriter(const QDir &dir, const QString &fileName)
    : dir_(dir), fileName_(fileName), path_(QFile::encodeName(dir.filePath(fileName)))
{
    // What stands in the file's place now: only a regular file is replaced.
    struct stat st {};
    mode_t mode = 0666;
    if (::lstat(path_.constData(), &st) == 0) {
        if (S_ISLNK(st.st_mode)) {
            fail(QStringLiteral("Cannot create file"),
                 QStringLiteral("It is a symbolic link; the program writes no file through a link, and "
                                "nothing was written."));
            return;
        }
        if (!S_ISREG(st.st_mode)) {
            fail(QStringLiteral("Cannot create file"),
                 S_ISDIR(st.st_mode) ? systemReason(EISDIR) : QStringLiteral("It is not a regular file."));
            return;
        }
        if (readOnlyMode(st)) {
            fail(QStringLiteral("Cannot create file"), readOnlyReason());
            return;
        }
        mode = st.st_mode & 07777;
    } else {
        mode &= ~processUmask();
    }

    temporary_ = path_ + QFile::encodeName(kTemporarySuffix);
    fd_ = ::mkostemp(temporary_.data(), O_CLOEXEC);
    if (fd_ < 0) {
        fail(QStringLiteral("Cannot create file"), systemReason(errno));
        return;
    }
    ::fchmod(fd_, mode);
}

AtomicFileWriter::~AtomicFileWriter() { discard(); }

void AtomicFileWriter::fail(const QString &action, const QString &reason)
{
    if (error_.isEmpty())
        error_ = fileErrorText(action, fileName_, reason);
    discard();
}

void AtomicFileWriter::discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(temporary_.constData());
    }
}

bool AtomicFileWriter::append(QByteArrayView bytes)
{
    qsizetype done = 0;
    while (fd_ >= 0 && done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) // a short write is followed by one that says why
            fail(QStringLiteral("Cannot write file"), systemReason(n < 0 ? errno : ENOSPC));
        else
            done += n;
    }
    return fd_ >= 0;
}

QString AtomicFileWriter::commit()
{
    if (fd_ < 0)
        return error_;
    if (::fsync(fd_) != 0) {
        fail(QStringLiteral("Cannot write file"), systemReason(errno));
        return error_;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temporary_.constData());
        error_ = fileErrorText(QStringLiteral("Cannot write file"), fileName_, systemReason(err));
        return error_;
    }
    // rename() replaces the name itself: had a link appeared meanwhile, it
    // would be replaced, never written through.
    if (::rename(temporary_.constData(), path_.constData()) != 0) {
        const int err = errno;
        ::unlink(temporary_.constData());
        error_ = fileErrorText(QStringLiteral("Cannot write file"), fileName_, systemReason(err));
        return error_;
    }
    // The new name is on the disk too.
    const int dirFd = ::open(QFile::encodeName(dir_.absolutePath()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return {};
}

QString writeFileAtomically(const QDir &dir, const QString &fileName, const QByteArray &bytes)
{
    AtomicFileWriter file(dir, fileName);
    file.append(bytes);
    return file.commit();
}

QStringList removeStaleTemporaryFiles(const QDir &dir)
{
    // Ours: the temporary suffix this program writes, after a data file or
    // the recovery copy. A name that only looks like one (a clerk's
    // "InfoQX0201032.iqx.kopia1") is the clerk's, and stays.
    static const QRegularExpression ours(
        QStringLiteral("^InfoQX([0-9]*\\.iqx|\\.odzysk)\\.zapis-[A-Za-z0-9]{6}$"));
    QStringList removed;
    const QStringList candidates =
        dir.entryList({QStringLiteral("InfoQX*.*")}, QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QString &name : candidates) {
        if (!ours.match(name).hasMatch())
            continue;
        // Only a regular file: a link, a folder or a device of that name
        // is not one we left.
        const QByteArray path = QFile::encodeName(dir.filePath(name));
        struct stat st {};
        if (::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.constData()) == 0)
            removed << name;
    }
    return removed;
}

} // namespace iqx
