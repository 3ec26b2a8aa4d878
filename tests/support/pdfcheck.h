#pragma once
// Prints a document through `informacja --pdf` and reads the PDF back with
// poppler's pdftotext, a reader independent of the program, so that tests
// can check where every caption and value stands on the sheets.
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

namespace pdfcheck {

constexpr double kTolerance = 0.3; // mm
constexpr double kMargin = 10.0;   // the band's corner lies on the 10 mm margins
constexpr double kPtToMm = 25.4 / 72.0;
constexpr int kPositions = 223;

struct Word {
    QString text;
    double xMin, yMin, xMax; // mm from the sheet's top-left corner
};
using PageWords = QList<Word>;

struct Line {
    double xMin, xMax, yMin; // mm
};

// Windows-1250 bytes of a text of ASCII and Polish letters (an encoder of
// the test's own, independent of the program's).
QByteArray toCp1250(const QString &text);

// A printed document: the folder it was made in, the PDF and its words.
struct Printed {
    QTemporaryDir dir;
    QString pdf;
    QList<PageWords> pages;
    QString error; // empty on success
    QString pdfinfo() const; // pdfinfo's output for every page
};

// Writes the data file of `fields` (one per position 0, 1, 2 ...; the file
// is named after field 1), copies the shipped register beside it, runs
// `informacja --pdf` there and reads the result. Sets `error` when a tool
// is missing ("skip: ...") or a step fails.
void print(Printed &out, const QStringList &fields);

// Finds `text` printed as one line of `page`: its blank-separated words in
// order, each following the previous one on the same line. Of the lines whose
// top lies within 2 mm of `top`, returns the one whose start (or end, when
// `atEnd`) is nearest to `edge`.
std::optional<Line> findLine(const PageWords &page, const QString &text, double top, double edge, bool atEnd);

// Empty when `text` stands on `page` with its top at band y and its start
// (or end, when `atEnd`) at band x `edge`, within the tolerance; else what
// is wrong. Leading blanks of `text` move its first word one blank each
// (in `pointSize`) to the right.
QString checkLine(const PageWords &page, const QString &text, double y, double edge, bool atEnd,
                  int pointSize = 7);

// Empty when nothing is printed within 1 mm of the slot at band (edge, y).
QString checkNothingAt(const PageWords &page, double y, double edge, bool atEnd);

// Words that look like a print slot's own name ("P17") on any page.
QStringList slotNames(const QList<PageWords> &pages);

} // namespace pdfcheck
