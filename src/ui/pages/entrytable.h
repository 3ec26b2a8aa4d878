#pragma once
#include <QList>
#include <QString>

class QFont;
class QWidget;

// An entry page described as data: one row per label, box, check box or
// line, in pixels from the top-left of the tab page (or of the title block),
// built by one generic builder. Focusable rows are listed in tab order.
namespace iqx::ui {

enum class Kind {
    Label,  // static, self-sizing label
    Header, // named self-sizing label that mirrors a hidden box (TypGmi ...)
    Edit,   // text box Edit<n> of a text position
    Check,  // check box CheckBox<n> of a flag position, caption "TAK"
    Line,   // 1-px black line Shape<n>: x, y, w, h
    Button, // push button (Button1)
};

struct EntryRow {
    Kind kind;
    const char *name;    // object name; nullptr for static labels
    int x, y;
    int w = 0, h = 0;    // boxes, lines, buttons; 0 for labels
    const char *text = nullptr; // UTF-8 caption of a label or button
    int fontPx = 0;      // character height in px; 0: the page font
    bool bold = false;
    const char *mirrors = nullptr; // Header: the box whose text it shows
    bool silver = false; // label drawn on a silver background
};

struct EntryPageTable {
    const char *sheetName; // "TabSheet1"
    const char *caption;   // "Strona 1"
    QList<EntryRow> rows;
};

// Tables of the six entry pages and of the title block.
const EntryPageTable &entryPage1();
const EntryPageTable &entryPage2();
const EntryPageTable &entryPage3();
const EntryPageTable &entryPage4();
const EntryPageTable &entryPage5();
const EntryPageTable &entryPage6();
const QList<EntryRow> &titleBlockRows();

// Builds `rows` as children of `parent`. A position's box takes its key
// filter, length limit and visibility from the position table, shows the
// names of its key filter and exit check as the properties "keyFilter" and
// "exitHandler", and refuses ';' and characters Windows-1250 cannot hold.
void buildRows(QWidget *parent, const QList<EntryRow> &rows);

// Font of the screen: MS Sans Serif (or its substitute) at `px` pixels.
QFont screenFont(int px, bool bold = false);

} // namespace iqx::ui
