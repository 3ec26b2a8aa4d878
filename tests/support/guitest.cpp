#include "support/guitest.h"

#include <QApplication>
#include <QtTest>

namespace guitest {

void settle()
{
    QTest::qWait(1);
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

QWidget *press(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    if (QWidget *w = QApplication::focusWidget())
        QTest::keyClick(w, key, modifiers);
    settle();
    return QApplication::focusWidget();
}

QString focusName()
{
    const QWidget *w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}

QStringList tabThrough(qsizetype steps)
{
    QStringList visited;
    for (qsizetype i = 0; i < steps; ++i) {
        press(Qt::Key_Tab);
        visited << focusName();
    }
    return visited;
}

void type(QWidget *w, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool Window::show()
{
    w.show();
    QApplication::setActiveWindow(&w);
    const bool active = QTest::qWaitForWindowActive(&w);
    settle(); // the first activation runs here
    settle();
    return active;
}

bool Window::focus(QWidget *box)
{
    w.placeFocus(box);
    settle();
    return QApplication::focusWidget() == box;
}

} // namespace guitest
