#include "print/pages.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

// Printed page 2: sections B.2 to B.4 of the property tax. The yes/no
// answers (positions 52 to 61 and 79 to 85) print "TAK" or "NIE" from their
// left edges; the exempt areas and values of table B.3 (62 to 78) are
// right-justified on the three column edges 113.77, 147.64 and 181.50 mm.
namespace iqx::print {

using report::Align;

namespace {
constexpr Align L = Align::Left;
constexpr Align R = Align::Right;
} // namespace

const report::PageTable &printedPage2()
{
    static const report::PageTable table{
        "TStrona2", "Strona2", "QRBand2", 189.97, 277.02, 10,
        {
            // Static captions in reading order (top to bottom, then left to
            // right); their size follows the text.
            {"QRLabel1", 6.61, 8.73, 0, 0, "B.2. Kryteria różnicowania stawek w podatku od nieruchomości w 2005r.", 9},
            {"QRLabel8", 6.61, 16.40, 0, 0, "Gmina, na mocy uchwały rady gminy, różnicuje stawki dla poszczególnych przedmiotów opodatkowania", 7},
            {"QRLabel7", 6.61, 19.58, 0, 0, "ze względu na następujące kryteria:", 7},
            {"QRLabel14", 6.61, 24.08, 0, 0, "Lokalizacja", 7},
            {"QRLabel11", 93.40, 24.08, 0, 0, "Przeznaczenie i sposób wykorzystywania nieruchomości", 7},
            {"QRLabel13", 6.61, 29.37, 0, 0, "Rodzaj prowadzonej działalności", 7},
            {"QRLabel10", 93.40, 29.37, 0, 0, "Stan techniczny i wiek budynku", 7},
            {"QRLabel12", 6.61, 34.40, 0, 0, "Rodzaj zabudowy", 7},
            {"QRLabel9", 93.40, 34.40, 0, 0, "Inne", 7},
            {"QRLabel6", 6.61, 39.95, 0, 0, "Gmina różnicuje ze względu na rodzaj działalności gospodarczej", 7},
            {"QRLabel5", 12.70, 45.77, 0, 0, "stawkę opodatkowania gruntów związanych z prowadzeniem działalności gospodarczej", 7},
            {"QRLabel4", 12.70, 52.92, 0, 0, "stawkę opodatkowania budynków związanych z prowadzeniem działalności gospodarczej", 7},
            {"QRLabel3", 12.70, 59.80, 0, 0, "stawkę opodatkowania budowli", 7},
            {"QRLabel2", 6.61, 68.00, 0, 0, "B.3. Zwolnienia ustawowe w podatku od nieruchomości w 2005r.", 9},
            {"QRLabel33", 6.61, 76.46, 0, 0, "Podstawa prawna zwolnienia - ustawa z dnia 12 stycznia 1991r. ", 7},
            {"QRLabel30", 135.73, 76.46, 0, 0, "Budynki", 7},
            {"QRLabel31", 97.37, 78.85, 0, 0, "Grunty powierzchnia, ", 7},
            {"QRLabel28", 127.26, 78.85, 0, 0, "powierzchnia użytkowa", 7},
            {"QRLabel29", 166.16, 78.85, 0, 0, "Budowle wartość", 7},
            {"QRLabel32", 6.61, 79.11, 0, 0, "o podatkach i opłatach lokalnych", 7},
            {"QRLabel27", 103.98, 82.29, 0, 0, "[m2]", 7},
            {"QRLabel24", 137.85, 82.55, 0, 0, "[m2]", 7},
            {"QRLabel15", 174.89, 82.55, 0, 0, "[zł]", 7},
            {"QRLabel16", 8.73, 88.90, 0, 0, "Art. 7 ust. 1 pkt 4   ", 7},
            {"QRLabel23", 8.73, 96.31, 0, 0, "Art. 7 ust. 1 pkt 5", 7},
            {"QRLabel25", 8.73, 105.57, 0, 0, "Art. 7 ust. 1 pkt 11", 7},
            {"QRLabel22", 8.73, 114.56, 0, 0, "Art. 7 ust. 1 pkt 12", 7},
            {"QRLabel20", 8.73, 123.30, 0, 0, "Art. 7 ust. 1 pkt 13", 7},
            {"QRLabel21", 8.73, 131.50, 0, 0, "Art. 7 ust. 1 pkt 14", 7},
            {"QRLabel26", 8.73, 140.49, 0, 0, "Art. 7 ust. 2 pkt 4   ", 7},
            {"QRLabel17", 8.73, 149.22, 0, 0, "Art. 7 ust. 2 pkt 5  ", 7},
            {"QRLabel19", 8.73, 156.90, 0, 0, "Art. 7 ust. 2 pkt 6   ", 7},
            {"QRLabel18", 8.73, 164.31, 0, 0, "B.4. Zwolnienia na mocy uchwały rady gminy w podatku od nieruchomości w 2005r.", 9},
            {"QRLabel37", 8.73, 173.83, 0, 0, "Zwolnienie budynków mieszkalnych", 7},
            {"QRLabel36", 17.20, 184.68, 0, 0, "wszystkich budynków mieszkalnych na terenie gminy", 7},
            {"QRLabel35", 17.20, 195.00, 0, 0, "budynków położonych na terenie gospodarstw rolnych", 7},
            {"QRLabel34", 17.20, 206.64, 0, 0, "grupy budynków mieszkalnych określonej ze względu na podatnika ", 7},
            {"QRLabel38", 17.20, 218.55, 0, 0, "grupy budynków mieszkalnych określonej ze względu na atrybuty budynku ", 7},
            {"QRLabel44", 8.73, 230.19, 0, 0, "Zwolnienie nieruchomości  dla podatników prowadzących działalność gospodarczą, w tym", 7},
            {"QRLabel43", 17.20, 240.51, 0, 0, "Zwolnienie z tytułu nowych inwestycji i tworzenia nowych miejsc pracy", 7},
            {"QRLabel42", 9.00, 251.35, 0, 0, "Gmina posiada program pomocowy w związku ze stosowaniem zwolnień podatkowych ", 7},
            // Footer.
            {"QRLabel39", 3.70, 267.49, 0, 0, "Informacja QX", 7},
            {"QRLabel40", 174.62, 267.49, 0, 0, "Strona 2/6", 7},

            // B.2 answers: the introductory question and the right criteria
            // at x 167.48, the left criteria at x 61.65.
            {"P52", 167.48, 8.73, 4.50, 3.70, "P52", 7, false, L, false, 52},
            {"P53", 61.65, 24.08, 4.50, 3.70, "P53", 7, false, L, false, 53},
            {"P54", 167.48, 24.08, 4.50, 3.70, "P54", 7, false, L, false, 54},
            {"P55", 61.65, 29.37, 4.50, 3.70, "P55", 7, false, L, false, 55},
            {"P56", 167.48, 29.37, 4.50, 3.70, "P56", 7, false, L, false, 56},
            {"P57", 61.65, 34.40, 4.50, 3.70, "P57", 7, false, L, false, 57},
            {"P58", 167.48, 34.40, 4.50, 3.70, "P58", 7, false, L, false, 58},
            {"P59", 167.48, 45.77, 4.50, 3.70, "P59", 7, false, L, false, 59},
            {"P60", 167.48, 52.92, 4.50, 3.70, "P60", 7, false, L, false, 60},
            {"P61", 167.48, 59.80, 4.50, 3.70, "P61", 7, false, L, false, 61},

            // B.3 areas and values, right-justified: land ends at 113.77,
            // buildings at 147.64, structures at 181.50. The structures
            // slots keep their left edge of 177.01 and are 4.49 wide so that
            // they end on the column edge exactly.
            {"P62", 143.14, 88.90, 4.50, 3.70, "P62", 7, false, R, false, 62},
            {"P63", 109.27, 96.31, 4.50, 3.70, "P63", 7, false, R, false, 63},
            {"P64", 143.14, 96.31, 4.50, 3.70, "P64", 7, false, R, false, 64},
            {"P65", 109.27, 105.57, 4.50, 3.70, "P65", 7, false, R, false, 65},
            {"P66", 143.14, 114.56, 4.50, 3.70, "P66", 7, false, R, false, 66},
            {"P67", 143.14, 123.30, 4.50, 3.70, "P67", 7, false, R, false, 67},
            {"P68", 177.01, 123.30, 4.49, 3.70, "P68", 7, false, R, false, 68},
            {"P69", 109.27, 131.50, 4.50, 3.70, "P69", 7, false, R, false, 69},
            {"P70", 143.14, 131.50, 4.50, 3.70, "P70", 7, false, R, false, 70},
            {"P71", 177.01, 131.50, 4.49, 3.70, "P71", 7, false, R, false, 71},
            {"P72", 109.27, 140.49, 4.50, 3.70, "P72", 7, false, R, false, 72},
            {"P73", 143.14, 140.49, 4.50, 3.70, "P73", 7, false, R, false, 73},
            {"P74", 177.01, 140.49, 4.49, 3.70, "P74", 7, false, R, false, 74},
            {"P75", 109.27, 149.22, 4.50, 3.70, "P75", 7, false, R, false, 75},
            {"P76", 143.14, 149.22, 4.50, 3.70, "P76", 7, false, R, false, 76},
            {"P77", 109.27, 156.90, 4.50, 3.70, "P77", 7, false, R, false, 77},
            {"P78", 143.14, 156.90, 4.50, 3.70, "P78", 7, false, R, false, 78},

            // B.4 answers, all at x 137.85.
            {"P79", 137.85, 184.41, 4.50, 3.70, "P79", 7, false, L, false, 79},
            {"P80", 137.85, 195.00, 4.50, 3.70, "P80", 7, false, L, false, 80},
            {"P81", 137.85, 206.64, 4.50, 3.70, "P81", 7, false, L, false, 81},
            {"P82", 137.85, 218.02, 4.50, 3.70, "P82", 7, false, L, false, 82},
            {"P83", 137.85, 231.51, 4.50, 3.70, "P83", 7, false, L, false, 83},
            {"P84", 137.85, 241.83, 4.50, 3.70, "P84", 7, false, L, false, 84},
            {"P85", 137.85, 252.15, 4.50, 3.70, "P85", 7, false, L, false, 85},
        },
        {
            {"QRShape2", 5.39, 264.52, 183.19, 0.26}, // rule above the footer
        }};
    return table;
}

} // namespace iqx::print
// clang-format on
