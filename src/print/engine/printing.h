#pragma once
#include <QPageLayout>
#include <QString>
#include <QStringList>

class QPrinter;

// Printing a prepared document on a printer of the system.
namespace iqx::report {

// Where print jobs go: the system's printers unless something else is put
// in their place. Printing and the printer setup ask only this, so a test
// puts a stand-in here (a printer that writes a PDF file, or none at all)
// and never reaches a real printer, whatever the machine has installed.
class PrintDestination {
public:
    virtual ~PrintDestination() = default;
    // Every printer there is, by name.
    virtual QStringList printerNames() const = 0;
    // The default printer; empty when none is set.
    virtual QString defaultPrinterName() const = 0;
    // Points `printer` at the printer `name`, one of printerNames().
    virtual void select(QPrinter &printer, const QString &name) const = 0;
};

// The destination in use: the system's printers unless one is installed.
const PrintDestination &printDestination();
// Installs `destination` (not owned); nullptr restores the system's
// printers. Returns the one installed before (nullptr: the system's).
const PrintDestination *setPrintDestination(const PrintDestination *destination);

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

// Prints `doc` with `settings` on the printDestination(); `job` says where
// it went. False with a
// user-facing reason (no printer installed, a range without pages, ...).
bool printDocument(const PreparedDocument &doc, const PrinterSettings &settings, QString *error,
                   PrintedJob *job = nullptr);

} // namespace iqx::report
