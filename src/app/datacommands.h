#pragma once
#include "storage/export.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <cstdio>

// The command-line work on data files without a window: --export and
// --check, and the choice of the document(s) that --pdf uses too.
namespace iqx {

// The data files that the command line names.
struct DocumentChoice {
    // What to read, in order: each data file with the name that messages
    // and exported entries call it, and each named folder that cannot be
    // read, with its reason.
    QList<SummaryEntry> entries;
    // A folder or more than one file was named: the many-documents form,
    // and every finding line starts with the file's name.
    bool several = false;
    QStringList emptyFolders; // named folders without any InfoQX*.iqx
};

// `arguments` as given (files and folders, relative to `base`): a file
// stands for itself, a folder for its InfoQX*.iqx entries in name order.
// No arguments: the first InfoQX*.iqx of `base`, as the window loads it.
DocumentChoice chooseDocuments(const QStringList &arguments, const QDir &base);

// Exit statuses of --export and --check (2, wrong options, is kUsageStatus).
inline constexpr int kFindingsStatus = 1;     // --check: there are findings
inline constexpr int kNoRegisterStatus = 3;   // GMINY.txt is missing
inline constexpr int kNoDocumentStatus = 4;   // nothing to read, or the single document unreadable
inline constexpr int kOutputFailedStatus = 5; // the export file or standard output could not be written
inline constexpr int kUnreadableStatus = 6;   // a summary written, with entries that could not be read

// informacja --export PATH: the chosen documents with their findings. Runs
// in the working folder (the register is read there). Returns the exit
// status: 0, kUnreadableStatus when the summary has entries of files or
// folders that could not be read, or kNoRegisterStatus, kNoDocumentStatus,
// kOutputFailedStatus.
int exportDocuments(const DocumentChoice &choice, const QString &path);

// informacja --check: one line per finding on `out`; 0 when there is none,
// kFindingsStatus when there are findings (a file or folder that cannot be
// read is one), kNoRegisterStatus, kNoDocumentStatus, or
// kOutputFailedStatus when `out` cannot be written.
int checkDocuments(const DocumentChoice &choice, std::FILE *out);

} // namespace iqx
