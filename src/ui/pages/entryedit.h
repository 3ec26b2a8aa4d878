#pragma once
#include "document/numeric.h"

#include <QLineEdit>
#include <QValidator>

namespace iqx::ui {

// Refuses any text holding ';' (the data file's separator, which has no
// escape), a line end (which would end the data file's line) or a character
// Windows-1250 cannot hold, however the text arrives (typing, pasting,
// dropping).
class DocumentTextValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &pos) const override;
};

// A text box of the document: runs its key filter on every typed character
// and never preselects its text when it receives the focus.
class EntryEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryEdit(QWidget *parent = nullptr);
    void setKeyFilter(KeyFilter filter);
    KeyFilter keyFilter() const { return filter_; }
    // The most characters typing or pasting may put into the box; 0 for no
    // limit. A longer value set by the program (a loaded document) is shown
    // whole, never cut: the box then takes no further characters until it
    // is back within the limit.
    void setTypingLimit(int limit);
    int typingLimit() const { return typingLimit_; }
    // Shows `value` whole, however long.
    void showValue(const QString &value);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    KeyFilter filter_ = KeyFilter::None;
    int typingLimit_ = 0;
};

} // namespace iqx::ui
