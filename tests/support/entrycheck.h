#pragma once
// Checks of a built entry page against a table written in the test: the
// control of each position and the static labels.
#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace entrycheck {

struct ExpectedPosition {
    int n;
    bool flag; // CheckBox<n> ("TAK") rather than Edit<n>
    QRect box; // relative to the tab page
    // The key filter and the exit check by the labels of the layout tables:
    // "TylkoLiczbyKeyPress" (decimal), "TylkoIntKeyPress" (whole),
    // "TylkoInt2KeyPress" (identifier); "ValFloat" (number), "ValFloatNextPage"
    // (number, then the next page), "Exit50_CheckSum" and "Exit51_CheckSum"
    // (column sum), "CheckIdGminy" (identifier), "NextPage"; "" for none.
    const char *keyFilter;
    const char *exitHandler;
    QByteArray number; // the number label's text, null for none
    QPoint numberAt;   // its top-left corner
};

// "Edit<n>" or "CheckBox<n>".
QString controlName(const ExpectedPosition &p);

// Empty when position `p` on `sheet` is the control the table says, at its
// place, with its key filter, exit handler and number label; else what is
// wrong.
QString checkPosition(const QWidget *sheet, const ExpectedPosition &p);

// The label under `parent` with exactly `text` whose top-left corner is
// `at`; nullptr when there is none.
const QLabel *labelAt(const QWidget *parent, const QString &text, QPoint at);

// Empty when `sheet` shows a static label with exactly `text` whose top-left
// corner is `at` and, when `px` is given, in a font `px` pixels high that is
// bold or not as `bold` says; else what is wrong.
QString checkLabel(const QWidget *sheet, const QString &text, QPoint at, int px = 0, bool bold = false);

// The number of Edit<n> and CheckBox<n> controls on `sheet`.
int positionCount(const QWidget *sheet);

} // namespace entrycheck
