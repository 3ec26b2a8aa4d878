#pragma once
#include <QDir>
#include <QLockFile>
#include <QString>
#include <memory>

namespace iqx {

// One window at a time works on the documents of a folder: the first to
// start holds a lock file there (".informacja.lock", never taken for a
// document), and a second is refused, so that it can never replace what the
// first one saves. A lock left by a program that has ended (a crash, a power
// cut) is recognised as stale and taken over, also when it was left empty or
// cut short, and also when the process id it names has been given to
// another process since (this one, or one that started after the lock was
// written). Anything but a regular file in the lock's place (a link, a FIFO,
// a device, a folder) is never read: the folder is refused with a message
// that names it.
class FolderLock {
public:
    explicit FolderLock(const QDir &dir);
    // True when this program now holds the folder.
    bool tryLock();
    bool isLocked() const { return lock_->isLocked(); }
    // The text telling the clerk why the folder cannot be used now.
    QString refusal() const;

private:
    // Looks at what stands in the lock's place before the lock file is
    // opened by name; false (with refusal_ set) when it must not be used.
    bool inspectPlace();

    QString path_;
    std::unique_ptr<QLockFile> lock_;
    QString refusal_;
};

} // namespace iqx
