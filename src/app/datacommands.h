#pragma once
#include <QDir>
#include <QString>
#include <QStringList>

#include <cstdio>

// The command-line work on data files without a window: --export and
// --check, and the choice of the document(s) that --pdf uses too.
namespace iqx {

// The data files that the command line names.
struct DocumentChoice {
    QStringList files;  // paths to read, in order
    QStringList names;  // what messages and exported entries call them
    // A folder or more than one file was named: the many-documents form,
    // and every finding line starts with the file's name.
    bool several = false;
    QStringList emptyFolders; // named folders without any InfoQX*.iqx
};

// `arguments` as given (files and folders, relative to `base`): a file
// stands for itself, a folder for its InfoQX*.iqx entries in name order.
// No arguments: the first InfoQX*.iqx of `base`, as the window loads it.
DocumentChoice chooseDocuments(const QStringList &arguments, const QDir &base);

// informacja --export PATH: the chosen documents with their findings. Runs
// in the working folder (the register is read there). Returns the exit
// status: 0, or 3 without the register, 4 for an unreadable single
// document or nothing to export, 5 when the output cannot be written.
int exportDocuments(const DocumentChoice &choice, const QString &path);

// informacja --check: one line per finding on `out`; 0 when there is none,
// 1 when there are findings (a file that cannot be read is one), 3 without
// the register, 4 when there is nothing to check.
int checkDocuments(const DocumentChoice &choice, std::FILE *out);

} // namespace iqx
