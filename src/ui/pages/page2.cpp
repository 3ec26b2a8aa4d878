// Entry page 2: sections B.2 to B.4 of the property tax. Yes/no questions
// on how the council differentiates its rates (positions 52 to 61), the
// statutory exemptions with their areas and values (62 to 78) and the
// exemptions adopted by the council (79 to 85). Coordinates are pixels on
// TabSheet2; boxes are listed in position order, which is the tab order.
#include "ui/pages/rows.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

namespace iqx::ui {
namespace {

// Columns of the yes/no answers: the left criteria of B.2 and the right
// column used by every other question.
constexpr int kLeftCheckX = 340, kLeftCheckW = 60;
constexpr int kRightCheckX = 816, kRightCheckW = 97;

// Columns of table B.3: land, buildings, structures.
constexpr int kLandX = 419, kBuildingsX = 600, kStructuresX = 760;

// A yes/no answer of the right column (number labels at x 796).
EntryRow rightCheck(int n, int y)
{
    return check(n, kRightCheckX, y, kRightCheckW);
}

// An area or value of table B.3.
EntryRow amount(int n, int x, int y)
{
    return box(n, x, y, 110);
}

} // namespace

const EntryPageTable &entryPage2()
{
    static const EntryPageTable page{"TabSheet2", "Strona 2", {
        // B.2: criteria by which the council differentiates the rates.
        subsection(16, 16, "B.2. Kryteria różnicowania stawek w podatku od nieruchomości w 2005r."),
        label(16, 40, "Gmina, na mocy uchwały rady gminy, różnicuje stawki dla poszczególnych przedmiotów opodatkowania  "),
        label(21, 55, "ze względu na następujące kryteria:"),
        label(796, 40, "52."), rightCheck(52, 40),

        // Six criteria in two columns; the left one of a row comes first.
        label(16, 85, "Lokalizacja"),
        label(320, 85, "53."), check(53, kLeftCheckX, 85, kLeftCheckW),
        label(440, 85, "Przeznaczenie i sposób wykorzystywania nieruchomości"),
        label(796, 85, "54."), rightCheck(54, 85),
        label(16, 110, "Rodzaj prowadzonej działalności"),
        label(320, 110, "55."), check(55, kLeftCheckX, 110, kLeftCheckW),
        label(440, 110, "Stan techniczny i wiek budynku"),
        label(796, 110, "56."), rightCheck(56, 110),
        label(16, 135, "Rodzaj zabudowy"),
        label(320, 135, "57."), check(57, kLeftCheckX, 135, kLeftCheckW),
        label(440, 135, "Inne"),
        label(796, 135, "58."), rightCheck(58, 135),

        // Rates differentiated by kind of business; the answers sit 0, 5
        // and 10 px lower than their captions.
        label(16, 160, "Gmina różnicuje ze względu na rodzaj działalności gospodarczej"),
        label(90, 180, "stawkę opodatkowania gruntów związanych z prowadzeniem działalności gospodarczej"),
        label(796, 180, "59."), rightCheck(59, 180),
        label(90, 200, "stawkę opodatkowania budynków związanych z prowadzeniem działalności gospodarczej"),
        label(796, 205, "60."), rightCheck(60, 205),
        label(90, 220, "stawkę opodatkowania budowli"),
        label(796, 230, "61."), rightCheck(61, 230),

        // B.3: statutory exemptions, one row per provision of the act; a row
        // has boxes only in the columns that apply to it.
        subsection(16, 264, "B.3. Zwolnienia ustawowe w podatku od nieruchomości w 2005r."),
        label(16, 285, "Podstawa prawna zwolnienia - ustawa z dnia 12 stycznia 1991r. "),
        label(24, 300, "o podatkach i opłatach lokalnych"),
        label(416, 285, "Grunty powierzchnia, "),
        label(448, 315, "[m2]"),
        label(624, 285, "Budynki"),
        label(584, 300, "powierzchnia użytkowa"),
        label(632, 315, "[m2]"),
        label(760, 285, "Budowle wartość"),
        label(800, 315, "[zł]"),

        label(21, 340, "Art. 7 ust. 1 pkt 4   "),
        label(582, 340, "62."), amount(62, kBuildingsX, 340),
        label(21, 370, "Art. 7 ust. 1 pkt 5"),
        label(400, 370, "63."), amount(63, kLandX, 370),
        label(582, 370, "64."), amount(64, kBuildingsX, 370),
        label(21, 400, "Art. 7 ust. 1 pkt 11"),
        label(400, 400, "65."), amount(65, kLandX, 400),
        label(21, 430, "Art. 7 ust. 1 pkt 12"),
        label(582, 430, "66."), amount(66, kBuildingsX, 430),
        label(21, 460, "Art. 7 ust. 1 pkt 13"),
        label(582, 460, "67."), amount(67, kBuildingsX, 460),
        label(740, 460, "68."), amount(68, kStructuresX, 460),
        label(21, 490, "Art. 7 ust. 1 pkt 14"),
        label(400, 490, "69."), amount(69, kLandX, 490),
        label(582, 490, "70."), amount(70, kBuildingsX, 490),
        label(740, 490, "71."), amount(71, kStructuresX, 490),
        label(21, 520, "Art. 7 ust. 2 pkt 4   "),
        label(400, 520, "72."), amount(72, kLandX, 520),
        label(582, 520, "73."), amount(73, kBuildingsX, 520),
        label(740, 520, "74."), amount(74, kStructuresX, 520),
        label(21, 550, "Art. 7 ust. 2 pkt 5  "),
        label(400, 550, "75."), amount(75, kLandX, 550),
        label(582, 550, "76."), amount(76, kBuildingsX, 550),
        label(21, 580, "Art. 7 ust. 2 pkt 6   "),
        label(400, 580, "77."), amount(77, kLandX, 580),
        label(582, 580, "78."), amount(78, kBuildingsX, 580),

        // B.4: exemptions adopted by the council. Leaving the last answer
        // turns to page 3.
        subsection(16, 635, "B.4. Zwolnienia na mocy uchwały rady gminy w podatku od nieruchomości w 2005r."),
        label(21, 655, "Zwolnienie budynków mieszkalnych"),
        label(90, 680, "wszystkich budynków mieszkalnych na terenie gminy"),
        label(796, 680, "79."), rightCheck(79, 680),
        label(90, 705, "budynków położonych na terenie gospodarstw rolnych"),
        label(796, 705, "80."), rightCheck(80, 705),
        label(90, 730, "grupy budynków mieszkalnych określonej ze względu na podatnika "),
        label(796, 730, "81."), rightCheck(81, 730),
        label(90, 755, "grupy budynków mieszkalnych określonej ze względu na atrybuty budynku "),
        label(796, 755, "82."), rightCheck(82, 755),
        label(21, 785, "Zwolnienie nieruchomości dla podatników prowadzących działalność gospodarczą, w tym"),
        label(796, 785, "83."), rightCheck(83, 785),
        label(90, 810, "zwolnienie z tytułu nowych inwestycji i tworzenia nowych miejsc pracy"),
        label(796, 810, "84."), rightCheck(84, 810),
        label(21, 835, "Gmina posiada program pomocowy w związku ze stosowaniem zwolnień podatkowych "),
        label(796, 835, "85."), rightCheck(85, 835),
    }};
    return page;
}

} // namespace iqx::ui
// clang-format on
