#pragma once
// GUS's TERC as the import tests feed it: GUS's own sample files of
// 2024-01-01 (data/terc/), the forms a clerk may hold them in,
// a zip written here, and a table of files that are no whole TERC.
#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace tercsamples {

// GUS's CSV and XML of 2024-01-01, as GUS served them.
QByteArray gusCsv();
QByteArray gusXml();
// The CSV as a spreadsheet saves it again: Windows-1250 without a byte
// order mark, LF line ends, no empty last line.
QByteArray spreadsheetCsv();

// A zip archive of `members` (name, bytes), deflated as GUS's is.
QByteArray zipOf(const QList<std::pair<QString, QByteArray>> &members);

// A TERC CSV (GUS's layout) whose gminas are those of `registerBytes`, a
// register in the shipped layout, with every row dated `date`: importing
// it gives `registerBytes` back.
QByteArray tercCsvOf(const QByteArray &registerBytes, const QString &date);

// Bytes that are no whole TERC, each with a part of the reason the refusal
// must give (with the row where there is one).
struct Refused {
    const char *name;
    QByteArray bytes;
    QString says;
};
QList<Refused> refusedFiles();

} // namespace tercsamples
