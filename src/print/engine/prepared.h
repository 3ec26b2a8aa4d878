#pragma once
#include "print/engine/reporttable.h"

#include <QList>
#include <QSizeF>
#include <QString>

class QIODevice;
class QPainter;

// The prepared document: what each page printed, as sheets that any device
// paints the same way. The preview, the printer and the PDF writer all ask
// it for the same three things: how many pages, how large each is, and to
// paint page n on a painter at a resolution. It is also what "Save Report"
// writes and "Load Report" reads.
namespace iqx::report {

// One element of a sheet, in paint order, in paper coordinates (mm from
// the sheet's top-left corner).
struct PreparedItem {
    enum Kind { Box, Shape, Text } kind = Box;
    double xMm = 0, yMm = 0, widthMm = 0, heightMm = 0; // for Text the label's box
    Align align = Align::Left;                          // Text: which edge the line keeps
    QString text;                                       // Text: one line
    QString family;                                     // Text
    int pointSize = 0;                                  // Text
    bool bold = false;                                  // Text
    int line = 0;                                       // Text: line number within the label
};

struct PreparedPage {
    double widthMm = 210.0, heightMm = 297.0;
    QList<PreparedItem> items;
};

struct PreparedDocument {
    QList<PreparedPage> pages;

    int pageCount() const { return int(pages.size()); }
    // The size of page `index` (0-based) in mm; A4 for a page it lacks.
    QSizeF pageSizeMm(int index) const;
    // Paints page `index` (0-based) onto a device whose origin is the
    // paper's corner, at `dpi` device pixels per inch; nothing for a page
    // it lacks.
    void paintPage(QPainter &painter, int index, double dpi) const;
};

// The one paint path of a sheet, for screen, printer and PDF alike.
void paintPage(QPainter &painter, const PreparedPage &page, double dpi);

// Prepared-document files ("Save Report"/"Load Report"): versioned, checked.
bool savePrepared(const PreparedDocument &doc, QIODevice &out);
// Returns false with a user-facing reason for a damaged or foreign file.
bool loadPrepared(QIODevice &in, PreparedDocument *doc, QString *error);

// Writes every sheet of `doc` as one A4 PDF.
bool writePdf(const PreparedDocument &doc, const QString &path, QString *error);

} // namespace iqx::report
