#include "print/engine/composite.h"

#include "print/engine/preview.h"

#include <QApplication>
#include <QEventLoop>

namespace iqx::report {

CompositeReport::CompositeReport(QObject *parent) : QObject(parent) {}

CompositeReport::CompositeReport(const QList<ReportPage *> &pages, QObject *parent) : QObject(parent)
{
    setPages(pages);
}

CompositeReport::~CompositeReport() { delete preview_.data(); }

void CompositeReport::setPages(const QList<ReportPage *> &pages)
{
    pages_.clear();
    for (ReportPage *page : pages)
        if (page)
            pages_ << page;
}

QList<ReportPage *> CompositeReport::pages() const
{
    QList<ReportPage *> out;
    for (const QPointer<ReportPage> &page : pages_)
        if (page)
            out << page.data();
    return out;
}

QMainWindow *CompositeReport::openPreview() const { return preview_.data(); }

PreparedDocument CompositeReport::run() const { return prepareDocument(pages()); }

void CompositeReport::setExport(const QString &title, ExportHandler handler)
{
    exportTitle_ = title;
    exportHandler_ = std::move(handler);
}

// What the open preview shows beside the sheets of this run.
void CompositeReport::showDetails()
{
    auto *window = qobject_cast<PreviewWindow *>(preview_.data());
    if (!window)
        return;
    window->setRemarks(remarks_);
    window->setProposedPath(proposedPath_);
    if (exportHandler_)
        window->setExport(exportTitle_, exportHandler_);
}

void CompositeReport::preview()
{
    if (preview_) {
        // The open window shows this run's pages, not the last run's.
        if (auto *window = qobject_cast<PreviewWindow *>(preview_.data())) {
            const QList<ReportPage *> list = pages();
            if (!list.isEmpty()) {
                window->restart(PageRun(list));
                showDetails();
            }
        }
        preview_->showMaximized();
        preview_->raise();
        preview_->activateWindow();
        return;
    }
    if (QCoreApplication::closingDown())
        return;
    const QList<ReportPage *> list = pages();
    if (list.isEmpty())
        return; // no document
    auto *window = new PreviewWindow(PageRun(list), settings_);
    preview_ = window;
    connect(window, &PreviewWindow::failed, this, &CompositeReport::failed);
    connect(window, &PreviewWindow::informed, this, &CompositeReport::informed);
    showDetails();
    QEventLoop loop;
    connect(window, &PreviewWindow::closed, &loop, &QEventLoop::quit);
    connect(window, &QObject::destroyed, &loop, &QEventLoop::quit);
    connect(qApp, &QCoreApplication::aboutToQuit, &loop, &QEventLoop::quit);
    window->showMaximized();
    loop.exec();
    delete preview_.data();
}

bool CompositeReport::print(QString *error, PrintedJob *job) { return printDocument(run(), settings_, error, job); }

bool CompositeReport::writePdf(const QString &path, QString *error) { return report::writePdf(run(), path, error); }

} // namespace iqx::report
