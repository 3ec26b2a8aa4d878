#include "print/pages.h"

// Printed page 2. For now it carries the footer that every page has: the
// rule above it, the program's name at the left and the page number at the
// right.
namespace iqx::print {

const report::PageTable &printedPage2()
{
    static const report::PageTable table{
        "TStrona2", "Strona2", "QRBand2", 189.97, 277.02, 10,
        {
            {"QRLabel39", 3.70, 267.49, 0, 0, "Informacja QX", 7},
            {"QRLabel40", 174.62, 267.49, 0, 0, "Strona 2/6", 7},
        },
        {
            {"QRShape2", 5.39, 264.52, 183.19, 0.26}, // above the footer
        }};
    return table;
}

} // namespace iqx::print
