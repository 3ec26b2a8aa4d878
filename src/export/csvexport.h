#pragma once
#include <QByteArray>

// The export as CSV for a spreadsheet: UTF-8 with a byte-order mark, fields
// separated by ';', rows ended by CR LF, a field that holds ';', '"' or a
// line break quoted with its quotes doubled.
namespace iqx {

struct ExportEntry;

// One document (`entry` holds one): a table with one row per position,
// numer;klucz;sekcja;opis;jednostka;wartość;uwagi.
QByteArray documentCsv(const ExportEntry &entry);

// The many-documents form: a header row (plik;stan;błąd;<the position
// keys>;uwagi), then one row per entry, a file that could not be read with
// "błąd", its reason and empty cells.
QByteArray csvSummaryHeader();
QByteArray csvSummaryRow(const ExportEntry &entry);

} // namespace iqx
