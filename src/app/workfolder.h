#pragma once
#include "document/registry.h"

#include <QDir>
#include <QString>
#include <optional>

namespace iqx {

// The folder the program works in, as one value handed to the window, its
// session and the modes without a window: its data files, its register
// GMINY.txt, its lock and its recovery copy are there. Nothing in it is
// cached: the register is read anew on every lookup.
class WorkFolder {
public:
    // `named`: the program was told to work there (the per-user folder), so
    // its messages name the folder; otherwise it is the folder the program
    // was started in, which it speaks of as its own.
    explicit WorkFolder(const QString &path, bool named = false);
    // The folder the program was started in.
    static WorkFolder current();

    const QDir &dir() const { return dir_; }
    QString path() const { return dir_.absolutePath(); }

    bool hasRegister() const;
    // The message of a start without the register, naming where it belongs.
    QString missingRegisterMessage() const;
    // Looks a key up in this folder's register; every call reads the file.
    RegisterLookupFn registerLookup() const;

private:
    QDir dir_;
    bool named_ = false;
};

// The folder the program works in when started from the desktop menu:
// "Informacja QX" in the user's documents folder (for example
// ~/Dokumenty/Informacja QX on a Polish desktop).
QString userWorkFolder();

// The register shipped with the installed program: share/informacja/GMINY.txt
// beside the folder `programDir` of the executable, else the first one in the
// system's data folders. Empty when there is none.
QString installedRegister(const QString &programDir);

struct WorkFolderResult {
    bool ok = false;
    bool created = false; // the folder did not exist before
    QString error;        // when !ok: what went wrong, for the user
    // When the folder's register, untouched since an earlier version of the
    // program shipped it, was replaced by `registerSource`: what to tell the
    // user (once: the next start finds the new register). Also when that
    // failed, which leaves the old register in use.
    QString registerNotice;
};

// Makes sure `folder` exists and holds a register: creates it when missing and
// copies `registerSource` into it as GMINY.txt when it has none. A register
// already there is replaced only when it is byte for byte one an earlier
// version shipped (registerupgrade.h); the office's own, edited or imported,
// is never replaced, and nothing is written through a link standing in its
// place. An empty `registerSource` copies nothing. The current directory is
// not changed.
WorkFolderResult prepareWorkFolder(const QString &folder, const QString &registerSource);

// The launcher's start-up step: prepares the user's folder with the installed
// register, tells the user where it is when it was just created, and makes it
// the current directory. Problems go to the message sink; nullopt when the
// program cannot go on.
std::optional<WorkFolder> enterUserWorkFolder(const QString &programDir);

} // namespace iqx
