#pragma once
#include "document/document.h"
#include "document/exitrules.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Structured data for the department that receives the documents: one
// document, or many at once, as JSON or CSV. Every position appears with its
// number, its key and description from the description table, and its value
// exactly as typed; the findings of the whole-document check come along.
// The writers turn values into bytes; the file functions at the end write
// those bytes safely.
namespace iqx {

enum class ExportFormat { Json, Csv };

// ".json" or ".csv" at the end of `path`, in any case; nullopt otherwise.
std::optional<ExportFormat> exportFormatOf(const QString &path);

// Identifies the JSON: "format" and "version" of every exported file.
inline constexpr const char *kExportFormatName = "informacja-qx";
inline constexpr int kExportVersion = 1;

// One document as the export sees it.
struct ExportedDocument {
    QString file;          // the data file, as named to the program
    const Document *document = nullptr;
    int missingFields = 0; // fields the data file ran out before
    QString note;          // what the reader said about it (an incomplete file)
    QList<Finding> findings;
};

// The export of a single document: a JSON object, or a CSV table with one
// row per position (numer;klucz;sekcja;opis;jednostka;wartość;uwagi).
QByteArray documentJson(const ExportedDocument &doc);
QByteArray documentCsv(const ExportedDocument &doc);

// The export of many documents, one at a time: each call returns the bytes
// of one more entry, so that nothing but the output needs to be kept.
// JSON: {"format", "version", "documents": [...]}, each entry a document as
// in documentJson or {"file", "error"}. CSV: a header row
// (plik;stan;błąd;<the position keys>;uwagi) and one row per file.
class SummaryWriter {
public:
    explicit SummaryWriter(ExportFormat format) : format_(format) {}
    QByteArray begin();
    QByteArray document(const ExportedDocument &doc);
    // A file that could not be read: its row carries the reason.
    QByteArray unreadable(const QString &file, const QString &error);
    QByteArray end();

private:
    QByteArray separator();
    ExportFormat format_;
    bool first_ = true;
};

// Writes `doc` to `path` in the format its extension names, through a
// temporary file that replaces the old one. Empty on success, else a
// user-facing reason.
QString writeDocumentExport(const QString &path, const ExportedDocument &doc);

// Reads, checks and writes each data file of `files` in turn into the
// many-documents form at `path`. A file that cannot be read becomes an
// entry with its error, and the next one is read all the same. `names` are
// what the entries call the files (parallel to `files`).
struct SummaryResult {
    QString error;      // the output could not be written (empty on success)
    int documents = 0;  // entries written
    int unreadable = 0; // of which files that could not be read
};
SummaryResult writeSummaryExport(const QString &path, const QStringList &files, const QStringList &names,
                                 const RegisterLookupFn &lookup);

// One entry of the many-documents form: a data file, or something named
// that cannot be read at all (a folder that cannot be listed), whose entry
// then carries `error` in place of a document.
struct SummaryEntry {
    QByteArray path; // the data file, in the system's own bytes
    QString name;    // what the entry calls it
    QString error;   // empty for a data file to read
};
SummaryResult writeSummaryExport(const QString &path, const QList<SummaryEntry> &entries,
                                 const RegisterLookupFn &lookup);

} // namespace iqx
