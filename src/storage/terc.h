#pragma once
#include "document/registerchanges.h"

#include <QByteArray>
#include <QList>
#include <QString>

// GUS's territorial register TERC, as GUS publishes it, made into the
// municipality register GMINY.txt. Pure functions over bytes: reading a
// file and writing the register are registerimport.h's.
//
// GUS serves TERC as a CSV (UTF-8 with a byte order mark, ';' between
// fields, no quoting, the header WOJ;POW;GMI;RODZ;NAZWA;NAZWA_DOD;STAN_NA,
// CRLF, an empty last line), as an XML (<teryt><catalog name="TERC">, one
// <row> of the same seven fields each), and as a zip holding both. A row is
// a voivodeship (WOJ alone), a county (WOJ and POW) or a unit of a county
// (all four codes; RODZ 1, 2, 3 are the urban, rural and urban-rural
// gminas, the other kinds parts of them).
namespace iqx {

// The largest TERC file read, and the largest file unpacked from a zip: a
// whole TERC is about 0.2 MB as CSV and 1 MB as XML.
inline constexpr qsizetype kMiB = qsizetype(1024) * 1024;
inline constexpr qsizetype kMaxTercBytes = 8 * kMiB;
// The most members a zip may list; GUS's holds two.
inline constexpr int kMaxZipMembers = 64;

// One row of TERC, its fields as written.
struct TercRow {
    QString where; // where it stands, for messages: "wiersz 12" (the CSV's line), or the XML <row> and its line
    QString woj, pow, gmi, rodz, name, extra, date;
};

struct TercRows {
    QList<TercRow> rows;
    QString form;  // what was read: "CSV", "XML", or the member of a zip ("CSV z archiwum ZIP: TERC.csv")
    QString error; // when not empty: why the bytes are no whole TERC, in Polish, with the row where there is one
};

// The rows of a TERC CSV: UTF-8 with or without a byte order mark, or
// Windows-1250 (a spreadsheet's copy) when the bytes are not valid UTF-8;
// CRLF or LF; empty lines at the end are ignored.
TercRows readTercCsv(const QByteArray &bytes);
// The rows of a TERC XML. A document type declaration, and with it any
// entity but the five XML predefines, is refused.
TercRows readTercXml(const QByteArray &bytes);
// The rows of a zip holding a TERC CSV (read when there is one) or XML.
TercRows readTercZip(const QByteArray &bytes);
// Any of the three, told apart by their first bytes.
TercRows readTerc(const QByteArray &bytes);

struct TercRegister {
    QList<RegisterLine> lines; // the gminas in the file's order
    QString stateDate;         // STAN_NA, YYYY-MM-DD (the latest, should rows differ)
    QString error;             // when not empty: why no register was made
};

// The register of the rows: the rows of RODZ 1, 2 and 3, identifier WOJ POW
// GMI RODZ, the voivodeship's name from its row in lower case, the county's
// from its row as written, type GM, GW or MW. Every row is checked first:
// codes of digits and the right length, names without ';' or a control
// character and with Windows-1250 letters only, a valid date, no identifier
// twice, and a county and voivodeship row for every gmina.
TercRegister tercRegister(const QList<TercRow> &rows);

} // namespace iqx
