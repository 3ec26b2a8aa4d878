#include "storage/folderlock.h"

namespace iqx {

FolderLock::FolderLock(const QDir &dir)
    : lock_(std::make_unique<QLockFile>(dir.filePath(QStringLiteral(".informacja.lock"))))
{
    // A window stays open for hours: a lock is stale only when the program
    // that holds it has ended, never because of its age.
    lock_->setStaleLockTime(0);
}

bool FolderLock::tryLock() { return lock_->isLocked() || lock_->tryLock(0); }

QString FolderLock::refusal() const
{
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
