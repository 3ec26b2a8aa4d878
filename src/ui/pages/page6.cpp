// Entry page 6: the rest of stamp duty (H.2 to H.6, positions 207 to 220),
// the contacts of the receiving department (section I, fixed captions) and
// the contact of the person who filled in the document (section J, free-text
// positions 221 and 222). Coordinates are pixels on TabSheet6. No box of this
// page turns the page.
#include "ui/pages/rows.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

namespace iqx::ui {

const EntryPageTable &entryPage6()
{
    static const EntryPageTable page{"TabSheet6", " Strona 6", {
        // H.2: cost of collecting unpaid stamp duty.
        subsection(16, 16, "H.2. Koszty ściągnięcia nieuiszczonej opłaty skarbowej od podań w 2004r."),
        label(21, 35, "Średni koszt jednego postępowania"),
        label(738, 35, "207."), box(207, 764, 35), label(872, 40, "zł"),
        label(21, 65, "Liczba przeprowadzonych postępowań w 2004r."),
        label(738, 65, "208."), box(208, 764, 65),

        // H.3: sale of duty stamps, contracts of the municipality (left) and
        // of the tax offices (right).
        subsection(16, 100, "H.3. Sprzedaż znaków wartościowych w 2004r."),
        label(360, 120, "Umowy zawarte przez gminę"),
        label(640, 120, "Umowy zawarte przez urzędy skarbowe"),
        label(21, 150, "Średnia wysokość prowizji"),
        label(370, 150, "209."), box(209, 396, 150), label(504, 156, "%"),
        label(674, 150, "210."), box(210, 700, 150), label(808, 156, "%"),
        label(21, 180, "Liczba punktów sprzedaży detalicznej"),
        label(370, 180, "211."), box(211, 396, 180),
        label(674, 180, "212."), box(212, 700, 180),

        // H.4: problems in contracting the retail sale of stamps.
        subsection(16, 220, "H.4. Problemy w zakresie zawierania umów na sprzedaż detaliczną znaków wartościowych"),
        label(21, 250, "Procedury zamówień publicznych"),
        label(738, 250, "213."), check(213, 764, 250),
        label(21, 280, "Brak podmiotów chętnych do prowadzenia punktów"),
        label(738, 280, "214."), check(214, 764, 280),
        label(21, 310, "Inne"),
        label(738, 310, "215."), check(215, 764, 310),

        // H.5: control of the bank's transfers; whether it is checked (left)
        // and whether irregularities were found (right).
        subsection(16, 340, "H.5. Kontrola przekazywania przez oddziały banku PKO BP S.A. s.a. należności za "
                         "sprzedane znaki wartościowe"),
        label(360, 365, "Czy dokonywana jest kontrola w"),
        label(384, 381, " podanym zakresie"),
        label(640, 365, "Czy stwierdzono nieprawidłowości"),
        label(21, 405, "Prawidłowości wyliczania należności"),
        label(370, 405, "216."), check(216, 396, 405),
        label(674, 410, "217."), check(217, 700, 405),
        label(21, 435, "Terminowości przekazywania"),
        label(370, 435, "218."), check(218, 396, 435),
        label(674, 435, "219."), check(219, 700, 435),

        // H.6: a four-line question answered by one check box.
        subsection(16, 468, "H.6. Czy przy założeniu, że zniesiona zostanie możliwość zapłaty opłaty skarbowej "
                         "znakami tej opłaty, "),
        subsection(21, 488, "istnieje potrzeba wprowadzenia przepisów umożliwiających zawieranie przez gminę "
                         "porozumień z"),
        label(738, 502, "220."), check(220, 764, 502),
        subsection(21, 508, "organami administracji publicznej na pobór opłaty skarbowej od dokonywanych przez te "
                         "organy "),
        subsection(21, 528, "czynności urzędowych lub wydawanych zaświadczeń i zezwoleń (pozwoleń, koncesji)"),
        line("Shape61", -7, 560),

        // Section I: the receiving department's staff, fixed texts.
        section(16, 576, "I. KONTAKT Z OSOBAMI UDZIELAJĄCYMI WYJAŚNIEŃ"),
        label(90, 605, "numer telefonu:"),
        label(500, 605, "Adres  e-mail:"),
        label(90, 625, "(0-22) 555-01-01"),
        label(500, 625, "wyjasnienia.1@zeltmark.example"),
        label(89, 646, "(0-22) 555-01-02"),
        label(500, 645, "wyjasnienia.2@zeltmark.example"),
        label(90, 666, "(0-22) 555-01-03"),
        label(500, 665, "wyjasnienia.3@zeltmark.example"),
        label(90, 685, "PYTANIA DOTYCZĄCE OPŁATY SKARBOWEJ (CZĘŚĆ H)"),
        label(90, 705, "(0-22) 555-01-04"),
        label(500, 705, "oplata.skarbowa.1@zeltmark.example"),
        label(90, 725, "(0-22) 555-01-05"),
        label(500, 725, "oplata.skarbowa.2@zeltmark.example"),
        line("Shape62", 1, 760),

        // Section J: the person who filled in the document.
        section(16, 776, "J. KONTAKT Z OSOBĄ WYPEŁNIAJĄCĄ ANKIETĘ"),
        label(90, 806, "numer telefonu (wraz z numerem  kierunkowym):"),
        label(500, 806, "adres e-mail:"),
        label(90, 836, "221."), box(221, 116, 836, 300),
        label(498, 836, "222."), box(222, 524, 836, 397),
    }};
    return page;
}

} // namespace iqx::ui
// clang-format on
