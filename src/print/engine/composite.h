#pragma once
#include "print/engine/pagemodel.h"
#include "print/engine/prepared.h"
#include "print/engine/printing.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>

class QMainWindow;

// The composite report: the report pages given to it, run as one document.
namespace iqx::report {

// QRCompositeReport1: whenever it is previewed, printed or written as PDF,
// it lays its pages out as they are at that moment, so whoever fills their
// slots does so before the run.
class CompositeReport : public QObject {
    Q_OBJECT
public:
    explicit CompositeReport(QObject *parent = nullptr);
    explicit CompositeReport(const QList<ReportPage *> &pages, QObject *parent = nullptr);
    ~CompositeReport() override;

    // The pages of every run, in order (not owned).
    void setPages(const QList<ReportPage *> &pages);
    QList<ReportPage *> pages() const;

    PrinterSettings &printerSettings() { return settings_; }
    const PrinterSettings &printerSettings() const { return settings_; }

    // One run: each page laid out in list order.
    PreparedDocument run() const;

    // Opens the preview window on a fresh run and returns when it is
    // closed, dispatching events meanwhile. While a preview is open, a
    // further call shows a fresh run in it, brings it to the front and
    // returns at once.
    void preview();
    // The preview window while one is open (a PreviewWindow), else nullptr.
    QMainWindow *openPreview() const;

    // Prints a fresh run straight to the printer with the stored settings.
    // False with a user-facing reason (no printer installed, ...).
    bool print(QString *error, PrintedJob *job = nullptr);
    // Writes a fresh run as a PDF.
    bool writePdf(const QString &path, QString *error);

    // An action the preview adds under `title`: it writes the data behind
    // the pages to the file the clerk names (the format chosen by its
    // extension); false with a user-facing reason. Without one the preview
    // has no such action.
    using ExportHandler = std::function<bool(const QString &path, QString *error)>;
    void setExport(const QString &title, ExportHandler handler);

    // The path, without extension, that the preview proposes for a saved
    // report, PDF or export of these pages; empty: none proposed.
    void setProposedPath(const QString &basePath) { proposedPath_ = basePath; }
    const QString &proposedPath() const { return proposedPath_; }
    // Remarks on the data behind the pages, one line each, which the
    // preview shows above them (never on the sheets).
    void setRemarks(const QStringList &lines) { remarks_ = lines; }
    const QStringList &remarks() const { return remarks_; }

signals:
    // What the open preview could not do, in its words (a file that could
    // not be written, a printer missing), and plain messages to the clerk.
    void failed(const QString &text);
    void informed(const QString &text);

private:
    void showDetails();

    QList<QPointer<ReportPage>> pages_;
    PrinterSettings settings_;
    QPointer<QMainWindow> preview_;
    QString exportTitle_;
    ExportHandler exportHandler_;
    QString proposedPath_;
    QStringList remarks_;
};

} // namespace iqx::report
