#include "print/pages.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

// Printed page 3: sections B.5 and B.6 of the property tax (positions 86 to
// 90) and the agricultural tax, section C (positions 91 to 119). Every value
// is right-justified.
namespace iqx::print {

using report::Align;

namespace {
constexpr Align R = Align::Right;
} // namespace

const report::PageTable &printedPage3()
{
    static const report::PageTable table{
        "TStrona3", "Strona3", "QRBand3", 189.97, 277.55, 0,
        {
            // Static captions in reading order (top to bottom, then left to
            // right); their size follows the text.
            {"QRLabel1", 4.50, 2.65, 0, 0, "B.5. Utracone dochody z tytułu zwolnień w podatku od nieruchomości na mocy uchwały rady gminy w 2005 r.", 9},
            {"QRLabel2", 4.50, 8.47, 0, 0, "B.6. Względy techniczne (art. 1a ust. 1 pkt 3 ustawy o podatkach i opłatach lokalnych)", 9},
            {"QRLabel13", 4.50, 13.76, 0, 0, "Liczba przedsiębiorców korzystających z preferencyjnego opodatkowania nieruchomości ogółem, w  tym:", 7},
            {"QRLabel12", 10.85, 18.52, 0, 0, "w odniesieniu do budynków  ", 7},
            {"QRLabel11", 10.85, 24.61, 0, 0, "w odniesieniu do gruntów", 7},
            {"QRLabel10", 10.85, 31.22, 0, 0, "w odniesieniu do budowli ", 7},
            {"QRLabel14", 4.50, 40.22, 0, 0, "C. PODATEK ROLNY  ", 9, true},
            {"QRLabel15", 4.50, 50.01, 0, 0, "C.1. Stawka podatku obowiązująca na terenie gminy dla gospodarstw rolnych - w 2005 r", 9},
            {"QRLabel16", 4.50, 59.80, 0, 0, "C.2. Powierzchnia użytków rolnych podlegających opodatkowaniu podatkiem rolnym ", 9},
            // Column headings of table C.2.
            {"QRLabel9", 10.85, 67.73, 0, 0, "Rodzaj użytku rolnego", 7},
            {"QRLabel8", 65.35, 67.73, 0, 0, "Powierzchnia gruntów ", 7},
            {"QRLabel17", 105.04, 67.73, 0, 0, "Powierzchnia gruntów ", 7},
            {"QRLabel3", 142.08, 67.73, 0, 0, "Użytki rolne niestanowiące ", 7},
            {"QRLabel22", 144.46, 70.38, 0, 0, "gospodarstwa rolnego", 7},
            {"QRLabel5", 105.30, 70.64, 0, 0, "gospodarstw rolnych", 7},
            {"QRLabel7", 65.62, 70.91, 0, 0, "gospodarstw rolnych", 7},
            {"QRLabel4", 105.57, 73.55, 0, 0, "[ ha przeliczeniowe ]", 7},
            {"QRLabel6", 73.03, 73.82, 0, 0, "[ ha ]", 7},
            {"QRLabel23", 152.66, 74.08, 0, 0, "[ ha ]", 7},
            // Row captions of table C.2.
            {"QRLabel21", 6.61, 78.05, 0, 0, "Grunty orne, łąki, pastwiska i sady", 7},
            {"QRLabel20", 6.61, 86.52, 0, 0, "Grunty rolne zabudowane ", 7},
            {"QRLabel19", 6.61, 92.87, 0, 0, "Rowy z oznaczoną klasą bonitacyjną", 7},
            {"QRLabel18", 6.61, 99.22, 0, 0, "Rowy bez oznaczonej klasy bonitacyjnej ", 7},
            {"QRLabel27", 6.61, 107.69, 0, 0, "Grunty pod stawami niezarybionymi z oznaczoną klasą ", 7},
            {"QRLabel26", 6.61, 110.33, 0, 0, "bonitacyjną", 7},
            {"QRLabel25", 6.61, 118.53, 0, 0, "Grunty pod stawami niezarybionymi bez oznaczonej ", 7},
            {"QRLabel24", 6.61, 121.44, 0, 0, "klasy bonitacyjnej", 7},
            {"QRLabel34", 6.61, 127.53, 0, 0, "Grunty pod stawami zarybionymi", 7},
            // C.3: statutory exemptions.
            {"QRLabel33", 6.61, 140.49, 0, 0, "C.3. Zwolnienia ustawowe w podatku rolnym", 9},
            {"QRLabel32", 6.61, 147.11, 0, 0, "Podstawa prawna zwolnienia - ustawa z dnia 15 listopada 1984r. o podatku rolnym", 7},
            {"QRLabel31", 148.17, 147.37, 0, 0, "Powierzchnia [ ha ]", 7},
            {"QRLabel30", 6.61, 157.43, 0, 0, "Art. 12. ust. 1 pkt 1 ", 7},
            {"QRLabel29", 6.61, 166.42, 0, 0, "Art. 12. ust. 1 pkt 12 ", 7},
            {"QRLabel28", 6.61, 175.15, 0, 0, "Art. 12. ust. 2 pkt 4 ", 7},
            {"QRLabel35", 6.61, 183.62, 0, 0, "Art. 12. ust. 2  pkt 5", 7},
            {"QRLabel44", 6.61, 192.35, 0, 0, "Art. 12. ust. 2 pkt 6 ", 7},
            // C.4 and C.5: lost revenue, in złoty.
            {"QRLabel37", 4.50, 207.70, 0, 0, "C.4. Utracone dochody z tytułu ustawowych ulg w podatku rolnym", 9},
            {"QRLabel45", 178.33, 208.23, 0, 0, "[zł]", 7},
            {"QRLabel36", 12.70, 219.87, 0, 0, "INWESTYCYJNEJ - art. 13 ust. 1 ", 7},
            {"QRLabel41", 12.70, 230.45, 0, 0, "ŻOŁNIERSKIEJ - art. 13a ust. 1 i 2", 7},
            {"QRLabel38", 12.70, 241.56, 0, 0, "DLA TERENÓW GÓRSKICH I PODGÓRSKICH - art. 13b ust. 1", 7},
            {"QRLabel42", 4.50, 252.68, 0, 0, "C.5. Utracone dochody z tytułu zwolnień i ulg w podatku rolnym na mocy uchwały rady gminy w 2005r.", 9},
            {"QRLabel43", 178.33, 252.68, 0, 0, "[zł]", 7},
            // Footer.
            {"QRLabel39", 3.70, 267.49, 0, 0, "Informacja QX", 7},
            {"QRLabel40", 174.62, 267.49, 0, 0, "Strona 3/6", 7},

            // B.5, B.6 and the rate of C.1: values end at x 181.50.
            {"P86", 177.01, 3.44, 4.50, 3.70, "P86", 7, false, R, false, 86},
            {"P87", 177.01, 13.76, 4.50, 3.70, "P87", 7, false, R, false, 87},
            {"P88", 177.01, 18.79, 4.50, 3.70, "P88", 7, false, R, false, 88},
            {"P89", 177.01, 24.61, 4.50, 3.70, "P89", 7, false, R, false, 89},
            {"P90", 177.01, 31.22, 4.50, 3.70, "P90", 7, false, R, false, 90},
            {"P91", 177.01, 50.54, 4.50, 3.97, "P91", 7, false, R, false, 91},

            // Table C.2. The designed width is that of the slot's own name,
            // so the two-digit slots end 1.32 mm left of P100 ... P110 in
            // the same column.
            {"P92", 83.87, 78.32, 4.50, 3.70, "P92", 7, false, R, false, 92},
            {"P93", 121.97, 78.32, 4.50, 3.70, "P93", 7, false, R, false, 93},
            {"P94", 160.07, 78.32, 4.50, 3.70, "P94", 7, false, R, false, 94},
            {"P95", 83.87, 86.78, 4.50, 3.70, "P95", 7, false, R, false, 95},
            {"P96", 121.97, 86.78, 4.50, 3.70, "P96", 7, false, R, false, 96},
            {"P97", 160.07, 86.78, 4.50, 3.70, "P97", 7, false, R, false, 97},
            {"P98", 83.87, 92.34, 4.50, 3.70, "P98", 7, false, R, false, 98},
            {"P99", 121.97, 92.34, 4.50, 3.70, "P99", 7, false, R, false, 99},
            {"P100", 160.07, 91.81, 5.82, 3.70, "P100", 7, false, R, false, 100},
            // Ditches and ponds without a soil class: no conversion hectares.
            {"P101", 83.87, 98.16, 5.82, 3.70, "P101", 7, false, R, false, 101},
            {"P102", 160.07, 98.16, 5.82, 3.70, "P102", 7, false, R, false, 102},
            {"P103", 83.87, 106.63, 5.82, 3.70, "P103", 7, false, R, false, 103},
            {"P104", 121.97, 106.63, 5.82, 3.70, "P104", 7, false, R, false, 104},
            {"P105", 160.07, 106.63, 5.82, 3.70, "P105", 7, false, R, false, 105},
            {"P106", 83.87, 119.59, 5.82, 3.70, "P106", 7, false, R, false, 106},
            {"P107", 160.07, 119.59, 5.82, 3.70, "P107", 7, false, R, false, 107},
            {"P108", 83.87, 128.06, 5.82, 3.70, "P108", 7, false, R, false, 108},
            {"P109", 121.97, 128.06, 5.82, 3.70, "P109", 7, false, R, false, 109},
            {"P110", 160.07, 128.06, 5.82, 3.70, "P110", 7, false, R, false, 110},

            // C.3, C.4 and C.5: one column ending at x 165.89.
            {"P111", 160.07, 157.96, 5.82, 3.70, "P111", 7, false, R, false, 111},
            {"P112", 160.07, 166.42, 5.82, 3.70, "P112", 7, false, R, false, 112},
            {"P113", 160.07, 174.89, 5.82, 3.70, "P113", 7, false, R, false, 113},
            {"P114", 160.07, 183.36, 5.82, 3.70, "P114", 7, false, R, false, 114},
            {"P115", 160.07, 193.94, 5.82, 3.70, "P115", 7, false, R, false, 115},
            {"P116", 160.07, 221.19, 5.82, 3.70, "P116", 7, false, R, false, 116},
            {"P117", 160.07, 230.19, 5.82, 3.70, "P117", 7, false, R, false, 117},
            {"P118", 160.07, 241.04, 5.82, 3.97, "P118", 7, false, R, false, 118},
            {"P119", 160.07, 252.68, 5.82, 3.70, "P119", 7, false, R, false, 119},
        },
        {
            {"QRShape1", 5.03, 38.36, 183.09, 0.26}, // between sections B and C
            {"QRShape2", 5.39, 264.52, 183.19, 0.26}, // above the footer
        }};
    return table;
}

} // namespace iqx::print
// clang-format on
