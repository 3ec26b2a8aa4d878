// The title block above the tab control (Panel1): the recipient, the
// document's title and the print button. Coordinates are pixels on the panel.
#include "ui/pages/entrytable.h"

namespace iqx::ui {

const QList<EntryRow> &titleBlockRows()
{
    static const QList<EntryRow> rows{
        {.kind = Kind::Label, .name = nullptr, .x = 649, .y = 9, .text = "Zeltmark", .fontPx = 18, .bold = true},
        {.kind = Kind::Label, .name = nullptr, .x = 617, .y = 28, .text = "Tarvelin", .fontPx = 18},
        {.kind = Kind::Label, .name = nullptr, .x = 334, .y = 52, .text = "INFORMACJA", .fontPx = 25, .bold = true},
        {.kind = Kind::Button, .name = "Button1", .x = 35, .y = 64, .w = 110, .h = 41, .text = "Drukowanie", .fontPx = 14},
        {.kind = Kind::Label, .name = nullptr, .x = 233, .y = 82, .text = "w sprawie podatków i opłat lokalnych",
         .fontPx = 20, .bold = true},
    };
    return rows;
}

} // namespace iqx::ui
