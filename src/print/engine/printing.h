#pragma once
#include <QPageLayout>
#include <QString>

// Printing a prepared document on a printer of the system.
namespace iqx::report {

struct PreparedDocument;

// Printer settings, kept between runs.
struct PrinterSettings {
    QString printerName; // empty: the system default
    int copies = 1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int fromPage = 0, toPage = 0; // 0, 0: all pages
};

// What a print job was handed to: the printer and the sheets sent.
struct PrintedJob {
    QString printerName;
    int pages = 0; // sheets of one copy
    int copies = 1;
};

// Prints `doc` with `settings`; `job` says where it went. False with a
// user-facing reason (no printer installed, a range without pages, ...).
bool printDocument(const PreparedDocument &doc, const PrinterSettings &settings, QString *error,
                   PrintedJob *job = nullptr);

} // namespace iqx::report
