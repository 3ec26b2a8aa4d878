#pragma once
#include <QByteArray>

// The export as JSON, in UTF-8.
namespace iqx {

struct ExportEntry;

// One document (`entry` holds one): an object with "format" and "version",
// then "file", "missingFields", "identity", "positions" and "findings".
QByteArray documentJson(const ExportEntry &entry);

// The many-documents form, {"format", "version", "documents": [...]}, in
// pieces as the entries come: the start, each entry (a document as in
// documentJson, or {"file", "error"} for a file that could not be read;
// `first` for the first of them) and the end (`empty`: there was none).
QByteArray jsonSummaryBegin();
QByteArray jsonSummaryEntry(const ExportEntry &entry, bool first);
QByteArray jsonSummaryEnd(bool empty);

} // namespace iqx
