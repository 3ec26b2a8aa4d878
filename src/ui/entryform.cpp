#include "ui/entryform.h"

#include "base/messages.h"
#include "document/documentmodel.h"
#include "document/exitrules.h"
#include "document/navigation.h"
#include "ui/pages/entryedit.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

namespace iqx::ui {

namespace {

// Room kept below the focused box when the window opens, in px.
constexpr int kStartMarginPx = 6;

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

const QList<const EntryPageTable *> &entryPageTables()
{
    static const QList<const EntryPageTable *> tables{&entryPage1(), &entryPage2(), &entryPage3(),
                                                      &entryPage4(), &entryPage5(), &entryPage6()};
    return tables;
}

} // namespace

EntryForm::EntryForm(DocumentModel &model, RegisterLookupFn lookup, QWidget *parent)
    : QScrollArea(parent), model_(model), lookup_(std::move(lookup))
{
    setObjectName(QStringLiteral("ClientArea"));
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    auto *content = new ContentWidget;
    content_ = content;
    content_->setMinimumSize(992, 134 + 985);
    setWidget(content_);

    titleBlock_ = new QWidget(content_);
    titleBlock_->setObjectName(QStringLiteral("Panel1"));
    titleBlock_->setGeometry(0, 0, 992, 134);
    content->panel = titleBlock_;
    buildRows(titleBlock_, titleBlockRows());
    printButton_ = titleBlock_->findChild<QPushButton *>(QStringLiteral("Button1"));
    Q_ASSERT(printButton_);
    // The focused button is pressed with Enter as well as with Space (a
    // push button outside a dialog takes only Space unless told so).
    printButton_->setAutoDefault(true);

    pageTabs_ = new QTabWidget(content_);
    pageTabs_->setObjectName(QStringLiteral("PageControl1"));
    pageTabs_->setGeometry(-1, 134, 993, 985);
    pageTabs_->setFont(screenFont(15));
    // All six tabs now; the rows of page 1 now, those of pages 2 to 6 once
    // the form has been painted (see buildAllPages).
    for (const EntryPageTable *t : entryPageTables()) {
        auto *sheet = new QWidget;
        sheet->setObjectName(QString::fromUtf8(t->sheetName));
        sheet->setAutoFillBackground(true);
        pageTabs_->addTab(sheet, QString::fromUtf8(t->caption));
    }
    buildRows(pageTabs_->widget(0), entryPage1().rows, &controls_);
    bindControls();
    content_->installEventFilter(this);
    // Clicking a page's tab (or turning the wheel over the tabs) puts the
    // focus on the tab bar, as a tab control does: the box that had it is
    // left, and the newly shown page does not take the focus into a box.
    pageTabs_->tabBar()->setFocusPolicy(Qt::WheelFocus);

    connect(&model_, &DocumentModel::valueChanged, this, &EntryForm::showValue);
    connect(&model_, &DocumentModel::documentReplaced, this, [this] {
        for (const Position &p : positionTable())
            showValue(p.number);
    });
    connect(qApp, &QApplication::focusChanged, this, &EntryForm::onFocusChanged);
}

EntryForm::~EntryForm()
{
    // The focus moves while the children are destroyed: no slot of the form
    // may run on a half-destroyed form.
    disconnect(qApp, nullptr, this, nullptr);
}

void EntryForm::buildAllPages() const
{
    // Built in page order right after page 1, as if with it: the focus
    // chain, and so the tab order, is the same. Everything that reaches a
    // position comes through here first.
    if (remainingBuilt_)
        return;
    remainingBuilt_ = true;
    auto *self = const_cast<EntryForm *>(this);
    for (int i = 1; i < entryPageTables().size(); ++i)
        buildRows(pageTabs_->widget(i), entryPageTables()[i]->rows, &self->controls_);
    self->bindControls();
    for (const Position &p : positionTable())
        Q_ASSERT_X(p.isFlag() ? controls_.checks[p.number] != nullptr : controls_.edits[p.number] != nullptr,
                   "buildAllPages", qPrintable(controlName(p.number)));
}

void EntryForm::bindControls()
{
    // Each control built since the last call is bound to its position: what
    // is typed or ticked goes into the model, which the control shows.
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
                    [this, n](const QString &text) { model_.setText(n, text); });
        showValue(n);
    }
}

void EntryForm::showValue(int n)
{
    // A value is never cut: a box shows a value longer than typing may
    // enter whole.
    if (QCheckBox *check = controls_.checks[n])
        check->setChecked(model_.isChecked(n));
    else if (EntryEdit *edit = controls_.edits[n]; edit && edit->text() != model_.text(n))
        edit->showValue(model_.text(n));
}

bool EntryForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == content_ && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // The rest is built once this first paint is on the screen.
        QTimer::singleShot(0, this, [this] {
            buildAllPages();
            emit firstPainted();
        });
    }
    return QScrollArea::eventFilter(watched, event);
}

QLineEdit *EntryForm::textBox(int n) const
{
    buildAllPages();
    return n >= 0 && n < kPositionCount ? controls_.edits[n] : nullptr;
}

QCheckBox *EntryForm::checkBox(int n) const
{
    buildAllPages();
    return n >= 0 && n < kPositionCount ? controls_.checks[n] : nullptr;
}

void EntryForm::showStartPage()
{
    buildAllPages();
    const bool guard = inExitCheck_;
    inExitCheck_ = true;
    pageTabs_->setCurrentIndex(0);
    QWidget *box = model_.text(kIdentifierPosition).size() == kIdentifierLength ? controls_.edits[kFirstRatePosition]
                                                                                : controls_.edits[kIdentifierPosition];
    focusBox(box);
    // The view opens scrolled only as far as the box needs, without the
    // usual room around it, so that on a small or scaled screen as much of
    // the title block, "Drukowanie" first, stays in view as the box allows.
    verticalScrollBar()->setValue(0);
    ensureWidgetVisible(box, 0, kStartMarginPx);
    inExitCheck_ = guard;
}

void EntryForm::onFocusChanged(QWidget *old, QWidget *now)
{
    if (now && positionOf_.contains(now))
        lastBox_ = now;
    if (inExitCheck_ || !old || !now)
        return;
    buildAllPages();
    // Only a move between two controls of this window counts as leaving a
    // box: losing activation to a message box, the preview or another
    // program does not.
    if (old->window() != window() || now->window() != window())
        return;
    if (now == controls_.edits[kIdentifierPosition])
        rememberIdentifier();
    const int n = positionOf_.value(old, -1);
    if (n < 0 || position(n).exit == ExitCheck::None)
        return;
    // Run from the event loop right after the focus change, or at once when
    // the print button's click comes first (a click that moved the focus).
    pendingExit_ = old;
    QMetaObject::invokeMethod(this, &EntryForm::runPendingExitCheck, Qt::QueuedConnection);
}

void EntryForm::runPendingExitCheck()
{
    const QPointer<QWidget> box = pendingExit_;
    pendingExit_.clear();
    if (box)
        runExitCheck(box);
}

void EntryForm::runExitCheck(QWidget *box)
{
    const int n = positionOf_.value(box, -1);
    if (inExitCheck_ || n < 0)
        return;
    inExitCheck_ = true;
    const ExitOutcome out = iqx::runExitCheck(n, model_.document(), lookup_, remembered_);
    for (const ExitOutcome::Message &m : out.messages) {
        if (m.error)
            messages().error(m.text);
        else
            messages().inform(m.text);
    }
    if (out.newText)
        model_.setText(n, *out.newText);
    if (out.identity)
        model_.setIdentity(*out.identity); // each name shows at once in its header label
    if (!out.accepted)
        placeFocus(box);
    if (out.turnsPage)
        turnPage(position(n).page);
    inExitCheck_ = false;
}

int EntryForm::pageOf(const QWidget *box) const
{
    for (const QWidget *w = box; w; w = w->parentWidget()) {
        const int index = pageTabs_->indexOf(const_cast<QWidget *>(w));
        if (index >= 0)
            return index + 1;
    }
    return 0;
}

void EntryForm::focusBox(QWidget *box)
{
    // A box on another page gets its page shown first.
    if (const int page = pageOf(box); page > 0 && pageTabs_->currentIndex() != page - 1)
        pageTabs_->setCurrentIndex(page - 1);
    box->setFocus(Qt::OtherFocusReason);
    ensureWidgetVisible(box);
}

void EntryForm::placeFocus(QWidget *box)
{
    const bool guard = inExitCheck_;
    inExitCheck_ = true;
    focusBox(box);
    inExitCheck_ = guard;
}

void EntryForm::restoreFocus()
{
    if (lastBox_)
        placeFocus(lastBox_);
}

void EntryForm::rememberIdentifier()
{
    // The identifier an unrecognised one is replaced with: the box's text
    // when it holds a whole identifier on entry.
    if (model_.text(kIdentifierPosition).size() == kIdentifierLength)
        remembered_ = model_.text(kIdentifierPosition);
    else if (remembered_.size() != kIdentifierLength)
        remembered_.clear();
}

void EntryForm::turnPage(int fromPage)
{
    // The page after the one that holds the box that was left, whichever
    // page is showing by now (the box may have been left by clicking a tab).
    const int page = nextPage(fromPage);
    const bool guard = inExitCheck_;
    inExitCheck_ = true;
    pageTabs_->setCurrentIndex(page - 1);
    if (const int first = firstBoxOfPage(page); first >= 0)
        focusBox(controls_.control(first));
    inExitCheck_ = guard;
}

} // namespace iqx::ui
