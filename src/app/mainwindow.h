#pragma once
#include "app/session.h"
#include "document/documentmodel.h"
#include "storage/folderlock.h"
#include "ui/entryform.h"

#include <QMainWindow>
#include <memory>

namespace iqx {

// The main window (object name "TInformacja"): the shell that joins the
// document model, the entry form that shows and edits it, and the session
// that loads, saves, keeps and prints it, all working in the folder it is
// given. It runs the start-up at its first activation and the save question
// when it closes.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(const WorkFolder &folder, QWidget *parent = nullptr);
    ~MainWindow() override;

    DocumentModel &model() { return model_; }
    ui::EntryForm &form() const { return *form_; }
    Session &session() const { return *session_; }

    // What the form and the session offer, reached through the window.
    QTabWidget *pageTabs() const { return form_->pageTabs(); }
    QPushButton *printButton() const { return form_->printButton(); }
    QLineEdit *textBox(int n) const { return form_->textBox(n); }
    QCheckBox *checkBox(int n) const { return form_->checkBox(n); }
    void buildAllPages() const { form_->buildAllPages(); }
    void placeFocus(QWidget *box) { form_->placeFocus(box); }
    const Document &document() const { return model_.document(); }
    void showDocument(const Document &doc) { model_.setDocument(doc); }
    report::CompositeReport *compositeReport() { return session_->compositeReport(); }
    Recovery *recovery() const { return session_->recovery(); }
    bool saveDocument() { return session_->save(); }
    void offerSaveOnClose() { session_->offerSaveOnClose(); }
    void adoptFolderLock(std::unique_ptr<FolderLock> lock) { session_->adoptFolderLock(std::move(lock)); }

    // The first activation: every page built, the session started (the
    // register check, the folder taken, the first data file loaded, the
    // recovery copy offered), then page 1 and the first focus. The window
    // runs it once, when it first becomes active or is first shown; false
    // when the program must end.
    bool runFirstActivation();
    // The print run: the check of the box just left, then the session's
    // print, then the focus back in that box.
    void printDocument();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void scheduleFirstActivation();
    void runPendingActivation();

    DocumentModel model_;
    std::unique_ptr<Session> session_;
    ui::EntryForm *form_ = nullptr;
    bool activated_ = false;
    bool activationPending_ = false;
    bool endRequested_ = false;
};

} // namespace iqx
