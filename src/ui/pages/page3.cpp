// Entry page 3: the end of the property tax (B.5 lost revenue, B.6 number of
// businesses taxed preferentially, positions 86 to 90) and the agricultural
// tax, section C (positions 91 to 119). Coordinates are pixels on TabSheet3.
// The boxes are listed in position order, which is the page's tab order; the
// last one, 119, turns to page 4 when it is left. Subsection headings are
// the page font in bold.
#include "ui/pages/rows.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

namespace iqx::ui {
namespace {

// Counts of businesses: whole numbers in the column at x 801.
EntryRow count(int n, int y) { return box(n, 801, y); }

// Boxes of table C.2, by column.
EntryRow farmLand(int n, int y) { return box(n, 400, y, 110); }
EntryRow conversionHa(int n, int y) { return box(n, 565, y, 110); }
EntryRow outsideFarms(int n, int y) { return box(n, 730, y); }

} // namespace

const EntryPageTable &entryPage3()
{
    static const EntryPageTable page{"TabSheet3", "Strona 3", {
        // B.5: revenue lost through the council's exemptions, on the
        // heading's own line.
        bold(16, 16, "B.5. Utracone dochody z tytułu zwolnień w podatku od nieruchomości na mocy uchwały rady gminy w 2005 r."),
        label(782, 16, "86."), box(86, 801, 16),
        label(912, 25, "zł"),

        // B.6: number of businesses taxed at preferential rates, in total
        // and for buildings, land and structures.
        bold(16, 46, "B.6. Względy techniczne (art. 1a ust. 1 pkt 3 ustawy o podatkach i opłatach lokalnych) w 2005r."),
        label(21, 76, "Liczba przedsiębiorców korzystających w 2005r. z preferencyjnego opodatkowania nieruchomości ogółem, w  tym:"),
        label(782, 76, "87."), count(87, 76),
        label(90, 106, "w odniesieniu do budynków  "),
        label(782, 106, "88."), count(88, 106),
        label(90, 136, "w odniesieniu do gruntów"),
        label(782, 136, "89."), count(89, 136),
        label(90, 166, "w odniesieniu do budowli "),
        label(782, 166, "90."), count(90, 166),

        // Section C, the agricultural tax. The separator starts left of the
        // page and is cut off by its edge.
        line("Shape12", -15, 201, 920),
        section(16, 206, "C. PODATEK ROLNY  "),

        // C.1: the rate in force, with its statutory maximum.
        bold(16, 226, "C.1. Stawka podatku obowiązująca na terenie gminy dla gospodarstw rolnych w 2005 r"),
        label(675, 226, "91."), box(91, 694, 226, 104),

        // C.2: areas of agricultural land by kind, in three columns.
        bold(16, 256, "C.2. Powierzchnia użytków rolnych podlegających opodatkowaniu podatkiem rolnym "),
        label(82, 276, "Rodzaj użytku rolnego"),
        label(386, 276, "Powierzchnia gruntów "),
        label(386, 291, "gospodarstw rolnych"),
        label(432, 306, "[ ha ]"),
        label(548, 276, "Powierzchnia gruntów "),
        label(549, 291, "gospodarstw rolnych"),
        label(552, 306, "[ ha przeliczeniowe ]"),
        label(698, 276, "Użytki rolne niestanowiące "),
        label(716, 291, "gospodarstwa rolnego"),
        label(760, 306, "[ ha ]"),

        label(21, 330, "Grunty orne, łąki, pastwiska i sady"),
        label(375, 330, "  92."), farmLand(92, 330),
        label(540, 330, "  93."), conversionHa(93, 330),
        label(705, 330, "  94."), outsideFarms(94, 330),

        label(21, 360, "Grunty rolne zabudowane "),
        label(375, 360, "  95."), farmLand(95, 360),
        label(540, 360, "  96."), conversionHa(96, 360),
        label(705, 360, "  97."), outsideFarms(97, 360),

        label(21, 390, "Rowy z oznaczoną klasą bonitacyjną"),
        label(375, 390, "  98."), farmLand(98, 390),
        label(540, 390, "  99."), conversionHa(99, 390),
        label(705, 390, "100."), outsideFarms(100, 390),

        // Ditches and ponds without a soil class have no conversion
        // hectares.
        label(21, 420, "Rowy bez oznaczonej klasy bonitacyjnej "),
        label(375, 420, "101."), farmLand(101, 420),
        label(705, 420, "102."), outsideFarms(102, 420),

        label(21, 450, "Grunty pod stawami niezarybionymi z oznaczoną klasą "),
        label(21, 465, "bonitacyjną"),
        label(375, 452, "103."), farmLand(103, 452),
        label(540, 452, "104."), conversionHa(104, 452),
        label(705, 452, "105."), outsideFarms(105, 452),

        // Box 107 stands 8 px higher than box 106 but follows it in the
        // tab order.
        label(21, 495, "Grunty pod stawami niezarybionymi bez oznaczonej "),
        label(21, 510, "klasy bonitacyjnej"),
        label(375, 500, "106."), farmLand(106, 500),
        label(705, 492, "107."), outsideFarms(107, 492),

        label(21, 540, "Grunty pod stawami zarybionymi"),
        label(375, 540, "108."), farmLand(108, 540),
        label(540, 540, "109."), conversionHa(109, 540),
        label(705, 540, "110."), outsideFarms(110, 540),

        // C.3: statutory exemptions, area by provision of the act.
        bold(16, 580, "C.3. Zwolnienia ustawowe w podatku rolnym w 2005r."),
        label(21, 600, "Podstawa prawna zwolnienia - ustawa z dnia 15 listopada 1984r. o podatku rolnym"),
        label(717, 600, "Powierzchnia [ ha ]"),
        label(21, 628, "Art. 12. ust. 1 pkt 1 "),
        label(705, 628, "111."), box(111, 730, 628),
        label(21, 658, "Art. 12. ust. 1 pkt 12 "),
        label(705, 658, "112."), box(112, 730, 658),
        label(21, 688, "Art. 12. ust. 2 pkt 4 "),
        label(705, 688, "113."), box(113, 730, 688),
        label(21, 718, "Art. 12. ust. 2 pkt 5 "),
        label(705, 718, "114."), box(114, 730, 718),
        label(21, 748, "Art. 12. ust. 2 pkt 6 "),
        label(705, 748, "115."), box(115, 730, 748),

        // C.4: revenue lost through statutory reliefs; the boxes sit 6, 4
        // and 2 px above their captions.
        label(770, 776, " [zł]"),
        bold(16, 778, "C.4. Utracone dochody z tytułu ustawowych ulg w podatku rolnym w 2005r."),
        label(90, 800, "INWESTYCYJNEJ - Art. 13 ust. 1 "),
        label(705, 794, "116."), box(116, 730, 794),
        label(90, 830, "ŻOŁNIERSKIEJ - Art. 13a ust. 1 i 2"),
        label(705, 826, "117."), box(117, 730, 826),
        label(90, 860, "DLA TERENÓW GÓRSKICH I PODGÓRSKICH - Art. 13b ust. 1"),
        label(705, 858, "118."), box(118, 730, 858),

        // C.5: revenue lost through the council's exemptions and reliefs;
        // the last box of the page.
        bold(16, 890, "C.5. Utracone dochody z tytułu zwolnień i ulg w podatku rolnym na mocy uchwały rady gminy w 2005r."),
        label(705, 890, "119."), box(119, 730, 890, 105),
        line("Shape14", -28, 936, 923),
    }};
    return page;
}

} // namespace iqx::ui
// clang-format on
