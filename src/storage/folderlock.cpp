#include "storage/folderlock.h"

#include <QFile>
#include <QThread>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace iqx {

namespace {

const QString kLockName = QStringLiteral(".informacja.lock");

// A lock file holds a few short lines (process, program, computer and two
// identifiers); anything longer was not written as a lock.
constexpr qsizetype kLockLimit = 4096;

QString systemReason(int err) { return QString::fromLocal8Bit(std::strerror(err)); }

QString kindOf(mode_t mode)
{
    if (S_ISLNK(mode))
        return QStringLiteral("dowiązanie symboliczne");
    if (S_ISDIR(mode))
        return QStringLiteral("folder");
    if (S_ISFIFO(mode))
        return QStringLiteral("kolejka FIFO");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("plik urządzenia");
    if (S_ISSOCK(mode))
        return QStringLiteral("gniazdo");
    return QStringLiteral("plik specjalny");
}

// True when `bytes` begin with a line naming a process, as every lock the
// program writes does. An empty file (a power cut between creating the lock
// and writing it), zeros, a cut-off first line or anything else names none.
bool namesProcess(const QByteArray &bytes)
{
    const qsizetype end = bytes.indexOf('\n');
    if (end <= 0)
        return false;
    QByteArray first = bytes.left(end);
    if (first.endsWith('\r'))
        first.chop(1);
    bool ok = false;
    return first.toLongLong(&ok) > 0 && ok;
}

bool sameFile(const struct stat &a, const struct stat &b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

} // namespace

FolderLock::FolderLock(const QDir &dir)
    : path_(dir.absoluteFilePath(kLockName)), lock_(std::make_unique<QLockFile>(path_))
{
    // A window stays open for hours: a lock is stale only when the program
    // that holds it has ended, never because of its age.
    lock_->setStaleLockTime(0);
}

bool FolderLock::tryLock()
{
    if (lock_->isLocked())
        return true;
    refusal_.clear();
    return inspectPlace() && lock_->tryLock(0);
}

bool FolderLock::inspectPlace()
{
    // The lock file is opened by name only once this has made sure that a
    // regular file, or nothing, stands there: a link is never followed, and
    // a FIFO or a device is never opened, so nothing here can wait or read
    // without end.
    const QByteArray name = QFile::encodeName(path_);
    const QString shown = QDir::toNativeSeparators(path_);
    for (int attempt = 0;; ++attempt) {
        struct stat placed {};
        if (::lstat(name.constData(), &placed) != 0) {
            if (errno == ENOENT)
                return true;
            refusal_ = QStringLiteral("Nie można sprawdzić pliku blokady %1: %2. Program zostanie zamknięty, aby "
                                      "nie zastąpić danych zapisanych przez inne okno.")
                           .arg(shown, systemReason(errno));
            return false;
        }
        if (!S_ISREG(placed.st_mode)) {
            refusal_ = QStringLiteral("W miejscu pliku blokady %1 jest %2, a nie zwykły plik, więc nie można "
                                      "zablokować danych w tym folderze do wyłącznego użytku. Usuń go i uruchom "
                                      "program ponownie. Program zostanie zamknięty.")
                           .arg(shown, kindOf(placed.st_mode));
            return false;
        }
        const int fd = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) {
            if (errno == ENOENT || errno == ELOOP) // replaced meanwhile: look again
                continue;
            refusal_ = QStringLiteral("Nie można odczytać pliku blokady %1: %2. Jeśli żadne okno programu nie "
                                      "pracuje w tym folderze, usuń ten plik i uruchom program ponownie. Program "
                                      "zostanie zamknięty.")
                           .arg(shown, systemReason(errno));
            return false;
        }
        struct stat opened {};
        if (::fstat(fd, &opened) != 0 || !sameFile(opened, placed)) {
            ::close(fd);
            continue;
        }
        QByteArray bytes(kLockLimit + 1, Qt::Uninitialized);
        qsizetype got = 0;
        for (ssize_t n = 0; got < bytes.size(); got += n) {
            n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
            if (n < 0 && errno == EINTR)
                n = 0;
            else if (n <= 0)
                break;
        }
        bytes.truncate(got);
        if (bytes.size() <= kLockLimit && namesProcess(bytes)) {
            // Whether that process still runs is the lock's own judgement.
            ::close(fd);
            return true;
        }
        // It names no process. The program that created it holds it (flock)
        // from its creation on and writes it at once, so a lock nobody holds
        // that still names no process a moment later was left by a program
        // that ended before writing it: it is removed and taken over.
        const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        if (!held && attempt > 0) {
            struct stat now {};
            if (::lstat(name.constData(), &now) == 0 && sameFile(now, opened))
                ::unlink(name.constData());
            ::close(fd);
            return true;
        }
        ::close(fd);
        if (attempt >= 20) {
            refusal_ = QStringLiteral("Dane w tym folderze są już otwarte w innym oknie programu. Pracuj w tamtym "
                                      "oknie albo je zamknij i uruchom program ponownie. To okno zostanie "
                                      "zamknięte, aby nie zastąpić danych zapisanych w tamtym.");
            return false;
        }
        QThread::msleep(50);
    }
}

QString FolderLock::refusal() const
{
    if (!refusal_.isEmpty())
        return refusal_;
    qint64 pid = 0;
    QString host, application;
    if (lock_->error() == QLockFile::LockFailedError && lock_->getLockInfo(&pid, &host, &application))
        return QStringLiteral("Dane w tym folderze są już otwarte w innym oknie programu (proces %1 na komputerze "
                              "%2). Pracuj w tamtym oknie albo je zamknij i uruchom program ponownie. To okno "
                              "zostanie zamknięte, aby nie zastąpić danych zapisanych w tamtym.")
            .arg(pid)
            .arg(host);
    return QStringLiteral("Nie można zablokować danych w tym folderze do wyłącznego użytku (nie da się utworzyć "
                          "pliku .informacja.lock). Program zostanie zamknięty, aby nie zastąpić danych zapisanych "
                          "przez inne okno.");
}

} // namespace iqx
