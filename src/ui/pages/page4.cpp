// Entry page 4: section D of the forest tax (rate, statutory exemptions, lost
// revenue; positions 120 to 123) and section E on the municipality's tax
// register of real estate (positions 124 to 180), with the E.2 grid of eight
// kinds of data by three taxes. Coordinates are pixels on TabSheet4; the
// controls are listed in position order, which is the tab order, so that
// Tab and Enter walk the grid row by row, check box and text box in turn.
#include "ui/pages/rows.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

namespace iqx::ui {
namespace {

// Columns of the section D and E.1 rows: number label and control.
constexpr int kNumberX = 714, kBoxX = 740;
// Columns of the E.2 grid, 0 to 5: a check box (does the register software
// take this kind of data) and a text box (share entered, in %) per tax.
constexpr int kGridNumberX[] = {320, 399, 525, 618, 748, 833};
constexpr int kGridBoxX[] = {345, 425, 550, 645, 774, 860};
constexpr int kGridCheckW = 45, kGridEditW = 80;

// Row caption at the left edge of the page.
EntryRow caption(int y, const char *text)
{
    return label(21, y, text);
}

// Number label and control of grid column `column` in the row at `y`.
EntryRow gridNumber(int column, int y, const char *text)
{
    return label(kGridNumberX[column], y, text);
}

EntryRow gridBox(int column, int y, int n)
{
    return column % 2 == 0 ? check(n, kGridBoxX[column], y, kGridCheckW)
                           : box(n, kGridBoxX[column], y, kGridEditW);
}

} // namespace

const EntryPageTable &entryPage4()
{
    static const EntryPageTable page{"TabSheet4", " Strona 4", {
        // D: forest tax.
        section(16, 16, "D. PODATEK LEŚNY "),
        subsection(16, 36, "D.1. Stawka podatku obowiązująca na terenie gminy- w 2005r."),
        label(kNumberX, 36, "120."), box(120, kBoxX, 36),
        subsection(16, 66, "D.2. Zwolnienia ustawowe w podatku leśnym w 2005r."),
        label(90, 91, "Podstawa prawna zwolnienia - ustawa z dnia 30 października 2002r. o podatku leśnym"),
        label(732, 91, "Powierzchnia, w ha "),
        caption(121, "Art. 7 ust. 2 pkt 4"),
        label(kNumberX, 121, "121."), box(121, kBoxX, 121),
        caption(151, "Art. 7 ust. 2 pkt 5"),
        label(kNumberX, 151, "122."), box(122, kBoxX, 151),
        subsection(16, 181, "D.3. Utracone dochody z tytułu  zwolnień w podatku leśnym na mocy uchwały rady gminy w 2005 r. [zł]"),
        label(kNumberX, 181, "123."), box(123, kBoxX, 181),
        line("Shape41", -15, 211),

        // E: the tax register of real estate. E.1: what the land and
        // building register supplies.
        section(16, 225, "E. EWIDENCJA PODATKOWA NIERUCHOMOŚCI (EPN) - stan na 2005 r."),
        subsection(16, 250, "E.1. Zasób danych w ewidencji gruntów i budynków"),
        caption(280, "Dane ewidencji gruntów i budynków są dostępne w formacie SWDE"),
        label(kNumberX, 280, "124."), check(124, kBoxX, 280),
        caption(310, "Ewidencja gruntów i budynków zawiera dane o budynkach"),
        label(kNumberX, 310, "125."), check(125, kBoxX, 310),
        caption(340, "Ewidencja gruntów i budynków zawiera dane o lokalach"),
        label(kNumberX, 340, "126."), check(126, kBoxX, 340),

        // E.2: the grid's headings, four lines per column and the tax's
        // name under each pair of columns.
        subsection(16, 370, "E.2. Zasób danych w ewidencji podatkowej nieruchomości (EPN)"),
        label(21, 390, "Rodzaj danych"),
        label(320, 390, "Program"), label(440, 390, "Zasób "),
        label(536, 390, "Program"), label(656, 390, "Zasób "),
        label(752, 390, "Program"), label(872, 390, "Zasób "),
        label(318, 406, "umożliwia "), label(416, 406, "zgromadzonych "),
        label(534, 406, "umożliwia "), label(632, 406, "zgromadzonych "),
        label(750, 406, "umożliwia "), label(848, 406, "zgromadzonych "),
        label(304, 422, "wprowadzenie "), label(416, 422, "danych do dnia "),
        label(520, 422, "wprowadzenie "), label(632, 422, "danych do dnia "),
        label(736, 422, "wprowadzenie "), label(848, 422, "danych do dnia "),
        label(326, 438, "danych"), label(420, 438, "1.07.2005r. [%]"),
        label(542, 437, "danych"), label(637, 437, "1.07.2005r.  [%]"),
        label(758, 437, "danych"), label(856, 437, "1.07.2005r. [%]"),
        label(304, 454, "PODATEK OD NIERUCHOMOŚCI"),
        label(568, 454, "PODATEK ROLNY"),
        label(775, 454, "PODATEK LEŚNY"),

        // The grid's eight rows: position = 127 + 6 * row + column.
        caption(475, "Numer Identyfikacji Podatkowej NIP"),
        gridNumber(0, 475, "127."), gridBox(0, 475, 127),
        gridNumber(1, 475, "128."), gridBox(1, 475, 128),
        gridNumber(2, 475, "129."), gridBox(2, 475, 129),
        gridNumber(3, 475, "130."), gridBox(3, 475, 130),
        gridNumber(4, 475, "131."), gridBox(4, 475, 131),
        gridNumber(5, 475, "132."), gridBox(5, 475, 132),

        caption(505, "Identyfikatory działek"),
        gridNumber(0, 505, "133."), gridBox(0, 505, 133),
        gridNumber(1, 505, "134."), gridBox(1, 505, 134),
        gridNumber(2, 505, "135."), gridBox(2, 505, 135),
        gridNumber(3, 505, "136."), gridBox(3, 505, 136),
        gridNumber(4, 505, "137."), gridBox(4, 505, 137),
        gridNumber(5, 505, "138."), gridBox(5, 505, 138),

        caption(535, "Identyfikatory budynków"),
        gridNumber(0, 535, "139."), gridBox(0, 535, 139),
        gridNumber(1, 535, "140."), gridBox(1, 535, 140),
        gridNumber(2, 535, "141."), gridBox(2, 535, 141),
        gridNumber(3, 535, "142."), gridBox(3, 535, 142),
        gridNumber(4, 535, "143."), gridBox(4, 535, 143),
        gridNumber(5, 535, "144."), gridBox(5, 535, 144),

        caption(565, "Identyfikatory lokali"),
        gridNumber(0, 563, "145."), gridBox(0, 563, 145),
        gridNumber(1, 563, "146."), gridBox(1, 563, 146),
        gridNumber(2, 563, "147."), gridBox(2, 563, 147),
        gridNumber(3, 563, "148."), gridBox(3, 563, 148),
        gridNumber(4, 563, "149."), gridBox(4, 563, 149),
        gridNumber(5, 563, "150."), gridBox(5, 563, 150),

        caption(595, "Numer księgi wieczystej"),
        gridNumber(0, 595, "151."), gridBox(0, 595, 151),
        gridNumber(1, 595, "152."), gridBox(1, 595, 152),
        gridNumber(2, 595, "153."), gridBox(2, 595, 153),
        gridNumber(3, 595, "154."), gridBox(3, 595, 154),
        gridNumber(4, 595, "155."), gridBox(4, 595, 155),
        gridNumber(5, 595, "156."), gridBox(5, 595, 156),

        caption(625, "Dane o zwolnieniach podatkowych ustawowych"),
        gridNumber(0, 625, "157."), gridBox(0, 625, 157),
        gridNumber(1, 625, "158."), gridBox(1, 625, 158),
        gridNumber(2, 625, "159."), gridBox(2, 625, 159),
        gridNumber(3, 625, "160."), gridBox(3, 625, 160),
        gridNumber(4, 625, "161."), gridBox(4, 625, 161),
        gridNumber(5, 625, "162."), gridBox(5, 625, 162),

        // Two caption lines; the number label of 167 has no period.
        caption(655, "Dane o zwolnieniach podatkowych udzielanych "),
        caption(671, "na  mocy uchwał rady gminy"),
        gridNumber(0, 655, "163."), gridBox(0, 655, 163),
        gridNumber(1, 655, "164."), gridBox(1, 655, 164),
        gridNumber(2, 655, "165."), gridBox(2, 655, 165),
        gridNumber(3, 655, "166."), gridBox(3, 655, 166),
        gridNumber(4, 655, "167"), gridBox(4, 655, 167),
        gridNumber(5, 655, "168."), gridBox(5, 655, 168),

        caption(701, "Adres nieruchomości"),
        gridNumber(0, 701, "169."), gridBox(0, 701, 169),
        gridNumber(1, 701, "170."), gridBox(1, 701, 170),
        gridNumber(2, 701, "171."), gridBox(2, 701, 171),
        gridNumber(3, 701, "172."), gridBox(3, 701, 172),
        gridNumber(4, 701, "173."), gridBox(4, 701, 173),
        gridNumber(5, 701, "174."), gridBox(5, 701, 174),

        // Below the grid: the national taxpayer register.
        caption(731, "Urząd gminy  skorzystał  z dostępu do danych o podatnikach  z Krajowej Ewidencji Podatników"),
        label(833, 731, "175."), check(175, 860, 731, kGridCheckW),

        // E.3: export to XML; 177 is a year.
        subsection(16, 761, "E.3. Eksport danych EPN"),
        caption(781, "Oprogramowanie EPN umożliwia eksport danych do pliku w formacie XML"),
        label(833, 779, "176."), check(176, 860, 779, kGridCheckW),
        caption(811, "Eksport danych do pliku w formacie XML zostanie zapewniony w roku"),
        label(833, 805, "177."), box(177, 860, 805, 80),

        // E.4: costs of adapting the register software; leaving 180 turns
        // to entry page 5.
        subsection(16, 841, "E.4. Koszty dostosowania oprogramowania EPN do przepisów rozporządzenia w sprawie ewidencji podatkowej nieruchomości [zł]"),
        caption(861, "Koszty rozbudowy struktury bazy danych oprogramowania EPN"),
        label(833, 861, "178."), box(178, 861, 861, 80),
        caption(891, "Koszty  uzupełnienia danych w EPN"),
        label(833, 891, "179."), box(179, 861, 891, 80),
        caption(921, "Koszty budowy modułu eksportu danych do pliku w  formacie XML"),
        label(833, 921, "180."), box(180, 860, 921, 80),
        line("Shape42", 1, 950),
    }};
    return page;
}

} // namespace iqx::ui
// clang-format on
