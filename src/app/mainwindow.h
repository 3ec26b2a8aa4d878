#pragma once
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QString>

class QTabWidget;
class QPushButton;
class QLineEdit;
class QScrollArea;

namespace iqx {
namespace report {
class CompositeReport;
class ReportPage;
} // namespace report

// The main window: title block, print button and the six entry pages. It
// holds every event handler of the document. Data files and the register
// are addressed relative to the current directory.
class TInformacja : public QMainWindow {
    Q_OBJECT
public:
    explicit TInformacja(QWidget *parent = nullptr);
    ~TInformacja() override;

    QTabWidget *pageControl() const { return pageControl_; }
    QPushButton *printButton() const { return button1_; }
    report::CompositeReport *compositeReport() const { return composite_; }
    // The printed pages TStrona1 ... TStrona6, created after the window.
    void setPrintedPages(const QList<report::ReportPage *> &pages);
    QList<report::ReportPage *> printedPages() const { return printedPages_; }
    QString rememberedIdentifier() const { return remembered_; }

    // First activation: the register check, loading the first data file,
    // page 1 and the first focus. The window runs it once, when it first
    // becomes active or is first shown; false when the register is missing
    // and the program must end.
    bool FormActivate();
    // Closing: the save question and the save.
    void FormClose();
    // The print run: save, fill every print slot, preview.
    void PrintForm();
    // Fills every P<n> of the printed pages from the positions.
    void fillPrintSlots();
    // Writes the data file; reports a failure through the error box.
    bool ZapiszDane();
    // Turns to the page after `fromPage` (1-based) and focuses its first box.
    void NextPage(int fromPage);
    // Puts the focus on `box` (showing its page) without running the exit
    // check of the box that had it: after a refusal, at start, on a page turn.
    void placeFocus(QWidget *box);

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildWindow();
    void scheduleFirstActivation();
    void attachHandlers();
    void onFocusChanged(QWidget *old, QWidget *now);
    void runExitHandler(QWidget *box);
    void focusBox(QWidget *box);
    // The entry page (1-based) that holds `box`; 0 for none.
    int pageOf(const QWidget *box) const;
    bool valFloat(QLineEdit *box);
    void checkSum(QLineEdit *box, int position);
    void checkIdGminy(QLineEdit *box);
    void edit1Enter(QLineEdit *box);
    void QRCompositeReport1AddReports();

    QScrollArea *scroll_ = nullptr;
    QWidget *content_ = nullptr;
    QWidget *panel1_ = nullptr;
    QPushButton *button1_ = nullptr;
    QTabWidget *pageControl_ = nullptr;
    report::CompositeReport *composite_ = nullptr;
    QList<report::ReportPage *> printedPages_;
    QString remembered_;
    bool activated_ = false;
    bool endRequested_ = false;
    bool inExitCheck_ = false;
};

} // namespace iqx
