#include "ui/messagebox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace iqx::ui {

namespace {

// The window a box belongs to: the active one, else the main window. A box
// without an owner would be a window of its own, apart from the program.
QWidget *ownerWindow()
{
    if (QWidget *active = QApplication::activeWindow())
        return active;
    QWidget *anyMain = nullptr;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!w->isVisible() || !qobject_cast<QMainWindow *>(w))
            continue;
        if (w->objectName() == QLatin1String("TInformacja"))
            return w;
        if (!anyMain)
            anyMain = w;
    }
    return anyMain;
}

// Keeps a box, and the windows it belongs to, on the screen. A window
// manager may offer to minimize any dialog whatever its hints say, and may
// minimize the windows under it along with it; without a taskbar nothing
// brings them back, and the program looks hung behind a box nobody sees.
// So a box that is minimized, or whose owner is, comes straight back.
class KeepOnScreen : public QObject {
public:
    explicit KeepOnScreen(QWidget *box) : QObject(box), box_(box)
    {
        for (QWidget *w = box; w; w = w->parentWidget() ? w->parentWidget()->window() : nullptr) {
            w->installEventFilter(this);
            chain_.append(w);
        }
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::WindowStateChange && !restoreQueued_
            && static_cast<QWidget *>(watched)->isMinimized()) {
            // Not inside the state change: the window manager is still at it.
            restoreQueued_ = true;
            QMetaObject::invokeMethod(this, &KeepOnScreen::restore, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void restore()
    {
        restoreQueued_ = false;
        // The owners first, so that the box comes back on top of them. A
        // maximized window stays maximized.
        for (auto it = chain_.crbegin(); it != chain_.crend(); ++it) {
            QWidget *w = *it;
            if (w && w->isMinimized())
                w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        }
        box_->raise();
        box_->activateWindow();
    }

    QWidget *box_;
    QList<QPointer<QWidget>> chain_; // the box, then its owners
    bool restoreQueued_ = false;
};

// The question box. Esc and the title bar's close button close it without
// an answer, which a click on "&No" is not.
class QuestionBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool dismissed = false;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            dismissed = true;
            reject();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override
    {
        // QMessageBox counts a close as a click on its escape button.
        if (!clickedButton())
            dismissed = true;
        QMessageBox::closeEvent(event);
    }
};

void showBox(QMessageBox::Icon icon, const QString &text)
{
    QMessageBox box(icon, QString::fromUtf8(kAppTitle), text, QMessageBox::Ok, ownerWindow());
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    new KeepOnScreen(&box);
    box.exec();
}

} // namespace

void MessageBoxSink::inform(const QString &text) { showBox(QMessageBox::NoIcon, text); }

void MessageBoxSink::error(const QString &text) { showBox(QMessageBox::Critical, text); }

Answer MessageBoxSink::confirm(const QString &title, const QString &text)
{
    QuestionBox box(QMessageBox::Question, title, text, QMessageBox::NoButton, ownerWindow());
    QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    box.setDefaultButton(yes);
    // Without an escape button the title bar's close button would not close
    // the box at all; `dismissed` tells that close from a click on No.
    box.setEscapeButton(no);
    new KeepOnScreen(&box);
    box.exec();
    if (box.dismissed || !box.clickedButton())
        return Answer::Dismissed;
    return box.clickedButton() == yes ? Answer::Yes : Answer::No;
}

} // namespace iqx::ui
