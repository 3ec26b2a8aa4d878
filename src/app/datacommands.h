#pragma once
#include <QByteArray>
#include <QDir>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdio>

// The command-line work on data files without a window: --export and
// --check, and the choice of the document(s) that --pdf uses too. The data
// files are read and checked here, one at a time; export/ turns each into
// JSON or CSV.
namespace iqx {

class WorkFolder;

// One thing the command line names: a data file, or something named that
// cannot be read at all (a folder that cannot be listed), whose entry then
// carries `error` in place of a document.
struct ChosenEntry {
    QByteArray path; // the data file, in the system's own bytes
    QString name;    // what messages and exported entries call it
    QString error;   // empty for a data file to read
};

// The data files that the command line names.
struct DocumentChoice {
    // What to read, in order: each data file with the name that messages
    // and exported entries call it, and each named folder that cannot be
    // read, with its reason.
    QList<ChosenEntry> entries;
    // A folder or more than one file was named: the many-documents form,
    // and every finding line starts with the file's name.
    bool several = false;
    QStringList emptyFolders; // named folders without any InfoQX*.iqx
};

// `arguments` as given (files and folders, relative to `base`): a file
// stands for itself, a folder for its InfoQX*.iqx entries in name order.
// No arguments: the first InfoQX*.iqx of `base`, as the window loads it.
DocumentChoice chooseDocuments(const QStringList &arguments, const QDir &base);

// informacja --export PATH: the chosen documents with their findings,
// checked against the register of `folder`. Returns the exit
// status (exitstatus.h): kOkStatus, kUnreadableStatus when the summary has
// entries of files or folders that could not be read, or
// kNoRegisterStatus, kNoDocumentStatus, kOutputFailedStatus.
int exportDocuments(const WorkFolder &folder, const DocumentChoice &choice, const QString &path);

// informacja --check: one line per finding on `out`, against the register
// of `folder`; kOkStatus when there
// is none, kFindingsStatus when there are findings (a file or folder that
// cannot be read is one), kNoRegisterStatus, kNoDocumentStatus, or
// kOutputFailedStatus when `out` cannot be written.
int checkDocuments(const WorkFolder &folder, const DocumentChoice &choice, std::FILE *out);

} // namespace iqx
