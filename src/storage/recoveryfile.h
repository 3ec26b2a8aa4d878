#pragma once
#include "document/document.h"

#include <QDateTime>
#include <QDir>
#include <QString>

// The recovery copy "InfoQX.odzysk": the whole document as it stood a
// moment after the clerk's last change, kept beside the data files so that
// a crash or a power cut loses no entry that was not saved yet. The loader's
// pattern InfoQX*.iqx never takes it for a document.
//
// Its bytes: one header line, then the document line exactly as
// the data file holds it (Windows-1250, no line end):
//   InformacjaQX-odzysk;1;<data file name>;<length of the line>;<SHA-256 of the line, hex>\n
// The data file name is the one the document is saved under
// (InfoQX<identifier>.iqx at the time of writing), in the local 8-bit
// encoding of file names.
namespace iqx {

inline constexpr char kRecoveryFileName[] = "InfoQX.odzysk";
// A copy that fails a check is renamed to this (with "-2", "-3" ... when
// taken), never deleted and never loaded.
inline constexpr char kDamagedRecoveryFileName[] = "InfoQX.odzysk.uszkodzona";

// Writes the copy of `doc` safely (temporary file and rename). Empty on
// success, else a user-facing text naming the file and the reason.
QString writeRecoveryCopy(const QDir &dir, const Document &doc);
// Removes the copy; true when none is left.
bool removeRecoveryCopy(const QDir &dir);

struct RecoveryCopy {
    enum Status {
        None,    // no copy in the folder
        Found,   // a whole copy: `document` holds it
        Damaged, // fails a check: `reason` says which; nothing is loaded
    } status = None;
    Document document;
    QString dataFileName; // the data file the copy belongs to
    QDateTime written;    // when the copy was written
    // The data file's modification time; invalid when there is none.
    QDateTime dataFileWritten;
    // The data file holds exactly the copy's document: nothing is unsaved.
    bool sameAsDataFile = false;
    QString reason; // Damaged: why, in Polish, to follow "Kopia ... "
};
RecoveryCopy readRecoveryCopy(const QDir &dir);

// Renames a damaged copy out of the way; the new bare name, or empty with
// the reason in `error`.
QString setDamagedCopyAside(const QDir &dir, QString *error);

} // namespace iqx
