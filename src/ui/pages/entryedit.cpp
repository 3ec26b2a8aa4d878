#include "ui/pages/entryedit.h"

#include "storage/cp1250.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace iqx::ui {

QValidator::State DocumentTextValidator::validate(QString &input, int &) const
{
    if (input.contains(u';') || !cp1250::representable(input))
        return Invalid;
    return Acceptable;
}

EntryEdit::EntryEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new DocumentTextValidator(this));
}

void EntryEdit::setKeyFilter(KeyFilter filter)
{
    filter_ = filter;
    setProperty("keyFilter", keyFilterName(filter));
}

void EntryEdit::keyPressEvent(QKeyEvent *event)
{
    if (filter_ == KeyFilter::None) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QChar typed;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        typed = u'\r';
    else if (event->key() == Qt::Key_Backspace)
        typed = u'\b';
    else if (!event->text().isEmpty())
        typed = event->text().front();
    else {
        // Keys that type nothing (arrows, Home, Delete ...) never reach the
        // filters.
        QLineEdit::keyPressEvent(event);
        return;
    }
    const KeyDecision d = filterKey(filter_, typed, text());
    switch (d.kind) {
    case KeyDecision::Pass:
        QLineEdit::keyPressEvent(event);
        break;
    case KeyDecision::Replace: {
        QKeyEvent replaced(event->type(), Qt::Key_Comma, event->modifiers(), QString(d.replacement));
        QLineEdit::keyPressEvent(&replaced);
        event->setAccepted(replaced.isAccepted());
        break;
    }
    case KeyDecision::Swallow:
        event->accept();
        break;
    case KeyDecision::MoveNext:
        event->accept();
        focusNextChild();
        break;
    }
}

void EntryEdit::focusInEvent(QFocusEvent *event)
{
    // The caret stays where it was; nothing is selected on entry.
    const int caret = cursorPosition();
    QLineEdit::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && hasSelectedText()) {
        deselect();
        setCursorPosition(caret);
    }
}

} // namespace iqx::ui
