#include "app/mainwindow.h"

#include "app/exitstatus.h"
#include "base/messages.h"
#include "ui/pages/entrytable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>

namespace iqx {

MainWindow::MainWindow(const WorkFolder &folder, QWidget *parent)
    : QMainWindow(parent), session_(std::make_unique<Session>(model_, folder))
{
    setObjectName(QStringLiteral("TInformacja"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    setGeometry(189, 209, 962, 669); // restored bounds; shown maximized
    const QColor silver(192, 192, 192);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, silver);
    pal.setColor(QPalette::Button, silver);
    setPalette(pal);
    setFont(ui::screenFont(14));

    form_ = new ui::EntryForm(model_, folder.registerLookup(), this);
    setCentralWidget(form_);
    connect(form_->printButton(), &QPushButton::clicked, this, &MainWindow::printDocument);
    // The first activation waits for the first paint (see below).
    connect(form_, &ui::EntryForm::firstPainted, this, [this] {
        if (activationPending_)
            runPendingActivation();
    });
}

MainWindow::~MainWindow()
{
    // The form goes first, while the model it shows is still here; then the
    // session, which closes a preview that is still open.
    delete form_;
    session_.reset();
}

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
    if (form_->isPainted())
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
            QCoreApplication::exit(kNotStartedStatus);
        });
}

bool MainWindow::runFirstActivation()
{
    activated_ = true;
    activationPending_ = false;
    form_->buildAllPages();
    switch (session_->start()) {
    case Session::Start::Refused:
        endRequested_ = true;
        return false;
    case Session::Start::LoadFailed:
        return true; // the remaining start-up steps are skipped
    case Session::Start::Started:
        break;
    }
    form_->showStartPage();
    return true;
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A session the desktop is ending is not held up by the question: the
    // recovery copy keeps the entries for the next start.
    if (!endRequested_ && !session_->sessionEnding())
        session_->offerSaveOnClose();
    session_->close();
    event->accept();
}

void MainWindow::printDocument()
{
    // The box the click on this button left is checked before the print,
    // as leaving it would have been.
    form_->runPendingExitCheck();
    // Back from the preview: the clerk goes on in the box they left.
    if (session_->print() && isVisible())
        form_->restoreFocus();
}

} // namespace iqx
