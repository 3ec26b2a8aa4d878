#include "storage/folderlock.h"

#include "storage/platform.h"

#include <QCoreApplication>
#include <QThread>

namespace iqx {

namespace {

const QString kLockName = QStringLiteral(".informacja.lock");

// A lock file holds a few short lines (process, program, computer and two
// identifiers); anything longer was not written as a lock.
constexpr qsizetype kLockLimit = 4096;

QString kindOf(platform::Status::Kind kind)
{
    switch (kind) {
    case platform::Status::Link:
        return QStringLiteral("dowiązanie symboliczne");
    case platform::Status::Directory:
        return QStringLiteral("folder");
    case platform::Status::Fifo:
        return QStringLiteral("kolejka FIFO");
    case platform::Status::Device:
        return QStringLiteral("plik urządzenia");
    case platform::Status::Socket:
        return QStringLiteral("gniazdo");
    default:
        return QStringLiteral("plik specjalny");
    }
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

// A process's start and a lock's time of writing come from different
// clocks (the boot's time is known to the second): a process counts as
// started after the lock only when it started this much later.
constexpr qint64 kStartSlackMs = 2000;

// True when the lock (its bytes and the time it was written) was left by a
// program that has ended, although the process it names runs: the system
// gave that process id again. That is so when it names this very process,
// which has not taken the lock (Windows, and Wine every time, may give a
// new program the id of one that ended with a power cut; Linux counts
// again after a reboot), or a process that started only after the lock was
// written.
bool namesReusedProcess(const QByteArray &bytes, qint64 writtenMs)
{
    const qint64 pid = bytes.left(bytes.indexOf('\n')).trimmed().toLongLong();
    if (pid == QCoreApplication::applicationPid())
        return true;
    const std::optional<qint64> started = platform::processStartTime(pid);
    return started && *started > writtenMs + kStartSlackMs;
}

// A lock of an ended program whose process id was given again (`bytes`,
// open as `handle`, found as `opened` at `name`) is removed, unless a live
// program holds it after all: the system's lock on the file, which the
// holder keeps while it runs, says so.
void removeIfReused(const platform::NativePath &name, platform::Handle handle, const platform::Status &opened,
                    const QByteArray &bytes)
{
    if (!namesReusedProcess(bytes, opened.modifiedMs) || platform::lockedByAnother(handle))
        return;
    const platform::Status now = platform::statusOf(name);
    if (now.kind == platform::Status::Regular && now.sameFileAs(opened))
        platform::removeFile(name);
}

// The lock file's first bytes, at most kLockLimit + 1 of them.
QByteArray readLock(platform::Handle handle)
{
    QByteArray bytes(kLockLimit + 1, Qt::Uninitialized);
    qsizetype got = 0;
    while (got < bytes.size()) {
        const qint64 n = platform::readSome(handle, bytes.data() + got, bytes.size() - got);
        if (n <= 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return bytes;
}

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
    const platform::NativePath name = platform::nativePath(path_);
    const QString shown = QDir::toNativeSeparators(path_);
    for (int attempt = 0;; ++attempt) {
        const platform::Status placed = platform::statusOf(name);
        if (placed.kind == platform::Status::Missing)
            return true;
        if (placed.kind == platform::Status::Unknown) {
            refusal_ = QStringLiteral("Nie można sprawdzić pliku blokady %1: %2. Program zostanie zamknięty, aby "
                                      "nie zastąpić danych zapisanych przez inne okno.")
                           .arg(shown, placed.error);
            return false;
        }
        if (placed.kind != platform::Status::Regular) {
            refusal_ = QStringLiteral("W miejscu pliku blokady %1 jest %2, a nie zwykły plik, więc nie można "
                                      "zablokować danych w tym folderze do wyłącznego użytku. Usuń go i uruchom "
                                      "program ponownie. Program zostanie zamknięty.")
                           .arg(shown, kindOf(placed.kind));
            return false;
        }
        platform::OpenFailure failure = platform::OpenFailure::None;
        QString reason;
        const platform::Handle handle = platform::openRegularForReading(name, &failure, &reason);
        if (handle == platform::kNoHandle) {
            if (failure != platform::OpenFailure::Other) // replaced meanwhile: look again
                continue;
            refusal_ = QStringLiteral("Nie można odczytać pliku blokady %1: %2. Jeśli żadne okno programu nie "
                                      "pracuje w tym folderze, usuń ten plik i uruchom program ponownie. Program "
                                      "zostanie zamknięty.")
                           .arg(shown, reason);
            return false;
        }
        const platform::Status opened = platform::statusOf(handle);
        if (!opened.sameFileAs(placed)) {
            platform::closeFile(handle);
            continue;
        }
        const QByteArray bytes = readLock(handle);
        if (bytes.size() <= kLockLimit && namesProcess(bytes)) {
            // Whether any process named still runs, and is this program,
            // is the lock's own judgement, but for a process id given again.
            removeIfReused(name, handle, opened, bytes);
            platform::closeFile(handle);
            return true;
        }
        // It names no process. The program that created it holds it locked
        // from its creation on and writes it at once, so a lock nobody holds
        // that still names no process a moment later was left by a program
        // that ended before writing it: it is removed and taken over.
        const bool held = platform::lockedByAnother(handle);
        if (!held && attempt > 0) {
            const platform::Status now = platform::statusOf(name);
            if (now.kind == platform::Status::Regular && now.sameFileAs(opened))
                platform::removeFile(name);
            platform::closeFile(handle);
            return true;
        }
        platform::closeFile(handle);
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
