#include "print/engine/preview.h"
#include "print/engine/report.h"

#include <QApplication>
#include <QEventLoop>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace iqx::report {

CompositeReport::CompositeReport(QObject *parent) : QObject(parent) {}

CompositeReport::~CompositeReport() { delete preview_.data(); }

void CompositeReport::addReport(ReportPage *page)
{
    if (page)
        reports_ << page;
}

QList<ReportPage *> CompositeReport::collectReports()
{
    reports_.clear();
    emit addReports();
    return reports_;
}

PreparedDocument CompositeReport::run()
{
    PreparedDocument doc;
    for (const ReportPage *page : collectReports())
        doc.pages << preparePage(*page);
    return doc;
}

void CompositeReport::preview()
{
    if (preview_) {
        // The open window shows this run's pages, not the last run's.
        if (auto *window = qobject_cast<PreviewWindow *>(preview_.data())) {
            const QList<ReportPage *> pages = collectReports();
            if (!pages.isEmpty())
                window->restart(pages);
        }
        preview_->showMaximized();
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    if (QCoreApplication::closingDown())
        return;
    const QList<ReportPage *> pages = collectReports();
    if (pages.isEmpty())
        return; // no document
    auto *window = new PreviewWindow(*this, pages);
    preview_ = window;
    QEventLoop loop;
    connect(window, &PreviewWindow::closed, &loop, &QEventLoop::quit);
    connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    window->showMaximized();
    loop.exec();
    delete preview_.data();
}

bool CompositeReport::print(QString *error, PrintedJob *job)
{
    const PreparedDocument doc = run();
    if (doc.pages.isEmpty()) {
        if (error)
            *error = tr("The report has no pages to print.");
        return false;
    }
    return printDocument(doc, error, job);
}

bool CompositeReport::printDocument(const PreparedDocument &doc, QString *error, PrintedJob *job)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const int count = int(doc.pages.size());
    if (count == 0)
        return fail(tr("The report has no pages to print."));

    QPrinterInfo info = settings_.printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                        : QPrinterInfo::printerInfo(settings_.printerName);
    if (info.isNull()) {
        if (QPrinterInfo::availablePrinters().isEmpty())
            return fail(tr("No printer is installed. Install a printer, or save the report as PDF."));
        if (settings_.printerName.isEmpty())
            return fail(tr("No default printer is set. Choose a printer in Printer setup."));
        return fail(tr("The printer \"%1\" is not available. Choose another printer in Printer setup.")
                        .arg(settings_.printerName));
    }

    // 0, 0 means all pages; otherwise print the part of the range that exists.
    int first = 1, last = count;
    if (settings_.fromPage > 0 || settings_.toPage > 0) {
        first = std::max(1, settings_.fromPage);
        last = settings_.toPage > 0 ? std::min(count, settings_.toPage) : count;
        if (first > last)
            return fail(tr("The page range %1 to %2 contains no page of the report.")
                            .arg(settings_.fromPage)
                            .arg(settings_.toPage));
    }

    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Informacja QX"));
    printer.setFullPage(true); // device origin at the paper's corner
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), settings_.orientation, QMarginsF()));
    printer.setCopyCount(std::max(1, settings_.copies));
    printer.setDuplex(QPrinter::DuplexNone);
    if (!printer.isValid())
        return fail(tr("The printer \"%1\" cannot be used.").arg(info.printerName()));

    QPainter painter;
    if (!painter.begin(&printer))
        return fail(tr("Printing on \"%1\" could not start.").arg(info.printerName()));
    const double dpi = printer.resolution();
    bool ok = true;
    for (int page = first; page <= last && ok; ++page) {
        if (page > first)
            ok = printer.newPage();
        if (ok)
            paintPage(painter, doc.pages[page - 1], dpi);
    }
    ok = painter.end() && ok;
    if (!ok || printer.printerState() == QPrinter::Error)
        return fail(tr("The printer \"%1\" reported an error; the report may not have been printed.")
                        .arg(info.printerName()));
    if (job)
        *job = {info.printerName(), last - first + 1, printer.copyCount()};
    return true;
}

bool CompositeReport::exportPdf(const QString &path, QString *error)
{
    return writePdf(run(), path, error);
}

} // namespace iqx::report
