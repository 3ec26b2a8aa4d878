#pragma once
#include "document/registry.h"
#include "ui/pages/entrytable.h"

#include <QHash>
#include <QPointer>
#include <QScrollArea>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace iqx {
class DocumentModel;
}

namespace iqx::ui {

// The entry form: the title block with the print button above the six entry
// pages, in one client area that scrolls as a whole (object name
// "ClientArea"). Every box and check box is bound to its position in the
// model: what the clerk types or ticks goes into the model, and whatever the
// model is given shows in its control. Leaving a box runs its position's
// check on the model's document and applies the outcome; the last box of a
// page turns to the next one.
//
// The identifier is looked up through the register lookup the form is
// given; the form itself reads no file.
//
// Page 1 is built at once; pages 2 to 6 right after the form's first paint,
// or as soon as anything asks for one of their positions.
class EntryForm : public QScrollArea {
    Q_OBJECT
public:
    EntryForm(DocumentModel &model, RegisterLookupFn lookup, QWidget *parent = nullptr);
    ~EntryForm() override;

    QWidget *titleBlock() const { return titleBlock_; }
    QPushButton *printButton() const { return printButton_; }
    QTabWidget *pageTabs() const { return pageTabs_; }
    // The box of text position `n` / the check box of flag position `n`;
    // nullptr for a position of the other kind.
    QLineEdit *textBox(int n) const;
    QCheckBox *checkBox(int n) const;

    // Builds entry pages 2 to 6 now if they are not built yet.
    void buildAllPages() const;
    bool isPainted() const { return painted_; }

    // Page 1, with the focus on the first rate when the identifier is whole,
    // else on the identifier.
    void showStartPage();
    // Puts the focus on `box` (showing its page) without running the exit
    // check of the box that had it: after a refusal, at start, on a page turn.
    void placeFocus(QWidget *box);
    // The focus back in the box that last had it (after the preview).
    void restoreFocus();
    // Turns to the page after `fromPage` (1-based) and focuses its first box.
    void turnPage(int fromPage);
    // Runs now the check of a box just left whose check is still queued
    // (a click on the print button comes before it).
    void runPendingExitCheck();
    // The identifier an unrecognised one is replaced with.
    QString rememberedIdentifier() const { return remembered_; }

signals:
    // The form is on the screen and all its pages are built.
    void firstPainted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void bindControls();
    void showValue(int n);
    void onFocusChanged(QWidget *old, QWidget *now);
    void runExitCheck(QWidget *box);
    void focusBox(QWidget *box);
    int pageOf(const QWidget *box) const;
    void rememberIdentifier();

    DocumentModel &model_;
    RegisterLookupFn lookup_;
    QWidget *content_ = nullptr;
    QWidget *titleBlock_ = nullptr;
    QPushButton *printButton_ = nullptr;
    QTabWidget *pageTabs_ = nullptr;
    PositionControls controls_;
    QHash<const QWidget *, int> positionOf_;
    QPointer<QWidget> pendingExit_; // left, its check not run yet
    QPointer<QWidget> lastBox_;     // the position box that last had the focus
    QString remembered_;
    bool painted_ = false;
    mutable bool remainingBuilt_ = false;
    bool inExitCheck_ = false;
};

} // namespace iqx::ui
