#include "print/pages.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

// Printed page 6: the rest of stamp duty (H.2 to H.6, positions 207 to 220),
// the contacts of the receiving department (section I), the contact of the
// person who filled in the form (section J, positions 221 and 222) and the
// places for the signatures (section K). Every label is left-justified.
namespace iqx::print {

namespace {
constexpr report::Align L = report::Align::Left;
} // namespace

const report::PageTable &printedPage6()
{
    static const report::PageTable table{
        "TStrona6", "Strona6", "QRBand1", 189.97, 277.55, 0,
        {
            // Static captions in reading order (top to bottom, then left to
            // right); their size follows the text.
            {"QRLabel1", 2.12, 2.12, 0, 0, "H.2. Koszty ściągnięcia nieuiszczonej opłaty skarbowej od podań w 2004r.", 9},
            {"QRLabel2", 4.23, 8.47, 0, 0, "Średni koszt jednego postępowania", 7},
            {"QRLabel3", 4.23, 14.82, 0, 0, "Liczba postępowań przeprowadzonych w 2004r.", 7},
            {"QRLabel4", 2.12, 21.17, 0, 0, "H.3. Sprzedaż znaków wartościowych w 2004r.", 9},
            {"QRLabel5", 76.20, 29.63, 0, 0, "Umowy zawarte przez gminę", 7},
            {"QRLabel6", 137.58, 29.63, 0, 0, "Umowy zawarte przez urzędy skarbowe", 7},
            {"QRLabel7", 8.47, 38.10, 0, 0, "Średnia wysokość prowizji", 7},
            {"QRLabel8", 95.25, 38.10, 0, 0, "%", 7},
            {"QRLabel9", 167.22, 38.10, 0, 0, "%", 7},
            {"QRLabel10", 8.47, 44.45, 0, 0, "Liczba punktów sprzedaży detalicznej", 7},
            {"QRLabel11", 2.12, 50.80, 0, 0, "H.4. Problemy w zakresie zawierania umów na sprzedaż detaliczną znaków wartościowych", 9},
            {"QRLabel12", 6.35, 59.27, 0, 0, "Procedury zamówień publicznych", 7},
            {"QRLabel13", 6.35, 67.73, 0, 0, "Brak podmiotów chętnych do prowadzenia punktów", 7},
            {"QRLabel14", 6.35, 76.20, 0, 0, "Inne", 7},
            {"QRLabel15", 2.12, 82.55, 0, 0, "H.5. Kontrola przekazywania przez oddziały banku PKO BP S.A. należności za sprzedane znaki wartościowe", 9},
            {"QRLabel16", 95.25, 88.90, 0, 0, "Czy dokonywana jest kontrola w", 7},
            {"QRLabel17", 140.76, 89.16, 0, 0, "Czy stwierdzono nieprawidłowości", 7},
            {"QRLabel18", 101.86, 91.55, 0, 0, " podanym zakresie", 7},
            {"QRLabel19", 4.23, 95.78, 0, 0, "Prawidłowości wyliczania należności", 7},
            {"QRLabel20", 4.23, 101.60, 0, 0, "Terminowości przekazywania", 7},
            {"QRLabel21", 2.12, 110.07, 0, 0, "H.6. Czy przy założeniu, że zniesiona zostanie możliwość zapłaty opłaty skarbowej znakami tej opłaty, ", 9},
            {"QRLabel22", 2.12, 114.30, 0, 0, "istnieje potrzeba wprowadzenia przepisów umożliwiających zawieranie przez gminę porozumień z", 9},
            {"QRLabel23", 2.12, 118.53, 0, 0, "organami administracji publicznej na pobór opłaty skarbowej od dokonywanych przez te organy ", 9},
            {"QRLabel24", 2.12, 122.77, 0, 0, "czynności urzędowych lub wydawanych zaświadczeń i zezwoleń (pozwoleń, koncesji)", 9},
            // Section I: the receiving department's staff; the last two
            // answer questions on section H.
            {"QRLabel25", 2.12, 132.56, 0, 0, "I. KONTAKT Z OSOBAMI UDZIELAJĄCYMI WYJAŚNIEŃ", 9, true},
            {"QRLabel26", 12.70, 139.70, 0, 0, "numer telefonu:", 7},
            {"QRLabel27", 88.90, 139.70, 0, 0, "Adres  e-mail:", 7},
            {"QRLabel28", 12.70, 146.05, 0, 0, "(0-22) 555-01-01", 7},
            {"QRLabel29", 88.90, 146.05, 0, 0, "wyjasnienia.1@zeltmark.example", 7},
            {"QRLabel30", 12.70, 150.02, 0, 0, "(0-22) 555-01-02", 7},
            {"QRLabel31", 88.90, 150.28, 0, 0, "wyjasnienia.2@zeltmark.example", 7},
            {"QRLabel32", 12.70, 153.99, 0, 0, "(0-22) 555-01-03", 7},
            {"QRLabel33", 88.90, 154.52, 0, 0, "wyjasnienia.3@zeltmark.example", 7},
            {"QRLabel34", 12.70, 160.87, 0, 0, "PYTANIA DOTYCZĄCE OPŁATY SKARBOWEJ (CZĘŚĆ H)", 7},
            {"QRLabel35", 12.70, 167.22, 0, 0, "(0-22) 555-01-04", 7},
            {"QRLabel36", 88.90, 167.22, 0, 0, "oplata.skarbowa.1@zeltmark.example", 7},
            {"QRLabel37", 12.70, 171.45, 0, 0, "(0-22) 555-01-05", 7},
            {"QRLabel38", 88.90, 171.45, 0, 0, "oplata.skarbowa.2@zeltmark.example", 7},
            // Section J and section K; the space under the signatories'
            // captions stays blank for the signatures.
            {"QRLabel39", 2.12, 183.36, 0, 0, "J. KONTAKT Z OSOBĄ WYPEŁNIAJĄCĄ ANKIETĘ", 9, true},
            {"QRLabel40", 12.70, 190.50, 0, 0, "numer telefonu (wraz z numerem  kierunkowym):", 7},
            {"QRLabel41", 88.90, 190.50, 0, 0, "adres e-mail:", 7},
            {"QRLabel42", 2.12, 219.34, 0, 0, "K. PODPISY", 9, true},
            {"QRLabel43", 6.35, 224.37, 0, 0, "Wójt/Burmistrz/Prezydent Miasta", 7},
            {"QRLabel44", 91.02, 224.37, 0, 0, "Skarbnik (Główny Księgowy)", 7},
            // Footer.
            {"QRLabel45", 3.70, 267.49, 0, 0, "Informacja QX", 7},
            {"QRLabel46", 174.62, 267.49, 0, 0, "Strona 6/6", 7},

            // Print slots, all left-justified: values start at the slot's x.
            // H.2: cost per proceeding and number of proceedings.
            {"P207", 135.47, 8.47, 5.82, 3.44, "P207", 7, false, L, false, 207},
            {"P208", 135.47, 14.82, 5.82, 3.44, "P208", 7, false, L, false, 208},
            // H.3: commission and outlets, municipality | tax offices.
            {"P209", 86.78, 38.10, 5.82, 3.44, "P209", 7, false, L, false, 209},
            {"P210", 158.75, 38.10, 5.82, 3.44, "P210", 7, false, L, false, 210},
            {"P211", 86.78, 44.45, 5.82, 3.44, "P211", 7, false, L, false, 211},
            {"P212", 158.75, 44.45, 5.82, 3.44, "P212", 7, false, L, false, 212},
            // H.4 to H.6: "TAK"/"NIE" answers; those of the first H.5 row
            // stand 0.53 mm above their row caption.
            {"P213", 158.75, 59.27, 5.82, 3.44, "P213", 7, false, L, false, 213},
            {"P214", 158.75, 67.73, 5.82, 3.44, "P214", 7, false, L, false, 214},
            {"P215", 158.75, 76.20, 5.82, 3.44, "P215", 7, false, L, false, 215},
            {"P216", 107.95, 95.25, 5.82, 3.44, "P216", 7, false, L, false, 216},
            {"P217", 158.75, 95.25, 5.82, 3.44, "P217", 7, false, L, false, 217},
            {"P218", 107.95, 101.60, 5.82, 3.44, "P218", 7, false, L, false, 218},
            {"P219", 158.75, 101.60, 5.82, 3.44, "P219", 7, false, L, false, 219},
            {"P220", 158.75, 120.65, 5.82, 3.44, "P220", 7, false, L, false, 220},
            // J: telephone number and e-mail address, free text.
            {"P221", 35.98, 196.85, 5.82, 3.44, "P221", 7, false, L, false, 221},
            {"P222", 91.02, 196.85, 5.82, 3.44, "P222", 7, false, L, false, 222},
        },
        {
            {"QRShape1", 5.82, 129.91, 178.86, 0.53}, // between sections H and I
            {"QRShape4", 5.82, 180.71, 178.86, 0.53}, // between sections I and J
            {"QRShape3", 5.82, 214.58, 178.86, 0.53}, // between sections J and K
            {"QRShape2", 5.82, 265.38, 178.86, 0.53}, // above the footer
        }};
    return table;
}

} // namespace iqx::print
// clang-format on
