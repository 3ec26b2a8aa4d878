#pragma once
// The main window as the GUI tests drive it: in a working folder of its own,
// with every message recorded, and the key presses and focus moves of a user.
#include "app/mainwindow.h"
#include "support/recordingsink.h"
#include "document/positions.h"
#include "support/workdir.h"

#include <QString>
#include <QStringList>
#include <Qt>

class QWidget;

namespace guitest {

// Lets the exit checks run, which the form queues on every focus change.
void settle();

// Presses `key` in the focus widget, settles and returns the new focus widget.
QWidget *press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

// The object name of the focus widget; "<none>" without one.
QString focusName();

// Presses Tab `steps` times; the names of the widgets the focus reached.
QStringList tabThrough(qsizetype steps);

// Types `text` key by key, Polish letters included (QTest::keyClicks
// handles Latin-1 only).
void type(QWidget *w, const QString &text);

// A main window working in a fresh folder that holds a copy of the shipped
// register. The recorder answers No, so closing never saves.
struct Window {
    WorkDir dir;
    iqx::RecordingSink sink;
    iqx::ScopedMessages scoped{&sink};
    iqx::MainWindow w{folder()};

    Window()
    {
        sink.answer = false;
        w.buildAllPages();
    }
    // The window's work folder, for another window on the same folder.
    iqx::WorkFolder folder() const { return iqx::WorkFolder(dir.path()); }
    QLineEdit *edit(int n) const { return w.textBox(n); }
    QCheckBox *checkBox(int n) const { return w.checkBox(n); }
    // Shows and activates the window and lets its first activation run.
    // False when it never became active.
    bool show();
    // Puts the focus into `box` without running the exit check of the box
    // that had it. True when `box` has it then.
    bool focus(QWidget *box);
};

} // namespace guitest
