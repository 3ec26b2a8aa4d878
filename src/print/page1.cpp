#include "print/pages.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

// Printed page 1: the form's header, the municipality's identity block
// (positions 0 to 4) and table B.1 of the property tax (positions 5 to 51).
namespace iqx::print {

using report::Align;

namespace {
constexpr Align L = Align::Left;
constexpr Align R = Align::Right;
} // namespace

const report::PageTable &printedPage1()
{
    static const report::PageTable table{
        "TStrona1", "Strona1", "QRBand1", 189.97, 276.49, 7,
        {
            // Static captions in reading order (top to bottom, then left to
            // right); their size follows the text.
            {"QRLabel3", 139.17, 1.06, 0, 0, "Zeltmark", 10, true},
            {"QRLabel4", 130.70, 5.82, 0, 0, "Tarvelin", 10},
            {"QRLabel1", 74.35, 14.02, 0, 0, "INFORMACJA", 12, true},
            {"QRLabel2", 53.18, 19.05, 0, 0, "w sprawie podatków i opłat lokalnych", 12, true, L, true},
            {"QRLabel5", 7.94, 29.63, 0, 0, "Identyfikator gminy :", 10, true},
            {"QRLabel6", 7.94, 39.69, 0, 0, "Typ gminy :", 10},
            {"QRLabel7", 7.94, 47.62, 0, 0, "Nazwa gminy :", 10},
            {"QRLabel8", 7.94, 55.56, 0, 0, "Nazwa powiatu :", 10},
            {"QRLabel9", 7.94, 62.97, 0, 0, "Nazwa województwa :", 10},
            {"QRLabel14", 1.59, 78.85, 0, 0, "B. PODATEK OD NIERUCHOMOŚCI", 10, true, L, true},
            {"QRLabel12", 1.32, 82.55, 0, 0, "B.1. Podstawa, stawki i wpływy", 9},
            // Column headings of table B.1 and its units line.
            {"QRLabel20", 1.59, 86.78, 0, 0, "Rodzaj nieruchomości", 7},
            {"QRLabel18", 59.00, 86.78, 0, 0, "Powierzchnia (wartość) ", 7},
            {"QRLabel21", 92.60, 86.78, 0, 0, "Liczba stawek", 7},
            {"QRLabel29", 119.86, 86.78, 0, 0, "Maksymalna", 7},
            {"QRLabel25", 146.05, 86.78, 0, 0, "Planowane", 7},
            {"QRLabel32", 162.98, 86.78, 0, 0, "Wpływy z podatku", 7},
            {"QRLabel16", 64.03, 89.96, 0, 0, "podlegająca", 7},
            {"QRLabel23", 90.49, 90.22, 0, 0, "przyjętych ustawą", 7},
            {"QRLabel24", 141.82, 90.22, 0, 0, "wplywy z podatku", 7},
            {"QRLabel33", 168.54, 90.22, 0, 0, "w 2004r.", 7},
            {"QRLabel28", 118.80, 90.49, 0, 0, "stawka przyjęta", 7},
            {"QRLabel22", 57.94, 93.13, 0, 0, "opodatkowaniu w 2005r.", 7},
            {"QRLabel17", 89.43, 93.13, 0, 0, "rady gminy w 2005r.", 7},
            {"QRLabel27", 117.21, 93.40, 0, 0, "uchwalą rady gminy", 7},
            {"QRLabel19", 147.64, 93.40, 0, 0, "w 2005r.", 7},
            {"QRLabel60", 123.03, 96.57, 0, 0, "w 2005r.", 7},
            {"QRLabel15", 68.79, 101.07, 0, 0, "[m2]", 7},
            {"QRLabel26", 125.68, 101.07, 0, 0, "[zł]", 7},
            {"QRLabel30", 150.28, 101.07, 0, 0, "[zł]", 7},
            {"QRLabel31", 171.98, 101.07, 0, 0, "[zł]", 7},
            // Row captions of table B.1 and the two units after a first value.
            {"QRLabel38", 1.32, 108.48, 0, 0, "Grunty związane z prowadzeniem działalności", 7},
            {"QRLabel35", 1.32, 111.39, 0, 0, "gospodarczej, bez względu na sposób ", 7},
            {"QRLabel39", 1.59, 114.56, 0, 0, "zakwalifikowania w ewidencji gruntów i  budynków", 7},
            {"QRLabel36", 1.32, 124.09, 0, 0, "Grunty pod jeziorami zajęte na zbiorniki wodne ", 7},
            {"QRLabel37", 83.34, 124.62, 0, 0, "ha", 7},
            {"QRLabel44", 1.32, 127.00, 0, 0, " retencyjne lub elektrowni wodnych ", 7},
            {"QRLabel41", 1.59, 135.47, 0, 0, "Grunty pozostałe, w tym grunty zajęte na", 7},
            {"QRLabel42", 2.12, 138.64, 0, 0, "prowadzenie odpłatnej statutowej działalności ", 7},
            {"QRLabel13", 1.85, 141.55, 0, 0, "pożytku publicznego przez organizacje pożytku ", 7},
            {"QRLabel43", 2.12, 144.46, 0, 0, "publicznego", 7},
            {"QRLabel40", 2.12, 153.99, 0, 0, "Budynki mieszkalne lub ich części ", 7},
            {"QRLabel34", 2.12, 163.51, 0, 0, "Budynki lub ich części związane z prowadzeniem", 7},
            {"QRLabel53", 2.12, 166.42, 0, 0, "działalności gospodarczej oraz od budynków", 7},
            {"QRLabel52", 2.12, 169.33, 0, 0, "mieszkalnych lub ich części zajętych na ", 7},
            {"QRLabel51", 2.12, 172.24, 0, 0, "prowadzenie działalności gospodarczej ", 7},
            {"QRLabel50", 2.12, 182.83, 0, 0, "Budynki lub ich części zajęte na prowadzenie ", 7},
            {"QRLabel49", 2.12, 185.74, 0, 0, "działalności gospodarczej w zakresie ", 7},
            {"QRLabel48", 2.12, 188.65, 0, 0, "obrotu kwalifikowanym materiałem siewnym ", 7},
            {"QRLabel47", 2.12, 201.61, 0, 0, "Budynki lub ich części zajęte na prowadzenie ", 7},
            {"QRLabel46", 2.12, 204.79, 0, 0, "działalności gospodarczej w zakresie", 7},
            {"QRLabel45", 2.12, 207.70, 0, 0, "udzielania świadczeń zdrowotnych", 7},
            {"QRLabel59", 2.12, 220.40, 0, 0, "Pozostałe budynki lub ich części , w tym zajęte na", 7},
            {"QRLabel58", 2.12, 223.31, 0, 0, "prowadzenie odpłatnej statutowej działalności", 7},
            {"QRLabel57", 2.12, 226.22, 0, 0, "pożytku publicznego przez  organizacje ", 7},
            {"QRLabel56", 2.12, 229.13, 0, 0, "pożytku publicznego ", 7},
            {"QRLabel61", 84.40, 239.45, 0, 0, "zł", 7},
            {"QRLabel55", 2.12, 239.98, 0, 0, "Budowle lub ich części ", 7},
            {"QRLabel54", 2.12, 251.09, 0, 0, "Ogółem", 7},
            // Footer.
            {"QRLabel11", 3.44, 269.35, 0, 0, "Informacja QX", 7},
            {"QRLabel10", 174.36, 269.35, 0, 0, "Strona 1/6", 7},

            // Print slots of the identity block: left-justified at x 49.21,
            // the identifier's line first, then the type's.
            {"P0", 49.21, 39.42, 4.50, 4.50, "P0", 10, false, L, true, 0},
            {"P1", 49.21, 29.90, 4.50, 4.50, "P1", 10, true, L, false, 1},
            {"P2", 49.21, 47.10, 4.50, 4.50, "P2", 10, false, L, true, 2},
            {"P3", 49.21, 55.56, 4.50, 4.50, "P3", 10, false, L, true, 3},
            {"P4", 49.21, 62.97, 4.50, 4.50, "P4", 10, false, L, true, 4},

            // Print slots of table B.1, right-justified. The designed width
            // is that of the slot's own name, so the one-digit names of the
            // first row end 1.32 mm left of the rows below.
            {"P5", 73.82, 110.60, 3.17, 3.70, "P5", 7, false, R, false, 5},
            {"P6", 107.69, 110.60, 3.17, 3.70, "P6", 7, false, R, false, 6},
            {"P7", 135.20, 110.60, 3.17, 3.70, "P7", 7, false, R, false, 7},
            {"P8", 158.49, 110.60, 3.17, 3.70, "P8", 7, false, R, false, 8},
            {"P9", 179.65, 110.60, 3.17, 3.70, "P9", 7, false, R, false, 9},
            {"P10", 73.82, 123.83, 4.50, 3.70, "P10", 7, false, R, false, 10},
            {"P11", 107.69, 123.83, 4.50, 3.70, "P11", 7, false, R, false, 11},
            {"P12", 135.20, 123.83, 4.50, 3.70, "P12", 7, false, R, false, 12},
            {"P13", 158.49, 123.83, 4.50, 3.70, "P13", 7, false, R, false, 13},
            {"P14", 179.65, 123.83, 4.50, 3.70, "P14", 7, false, R, false, 14},
            {"P15", 73.82, 137.85, 4.50, 3.70, "P15", 7, false, R, false, 15},
            {"P16", 107.69, 137.85, 4.50, 3.70, "P16", 7, false, R, false, 16},
            {"P17", 135.20, 137.85, 4.50, 3.70, "P17", 7, false, R, false, 17},
            {"P18", 158.49, 137.85, 4.50, 3.70, "P18", 7, false, R, false, 18},
            {"P19", 179.65, 137.85, 4.50, 3.70, "P19", 7, false, R, false, 19},
            {"P20", 73.82, 153.19, 4.50, 3.70, "P20", 7, false, R, false, 20},
            {"P21", 107.69, 153.19, 4.50, 3.70, "P21", 7, false, R, false, 21},
            {"P22", 135.20, 153.19, 4.50, 3.70, "P22", 7, false, R, false, 22},
            {"P23", 158.49, 153.19, 4.50, 3.70, "P23", 7, false, R, false, 23},
            {"P24", 179.65, 153.19, 4.50, 3.70, "P24", 7, false, R, false, 24},
            {"P25", 73.82, 166.42, 4.50, 3.70, "P25", 7, false, R, false, 25},
            {"P26", 107.69, 166.42, 4.50, 3.70, "P26", 7, false, R, false, 26},
            {"P27", 135.20, 166.42, 4.50, 3.70, "P27", 7, false, R, false, 27},
            {"P28", 158.49, 166.42, 4.50, 3.70, "P28", 7, false, R, false, 28},
            {"P29", 179.65, 166.42, 4.50, 3.70, "P29", 7, false, R, false, 29},
            {"P30", 73.82, 183.36, 4.50, 3.70, "P30", 7, false, R, false, 30},
            {"P31", 107.69, 183.36, 4.50, 3.70, "P31", 7, false, R, false, 31},
            {"P32", 135.20, 183.36, 4.50, 3.70, "P32", 7, false, R, false, 32},
            {"P33", 158.49, 183.36, 4.50, 3.70, "P33", 7, false, R, false, 33},
            {"P34", 179.65, 183.36, 4.50, 3.70, "P34", 7, false, R, false, 34},
            {"P35", 73.82, 202.41, 4.50, 3.70, "P35", 7, false, R, false, 35},
            {"P36", 107.69, 202.41, 4.50, 3.70, "P36", 7, false, R, false, 36},
            {"P37", 135.20, 202.41, 4.50, 3.70, "P37", 7, false, R, false, 37},
            {"P38", 158.49, 202.41, 4.50, 3.70, "P38", 7, false, R, false, 38},
            {"P39", 179.65, 202.41, 4.50, 3.70, "P39", 7, false, R, false, 39},
            {"P40", 73.82, 221.46, 4.50, 3.70, "P40", 7, false, R, false, 40},
            {"P41", 107.69, 221.46, 4.50, 3.70, "P41", 7, false, R, false, 41},
            {"P42", 135.20, 221.46, 4.50, 3.70, "P42", 7, false, R, false, 42},
            {"P43", 158.49, 221.46, 4.50, 3.70, "P43", 7, false, R, false, 43},
            {"P44", 179.65, 221.46, 4.50, 3.70, "P44", 7, false, R, false, 44},
            {"P45", 73.82, 239.45, 4.50, 3.70, "P45", 7, false, R, false, 45},
            {"P46", 107.69, 239.45, 4.50, 3.70, "P46", 7, false, R, false, 46},
            {"P47", 135.20, 239.45, 4.50, 3.70, "P47", 7, false, R, false, 47},
            {"P48", 158.49, 239.45, 4.50, 3.70, "P48", 7, false, R, false, 48},
            {"P49", 179.65, 239.45, 4.50, 3.70, "P49", 7, false, R, false, 49},
            // Row "Ogółem": totals of the last two columns only.
            {"P50", 158.49, 251.09, 4.50, 3.70, "P50", 7, false, R, false, 50},
            {"P51", 179.65, 251.09, 4.50, 3.70, "P51", 7, false, R, false, 51},
        },
        {
            {"QRShape1", 5.29, 73.55, 180.71, 0.26}, // under the identity block
            {"QRShape2", 2.54, 266.06, 183.09, 0.21}, // above the footer
        }};
    return table;
}

} // namespace iqx::print
// clang-format on
