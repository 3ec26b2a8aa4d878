#include "print/engine/preview.h"

#include "base/messages.h" // fileErrorText: how file errors are worded
#include "print/engine/units.h"
#include "storage/safefile.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

namespace iqx::report {

namespace {

// A path the clerk chose, with `extension` added when it has none.
QString withExtension(const QString &path, const QString &extension)
{
    return QFileInfo(path).suffix().isEmpty() ? path + extension : path;
}

} // namespace

// One sheet on a grey desk: white paper, black outline, a two-pixel shadow
// to the right and below, painted by the same code as paper and PDF.
class PageView : public QWidget {
public:
    using QWidget::QWidget;
    static constexpr int kMarginPx = 10, kShadowPx = 2;

    bool hasPage() const { return doc && index >= 0 && index < doc->pageCount(); }
    // The sheet's size on screen at 100 %, in px.
    QSizeF paperSizePx() const
    {
        return (doc ? doc->pageSizeMm(index) : QSizeF(210.0, 297.0)) * pxPerMm(logicalDpiX());
    }
    void setScale(double s)
    {
        scale = s;
        const QSizeF size = paperSizePx() * scale;
        setFixedSize(int(std::ceil(size.width())) + 2 * kMarginPx + kShadowPx,
                     int(std::ceil(size.height())) + 2 * kMarginPx + kShadowPx);
        update();
    }

    const PreparedDocument *doc = nullptr;
    int index = -1;
    double scale = 1.0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!hasPage())
            return;
        QPainter painter(this);
        const QRectF sheet(QPointF(kMarginPx, kMarginPx), paperSizePx() * scale);
        painter.fillRect(sheet.translated(kShadowPx, kShadowPx), Qt::black);
        painter.fillRect(sheet, Qt::white);
        painter.save();
        painter.translate(sheet.topLeft());
        painter.scale(scale, scale);
        doc->paintPage(painter, index, logicalDpiX());
        painter.restore();
        painter.setPen(QPen(Qt::black, 0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(sheet);
    }
};

PreviewWindow::PreviewWindow(PageRun run, PrinterSettings &settings, QWidget *parent)
    : QMainWindow(parent), run_(std::move(run)), settings_(settings)
{
    setWindowTitle(tr("Print Preview"));
    resize(800, 600);
    useStandardDialogs();

    // The check's findings above the page on show.
    auto *central = new QWidget;
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createRemarksPanel());
    layout->addWidget(createPageArea(), 1);
    setCentralWidget(central);
    createToolBar();
    createStatusPanels();
    showRemarks({});

    // One page per pass of the event loop keeps the window responsive.
    timer_ = new QTimer(this);
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &PreviewWindow::prepareNext);
    if (run_.atEnd())
        prepared_ = true;
    else
        timer_->start();
    updateActions();
    updateStatus();
}

void PreviewWindow::useStandardDialogs()
{
    openFileName = [this](const QString &title, const QString &filter) {
        return QFileDialog::getOpenFileName(this, title, QString(), filter);
    };
    saveFileName = [this](const QString &title, const QString &filter, const QString &proposed) {
        return QFileDialog::getSaveFileName(this, title, proposed, filter);
    };
    printDialog = [this](QPrinter &printer, int pageCount) {
        QPrintDialog dialog(&printer, this);
        dialog.setMinMax(1, std::max(1, pageCount));
        dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
        return dialog.exec() == QDialog::Accepted;
    };
}

QWidget *PreviewWindow::createPageArea()
{
    scroll_ = new QScrollArea;
    scroll_->setObjectName(QStringLiteral("previewArea"));
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setBackgroundRole(QPalette::Dark);
    view_ = new PageView;
    view_->setObjectName(QStringLiteral("pageView"));
    view_->doc = &doc_;
    scroll_->setWidget(view_);
    scroll_->viewport()->installEventFilter(this);
    return scroll_;
}

QWidget *PreviewWindow::createRemarksPanel()
{
    // What the check of the data behind the pages found: text a screen
    // reader reads, never painted on a sheet. The box's title is the
    // heading ("Document check"); the label has no name of its own, so that
    // what it is read by is its text, the findings.
    remarksBox_ = new QGroupBox(tr("Document check"));
    remarksBox_->setObjectName(QStringLiteral("remarksBox"));
    remarks_ = new QLabel;
    remarks_->setObjectName(QStringLiteral("remarks"));
    remarks_->setTextFormat(Qt::PlainText);
    remarks_->setWordWrap(true);
    remarks_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *area = new QScrollArea;
    area->setObjectName(QStringLiteral("remarksArea"));
    area->setFrameShape(QFrame::NoFrame);
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidgetResizable(true);
    area->setWidget(remarks_);
    // A long list scrolls in a few lines' room and leaves the page in view.
    area->setMaximumHeight(remarks_->fontMetrics().lineSpacing() * 6 + 4);
    auto *layout = new QVBoxLayout(remarksBox_);
    layout->addWidget(area);
    return remarksBox_;
}

QAction *PreviewWindow::addTool(const char *name, const QString &hint, QStyle::StandardPixmap icon,
                                const QList<QKeySequence> &keys, const std::function<void()> &slot)
{
    auto *action = new QAction(hint, this);
    action->setObjectName(QString::fromLatin1(name));
    action->setToolTip(hint);
    if (icon != QStyle::SP_CustomBase)
        action->setIcon(style()->standardIcon(icon));
    action->setShortcuts(keys);
    connect(action, &QAction::triggered, this, slot);
    bar_->addAction(action);
    return action;
}

void PreviewWindow::createToolBar()
{
    bar_ = addToolBar(tr("Preview"));
    bar_->setObjectName(QStringLiteral("previewToolBar"));
    bar_->setMovable(false);
    bar_->setFloatable(false);
    constexpr auto none = QStyle::SP_CustomBase;

    // The three zooms, one of them pressed.
    fit_ = addTool("actionZoomFit", tr("Zoom to fit"), none, {}, [this] { zoomToFit(); });
    actual_ = addTool("actionZoom100", tr("100%"), none, {}, [this] {
        mode_ = ZoomMode::Actual;
        applyZoomMode();
    });
    width_ = addTool("actionZoomWidth", tr("Zoom to width"), none, {}, [this] { zoomToWidth(); });
    auto *zoomGroup = new QActionGroup(this);
    zoomGroup->setExclusive(true);
    for (QAction *a : {fit_, actual_, width_}) {
        a->setCheckable(true);
        zoomGroup->addAction(a);
    }
    width_->setChecked(true);
    bar_->addSeparator();

    first_ = addTool("actionFirstPage", tr("First page"), QStyle::SP_MediaSkipBackward,
                     {QKeySequence(Qt::CTRL | Qt::Key_PageUp), QKeySequence(Qt::Key_Home)}, [this] { goToPage(1); });
    previous_ = addTool("actionPreviousPage", tr("Previous page"), QStyle::SP_ArrowLeft, {QKeySequence(Qt::Key_PageUp)},
                        [this] { goToPage(currentPage() - 1); });
    next_ = addTool("actionNextPage", tr("Next page"), QStyle::SP_ArrowRight, {QKeySequence(Qt::Key_PageDown)},
                    [this] { goToPage(currentPage() + 1); });
    last_ = addTool("actionLastPage", tr("Last page"), QStyle::SP_MediaSkipForward,
                    {QKeySequence(Qt::CTRL | Qt::Key_PageDown), QKeySequence(Qt::Key_End)},
                    [this] { goToPage(pageCount()); });
    bar_->addSeparator();

    setup_ = addTool("actionPrinterSetup", tr("Printer setup"), none, {}, [this] { printerSetup(); });
    print_ = addTool("actionPrint", tr("Print"), none, {}, [this] { print(); });
    bar_->addSeparator();

    save_ = addTool("actionSaveReport", tr("Save Report"), QStyle::SP_DialogSaveButton, {},
                    [this] { chooseAndSaveReport(); });
    load_ = addTool("actionLoadReport", tr("Load Report"), QStyle::SP_DialogOpenButton, {},
                    [this] { chooseAndLoadReport(); });
    pdf_ = addTool("actionSavePdf", tr("Save PDF"), none, {}, [this] { chooseAndWritePdf(); });
    // Export joins here, once whoever fills the pages hands in a handler.
    beforeClose_ = bar_->addSeparator();
    close_ = addTool("actionClose", tr("&Close"), none,
                     {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::ALT | Qt::Key_C)}, [this] { close(); });
    close_->setToolTip(tr("Close"));
}

void PreviewWindow::createStatusPanels()
{
    progressPanel_ = new QLabel(this);
    progressPanel_->setObjectName(QStringLiteral("progressPanel"));
    progressPanel_->setMinimumWidth(60);
    pagePanel_ = new QLabel(this);
    pagePanel_->setObjectName(QStringLiteral("pagePanel"));
    // Where the last print, save or export went.
    noticePanel_ = new QLabel(this);
    noticePanel_->setObjectName(QStringLiteral("noticePanel"));
    noticePanel_->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(progressPanel_);
    statusBar()->addWidget(pagePanel_);
    statusBar()->addWidget(noticePanel_, 1);
}

void PreviewWindow::chooseAndSaveReport()
{
    const QString path = saveFileName(tr("Save report"), tr("Saved reports (*.iqr);;All files (*)"), proposed(".iqr"));
    if (!path.isEmpty())
        saveReport(withExtension(path, QStringLiteral(".iqr")));
}

void PreviewWindow::chooseAndLoadReport()
{
    const QString path = openFileName(tr("Load report"), tr("Saved reports (*.iqr);;All files (*)"));
    if (!path.isEmpty())
        loadReport(path);
}

void PreviewWindow::chooseAndWritePdf()
{
    const QString path = saveFileName(tr("Save PDF"), tr("PDF files (*.pdf)"), proposed(".pdf"));
    if (!path.isEmpty())
        writePdf(withExtension(path, QStringLiteral(".pdf")));
}

PreviewWindow::~PreviewWindow() = default;

void PreviewWindow::setExport(const QString &title, ExportHandler handler)
{
    exportHandler_ = std::move(handler);
    if (!export_) {
        export_ = new QAction(title, this);
        export_->setObjectName(QStringLiteral("actionExport"));
        connect(export_, &QAction::triggered, this, [this] {
            const QString path = saveFileName(export_->text(), tr("JSON (*.json);;CSV (*.csv)"), proposed(".json"));
            if (!path.isEmpty())
                exportData(withExtension(path, QStringLiteral(".json")));
        });
        bar_->insertAction(beforeClose_, export_);
    }
    export_->setText(title);
    export_->setToolTip(title);
    updateActions();
}

void PreviewWindow::prepareNext()
{
    if (run_.atEnd()) {
        stopPreparing();
        return;
    }
    doc_.pages << run_.next();
    const int total = run_.pageCount();
    const int shown = std::min(returnTo_, total - 1);
    if (doc_.pages.size() == shown + 1)
        showPage(shown);
    const int progress = int(doc_.pages.size() * 100 / std::max(1, total));
    if (progress >= 100)
        shownProgress_ = 0;
    else if (progress - shownProgress_ >= 5)
        shownProgress_ = progress;
    if (run_.atEnd()) {
        prepared_ = true;
        timer_->stop();
    }
    updateActions();
    updateStatus();
}

void PreviewWindow::stopPreparing()
{
    timer_->stop();
    run_.stop();
    shownProgress_ = 0;
}

void PreviewWindow::restart(PageRun run)
{
    stopPreparing();
    returnTo_ = std::max(0, current_);
    doc_ = {};
    run_ = std::move(run);
    current_ = -1;
    view_->index = -1;
    view_->update();
    loaded_ = false;
    prepared_ = run_.atEnd();
    setWindowTitle(tr("Print Preview"));
    proposedPath_.clear();
    showRemarks({});
    setNotice({});
    if (!prepared_)
        timer_->start();
    updateActions();
    updateStatus();
}

void PreviewWindow::setRemarks(const QStringList &lines) { showRemarks(lines); }

void PreviewWindow::setProposedPath(const QString &basePath) { proposedPath_ = basePath; }

void PreviewWindow::showRemarks(const QStringList &lines)
{
    remarks_->setText(lines.join(QLatin1Char('\n')));
    remarksBox_->setVisible(!lines.isEmpty());
}

void PreviewWindow::setNotice(const QString &text) { noticePanel_->setText(text); }

QString PreviewWindow::proposed(const char *extension) const
{
    return proposedPath_.isEmpty() ? QString() : proposedPath_ + QLatin1String(extension);
}

void PreviewWindow::showPage(int index)
{
    current_ = index;
    view_->index = index;
    applyZoomMode();
    scroll_->horizontalScrollBar()->setValue(0);
    scroll_->verticalScrollBar()->setValue(0);
    updateStatus();
}

bool PreviewWindow::goToPage(int page)
{
    if (page < 1 || page > pageCount())
        return false;
    showPage(page - 1);
    return true;
}

bool PreviewWindow::setZoom(int percent)
{
    if (!zoomTo(percent))
        return false;
    mode_ = ZoomMode::Custom;
    return true;
}

bool PreviewWindow::zoomTo(int percent)
{
    if (percent < 2 || percent > 2000)
        return false;
    zoom_ = percent;
    view_->setScale(percent / 100.0);
    return true;
}

void PreviewWindow::zoomToFit()
{
    mode_ = ZoomMode::Fit;
    fit_->setChecked(true);
    applyZoomMode();
}

void PreviewWindow::zoomToWidth()
{
    mode_ = ZoomMode::Width;
    width_->setChecked(true);
    applyZoomMode();
}

void PreviewWindow::applyZoomMode()
{
    const QSizeF paper = view_->paperSizePx();
    const QSize area = scroll_->viewport()->size();
    switch (mode_) {
    case ZoomMode::Fit:
        zoomTo(int(95.0 * std::min(area.width() / paper.width(), area.height() / paper.height())));
        break;
    case ZoomMode::Actual:
        zoomTo(100);
        break;
    case ZoomMode::Width:
        zoomTo(int(90.0 * area.width() / paper.width()));
        break;
    case ZoomMode::Custom:
        view_->setScale(zoom_ / 100.0);
        break;
    }
}

bool PreviewWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The fitted zooms follow the window's size.
    if (watched == scroll_->viewport() && event->type() == QEvent::Resize
        && (mode_ == ZoomMode::Fit || mode_ == ZoomMode::Width))
        applyZoomMode();
    return QMainWindow::eventFilter(watched, event);
}

void PreviewWindow::updateStatus()
{
    progressPanel_->setText(shownProgress_ > 0 ? QStringLiteral("%1%").arg(shownProgress_) : QString());
    pagePanel_->setText(pageCount() > 0 ? tr("Page %1 of %2").arg(currentPage()).arg(pageCount()) : QString());
}

void PreviewWindow::updateActions()
{
    const bool ready = prepared_ || loaded_;
    setup_->setEnabled(prepared_ && !loaded_);
    print_->setEnabled(ready);
    // A partly prepared document is never saved as if it were complete.
    save_->setEnabled(ready);
    pdf_->setEnabled(ready);
    // A loaded report is no longer the document whose data would be written.
    if (export_)
        export_->setEnabled(prepared_ && !loaded_);
}

void PreviewWindow::closeEvent(QCloseEvent *event)
{
    stopPreparing();
    QMainWindow::closeEvent(event);
    emit closed();
}

void PreviewWindow::print()
{
    if (!print_->isEnabled())
        return;
    setNotice({});
    QString error;
    PrintedJob job;
    if (!printDocument(doc_, settings_, &error, &job)) {
        emit failed(error);
        return;
    }
    QString text = job.pages == 1 ? tr("1 page sent to the printer \"%1\"").arg(job.printerName)
                                  : tr("%1 pages sent to the printer \"%2\"").arg(job.pages).arg(job.printerName);
    if (job.copies > 1)
        text += tr(", %1 copies").arg(job.copies);
    setNotice(text + QLatin1Char('.'));
}

void PreviewWindow::printerSetup()
{
    if (!setup_->isEnabled())
        return;
    PrinterSettings &settings = settings_;
    QPrinter printer(QPrinter::HighResolution);
    const PrintDestination &destination = printDestination();
    const QString name = settings.printerName.isEmpty() ? destination.defaultPrinterName() : settings.printerName;
    if (!name.isEmpty())
        destination.select(printer, name);
    printer.setCopyCount(settings.copies);
    printer.setPageOrientation(settings.orientation);
    printer.setFromTo(1, std::max(1, pageCount()));
    printer.setPrintRange(QPrinter::AllPages);
    if (!printDialog(printer, pageCount()))
        return;
    settings.printerName = printer.printerName();
    settings.copies = printer.copyCount();
    settings.orientation = printer.pageLayout().orientation();
    const bool range = printer.printRange() == QPrinter::PageRange;
    settings.fromPage = range ? printer.fromPage() : 0;
    settings.toPage = range ? printer.toPage() : 0;
}

bool PreviewWindow::saveReport(const QString &path)
{
    // Through the program's safe writer, unbuffered: a write that fails
    // (full disk, file-size limit) keeps the system's reason, and the file
    // that was there stays whole.
    setNotice({});
    const QFileInfo target(path);
    AtomicFileDevice file(target.absoluteDir(), target.fileName());
    if (savePrepared(doc_, file) && file.commit().isEmpty()) {
        setNotice(tr("Report saved to %1").arg(QDir::toNativeSeparators(target.absoluteFilePath())));
        return true;
    }
    const AtomicFileWriter &writer = file.writer();
    emit failed(writer.refused() ? writer.error()
                                 : fileErrorText(tr("Cannot save the report to"), path, writer.reason()));
    return false;
}

bool PreviewWindow::loadReport(const QString &path)
{
    if (!QFileInfo::exists(path)) {
        emit informed(tr("File does not exist"));
        return false;
    }
    // Only a regular file, opened without waiting: a FIFO or a device in
    // its place is refused at once instead of hanging the windows.
    QFile file;
    QString why;
    if (!iqx::openRegularFile(file, path, &why)) {
        emit failed(fileErrorText(tr("Cannot open the report"), path, why));
        return false;
    }
    PreparedDocument loaded;
    QString reason;
    if (!loadPrepared(file, &loaded, &reason)) {
        emit failed(fileErrorText(tr("Cannot load the report"), path, reason));
        return false;
    }
    stopPreparing();
    doc_ = std::move(loaded);
    loaded_ = true;
    // The window now shows that file, not the document being printed: its
    // name in the title, no remarks on the document, and saving proposes
    // the file's own name beside it.
    const QFileInfo info(path);
    setWindowTitle(tr("Print Preview - %1").arg(info.fileName()));
    showRemarks({});
    setNotice({});
    proposedPath_ = info.absoluteDir().filePath(info.completeBaseName());
    current_ = -1;
    view_->index = -1;
    if (!doc_.pages.isEmpty())
        showPage(0);
    else
        view_->update();
    updateActions();
    updateStatus();
    return true;
}

bool PreviewWindow::exportData(const QString &path)
{
    QString error;
    if (!export_ || !export_->isEnabled())
        return false;
    setNotice({});
    if (exportHandler_ && exportHandler_(path, &error)) {
        setNotice(tr("Data exported to %1").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
        return true;
    }
    emit failed(error);
    return false;
}

bool PreviewWindow::writePdf(const QString &path)
{
    setNotice({});
    QString error;
    if (report::writePdf(doc_, path, &error)) {
        setNotice(tr("PDF saved to %1").arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath())));
        return true;
    }
    emit failed(error);
    return false;
}

} // namespace iqx::report
