#pragma once
#include "document/document.h"

#include <QByteArray>
#include <QDir>
#include <QString>

// The data file InfoQX<identifier>.iqx: one line of ';'-terminated fields in
// Windows-1250, one field per position in ascending order ("1"/"0" for a
// flag), written safely and read back into a Document.
namespace iqx {

// The longest data line the reader takes, in bytes. A full document is a
// few kilobytes; a file beyond this is refused at once, so that a huge file
// never takes more memory than about this much.
inline constexpr qsizetype kMaxDataLine = qsizetype(1024) * 1024;

// "InfoQX" + identifier + ".iqx".
QString dataFileName(const QString &identifier);
// Only an empty identifier or one made of digits may form a file name.
bool identifierUsableInFileName(const QString &identifier);

struct SaveResult {
    bool ok = false;
    QString fileName; // bare file name written (or attempted)
    QString error;    // user-facing error text when !ok (names the file and the reason)
};

// Writes `doc` to dir/InfoQX<identifier>.iqx. The new content goes to a
// temporary file in the same folder that then replaces the old file, so a
// failure leaves the previous file as it was.
SaveResult saveDocument(const Document &doc, const QDir &dir);

// A data file put out of the loader's way.
struct SetAside {
    enum Status {
        Nothing, // no such file is left (or it is the file kept): nothing renamed
        Renamed, // renamed to `name`
        Failed,  // the rename failed: `error` says why; the file is as it was
    } status = Nothing;
    QString name;
    QString error;
};
// The suffix a data file set aside gets: the document has been saved under
// another identifier since.
inline constexpr char kPreviousFileSuffix[] = ".poprzedni-kod";
// Renames the data file `fileName` of `dir` to "<fileName>.poprzedni-kod"
// ("-2", "-3" ... when that name is taken; nothing is ever replaced), a
// name that the pattern InfoQX*.iqx does not match and the cleanup of
// temporary files never removes. It is a rename: the bytes stay as they
// were. Nothing happens when no entry of that name is left, or when it is
// the file `keptName` (one file under two spellings, where the system
// ignores the case of names).
SetAside setDataFileAside(const QDir &dir, const QString &fileName, const QString &keptName);

// The bytes of the data file of `doc`; nullopt with a user-facing reason in
// `error` when a value cannot be written (';' or a character that
// Windows-1250 lacks). `fileName` names the file in the reason.
std::optional<QByteArray> encodeDocument(const Document &doc, const QString &fileName, QString *error);

// A document read from the bytes of a data file. Only the first line counts;
// positions the line runs out before stay empty and unticked.
struct DecodedDocument {
    bool ok = false; // false: the line holds a byte Windows-1250 does not define
    Document document;
    int missing = 0; // positions the line ran out before; always the last ones
};
DecodedDocument decodeDocument(const QByteArray &fileBytes);

struct LoadResult {
    enum Status {
        NoFile,     // no InfoQX*.iqx in the folder
        Loaded,     // every position got its field
        Incomplete, // the line ended early: the rest are empty and unticked
        Error,      // unreadable or undecodable: `document` is empty
    } status = NoFile;
    QString fileName; // the file read (bare name)
    int missingFields = 0;
    QString message; // user-facing text for Incomplete and Error
    Document document;
};

// The names of `dir` that match InfoQX*.iqx, in ascending name order.
// Folders and hidden or special entries of that name count too, so that one
// that cannot be read is reported rather than skipped.
QStringList dataFileNames(const QDir &dir);

// A data file found in a folder: `path` in the system's own bytes, which
// open it even when its name is not valid in the system's encoding (a name
// in Windows-1250 copied from another system), and `name`, its name for
// people, with any such byte shown as \xNN.
struct DataFileEntry {
    QByteArray path;
    QString name;
};
// The InfoQX*.iqx entries of `folder` (the same ones dataFileNames takes),
// listed byte for byte so that none is left out, in ascending order of
// their names. Nullopt with the system's reason when the folder cannot be
// read.
std::optional<QList<DataFileEntry>> listDataFiles(const QString &folder, QString *reason);

// Reads the first InfoQX*.iqx of `dir` in ascending name order.
LoadResult loadDocument(const QDir &dir);
// Reads the data file at `path`.
LoadResult loadDocumentFile(const QString &path);
// The same, for a path in the system's own bytes; `name` is what messages
// call the file.
LoadResult loadDocumentFile(const QByteArray &path, const QString &name);

} // namespace iqx
