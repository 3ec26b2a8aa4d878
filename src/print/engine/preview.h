#pragma once
#include "print/engine/pagemodel.h"
#include "print/engine/prepared.h"
#include "print/engine/printing.h"

#include <QKeySequence>
#include <QList>
#include <QMainWindow>
#include <QStyle>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QTimer;
class QToolBar;

namespace iqx::report {

class PageView;

// The print preview: shows the sheets of a run one at a time, lays them
// out page by page through the event loop, and prints, saves, loads and
// exports them. Of its document it asks only the page count, each page's
// size and to paint page n; it prints and saves that same document. What
// goes wrong it reports through failed() and informed(), in its own
// (English) words, and leaves the showing to whoever connects them.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    // Lays out the pages of `run` in the background. Printer setup edits
    // `settings`, which must outlive the window; printing uses them.
    PreviewWindow(PageRun run, PrinterSettings &settings, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    // Shows a fresh run in place of what the window shows, laid out as on
    // opening; the page on show stays on show once it is ready. The
    // remarks and the proposed path are cleared until they are set again.
    void restart(PageRun run);

    // Remarks on the data behind the pages, one line each, shown above
    // them; none: the box is hidden.
    void setRemarks(const QStringList &lines);
    // The path, without extension, proposed for a saved report, PDF or
    // export; empty: none proposed.
    void setProposedPath(const QString &basePath);
    // Adds the action `title` (or gives the one added its new handler),
    // which writes the data behind the pages on show to the file the clerk
    // names, the format chosen by its extension; the handler returns false
    // with a user-facing reason. It is off while a loaded report is shown.
    using ExportHandler = std::function<bool(const QString &path, QString *error)>;
    void setExport(const QString &title, ExportHandler handler);

    // Dialog hooks, replaceable in tests. An empty file name means Cancel.
    // `proposed` is the path the save dialog offers (empty: none).
    std::function<QString(const QString &title, const QString &filter)> openFileName;
    std::function<QString(const QString &title, const QString &filter, const QString &proposed)> saveFileName;
    // Shows the print dialog for `printer`; true on OK.
    std::function<bool(QPrinter &printer, int pageCount)> printDialog;

    const PreparedDocument &document() const { return doc_; }
    int pageCount() const { return doc_.pageCount(); }
    int currentPage() const { return current_ + 1; } // 1-based; 0 when empty
    int zoom() const { return zoom_; }               // percent
    bool isPrepared() const { return prepared_; }

    // A fixed zoom; false (and nothing changes) outside 2 ... 2000 %.
    bool setZoom(int percent);
    void zoomToFit();
    void zoomToWidth();
    // False (and nothing changes) outside 1 ... pageCount().
    bool goToPage(int page);

    // "Save Report", "Load Report" and "Save PDF" with the path chosen;
    // what goes wrong goes to failed() (or informed()), and false.
    bool saveReport(const QString &path);
    bool loadReport(const QString &path);
    bool writePdf(const QString &path);
    // Hands `path` to the export handler; its error goes to failed().
    bool exportData(const QString &path);
    // Prints the document on show with the printer settings.
    void print();
    void printerSetup();

signals:
    void closed();
    // An error the clerk should see: a file not written or not read, a
    // printer missing.
    void failed(const QString &text);
    // A plain message to the clerk ("File does not exist").
    void informed(const QString &text);

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class ZoomMode { Fit, Actual, Width, Custom };
    // The parts of the window, made once by the constructor.
    void useStandardDialogs();
    QWidget *createRemarksPanel();
    QWidget *createPageArea();
    void createToolBar();
    void createStatusPanels();
    QAction *addTool(const char *name, const QString &hint, QStyle::StandardPixmap icon,
                     const QList<QKeySequence> &keys, const std::function<void()> &slot);
    // The tool bar's file actions: a dialog, then the action.
    void chooseAndSaveReport();
    void chooseAndLoadReport();
    void chooseAndWritePdf();

    bool zoomTo(int percent);
    void prepareNext();
    void showPage(int index);
    void applyZoomMode();
    void updateStatus();
    void updateActions();
    void stopPreparing();
    void showRemarks(const QStringList &lines);
    void setNotice(const QString &text);
    QString proposed(const char *extension) const;

    PageRun run_;
    PrinterSettings &settings_;
    ExportHandler exportHandler_;
    PreparedDocument doc_;
    int current_ = -1;
    int zoom_ = 100;
    int shownProgress_ = 0;
    int returnTo_ = 0; // the page index shown as soon as it is prepared
    ZoomMode mode_ = ZoomMode::Width;
    bool prepared_ = false;
    bool loaded_ = false;
    QString proposedPath_; // without extension

    QTimer *timer_;
    QScrollArea *scroll_;
    PageView *view_;
    QLabel *progressPanel_;
    QLabel *pagePanel_;
    QLabel *noticePanel_;
    QGroupBox *remarksBox_;
    QLabel *remarks_;
    QAction *fit_, *actual_, *width_, *first_, *previous_, *next_, *last_;
    QToolBar *bar_;
    QAction *setup_, *print_, *save_, *load_, *pdf_, *close_;
    QAction *export_ = nullptr;
    QAction *beforeClose_; // the separator before Close
};

} // namespace iqx::report
