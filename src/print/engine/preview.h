#pragma once
#include "print/engine/report.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QGroupBox;
class QLabel;
class QPrinter;
class QScrollArea;
class QTimer;

namespace iqx::report {

class PageView;

// The print preview: shows the prepared sheets one at a time, prepares
// them page by page through the event loop, and prints, saves, loads and
// exports them.
class PreviewWindow : public QMainWindow {
    Q_OBJECT
public:
    // Prepares `pages` (already collected by `report`) in the background.
    PreviewWindow(CompositeReport &report, const QList<ReportPage *> &pages, QWidget *parent = nullptr);
    ~PreviewWindow() override;

    // Shows a fresh run of `pages` in place of what the window shows,
    // prepared as on opening, with the report's current remarks and
    // proposed path; the page on show stays on show once it is ready.
    void restart(const QList<ReportPage *> &pages);

    // Dialog hooks, replaceable in tests. An empty file name means Cancel.
    // `proposed` is the path the save dialog offers (empty: none).
    std::function<QString(const QString &title, const QString &filter)> openFileName;
    std::function<QString(const QString &title, const QString &filter, const QString &proposed)> saveFileName;
    // Shows the print dialog for `printer`; true on OK.
    std::function<bool(QPrinter &printer, int pageCount)> printDialog;

    const PreparedDocument &document() const { return doc_; }
    int pageCount() const { return int(doc_.pages.size()); }
    int currentPage() const { return current_ + 1; } // 1-based; 0 when empty
    int zoom() const { return zoom_; }               // percent
    bool isPrepared() const { return prepared_; }

    // A fixed zoom; false (and nothing changes) outside 2 ... 2000 %.
    bool setZoom(int percent);
    void zoomToFit();
    void zoomToWidth();
    // False (and nothing changes) outside 1 ... pageCount().
    bool goToPage(int page);

    bool saveReport(const QString &path);
    bool loadReport(const QString &path);
    bool savePdf(const QString &path);
    // Hands `path` to the report's export handler; its error goes to the
    // message sink.
    bool exportData(const QString &path);
    void print();
    void printerSetup();

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class ZoomMode { Fit, Actual, Width, Custom };
    bool zoomTo(int percent);
    void prepareNext();
    void showPage(int index);
    void applyZoomMode();
    void updateStatus();
    void updateActions();
    void stopPreparing();
    void takeReportDetails();
    void showRemarks(const QStringList &lines);
    void setNotice(const QString &text);
    QString proposed(const char *extension) const;

    CompositeReport &report_;
    QList<QPointer<ReportPage>> pending_;
    PreparedDocument doc_;
    int total_ = 0;
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
    QAction *setup_, *print_, *save_, *load_, *pdf_, *export_, *close_;
};

} // namespace iqx::report
