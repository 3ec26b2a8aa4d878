#pragma once
// Prints a document through `informacja --pdf` and reads the PDF back with
// poppler's pdftotext, a reader independent of the program, so that tests
// can check where every caption and value stands on the sheets.
//
// The printed-page test keeps its own tables of captions and slots and the
// values of its document; the functions here turn those tables into Qt Test
// rows, each with its page, and check one row against the PDF (call them
// from the test's slots).
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <span>

namespace pdfcheck {

constexpr int kPositions = 223;

struct Word {
    QString text;
    double xMin, yMin, xMax; // mm from the sheet's top-left corner
};
using PageWords = QList<Word>;

// Every page of `pdf` as pdftotext reads it; empty when it cannot.
QList<PageWords> readPdf(const QString &pdf);

// A printed document: the folder it was made in, the PDF and its words.
struct Printed {
    QTemporaryDir dir;
    QString pdf;
    QList<PageWords> pages;
};

// A complete document: `head` from position 0, `values` from position
// `first`, "0" in every other position.
QStringList document(const QStringList &head, int first, const QStringList &values);

// Writes the data file of `fields` (one per position; the file is named
// after field 1), copies the shipped register beside it, runs
// `informacja --pdf` there and reads the result into `out`. Skips the test
// case when poppler's tools are missing; fails it unless `fields` holds
// every position and the PDF has six pages.
void printDocument(Printed &out, const QStringList &fields);

// The PDF has six A4 portrait pages, by pdfinfo.
void verifySixA4Pages(const Printed &printed);

// No word on any page looks like a print slot's own name ("P17").
void verifyNoSlotNames(const Printed &printed);

// A static caption: its top at band y, its start at band x (mm). Leading
// blanks of `text` move its first word one blank each (in `pointSize`).
struct Caption {
    double y, x;
    const char *text;
    int pointSize = 7;
};

// The columns (page, y, x, text, pointSize) of a caption table; then the
// rows of printed page `page` (1 to 6), named after their page and place.
void addCaptionColumns();
void addCaptionRows(int page, std::span<const Caption> captions);
// The caption of the current row stands on its page of `printed` within
// 0.3 mm.
void verifyCaption(const Printed &printed);

// A print slot: position, top at band y, and its anchor edge (mm): the start
// of a left-justified value, the end of a right-justified one.
struct Slot {
    int position;
    double y, anchor;
    bool rightJustified = false;
};

// The columns (page, position, y, anchor, rightJustified) of a slot table;
// then the rows of printed page `page`, named "P<n>".
void addSlotColumns();
void addSlotRows(int page, std::span<const Slot> rows);
// The slot of the current row shows `printedValue(position)` on its page
// of `printed` within 0.3 mm, or nothing within 1 mm when that value is
// empty.
void verifySlot(const Printed &printed, const std::function<QString(int)> &printedValue);

// What a check box prints for its stored "1" or "0".
QString yesNo(const QString &flag);

} // namespace pdfcheck
