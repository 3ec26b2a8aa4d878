#pragma once
#include "document/document.h"
#include "document/documentmodel.h"
#include "ui/pages/entrytable.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace iqx {
namespace report {
class CompositeReport;
class ReportPage;
} // namespace report
class FolderLock;
struct SaveResult;
class Recovery;
namespace ui {
class EntryEdit;
struct EntryPageTable;
} // namespace ui

// The main window (object name "TInformacja"): the title block with the
// print button and the six entry pages. It shows a Document in its boxes
// and collects one from them; the checks run when a box is left. Data files
// and the register are addressed relative to the current directory.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    QTabWidget *pageControl() const { return pageControl_; }
    QPushButton *printButton() const { return button1_; }
    // The box of text position `n` / the check box of flag position `n`;
    // nullptr for a position of the other kind.
    QLineEdit *textBox(int n) const;
    QCheckBox *checkBox(int n) const;

    // Builds entry pages 2 to 6 now if they are not built yet. They are
    // built right after the window's first paint, or as soon as anything
    // reaches a position.
    void buildAllPages() const;

    // The document being edited, which the boxes show and change.
    DocumentModel &model() { return model_; }
    const Document &document() const { return model_.document(); }
    // Shows `doc` in the boxes. A value is never cut: a box shows a value
    // longer than typing may enter whole.
    void showDocument(const Document &doc) { model_.setDocument(doc); }

    // The composite report and the printed pages TStrona1 ... TStrona6,
    // created at the first print.
    report::CompositeReport *compositeReport();
    QList<report::ReportPage *> printedPages();
    QString rememberedIdentifier() const { return remembered_; }
    // The recovery copy's keeper, from the first activation on; else nullptr.
    Recovery *recovery() const { return recovery_.get(); }

    // First activation (FormActivate): the register check, the folder
    // taken for this window alone, loading the first data file, page 1 and
    // the first focus. The window runs it once,
    // when it first becomes active or is first shown; false when the
    // register is missing or another window holds the folder, and the
    // program must end.
    bool runFirstActivation();
    // The folder's lock, taken before the window was shown; the first
    // activation then takes none of its own.
    void adoptFolderLock(std::unique_ptr<FolderLock> lock);
    // Closing (FormClose): the save question and the save.
    void offerSaveOnClose();
    // The print run (PrintForm): save, fill every print slot, preview.
    void printDocument();
    // Writes the data file (ZapiszDane); reports a failure through the error box.
    bool saveDocument();
    // NextPage: turns to the page after `fromPage` (1-based) and focuses
    // its first box.
    void turnPage(int fromPage);
    // Puts the focus on `box` (showing its page) without running the exit
    // check of the box that had it: after a refusal, at start, on a page turn.
    void placeFocus(QWidget *box);

protected:
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    static const QList<const ui::EntryPageTable *> &entryPageTables();
    void buildWindow();
    void bindPositions();
    void showModelValue(int n);
    void scheduleFirstActivation();
    void runPendingActivation();
    void onFocusChanged(QWidget *old, QWidget *now);
    // Writes `doc` to its data file: a failure goes to the error box, a
    // success to the recovery copy, which goes.
    SaveResult writeDataFile(const Document &doc);
    void runExitCheck(QWidget *box);
    void runPendingExitCheck();
    void focusBox(QWidget *box);
    int pageOf(const QWidget *box) const;
    void rememberIdentifier();

    QScrollArea *scroll_ = nullptr;
    QWidget *content_ = nullptr;
    QWidget *panel1_ = nullptr;
    QPushButton *button1_ = nullptr;
    QTabWidget *pageControl_ = nullptr;
    report::CompositeReport *composite_ = nullptr;
    QList<report::ReportPage *> printedPages_;
    DocumentModel model_;
    ui::PositionControls controls_;
    QHash<const QWidget *, int> positionOf_;
    std::unique_ptr<FolderLock> folderLock_;
    QPointer<QWidget> pendingExit_; // left, its check not run yet
    QPointer<QWidget> lastBox_;     // the position box that last had the focus
    std::unique_ptr<Recovery> recovery_;
    QString remembered_;
    bool activated_ = false;
    bool activationPending_ = false;
    bool painted_ = false;
    mutable bool remainingBuilt_ = false;
    bool endRequested_ = false;
    bool inExitCheck_ = false;
};

} // namespace iqx
