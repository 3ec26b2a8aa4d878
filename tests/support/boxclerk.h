#pragma once
// The program's real message boxes, answered as a clerk would: each box that
// comes up gets the next action of the list.
#include "base/messages.h"
#include "ui/messagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace guitest {

class BoxClerk : public QObject {
public:
    // Each action is "Esc", "close" (the title bar's close button) or the
    // text of the button to click ("&Yes", "&No", "OK"). A box beyond the
    // list is left open, and the test fails on its time-out.
    explicit BoxClerk(QStringList actions) : actions_(std::move(actions))
    {
        connect(&timer_, &QTimer::timeout, this, &BoxClerk::look);
        timer_.start(20);
    }

    QStringList seen;        // "<title>: <text>" of every box, in order
    QList<QWindow *> owners; // the window each box was transient for

private:
    void look()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || box == last_ || !box->isVisible() || actions_.isEmpty())
            return;
        last_ = box;
        seen << box->windowTitle() + QStringLiteral(": ") + box->text();
        owners << (box->windowHandle() ? box->windowHandle()->transientParent() : nullptr);
        const QString action = actions_.takeFirst();
        if (action == QLatin1String("Esc")) {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (action == QLatin1String("close")) {
            box->windowHandle()->close();
        } else {
            for (QAbstractButton *b : box->buttons())
                if (b->text() == action)
                    b->click();
        }
    }

    QStringList actions_;
    QPointer<QMessageBox> last_;
    QTimer timer_;
};

// The boxes of the program itself, for the life of the object.
struct RealBoxes {
    iqx::ui::MessageBoxSink sink;
    iqx::ScopedMessages scoped{&sink};
};

} // namespace guitest
