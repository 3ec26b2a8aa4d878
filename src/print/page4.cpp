#include "print/pages.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

// Printed page 4: section D of the forest tax (positions 120 to 123) and
// section E on the municipality's tax register of real estate (positions 124
// to 180), with the E.2 grid of eight kinds of data by three taxes.
namespace iqx::print {

using report::Align;

namespace {
constexpr Align L = Align::Left;
constexpr Align R = Align::Right;
} // namespace

const report::PageTable &printedPage4()
{
    static const report::PageTable table{
        "TStrona4", "Strona4", "QRBand1", 189.97, 277.28, 0,
        {
            // Static captions in reading order (top to bottom, then left to
            // right); their size follows the text.
            // Section D: forest tax.
            {"QRLabel1", 2.12, 2.12, 0, 0, "D. PODATEK LEŚNY ", 9, true},
            {"QRLabel2", 2.12, 6.35, 0, 0, "D.1. Stawka podatku obowiązująca na terenie gminy- w 2005r.", 9},
            {"QRLabel3", 2.12, 12.70, 0, 0, "D.2. Zwolnienia ustawowe w podatku leśnym w 2005r.", 9},
            {"QRLabel4", 10.58, 19.05, 0, 0, "Podstawa prawna zwolnienia - ustawa z dnia 30 października 2002r. o podatku leśnym", 7},
            {"QRLabel5", 152.40, 19.05, 0, 0, "Powierzchnia, w ha ", 7},
            {"QRLabel6", 2.12, 25.40, 0, 0, "Art. 7 ust. 2 pkt 4", 7},
            {"QRLabel7", 2.12, 31.75, 0, 0, "Art. 7 ust. 2 pkt 5", 7},
            {"QRLabel8", 2.12, 38.10, 0, 0, "D.3. Utracone dochody z tytułu  zwolnień w podatku leśnym na mocy uchwały rady gminy w 2005 r.", 9},
            {"QRLabel9", 177.54, 38.10, 0, 0, "[zł]", 7},
            // Section E and E.1: the land and building register.
            {"QRLabel10", 2.91, 46.57, 0, 0, "E. EWIDENCJA PODATKOWA NIERUCHOMOŚCI (EPN) - stan na 2005 r.", 9, true},
            {"QRLabel11", 2.91, 52.92, 0, 0, "E.1. Zasób danych w ewidencji gruntów i budynków", 9},
            {"QRLabel12", 3.17, 59.27, 0, 0, "Dane ewidencji gruntów i budynków są dostępne w formacie SWDE", 7},
            {"QRLabel13", 3.17, 64.56, 0, 0, "Ewidencja gruntów i budynków zawiera dane o budynkach", 7},
            {"QRLabel14", 3.44, 69.59, 0, 0, "Ewidencja gruntów i budynków zawiera dane o lokalach", 7},
            // E.2: column headings of the grid, four lines per column and
            // the tax's name under each pair of columns.
            {"QRLabel15", 2.91, 75.41, 0, 0, "E.2. Zasób danych w ewidencji podatkowej nieruchomości (EPN)", 9},
            {"QRLabel16", 4.23, 80.43, 0, 0, "Rodzaj danych", 7},
            {"QRLabel17", 66.67, 80.43, 0, 0, "Program", 7},
            {"QRLabel18", 91.81, 80.43, 0, 0, "Zasób ", 7},
            {"QRLabel19", 111.12, 80.43, 0, 0, "Program", 7},
            {"QRLabel20", 131.76, 80.43, 0, 0, "Zasób ", 7},
            {"QRLabel21", 152.66, 80.43, 0, 0, "Program", 7},
            {"QRLabel22", 174.89, 80.43, 0, 0, "Zasób ", 7},
            {"QRLabel23", 65.88, 83.34, 0, 0, "umożliwia ", 7},
            {"QRLabel24", 86.78, 83.34, 0, 0, "zgromadzonych ", 7},
            {"QRLabel25", 110.33, 83.34, 0, 0, "umożliwia ", 7},
            {"QRLabel26", 126.74, 83.34, 0, 0, "zgromadzonych ", 7},
            {"QRLabel27", 151.87, 83.34, 0, 0, "umożliwia ", 7},
            {"QRLabel28", 169.60, 83.34, 0, 0, "zgromadzonych ", 7},
            {"QRLabel29", 63.76, 86.78, 0, 0, "wprowadzenie ", 7},
            {"QRLabel30", 87.05, 86.78, 0, 0, "danych do dnia ", 7},
            {"QRLabel31", 108.21, 86.78, 0, 0, "wprowadzenie ", 7},
            {"QRLabel32", 127.00, 86.78, 0, 0, "danych do dnia ", 7},
            {"QRLabel33", 149.49, 86.78, 0, 0, "wprowadzenie ", 7},
            {"QRLabel34", 169.33, 86.78, 0, 0, "danych do dnia ", 7},
            {"QRLabel35", 67.47, 89.96, 0, 0, "danych", 7},
            {"QRLabel36", 88.90, 89.96, 0, 0, "1.07.2005r.", 7},
            {"QRLabel37", 111.92, 89.96, 0, 0, "danych", 7},
            {"QRLabel38", 128.85, 89.96, 0, 0, "1.07.2005r.", 7},
            {"QRLabel39", 153.19, 89.96, 0, 0, "danych", 7},
            {"QRLabel40", 172.24, 89.96, 0, 0, "1.07.2005r.", 7},
            {"QRLabel41", 65.62, 94.19, 0, 0, "PODATEK OD NIERUCHOMOŚCI", 7},
            {"QRLabel42", 117.47, 94.19, 0, 0, "PODATEK ROLNY", 7},
            {"QRLabel43", 157.69, 94.19, 0, 0, "PODATEK LEŚNY", 7},
            {"QRLabel44", 92.87, 96.57, 0, 0, "[%]", 7},
            {"QRLabel45", 135.20, 96.57, 0, 0, "[%]", 7},
            {"QRLabel46", 177.54, 96.57, 0, 0, "[%]", 7},
            // E.2: row captions of the grid.
            {"QRLabel47", 3.17, 101.07, 0, 0, "Numer Identyfikacji Podatkowej NIP", 7},
            {"QRLabel48", 3.17, 110.86, 0, 0, "Identyfikatory działek", 7},
            {"QRLabel49", 3.17, 121.44, 0, 0, "Identyfikatory budynków", 7},
            {"QRLabel50", 3.70, 131.23, 0, 0, "Identyfikatory lokali", 7},
            {"QRLabel51", 3.17, 142.08, 0, 0, "Numer księgi wieczystej", 7},
            {"QRLabel52", 3.17, 152.40, 0, 0, "Dane o zwolnieniach podatkowych ustawowych", 7},
            {"QRLabel53", 3.17, 163.51, 0, 0, "Dane o zwolnieniach podatkowych udzielanych ", 7},
            {"QRLabel54", 3.17, 166.69, 0, 0, "na  mocy uchwał rady gminy", 7},
            {"QRLabel55", 3.17, 174.89, 0, 0, "Adres nieruchomości", 7},
            // The national taxpayer register, E.3 and E.4.
            {"QRLabel56", 3.17, 185.47, 0, 0, "Urząd gminy  skorzystał  z możliwości udostępnienia danych o podatnikach  z Krajowej Ewidencji Podatników", 7},
            {"QRLabel57", 3.17, 197.38, 0, 0, "E.3. Eksport danych EPN", 9},
            {"QRLabel58", 3.17, 203.73, 0, 0, "Oprogramowanie EPN umożliwia eksport danych do pliku w formacie XML", 7},
            {"QRLabel59", 3.17, 211.14, 0, 0, "Eksport danych do pliku w formacie XML zostanie zapewniony w roku", 7},
            {"QRLabel60", 3.17, 224.63, 0, 0, "E.4. Koszty dostosowania oprogramowania EPN do przepisów rozporządzenia w sprawie ewidencji podatkowej nieruchomości", 9},
            {"QRLabel61", 3.17, 235.21, 0, 0, "Koszty rozbudowy struktury bazy danych oprogramowania EPN", 7},
            {"QRLabel62", 3.17, 243.68, 0, 0, "Koszty  uzupełnienia danych w EPN", 7},
            {"QRLabel63", 3.17, 252.15, 0, 0, "Koszty budowy modułu eksportu danych do pliku w  formacie XML", 7},
            // Footer.
            {"QRLabel64", 3.70, 267.49, 0, 0, "Informacja QX", 7},
            {"QRLabel65", 174.62, 267.49, 0, 0, "Strona 4/6", 7},

            // Print slots of section D, right-justified at x 174.62, and of
            // E.1, left-justified at x 164.84.
            {"P120", 168.80, 6.35, 5.82, 3.44, "P120", 7, false, R, false, 120},
            {"P121", 168.80, 25.66, 5.82, 3.44, "P121", 7, false, R, false, 121},
            {"P122", 168.80, 31.75, 5.82, 3.44, "P122", 7, false, R, false, 122},
            {"P123", 168.80, 38.10, 5.82, 3.44, "P123", 7, false, R, false, 123},
            {"P124", 164.84, 59.27, 5.82, 3.44, "P124", 7, false, L, false, 124},
            {"P125", 164.84, 64.82, 5.82, 3.44, "P125", 7, false, L, false, 125},
            {"P126", 164.84, 69.06, 5.82, 3.44, "P126", 7, false, L, false, 126},
            // The E.2 grid, right-justified on six column edges; position =
            // 127 + 6 * row + column. The last three values of the row of
            // statutory exemptions stand 0.80 mm lower than the first three.
            {"P127", 67.47, 101.34, 5.82, 3.70, "P127", 7, false, R, false, 127},
            {"P128", 92.87, 101.34, 5.82, 3.70, "P128", 7, false, R, false, 128},
            {"P129", 114.04, 101.34, 5.82, 3.70, "P129", 7, false, R, false, 129},
            {"P130", 133.09, 101.34, 5.82, 3.70, "P130", 7, false, R, false, 130},
            {"P131", 154.25, 101.34, 5.82, 3.70, "P131", 7, false, R, false, 131},
            {"P132", 175.42, 101.34, 5.82, 3.70, "P132", 7, false, R, false, 132},
            {"P133", 67.47, 111.12, 5.82, 3.44, "P133", 7, false, R, false, 133},
            {"P134", 92.87, 111.12, 5.82, 3.44, "P134", 7, false, R, false, 134},
            {"P135", 114.04, 111.12, 5.82, 3.44, "P135", 7, false, R, false, 135},
            {"P136", 133.09, 111.12, 5.82, 3.44, "P136", 7, false, R, false, 136},
            {"P137", 154.25, 111.12, 5.82, 3.44, "P137", 7, false, R, false, 137},
            {"P138", 175.42, 111.12, 5.82, 3.44, "P138", 7, false, R, false, 138},
            {"P139", 67.47, 121.71, 5.82, 3.44, "P139", 7, false, R, false, 139},
            {"P140", 92.87, 121.71, 5.82, 3.44, "P140", 7, false, R, false, 140},
            {"P141", 114.04, 121.71, 5.82, 3.44, "P141", 7, false, R, false, 141},
            {"P142", 133.09, 121.71, 5.82, 3.44, "P142", 7, false, R, false, 142},
            {"P143", 154.25, 121.71, 5.82, 3.44, "P143", 7, false, R, false, 143},
            {"P144", 175.42, 121.71, 5.82, 3.44, "P144", 7, false, R, false, 144},
            {"P145", 67.47, 131.50, 5.82, 3.44, "P145", 7, false, R, false, 145},
            {"P146", 92.87, 131.50, 5.82, 3.44, "P146", 7, false, R, false, 146},
            {"P147", 114.04, 131.50, 5.82, 3.44, "P147", 7, false, R, false, 147},
            {"P148", 133.09, 131.50, 5.82, 3.44, "P148", 7, false, R, false, 148},
            {"P149", 154.25, 131.50, 5.82, 3.44, "P149", 7, false, R, false, 149},
            {"P150", 175.42, 131.50, 5.82, 3.44, "P150", 7, false, R, false, 150},
            {"P151", 67.47, 142.35, 5.82, 3.44, "P151", 7, false, R, false, 151},
            {"P152", 92.87, 142.35, 5.82, 3.44, "P152", 7, false, R, false, 152},
            {"P153", 114.04, 142.35, 5.82, 3.44, "P153", 7, false, R, false, 153},
            {"P154", 133.09, 142.35, 5.82, 3.44, "P154", 7, false, R, false, 154},
            {"P155", 154.25, 142.35, 5.82, 3.44, "P155", 7, false, R, false, 155},
            {"P156", 175.42, 142.35, 5.82, 3.44, "P156", 7, false, R, false, 156},
            {"P157", 67.47, 152.66, 5.82, 3.44, "P157", 7, false, R, false, 157},
            {"P158", 92.87, 152.66, 5.82, 3.44, "P158", 7, false, R, false, 158},
            {"P159", 114.04, 152.66, 5.82, 3.44, "P159", 7, false, R, false, 159},
            {"P160", 133.09, 153.46, 5.82, 3.44, "P160", 7, false, R, false, 160},
            {"P161", 154.25, 153.46, 5.82, 3.44, "P161", 7, false, R, false, 161},
            {"P162", 175.42, 153.46, 5.82, 3.44, "P162", 7, false, R, false, 162},
            {"P163", 67.47, 164.57, 5.82, 3.44, "P163", 7, false, R, false, 163},
            {"P164", 92.87, 164.57, 5.82, 3.44, "P164", 7, false, R, false, 164},
            {"P165", 114.04, 164.57, 5.82, 3.44, "P165", 7, false, R, false, 165},
            {"P166", 133.09, 164.57, 5.82, 3.44, "P166", 7, false, R, false, 166},
            {"P167", 154.25, 164.57, 5.82, 3.44, "P167", 7, false, R, false, 167},
            {"P168", 175.42, 164.57, 5.82, 3.44, "P168", 7, false, R, false, 168},
            {"P169", 67.47, 173.83, 5.82, 3.44, "P169", 7, false, R, false, 169},
            {"P170", 92.87, 173.83, 5.82, 3.44, "P170", 7, false, R, false, 170},
            {"P171", 114.04, 173.83, 5.82, 3.44, "P171", 7, false, R, false, 171},
            {"P172", 133.09, 173.83, 5.82, 3.44, "P172", 7, false, R, false, 172},
            {"P173", 154.25, 173.83, 5.82, 3.44, "P173", 7, false, R, false, 173},
            {"P174", 175.42, 173.83, 5.82, 3.44, "P174", 7, false, R, false, 174},
            // Positions 175 to 180, right-justified at x 181.24.
            {"P175", 175.42, 184.41, 5.82, 3.44, "P175", 7, false, R, false, 175},
            {"P176", 175.42, 204.79, 5.82, 3.44, "P176", 7, false, R, false, 176},
            {"P177", 175.42, 211.14, 5.82, 3.44, "P177", 7, false, R, false, 177},
            {"P178", 175.42, 236.54, 5.82, 3.44, "P178", 7, false, R, false, 178},
            {"P179", 175.42, 244.21, 5.82, 3.44, "P179", 7, false, R, false, 179},
            {"P180", 175.42, 252.15, 5.82, 3.44, "P180", 7, false, R, false, 180},
        },
        {
            {"QRShape1", 4.23, 44.45, 178.86, 0.26}, // between sections D and E
            {"QRShape2", 5.82, 265.38, 178.86, 0.53}, // above the footer
        }};
    return table;
}

} // namespace iqx::print
// clang-format on
