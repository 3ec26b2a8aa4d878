#pragma once
#include "document/document.h"
#include "document/exitrules.h"

#include <QList>
#include <QString>
#include <optional>

// Structured data for the department that receives the documents: one
// document, or many at once, as JSON (jsonexport.h) or CSV (csvexport.h).
// Every position appears with its number, its key and description from the
// description table, and its value exactly as typed; the findings of the
// whole-document check come along. The formats only turn entries into
// bytes: the caller reads the data files and runs the check, and
// documentexport.h and summaryexport.h write the bytes to a file safely.
namespace iqx {

enum class ExportFormat { Json, Csv };

// ".json" or ".csv" at the end of `path`, in any case; nullopt otherwise.
std::optional<ExportFormat> exportFormatOf(const QString &path);

// Why nothing was written to `path`: its extension names no format.
QString unknownExportFormatText(const QString &path);

// Identifies the JSON: "format" and "version" of every exported file.
inline constexpr const char *kExportFormatName = "informacja-qx";
inline constexpr int kExportVersion = 1;

// One entry of an export: a document read and checked, or a data file that
// could not be read at all.
struct ExportEntry {
    QString file; // the data file, as named to the program
    // The document read; nullptr when the file could not be read, and then
    // `error` says why (only the many-documents form has such entries).
    const Document *document = nullptr;
    int missingFields = 0; // fields the data file ran out before
    QString note;          // what the reader said about it (an incomplete file)
    QList<Finding> findings;
    QString error = {};
};

} // namespace iqx
