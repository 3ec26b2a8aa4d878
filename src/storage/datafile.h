#pragma once
#include <QDir>
#include <QString>

class QObject;

namespace iqx {

// "InfoQX" + identifier + ".iqx".
QString dataFileName(const QString &identifier);
// Only an empty identifier or one made of digits may form a file name.
bool identifierUsableInFileName(const QString &identifier);

struct SaveResult {
    bool ok = false;
    QString fileName; // bare file name written (or attempted)
    QString error;    // user-facing error text when !ok (names the file and the reason)
};

// ZapiszDane: writes every position under `root` (found by name, ascending,
// text box before check box) as one line of ';'-terminated fields in
// Windows-1250 to dir/InfoQX<Edit1>.iqx. The new content goes to a temporary
// file in the same folder that then replaces the old file, so a failure
// leaves the previous file as it was.
SaveResult saveDocument(const QObject *root, const QDir &dir);

struct LoadResult {
    enum Status {
        NoFile,     // no InfoQX*.iqx in the folder: nothing changed
        Loaded,     // every position got its field
        Incomplete, // the line ended early: the rest were set empty/unticked
        Error,      // unreadable or undecodable: no position changed
    } status = NoFile;
    QString fileName;  // the file read
    int missingFields = 0;
    // Text positions whose value is longer than their box takes by typing;
    // loaded whole all the same, and named in `message`.
    QList<int> overlong;
    QString message;   // user-facing text for Incomplete, Error and overlong values
};

// Reads the first InfoQX*.iqx of `dir` in ascending name order into the
// positions under `root`.
LoadResult loadDocument(QObject *root, const QDir &dir);

} // namespace iqx
