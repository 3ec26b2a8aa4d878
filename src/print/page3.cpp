#include "print/pages.h"

// Printed page 3. For now it carries the footer that every page has: the
// rule above it, the program's name at the left and the page number at the
// right.
namespace iqx::print {

const report::PageTable &printedPage3()
{
    static const report::PageTable table{
        "TStrona3", "Strona3", "QRBand3", 189.97, 277.55, 0,
        {
            {"QRLabel39", 3.70, 267.49, 0, 0, "Informacja QX", 7},
            {"QRLabel40", 174.62, 267.49, 0, 0, "Strona 3/6", 7},
        },
        {
            {"QRShape2", 5.39, 264.52, 183.19, 0.26}, // above the footer
        }};
    return table;
}

} // namespace iqx::print
