#pragma once
#include "document/registerchanges.h"

#include <QByteArray>
#include <QDate>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// A folder's municipality register GMINY.txt replaced by a new one: made
// from GUS's TERC file (informacja --import-register), or the register an
// installed program ships (registerupgrade.h). The old register is kept
// beside it under a name the program never reads.
namespace iqx {

// The register's bytes in the layout the program ships: Windows-1250, one
// line per municipality, CRLF after every line. Nullopt when a field holds
// a character Windows-1250 does not have.
std::optional<QByteArray> registerFileBytes(const QList<RegisterLine> &lines);
// The lines of register bytes (CRLF or LF, blank lines skipped), each as
// the lookup reads it. Nullopt when they are not Windows-1250 text.
std::optional<QList<RegisterLine>> registerFileLines(const QByteArray &bytes);

// The name a replaced register is kept under in `folder`:
// "GMINY-poprzedni-<date>.txt", or "GMINY-poprzedni-<date>-2.txt", "-3" ...
// when that name is taken, so that no earlier copy is overwritten.
QString previousRegisterName(const QDir &folder, const QDate &date);

struct RegisterReplacement {
    QString keptAs; // the name the old register is kept under; empty when there was none
    QString error;  // when not empty: nothing was changed, and why
};

// Replaces `folder`'s GMINY.txt by `bytes` the way data files are saved
// (a temporary file beside it, flushed, renamed over it). `previous`, the
// old register's bytes as read, is first written beside it under
// previousRegisterName(). A link, a folder or a read-only file in the
// register's place is refused. On any failure the folder is as it was.
RegisterReplacement replaceRegister(const QDir &folder, const std::optional<QByteArray> &previous,
                                    const QByteArray &bytes, const QDate &date);

struct RegisterImport {
    enum Outcome {
        Replaced,   // GMINY.txt now holds the register of the file
        Unchanged,  // GMINY.txt already held exactly that register
        BadInput,   // the file cannot be read or is no whole TERC
        NotWritten, // GMINY.txt cannot be written (or read, to keep a copy)
    } outcome = BadInput;
    QStringList summary; // Replaced, Unchanged: what was done, for the clerk, in Polish
    QStringList changes; // Replaced: the changes against the replaced register, one per line
    QString error;       // BadInput, NotWritten: the message, naming the file and the reason
};

// Makes the register of the TERC file at `tercPath` (CSV, XML or zip) and
// puts it in `folder` as GMINY.txt, keeping the replaced one (named
// with `today`'s date). The file is read only when it is a regular file of
// at most kMaxTercBytes, never through a link.
RegisterImport importRegister(const QString &tercPath, const QDir &folder, const QDate &today);

} // namespace iqx
