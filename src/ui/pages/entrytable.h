#pragma once
#include "document/positions.h"

#include <QList>
#include <QString>
#include <array>

class QCheckBox;
class QFont;
class QWidget;

// An entry page described as data: one row per label, box, check box or
// line, in pixels from the top-left of the tab page (or of the title block),
// built by one generic builder. Focusable rows are listed in tab order.
namespace iqx::ui {

enum class Kind {
    Label,  // static, self-sizing label
    Header, // named self-sizing label that mirrors a hidden box (TypGmi ...)
    Edit,   // text box of a text position, named Edit<n>
    Check,  // check box of a flag position, named CheckBox<n>, caption "TAK"
    Line,   // 1-px black line Shape<n>: x, y, w, h
    Button, // push button (Button1)
};

struct EntryRow {
    Kind kind;
    const char *name = nullptr; // object name; nullptr for static labels and positions
    int position = -1;          // Edit, Check: the position the control stands for
    int x, y;
    int w = 0, h = 0;           // boxes, lines, buttons; 0 for labels
    const char *text = nullptr; // UTF-8 caption of a label or button
    int fontPx = 0;             // character height in px; 0: the page font
    bool bold = false;
    int mirrors = -1;    // Header: the position whose box's text it shows
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

class EntryEdit;

// The controls of the positions by number, filled in as they are built: a
// text box for a text position, a check box for a flag position, nullptr
// for the other kind and for what is not built yet.
struct PositionControls {
    std::array<EntryEdit *, kPositionCount> edits{};
    std::array<QCheckBox *, kPositionCount> checks{};

    // The control of position `n`, whichever its kind; nullptr if none.
    QWidget *control(int n) const;
};

// Builds `rows` as children of `parent` and enters the controls of their
// positions in `controls`. A position's control is named after it (Edit<n>,
// CheckBox<n>); a box takes its key filter, length limit and visibility from
// the position table and refuses ';' and characters Windows-1250 cannot
// hold. A header label shows the text of a box in `controls`.
void buildRows(QWidget *parent, const QList<EntryRow> &rows, PositionControls *controls = nullptr);

// Font of the screen: MS Sans Serif (or its substitute) at `px` pixels.
QFont screenFont(int px, bool bold = false);

} // namespace iqx::ui
