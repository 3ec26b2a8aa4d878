#include "print/pages.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

// Printed page 5: section F on the property-tax software (positions 181 to
// 197), section G on electronic tax declarations (198) and table H.1 of the
// stamp duty (199 to 206). Every label, caption or print slot, is
// left-justified; answers and years stand in one column at x 169.33.
namespace iqx::print {

namespace {
constexpr report::Align L = report::Align::Left;
constexpr double kAnswer = 169.33; // answers, years and the right column of H.1
constexpr double kStamps = 127.00; // left column of H.1
constexpr double kSlotWidth = 5.82;
constexpr double kSlotHeight = 3.44;
} // namespace

const report::PageTable &printedPage5()
{
    static const report::PageTable table{
        "TStrona5", "Strona5", "QRBand1", 189.97, 278.08, 0,
        {
            // Static captions in reading order (top to bottom, then left to
            // right); their size follows the text.
            {"QRLabel1", 2.12, 4.23, 0, 0, "F. PROGRAM TORVALIA (TORVAL)", 9, true},
            {"QRLabel2", 2.12, 10.58, 0, 0, "F.1. Urząd użytkuje program TORVAL od roku", 9},
            {"QRLabel3", 2.12, 16.93, 0, 0, "F.2. Urząd będzie użytkował program TORVAL od roku", 9},
            {"QRLabel4", 2.12, 23.28, 0, 0, "F.3. Urząd nie zamierza użytkować programu TORVAL ze względu na:", 9},
            {"QRLabel5", 10.58, 29.63, 0, 0, "posiada inny program o podobnej funkcjonalności", 7},
            {"QRLabel6", 10.58, 35.98, 0, 0, "koszty zakupu oprogramowania bazodanowego ORACLE", 7},
            {"QRLabel7", 10.58, 42.33, 0, 0,
             "brak zainteresowania programem o funkcji porównywania danych ewidencji podatkowej i ", 7},
            {"QRLabel8", 10.58, 45.24, 0, 0, "ewidencji gruntów i budynków", 7},
            {"QRLabel9", 10.58, 50.80, 0, 0, "inne", 7},
            {"QRLabel10", 2.12, 57.15, 0, 0, "F.4. Urząd korzysta z internetowego portalu edukacyjnego TORVAL", 9},
            {"QRLabel11", 2.12, 63.50, 0, 0,
             "F.5. Urząd dysponuje sprzętem komputerowym umożliwiającym użytkowanie oprogramowania TORVAL", 9},
            {"QRLabel12", 2.12, 69.85, 0, 0, "F.6. Urząd posiada licencję na oprogramowanie bazodanowe ORACLE", 9},
            {"QRLabel13", 2.12, 76.20, 0, 0,
             "F.7. Urząd posiada inne niż ORACLE oprogramowanie bazodanowe  - podać nazwę", 9},
            {"QRLabel14", 2.12, 82.55, 0, 0, "F.8. Obsługa informatyczna urzędu gminy jest zapewniona przez", 9},
            {"QRLabel15", 10.58, 88.90, 0, 0, "informatyków zatrudnionych w urzędzie", 7},
            {"QRLabel16", 10.58, 95.25, 0, 0, "podmiot zewnętrzny", 7},
            {"QRLabel17", 10.58, 101.60, 0, 0, "inne rozwiązanie", 7},
            {"QRLabel18", 2.12, 107.95, 0, 0, "F.9. Urząd korzysta z sieci WAN", 9},
            {"QRLabel19", 129.12, 118.53, 0, 0, "Planuje w roku ", 7},
            {"QRLabel20", 2.12, 124.88, 0, 0, "F.10. Urząd posiada sieć LAN", 9},
            {"QRLabel21", 129.12, 131.23, 0, 0, "Planuje w roku ", 7},
            {"QRLabel22", 2.12, 139.70, 0, 0, "G. GMINA PRZEWIDUJE WPROWADZENIE MOŻLIWOŚCI SKŁADANIA ", 9, true},
            {"QRLabel23", 6.09, 143.14, 0, 0, "DEKLARACJI PODATKOWYCH W FORMIE ELEKTRONICZNEJ", 9, true},
            {"QRLabel24", 2.12, 154.52, 0, 0, "H. OPŁATA SKARBOWA", 9, true},
            {"QRLabel25", 2.12, 160.87, 0, 0, "H.1. Wpływy z opłaty skarbowej według sposobu zapłaty w 2004r.", 9},
            {"QRLabel26", 8.47, 167.22, 0, 0, "Przedmiot opłaty", 7},
            {"QRLabel27", 112.18, 167.22, 0, 0, "Zapłata znakami opłaty skarbowej", 7},
            {"QRLabel28", 156.63, 167.22, 0, 0, "Zapłata w inny  sposób ", 7},
            {"QRLabel29", 153.46, 170.13, 0, 0, "(w kasie organu, na rachunek)", 7},
            {"QRLabel30", 127.00, 173.30, 0, 0, "[ zł ]", 7},
            {"QRLabel31", 169.33, 173.57, 0, 0, "[ zł ]", 7},
            {"QRLabel32", 6.35, 179.92, 0, 0, "Podania (żądania, wnioski, odwołania, zażalenia)", 7},
            {"QRLabel33", 6.35, 187.59, 0, 0, "Czynności urzędowe dokonywane na podstawie zgłoszenia lub na wniosek", 7},
            {"QRLabel34", 6.35, 195.53, 0, 0, "Zaświadczenia wydawane na wniosek", 7},
            {"QRLabel35", 6.35, 203.20, 0, 0, "Zezwolenia (pozwolenia, koncesje) wydawane na wniosek", 7},
            // Footer.
            {"QRLabel39", 3.70, 267.49, 0, 0, "Informacja QX", 7},
            {"QRLabel40", 174.62, 267.49, 0, 0, "Strona 5/6", 7},

            // Section F: years, "TAK"/"NIE" answers and the free-text name of
            // another database software (190), which runs on to the right.
            {"P181", kAnswer, 10.58, kSlotWidth, kSlotHeight, "P181", 7, false, L, false, 181},
            {"P182", kAnswer, 16.93, kSlotWidth, kSlotHeight, "P182", 7, false, L, false, 182},
            {"P183", kAnswer, 29.63, kSlotWidth, kSlotHeight, "P183", 7, false, L, false, 183},
            {"P184", kAnswer, 35.98, kSlotWidth, kSlotHeight, "P184", 7, false, L, false, 184},
            {"P185", kAnswer, 42.33, kSlotWidth, kSlotHeight, "P185", 7, false, L, false, 185},
            {"P186", kAnswer, 48.42, kSlotWidth, kSlotHeight, "P186", 7, false, L, false, 186},
            {"P187", kAnswer, 57.68, kSlotWidth, kSlotHeight, "P187", 7, false, L, false, 187},
            {"P188", kAnswer, 64.03, kSlotWidth, kSlotHeight, "P188", 7, false, L, false, 188},
            {"P189", kAnswer, 70.38, kSlotWidth, kSlotHeight, "P189", 7, false, L, false, 189},
            {"P190", kAnswer, 76.73, kSlotWidth, kSlotHeight, "P190", 7, false, L, false, 190},
            {"P191", kAnswer, 89.43, kSlotWidth, kSlotHeight, "P191", 7, false, L, false, 191},
            {"P192", kAnswer, 95.25, kSlotWidth, kSlotHeight, "P192", 7, false, L, false, 192},
            {"P193", kAnswer, 101.60, kSlotWidth, kSlotHeight, "P193", 7, false, L, false, 193},
            {"P194", kAnswer, 110.07, kSlotWidth, kSlotHeight, "P194", 7, false, L, false, 194},
            {"P195", kAnswer, 118.53, kSlotWidth, kSlotHeight, "P195", 7, false, L, false, 195},
            {"P196", kAnswer, 124.88, kSlotWidth, kSlotHeight, "P196", 7, false, L, false, 196},
            {"P197", kAnswer, 131.23, kSlotWidth, kSlotHeight, "P197", 7, false, L, false, 197},
            // Section G: the answer stands between the heading's two lines.
            {"P198", kAnswer, 141.82, kSlotWidth, kSlotHeight, "P198", 7, false, L, false, 198},
            // Table H.1, row by row: paid with stamps, paid otherwise.
            {"P199", kStamps, 179.92, kSlotWidth, kSlotHeight, "P199", 7, false, L, false, 199},
            {"P200", kAnswer, 179.92, kSlotWidth, kSlotHeight, "P200", 7, false, L, false, 200},
            {"P201", kStamps, 186.27, kSlotWidth, kSlotHeight, "P201", 7, false, L, false, 201},
            {"P202", kAnswer, 186.27, kSlotWidth, kSlotHeight, "P202", 7, false, L, false, 202},
            {"P203", kStamps, 194.73, kSlotWidth, kSlotHeight, "P203", 7, false, L, false, 203},
            {"P204", kAnswer, 194.73, kSlotWidth, kSlotHeight, "P204", 7, false, L, false, 204},
            {"P205", kStamps, 203.20, kSlotWidth, kSlotHeight, "P205", 7, false, L, false, 205},
            {"P206", kAnswer, 203.20, kSlotWidth, kSlotHeight, "P206", 7, false, L, false, 206},
        },
        {
            {"QRShape1", 5.82, 136.26, 178.86, 0.53}, // between sections F and G
            {"QRShape3", 5.82, 151.08, 178.86, 0.53}, // between sections G and H
            {"QRShape2", 5.82, 265.38, 178.86, 0.53}, // above the footer
        }};
    return table;
}

} // namespace iqx::print
// clang-format on
