#pragma once
#include "ui/pages/entrytable.h"

// Constructors of the rows the entry-page tables are written in, with the
// sizes all pages share. A table reads as one call per control:
//     label(318, 450, "15."), box(15, 337, 450),
namespace iqx::ui {

constexpr int kBoxHeight = 24;    // text boxes
constexpr int kBoxWidth = 105;    // the usual text box
constexpr int kCheckHeight = 17;  // check boxes
constexpr int kCheckWidth = 60;   // the usual check box
constexpr int kSectionPx = 17;    // section headings ("C. PODATEK ROLNY"), bold
constexpr int kSubsectionPx = 15; // subsection headings ("B.2. ..."), bold
constexpr int kRuleWidth = 920;   // separator lines across the page

// Static label; px 0 keeps the page font.
constexpr EntryRow label(int x, int y, const char *text, int px = 0, bool bold = false)
{
    return {.kind = Kind::Label, .name = nullptr, .x = x, .y = y, .text = text, .fontPx = px, .bold = bold};
}

constexpr EntryRow bold(int x, int y, const char *text, int px = 0) { return label(x, y, text, px, true); }
constexpr EntryRow section(int x, int y, const char *text) { return bold(x, y, text, kSectionPx); }
constexpr EntryRow subsection(int x, int y, const char *text) { return bold(x, y, text, kSubsectionPx); }

// Text box of position `n`. Its key filter, its check on leaving, its
// length limit and whether it is hidden come from the position table.
constexpr EntryRow box(int n, int x, int y, int w = kBoxWidth)
{
    return {.kind = Kind::Edit, .position = n, .x = x, .y = y, .w = w, .h = kBoxHeight};
}

// Yes/no check box of flag position `n`, captioned "TAK".
constexpr EntryRow check(int n, int x, int y, int w = kCheckWidth)
{
    return {.kind = Kind::Check, .position = n, .x = x, .y = y, .w = w, .h = kCheckHeight};
}

// Horizontal 1-px line; separators start left of the page (negative x) when
// they are to be cut off by its edge.
constexpr EntryRow line(const char *name, int x, int y, int w = kRuleWidth)
{
    return {.kind = Kind::Line, .name = name, .x = x, .y = y, .w = w, .h = 1};
}

} // namespace iqx::ui
