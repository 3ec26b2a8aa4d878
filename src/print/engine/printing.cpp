#include "print/engine/printing.h"

#include "print/engine/prepared.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <utility>

namespace iqx::report {

namespace {

QString tr(const char *text) { return QCoreApplication::translate("Printing", text); }

// The printers of the system, through Qt's print support.
class SystemPrinters : public PrintDestination {
public:
    QStringList printerNames() const override { return QPrinterInfo::availablePrinterNames(); }
    QString defaultPrinterName() const override { return QPrinterInfo::defaultPrinterName(); }
    void select(QPrinter &printer, const QString &name) const override { printer.setPrinterName(name); }
};

const PrintDestination *g_destination = nullptr;

} // namespace

const PrintDestination &printDestination()
{
    static const SystemPrinters system;
    return g_destination ? *g_destination : system;
}

const PrintDestination *setPrintDestination(const PrintDestination *destination)
{
    return std::exchange(g_destination, destination);
}

bool printDocument(const PreparedDocument &doc, const PrinterSettings &settings, QString *error, PrintedJob *job)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const int count = doc.pageCount();
    if (count == 0)
        return fail(tr("The report has no pages to print."));

    const PrintDestination &destination = printDestination();
    const QStringList installed = destination.printerNames();
    const QString name = settings.printerName.isEmpty() ? destination.defaultPrinterName() : settings.printerName;
    if (name.isEmpty() || !installed.contains(name)) {
        if (installed.isEmpty())
            return fail(tr("No printer is installed. Install a printer, or save the report as PDF."));
        if (settings.printerName.isEmpty())
            return fail(tr("No default printer is set. Choose a printer in Printer setup."));
        return fail(tr("The printer \"%1\" is not available. Choose another printer in Printer setup.")
                        .arg(settings.printerName));
    }

    // 0, 0 means all pages; otherwise print the part of the range that exists.
    int first = 1, last = count;
    if (settings.fromPage > 0 || settings.toPage > 0) {
        first = std::max(1, settings.fromPage);
        last = settings.toPage > 0 ? std::min(count, settings.toPage) : count;
        if (first > last)
            return fail(tr("The page range %1 to %2 contains no page of the report.")
                            .arg(settings.fromPage)
                            .arg(settings.toPage));
    }

    QPrinter printer(QPrinter::HighResolution);
    destination.select(printer, name);
    printer.setDocName(QStringLiteral("Informacja QX"));
    printer.setFullPage(true); // device origin at the paper's corner
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), settings.orientation, QMarginsF()));
    printer.setCopyCount(std::max(1, settings.copies));
    printer.setDuplex(QPrinter::DuplexNone);
    if (!printer.isValid())
        return fail(tr("The printer \"%1\" cannot be used.").arg(name));

    QPainter painter;
    if (!painter.begin(&printer))
        return fail(tr("Printing on \"%1\" could not start.").arg(name));
    const double dpi = printer.resolution();
    bool ok = true;
    for (int page = first; page <= last && ok; ++page) {
        if (page > first)
            ok = printer.newPage();
        if (ok)
            doc.paintPage(painter, page - 1, dpi);
    }
    ok = painter.end() && ok;
    if (!ok || printer.printerState() == QPrinter::Error)
        return fail(tr("The printer \"%1\" reported an error; the report may not have been printed.").arg(name));
    if (job)
        *job = {name, last - first + 1, printer.copyCount()};
    return true;
}

} // namespace iqx::report
