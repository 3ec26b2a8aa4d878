#include "print/pages.h"

// Printed page 5. For now it carries the footer that every page has: the
// rule above it, the program's name at the left and the page number at the
// right.
namespace iqx::print {

const report::PageTable &printedPage5()
{
    static const report::PageTable table{
        "TStrona5", "Strona5", "QRBand1", 189.97, 278.08, 0,
        {
            {"QRLabel39", 3.70, 267.49, 0, 0, "Informacja QX", 7},
            {"QRLabel40", 174.62, 267.49, 0, 0, "Strona 5/6", 7},
        },
        {
            {"QRShape2", 5.82, 265.38, 178.86, 0.53}, // above the footer
        }};
    return table;
}

} // namespace iqx::print
