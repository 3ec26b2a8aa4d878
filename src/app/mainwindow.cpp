#include "app/mainwindow.h"

#include "app/recovery.h"

#include "base/messages.h"
#include "document/navigation.h"
#include "document/exitrules.h"
#include "print/engine/report.h"
#include "print/printedpages.h"
#include "storage/datafile.h"
#include "storage/export.h"
#include "storage/folderlock.h"
#include "storage/safefile.h"
#include "storage/registerfile.h"
#include "ui/pages/entryedit.h"
#include "ui/pages/entrytable.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace iqx {

namespace {

const QColor kSilver(192, 192, 192);

const QString kSaveQuestion = QStringLiteral("Zapisać dane do pliku?");
const QString kSaved = QStringLiteral("Dane zostały zapisane do pliku ");

// Keeps the title block as wide as the scrolled client area.
class ContentWidget : public QWidget {
public:
    using QWidget::QWidget;
    QWidget *panel = nullptr;
protected:
    void resizeEvent(QResizeEvent *e) override
    {
        QWidget::resizeEvent(e);
        if (panel)
            panel->resize(width(), panel->height());
    }
};

QString overlongText(const QString &fileName, const QList<int> &positions)
{
    QStringList numbers;
    for (int n : positions)
        numbers << QString::number(n);
    return QStringLiteral("Plik %1: wartość pozycji %2 jest dłuższa, niż pozwala jej pole. Wczytano ją w "
                          "całości; popraw ją przed zapisem.")
        .arg(fileName, numbers.join(QStringLiteral(", ")));
}

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TInformacja"));
    buildWindow();
    connect(button1_, &QPushButton::clicked, this, &MainWindow::printDocument);
    connect(qApp, &QApplication::focusChanged, this, &MainWindow::onFocusChanged);
}

MainWindow::~MainWindow()
{
    // The focus moves while the children are destroyed: no slot of this
    // window may run on a half-destroyed window.
    disconnect(qApp, nullptr, this, nullptr);
    delete composite_; // closes a preview that is still open
}

void MainWindow::buildWindow()
{
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setGeometry(189, 209, 962, 669); // restored bounds; shown maximized
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kSilver);
    pal.setColor(QPalette::Button, kSilver);
    setPalette(pal);
    setFont(ui::screenFont(14));

    // The client area scrolls as a whole: title block and tab control.
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ClientArea"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setFocusPolicy(Qt::NoFocus);
    scroll_->setWidgetResizable(true);
    auto *content = new ContentWidget;
    content_ = content;
    content_->setMinimumSize(992, 134 + 985);
    scroll_->setWidget(content_);
    setCentralWidget(scroll_);

    panel1_ = new QWidget(content_);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setGeometry(0, 0, 992, 134);
    content->panel = panel1_;
    ui::buildRows(panel1_, ui::titleBlockRows());
    button1_ = panel1_->findChild<QPushButton *>(QStringLiteral("Button1"));
    Q_ASSERT(button1_);
    // The focused button is pressed with Enter as well as with Space (a
    // push button outside a dialog takes only Space unless told so).
    button1_->setAutoDefault(true);

    pageControl_ = new QTabWidget(content_);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setGeometry(-1, 134, 993, 985);
    pageControl_->setFont(ui::screenFont(15));
    // All six tabs now; the rows of page 1 now, those of pages 2 to 6 once
    // the window has been painted (see buildAllPages).
    for (const ui::EntryPageTable *t : entryPageTables()) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QString::fromUtf8(t->sheetName));
        sheet->setAutoFillBackground(true);
        pageControl_->addTab(sheet, QString::fromUtf8(t->caption));
    }
    ui::buildRows(pageControl_->widget(0), ui::entryPage1().rows, &controls_);
    bindPositions();
    content_->installEventFilter(this);
    // Clicking a page's tab (or turning the wheel over the tabs) puts the
    // focus on the tab bar, as a tab control does: the box that had it is
    // left, and the newly shown page does not take the focus into a box.
    pageControl_->tabBar()->setFocusPolicy(Qt::WheelFocus);
}

const QList<const ui::EntryPageTable *> &MainWindow::entryPageTables()
{
    static const QList<const ui::EntryPageTable *> tables{&ui::entryPage1(), &ui::entryPage2(),
                                                           &ui::entryPage3(), &ui::entryPage4(),
                                                           &ui::entryPage5(), &ui::entryPage6()};
    return tables;
}

void MainWindow::buildAllPages() const
{
    // Built in page order right after page 1, as if with it: the focus
    // chain, and so the tab order, is the same. Everything that reaches a
    // position comes through here first.
    if (remainingBuilt_)
        return;
    remainingBuilt_ = true;
    auto *self = const_cast<MainWindow *>(this);
    for (int i = 1; i < entryPageTables().size(); ++i)
        ui::buildRows(pageControl_->widget(i), entryPageTables()[i]->rows, &self->controls_);
    self->bindPositions();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == content_ && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // The rest is built, and the first activation runs, once this
        // first paint is on the screen.
        QTimer::singleShot(0, this, [this] {
            buildAllPages();
            if (activationPending_)
                runPendingActivation();
        });
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::bindPositions()
{
    // Each control built since the last call is bound to its position in
    // the model: what is typed or ticked goes into the model, and what the
    // model is given (a check's correction, the register's names, a loaded
    // document) shows in the control.
    if (positionOf_.isEmpty()) {
        connect(&model_, &DocumentModel::valueChanged, this, &MainWindow::showModelValue);
        connect(&model_, &DocumentModel::documentReplaced, this, [this] {
            for (const Position &p : positionTable())
                showModelValue(p.number);
        });
    }
    for (const Position &p : positionTable()) {
        const int n = p.number;
        QWidget *control = controls_.control(n);
        if (!control || positionOf_.contains(control))
            continue;
        positionOf_.insert(control, n);
        if (QCheckBox *check = controls_.checks[n])
            connect(check, &QCheckBox::toggled, this, [this, n](bool on) { model_.setChecked(n, on); });
        else
            connect(controls_.edits[n], &QLineEdit::textChanged, this,
                    [this, n](const QString &t) { model_.setText(n, t); });
        showModelValue(n);
    }
}

void MainWindow::showModelValue(int n)
{
    if (QCheckBox *check = controls_.checks[n])
        check->setChecked(model_.isChecked(n));
    else if (ui::EntryEdit *edit = controls_.edits[n]; edit && edit->text() != model_.text(n))
        edit->showValue(model_.text(n));
}

QLineEdit *MainWindow::textBox(int n) const
{
    buildAllPages();
    return n >= 0 && n < kPositionCount ? controls_.edits[n] : nullptr;
}

QCheckBox *MainWindow::checkBox(int n) const
{
    buildAllPages();
    return n >= 0 && n < kPositionCount ? controls_.checks[n] : nullptr;
}

report::CompositeReport *MainWindow::compositeReport()
{
    if (!composite_) {
        composite_ = new report::CompositeReport;
        composite_->setObjectName(QStringLiteral("QRCompositeReport1"));
        // QRCompositeReport1AddReports: the six printed pages, on every run.
        connect(composite_, &report::CompositeReport::addReports, this, [this] {
            for (report::ReportPage *page : printedPages())
                composite_->addReport(page);
        });
    }
    return composite_;
}

QList<report::ReportPage *> MainWindow::printedPages()
{
    if (printedPages_.isEmpty())
        printedPages_ = createPrintedPages(compositeReport());
    return printedPages_;
}

// ---- lifecycle ------------------------------------------------------------

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        scheduleFirstActivation();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Where no window manager activates the window, its first showing
    // counts as the first activation.
    scheduleFirstActivation();
}

void MainWindow::scheduleFirstActivation()
{
    if (activated_)
        return;
    activated_ = true;
    activationPending_ = true;
    // Run after the activation has settled and the window has been painted
    // once, not inside either; a window that is never painted runs it soon
    // all the same.
    if (painted_)
        QTimer::singleShot(0, this, &MainWindow::runPendingActivation);
    else
        QTimer::singleShot(250, this, &MainWindow::runPendingActivation);
}

void MainWindow::runPendingActivation()
{
    if (!activationPending_)
        return;
    activationPending_ = false;
    if (!runFirstActivation())
        QTimer::singleShot(0, this, [this] {
            close();
            QCoreApplication::exit(1);
        });
}

bool MainWindow::runFirstActivation()
{
    activated_ = true;
    activationPending_ = false;
    buildAllPages();
    if (!registerPresent()) {
        messages().inform(missingRegisterMessage());
        endRequested_ = true;
        return false;
    }
    if (!folderLock_)
        folderLock_ = std::make_unique<FolderLock>(QDir::current());
    if (!folderLock_->tryLock()) {
        messages().error(folderLock_->refusal());
        endRequested_ = true;
        return false;
    }
    // What a write cut short by a crash left behind (the folder is ours now).
    removeStaleTemporaryFiles(QDir::current());
    const LoadResult loaded = loadDocument(QDir::current());
    if (loaded.status == LoadResult::Error)
        messages().error(loaded.message);
    else if (loaded.status != LoadResult::NoFile) {
        showDocument(loaded.document);
        QStringList notes;
        if (!loaded.message.isEmpty())
            notes << loaded.message;
        if (const QList<int> overlong = overlongPositions(loaded.document); !overlong.isEmpty())
            notes << overlongText(loaded.fileName, overlong);
        if (!notes.isEmpty())
            messages().inform(notes.join(QLatin1Char('\n')));
    }
    // Entries a run left unsaved are offered; from now on they are kept.
    recovery_ = std::make_unique<Recovery>(model_, QDir::current());
    recovery_->start(loaded.document);
    if (loaded.status == LoadResult::Error)
        return true; // the remaining start-up steps are skipped

    const bool guard = inExitCheck_;
    inExitCheck_ = true;
    pageControl_->setCurrentIndex(0);
    focusBox(model_.text(1).size() == 7 ? controls_.edits[5] : controls_.edits[1]);
    inExitCheck_ = guard;
    return true;
}

void MainWindow::adoptFolderLock(std::unique_ptr<FolderLock> lock) { folderLock_ = std::move(lock); }

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A session the desktop is ending is not held up by the question: the
    // recovery copy keeps the entries for the next start.
    if (!endRequested_ && !(recovery_ && recovery_->sessionEnding()))
        offerSaveOnClose();
    if (recovery_)
        recovery_->flush();
    event->accept();
    if (composite_ && composite_->openPreview())
        composite_->openPreview()->close();
}

void MainWindow::offerSaveOnClose()
{
    if (model_.text(1).size() != 7 || model_.text(2).isEmpty())
        return;
    switch (messages().confirm(QStringLiteral("Confirm"), kSaveQuestion)) {
    case Answer::Yes:
        if (const SaveResult r = writeDataFile(model_.document()); r.ok)
            messages().inform(kSaved + r.fileName);
        break;
    case Answer::No:
        if (recovery_)
            recovery_->discard();
        break;
    case Answer::Dismissed:
        // Neither saved nor given up: the recovery copy keeps the entries,
        // and the next start offers them.
        break;
    }
}

bool MainWindow::saveDocument() { return writeDataFile(model_.document()).ok; }

SaveResult MainWindow::writeDataFile(const Document &doc)
{
    const SaveResult r = iqx::saveDocument(doc, QDir::current());
    if (!r.ok)
        messages().error(r.error);
    else if (recovery_)
        recovery_->saved(doc);
    return r;
}

// ---- printing ---------------------------------------------------------------

void MainWindow::printDocument()
{
    // The box the click on this button left is checked before the print,
    // as leaving it would have been.
    runPendingExitCheck();
    report::CompositeReport *composite = compositeReport();
    // Every press is a whole run; with a preview open, it shows the new
    // pages and the call returns at once (the first call still waits).
    const bool waiting = composite->openPreview() != nullptr;
    const Document doc = model_.document();
    const SaveResult saved = writeDataFile(doc);
    if (!saved.ok)
        return;
    fillPrintSlots(doc, printedPages());
    // What the clerk may have let through (a refused value stays in its
    // box and prints) is listed above the pages, in the check's words.
    const QList<Finding> findings = checkDocument(doc, &lookupRegisterHere);
    QStringList remarks;
    for (const Finding &f : findings)
        remarks << f.text();
    composite->setRemarks(remarks);
    // Saved reports, PDFs and exports are offered under the data file's
    // name in the working folder.
    composite->setProposedPath(QDir::current().absoluteFilePath(QFileInfo(saved.fileName).completeBaseName()));
    // "Export" in the preview writes the data of the document printed.
    composite->setExportHandler([doc, findings, file = saved.fileName](const QString &path, QString *error) {
        *error = writeDocumentExport(path, {file, &doc, 0, {}, findings});
        return error->isEmpty();
    });
    composite->preview();
    // Back from the preview: the clerk goes on in the box they left.
    if (!waiting && lastBox_ && isVisible())
        placeFocus(lastBox_);
}

// ---- focus, exit checks and navigation -------------------------------------

void MainWindow::onFocusChanged(QWidget *old, QWidget *now)
{
    if (now && positionOf_.contains(now))
        lastBox_ = now;
    if (inExitCheck_ || !old || !now)
        return;
    buildAllPages();
    // Only a move between two controls of this window counts as leaving a
    // box: losing activation to a message box, the preview or another
    // program does not.
    if (old->window() != this || now->window() != this)
        return;
    if (now == controls_.edits[1])
        rememberIdentifier();
    const int n = positionOf_.value(old, -1);
    if (n < 0 || position(n).exit == ExitCheck::None)
        return;
    // Run from the event loop right after the focus change, or at once when
    // the print button's click comes first (a click that moved the focus).
    pendingExit_ = old;
    QMetaObject::invokeMethod(this, &MainWindow::runPendingExitCheck, Qt::QueuedConnection);
}

void MainWindow::runPendingExitCheck()
{
    const QPointer<QWidget> box = pendingExit_;
    pendingExit_.clear();
    if (box)
        runExitCheck(box);
}

void MainWindow::runExitCheck(QWidget *box)
{
    const int n = positionOf_.value(box, -1);
    if (inExitCheck_ || n < 0)
        return;
    inExitCheck_ = true;
    const ExitOutcome out = iqx::runExitCheck(n, model_.document(), &lookupRegisterHere, remembered_);
    for (const ExitOutcome::Message &m : out.messages) {
        if (m.error)
            messages().error(m.text);
        else
            messages().inform(m.text);
    }
    if (out.newText)
        model_.setText(n, *out.newText);
    if (out.identity) {
        // In this order; each name shows at once in its header label.
        model_.setText(3, out.identity->county);
        model_.setText(2, out.identity->municipality);
        model_.setText(0, translateType(out.identity->typeCode));
        model_.setText(4, out.identity->voivodeship);
    }
    if (!out.accepted)
        placeFocus(box);
    if (out.turnsPage)
        turnPage(position(n).page);
    inExitCheck_ = false;
}

int MainWindow::pageOf(const QWidget *box) const
{
    for (const QWidget *w = box; w; w = w->parentWidget()) {
        const int index = pageControl_->indexOf(const_cast<QWidget *>(w));
        if (index >= 0)
            return index + 1;
    }
    return 0;
}

void MainWindow::focusBox(QWidget *box)
{
    // A box on another page gets its page shown first.
    if (const int page = pageOf(box); page > 0 && pageControl_->currentIndex() != page - 1)
        pageControl_->setCurrentIndex(page - 1);
    box->setFocus(Qt::OtherFocusReason);
    scroll_->ensureWidgetVisible(box);
}

void MainWindow::placeFocus(QWidget *box)
{
    const bool guard = inExitCheck_;
    inExitCheck_ = true;
    focusBox(box);
    inExitCheck_ = guard;
}

void MainWindow::rememberIdentifier()
{
    // The identifier an unrecognised one is replaced with: the box's text
    // when it holds a whole identifier on entry.
    if (model_.text(1).size() == 7)
        remembered_ = model_.text(1);
    else if (remembered_.size() != 7)
        remembered_.clear();
}

void MainWindow::turnPage(int fromPage)
{
    // The page after the one that holds the box that was left, whichever
    // page is showing by now (the box may have been left by clicking a tab).
    const int page = nextPage(fromPage);
    const bool guard = inExitCheck_;
    inExitCheck_ = true;
    pageControl_->setCurrentIndex(page - 1);
    if (const int first = firstBoxOfPage(page); first >= 0)
        focusBox(controls_.control(first));
    inExitCheck_ = guard;
}

} // namespace iqx
