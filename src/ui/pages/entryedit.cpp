#include "ui/pages/entryedit.h"

#include "storage/cp1250.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <algorithm>
#include <limits>

namespace iqx::ui {

QValidator::State DocumentTextValidator::validate(QString &input, int &) const
{
    if (input.contains(u';') || input.contains(u'\n') || input.contains(u'\r') || !cp1250::representable(input))
        return Invalid;
    return Acceptable;
}

EntryEdit::EntryEdit(QWidget *parent) : QLineEdit(parent)
{
    setValidator(new DocumentTextValidator(this));
    setTypingLimit(0);
    // A value longer than the limit was let in whole by raising the box's
    // maximum; once it is back within the limit, the limit holds again.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &t) {
        if (typingLimit_ > 0 && maxLength() != typingLimit_ && t.size() <= typingLimit_)
            setMaxLength(typingLimit_);
    });
}

void EntryEdit::setTypingLimit(int limit)
{
    typingLimit_ = limit;
    // Without a limit of its own a box holds a text of any length (a line
    // edit otherwise cuts at 32767 characters).
    setMaxLength(limit > 0 ? std::max<int>(limit, int(text().size())) : std::numeric_limits<int>::max());
}

void EntryEdit::setKeyFilter(KeyFilter filter) { filter_ = filter; }

void EntryEdit::showValue(const QString &value)
{
    if (value.size() > maxLength())
        setMaxLength(int(value.size()));
    setText(value);
}

void EntryEdit::keyPressEvent(QKeyEvent *event)
{
    const std::optional<QChar> typed =
        filter_ == KeyFilter::None
            ? std::nullopt
            : typedCharacter(event->key(), event->modifiers().testFlag(Qt::ControlModifier), event->text());
    if (!typed) {
        // Editing keys and boxes without a filter: the usual effect.
        QLineEdit::keyPressEvent(event);
        return;
    }
    const KeyDecision d = filterKey(filter_, *typed, text());
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
