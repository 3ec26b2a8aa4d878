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
// cut) is recognised as stale and taken over.
class FolderLock {
public:
    explicit FolderLock(const QDir &dir);
    // True when this program now holds the folder.
    bool tryLock();
    // The text telling the clerk why the folder cannot be used now.
    QString refusal() const;

private:
    std::unique_ptr<QLockFile> lock_;
};

} // namespace iqx
