#include "app/mainwindow.h"

#include "app/messages.h"
#include "document/navigation.h"
#include "document/numeric.h"
#include "document/positions.h"
#include "document/registry.h"
#include "print/engine/report.h"
#include "storage/datafile.h"
#include "ui/pages/entrytable.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace iqx {

namespace {

const QColor kSilver(192, 192, 192);

const QString kNoRegister = QStringLiteral(
    "Brak pliku GMINY.txt - musi znajdowac sie w tym samym katalogu co uruchamiany program");
const QString kIdLength = QStringLiteral(
    "ID gminy powinien mieć 7 znaków; pierwsze 2 to nr woj.,następne 2 to nr pow. reszta to nr gminy");
const QString kIdUnknown = QStringLiteral("Wprowadzono nierozpoznany kod gminy :");
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

} // namespace

TInformacja::TInformacja(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TInformacja"));
    buildWindow();
    attachHandlers();
}

TInformacja::~TInformacja() = default;

void TInformacja::buildWindow()
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
    if (!button1_) { // the title block table always has it; keep the window whole regardless
        button1_ = new QPushButton(QStringLiteral("Drukowanie"), panel1_);
        button1_->setObjectName(QStringLiteral("Button1"));
    }

    pageControl_ = new QTabWidget(content_);
    pageControl_->setObjectName(QStringLiteral("PageControl1"));
    pageControl_->setGeometry(-1, 134, 993, 985);
    pageControl_->setFont(ui::screenFont(15));
    const ui::EntryPageTable *tables[] = {&ui::entryPage1(), &ui::entryPage2(), &ui::entryPage3(),
                                          &ui::entryPage4(), &ui::entryPage5(), &ui::entryPage6()};
    for (const ui::EntryPageTable *t : tables) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QString::fromUtf8(t->sheetName));
        sheet->setAutoFillBackground(true);
        pageControl_->addTab(sheet, QString::fromUtf8(t->caption));
        ui::buildRows(sheet, t->rows);
    }

    // Clicking a page's tab (or turning the wheel over the tabs) puts the
    // focus on the tab bar, as a tab control does: the box that had it is
    // left, and the newly shown page does not take the focus into a box.
    pageControl_->tabBar()->setFocusPolicy(Qt::WheelFocus);

    composite_ = new report::CompositeReport(this);
    composite_->setObjectName(QStringLiteral("QRCompositeReport1"));
}

void TInformacja::attachHandlers()
{
    connect(button1_, &QPushButton::clicked, this, &TInformacja::PrintForm);
    connect(qApp, &QApplication::focusChanged, this, &TInformacja::onFocusChanged);
    connect(composite_, &report::CompositeReport::addReports, this,
            &TInformacja::QRCompositeReport1AddReports);
}

void TInformacja::setPrintedPages(const QList<report::ReportPage *> &pages) { printedPages_ = pages; }

void TInformacja::QRCompositeReport1AddReports()
{
    for (report::ReportPage *page : printedPages_)
        composite_->addReport(page);
}

// ---- lifecycle ------------------------------------------------------------

void TInformacja::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        scheduleFirstActivation();
}

void TInformacja::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Where no window manager activates the window, its first showing
    // counts as the first activation.
    scheduleFirstActivation();
}

void TInformacja::scheduleFirstActivation()
{
    if (activated_)
        return;
    activated_ = true;
    // Run after the activation has settled, not inside it.
    QTimer::singleShot(0, this, [this] {
        if (!FormActivate())
            QTimer::singleShot(0, this, [this] {
                close();
                QCoreApplication::exit(1);
            });
    });
}

bool TInformacja::FormActivate()
{
    activated_ = true;
    if (!QFile::exists(QString::fromLatin1(kRegisterFileName))) {
        messages().inform(kNoRegister);
        endRequested_ = true;
        return false;
    }
    const LoadResult loaded = loadDocument(this, QDir::current());
    if (loaded.status == LoadResult::Error) {
        messages().error(loaded.message);
        return true; // the remaining start-up steps are skipped
    }
    if (!loaded.message.isEmpty())
        messages().inform(loaded.message);

    const bool guard = inExitCheck_;
    inExitCheck_ = true;
    pageControl_->setCurrentIndex(0);
    QLineEdit *id = textPosition(this, 1);
    QLineEdit *first = (id && id->text().size() == 7) ? textPosition(this, 5) : id;
    if (first)
        focusBox(first);
    inExitCheck_ = guard;
    return true;
}

void TInformacja::closeEvent(QCloseEvent *event)
{
    if (!endRequested_)
        FormClose();
    event->accept();
    if (composite_->openPreview())
        composite_->openPreview()->close();
}

void TInformacja::FormClose()
{
    const QLineEdit *id = textPosition(this, 1);
    const QLineEdit *name = textPosition(this, 2);
    if (!id || id->text().size() != 7 || !name || name->text().isEmpty())
        return;
    if (!messages().confirm(QStringLiteral("Confirm"), kSaveQuestion))
        return;
    const SaveResult r = saveDocument(this, QDir::current());
    if (r.ok)
        messages().inform(kSaved + r.fileName);
    else
        messages().error(r.error);
}

bool TInformacja::ZapiszDane()
{
    const SaveResult r = saveDocument(this, QDir::current());
    if (!r.ok)
        messages().error(r.error);
    return r.ok;
}

// ---- printing ---------------------------------------------------------------

void TInformacja::fillPrintSlots()
{
    // Every print slot P<n> receives position n's value: the text of Edit<n>
    // unchanged, or "TAK"/"NIE" for CheckBox<n>. Slots and controls are both
    // found by their names, each tree walked once per run.
    QHash<int, PositionControl> controls;
    for (const PositionControl &p : positionControls(this))
        controls.insert(p.number, p);
    static const QRegularExpression slotName(QStringLiteral("^P(0|[1-9][0-9]{0,2})$"));
    for (report::ReportPage *page : printedPages_) {
        for (QObject *element : page->band()->elements()) {
            auto *slot = qobject_cast<report::ReportLabel *>(element);
            const QRegularExpressionMatch m = slot ? slotName.match(slot->objectName()) : QRegularExpressionMatch();
            if (!m.hasMatch())
                continue;
            const auto it = controls.constFind(m.captured(1).toInt());
            if (it == controls.constEnd() || it->number > 500)
                continue;
            if (it->edit)
                slot->setCaption(it->edit->text());
            else
                slot->setCaption(it->check->isChecked() ? QStringLiteral("TAK") : QStringLiteral("NIE"));
        }
    }
}

void TInformacja::PrintForm()
{
    if (composite_->openPreview()) { // bring the open preview to the front
        composite_->preview();
        return;
    }
    if (!ZapiszDane())
        return;
    fillPrintSlots();
    composite_->preview();
}

// ---- focus, exit checks and navigation -------------------------------------

void TInformacja::onFocusChanged(QWidget *old, QWidget *now)
{
    if (inExitCheck_ || !old || !now)
        return;
    // Only a move between two controls of this window counts as leaving a
    // box: losing activation to a message box, the preview or another
    // program does not.
    if (old->window() != this || now->window() != this)
        return;
    if (auto *edit = qobject_cast<QLineEdit *>(now); edit && edit->objectName() == editName(1))
        edit1Enter(edit);
    if (old->property("exitHandler").toString().isEmpty())
        return;
    QPointer<QWidget> box(old);
    QMetaObject::invokeMethod(this, [this, box] {
        if (box)
            runExitHandler(box);
    }, Qt::QueuedConnection);
}

void TInformacja::runExitHandler(QWidget *box)
{
    if (inExitCheck_)
        return;
    inExitCheck_ = true;
    const QString handler = box->property("exitHandler").toString();
    auto *edit = qobject_cast<QLineEdit *>(box);
    if (handler == QLatin1String("ValFloat") && edit) {
        valFloat(edit);
    } else if (handler == QLatin1String("ValFloatNextPage") && edit) {
        valFloat(edit);
        NextPage(pageOf(box));
    } else if (handler == QLatin1String("Exit50_CheckSum") && edit) {
        checkSum(edit, 50);
    } else if (handler == QLatin1String("Exit51_CheckSum") && edit) {
        checkSum(edit, 51);
    } else if (handler == QLatin1String("CheckIdGminy") && edit) {
        checkIdGminy(edit);
    } else if (handler == QLatin1String("NextPage")) {
        NextPage(pageOf(box));
    }
    inExitCheck_ = false;
}

int TInformacja::pageOf(const QWidget *box) const
{
    for (const QWidget *w = box; w; w = w->parentWidget()) {
        const int index = pageControl_->indexOf(const_cast<QWidget *>(w));
        if (index >= 0)
            return index + 1;
    }
    return 0;
}

void TInformacja::focusBox(QWidget *box)
{
    // A box on another page gets its page shown first.
    if (const int page = pageOf(box); page > 0 && pageControl_->currentIndex() != page - 1)
        pageControl_->setCurrentIndex(page - 1);
    box->setFocus(Qt::OtherFocusReason);
    scroll_->ensureWidgetVisible(box);
}

void TInformacja::placeFocus(QWidget *box)
{
    const bool guard = inExitCheck_;
    inExitCheck_ = true;
    focusBox(box);
    inExitCheck_ = guard;
}

bool TInformacja::valFloat(QLineEdit *box)
{
    const int position = positionNumber(box).value_or(-1);
    const NumberCheck r = checkNumber(position, box->text());
    for (const QString &m : r.messages)
        messages().inform(m);
    if (r.newText)
        box->setText(*r.newText);
    if (!r.accepted)
        placeFocus(box);
    return r.accepted;
}

void TInformacja::checkSum(QLineEdit *box, int position)
{
    QStringList summands;
    for (int n : sumSummands(position)) {
        const QLineEdit *e = textPosition(this, n);
        summands << (e ? e->text() : QString());
    }
    const SumCheck r = iqx::checkSum(box->text(), summands);
    if (r.badText) {
        messages().error(conversionErrorText(*r.badText));
        return;
    }
    if (!r.equal)
        messages().inform(sumMessage(position));
    valFloat(box);
}

void TInformacja::edit1Enter(QLineEdit *box)
{
    // The identifier an unrecognised one is replaced with: the box's text
    // when it holds a whole identifier on entry.
    if (box->text().size() == 7)
        remembered_ = box->text();
    else if (remembered_.size() != 7)
        remembered_.clear();
}

void TInformacja::checkIdGminy(QLineEdit *box)
{
    const QString id = box->text();
    if (id.size() != 7) {
        messages().inform(kIdLength);
        placeFocus(box);
        return;
    }
    const QString fileName = QString::fromLatin1(kRegisterFileName);
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        messages().error(fileErrorText(QStringLiteral("Cannot open file"), fileName, file.errorString()));
        return;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        messages().error(fileErrorText(QStringLiteral("Cannot read file"), fileName, file.errorString()));
        return;
    }
    file.close();
    const RegisterLookup r = lookupRegister(bytes, id);
    switch (r.status) {
    case RegisterLookup::Found: {
        auto set = [this](int n, const QString &text) {
            if (QLineEdit *e = textPosition(this, n))
                e->setText(text);
        };
        set(3, r.entry.county);
        set(2, r.entry.municipality);
        set(0, translateType(r.entry.typeCode));
        set(4, r.entry.voivodeship);
        break;
    }
    case RegisterLookup::NotFound:
        messages().inform(kIdUnknown + id);
        box->setText(remembered_);
        placeFocus(box);
        break;
    case RegisterLookup::BadEncoding:
        messages().error(fileErrorText(QStringLiteral("Cannot read file"), fileName,
                                       QStringLiteral("The line of this identifier holds a character "
                                                      "that is not Windows-1250 text.")));
        break;
    }
}

void TInformacja::NextPage(int fromPage)
{
    // The page after the one that holds the box that was left, whichever
    // page is showing by now (the box may have been left by clicking a tab).
    const int page = nextPage(fromPage);
    const bool guard = inExitCheck_;
    inExitCheck_ = true;
    pageControl_->setCurrentIndex(page - 1);
    const QString name = firstBoxName(page);
    if (!name.isEmpty()) {
        if (auto *box = findChild<QWidget *>(name))
            focusBox(box);
    }
    inExitCheck_ = guard;
}

} // namespace iqx
