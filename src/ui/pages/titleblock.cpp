// The title block above the tab control (Panel1): the recipient, the
// document's title and the print button. Coordinates are pixels on the panel.
#include "ui/pages/rows.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

namespace iqx::ui {

const QList<EntryRow> &titleBlockRows()
{
    static const QList<EntryRow> rows{
        bold(649, 9, "Zeltmark", 18),
        label(617, 28, "Tarvelin", 18),
        bold(334, 52, "INFORMACJA", 25),
        {.kind = Kind::Button, .name = "Button1", .x = 35, .y = 64, .w = 110, .h = 41, .text = "Drukowanie", .fontPx = 14},
        bold(233, 82, "w sprawie podatków i opłat lokalnych", 20),
    };
    return rows;
}

} // namespace iqx::ui
// clang-format on
