// Entry page 1: the identity block (positions 0 to 4) and table B.1 of the
// property tax (positions 5 to 51). Coordinates are pixels on TabSheet1.
#include "ui/pages/rows.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

namespace iqx::ui {
namespace {

constexpr int kIdentityHeight = 32;
constexpr int kIdentityPx = 18;   // captions and names of the identity block
constexpr int kSmallNumberPx = 7; // number labels "1." to "12."

// Number label in the small font ("1." to "4.", "  5." to "12.").
EntryRow small(int x, int y, const char *text)
{
    return label(x, y, text, kSmallNumberPx);
}

// Box of the identity block (hidden and disabled, as every identity name
// is); the user sees its header label.
EntryRow identityBox(int n, int y, int w)
{
    return {.kind = Kind::Edit, .position = n, .x = 620, .y = y, .w = w, .h = kIdentityHeight,
            .fontPx = kIdentityPx, .bold = true};
}

EntryRow header(const char *name, int y, int mirrors)
{
    return {.kind = Kind::Header, .name = name, .x = 198, .y = y, .fontPx = kIdentityPx, .bold = true,
            .mirrors = mirrors};
}

} // namespace

const EntryPageTable &entryPage1()
{
    static const EntryPageTable page{"TabSheet1", "Strona 1", {
        // Identity block.
        bold(15, 30, "Identyfikator gminy :", kIdentityPx),
        {.kind = Kind::Edit, .position = 1, .x = 205, .y = 22, .w = 124, .h = kIdentityHeight,
         .fontPx = kIdentityPx, .bold = true},
        label(337, 26, "siedmio cyfrowy kod;"),
        label(337, 40, "pierwsze dwie cyfry - kod województwa, następne dwie - kod pow., ostatnie trzy - kod gminy"),
        {.kind = Kind::Label, .name = nullptr, .x = 1, .y = 60, .text = "1.", .fontPx = kSmallNumberPx,
         .silver = true},
        label(15, 63, "Typ gminy :", kIdentityPx),
        small(1, 90, "2."),
        label(15, 98, "Nazwa gminy :", kIdentityPx),
        small(1, 127, "3."),
        label(15, 134, "Nazwa powiatu :", kIdentityPx),
        small(2, 166, "4."),
        label(16, 171, "Nazwa województwa :", kIdentityPx),
        identityBox(0, 57, 52),
        identityBox(2, 91, 28),
        identityBox(3, 126, 30),
        identityBox(4, 169, 32),
        header("TypGmi", 65, 0),
        header("NazGmi", 98, 2),
        header("NazPow", 132, 3),
        header("NazWoj", 172, 4),
        line("Shape1", 10, 214, 911),

        // Section headings and the column headings of table B.1.
        section(16, 237, "B. PODATEK OD NIERUCHOMOŚCI"),
        subsection(18, 262, "B.1. Podstawa, stawki i wpływy"),
        label(65, 283, "Rodzaj nieruchomości"),
        label(323, 283, "Powierzchnia (wartość) "),
        label(340, 299, "podlegająca"),
        label(319, 315, "opodatkowaniu w 2005 r."),
        label(364, 331, "[ m2 ]"),
        label(486, 283, "Liczba stawek "),
        label(475, 299, "przyjętych uchwałą"),
        label(474, 315, "rady gminy w 2005r."),
        label(623, 283, "Maksymalna"),
        label(615, 299, "stawka przyjęta"),
        label(607, 315, "uchwałą rady gminy"),
        label(618, 331, "w 2005r.  [ zł ]"),
        label(755, 283, "Planowane"),
        label(733, 299, " wpływy z podatku "),
        label(759, 315, "w 2005r."),
        label(769, 331, "[ zł ]"),
        label(852, 283, "Wpływy z podatku "),
        label(887, 299, "w 2004r."),
        label(894, 331, "[ zł ]"),

        // Row 1: land used for business.
        label(18, 355, "Grunty związane z prowadzeniem działalności "),
        label(21, 370, "gospodarczej, bez względu na sposób "),
        label(21, 385, "zakwalifikowania w ewidencji gruntów i  budynków"),
        small(318, 355, "  5."), box(5, 337, 355),
        small(464, 355, "  6."), box(6, 482, 355, 100),
        small(592, 355, "  7."), box(7, 612, 355, 100),
        small(725, 355, " 8."), box(8, 742, 355, 100),
        small(850, 355, "  9."), box(9, 869, 355, 100),

        // Row 2: land under lakes and reservoirs, in hectares; the revenue
        // boxes sit 2 px higher than the rest of the row.
        label(18, 410, "Grunty pod jeziorami zajęte na zbiorniki wodne "),
        label(21, 425, "retencyjne lub elektrowni wodnych "),
        small(318, 410, "10."), box(10, 337, 410, 90), label(430, 418, "ha"),
        small(464, 410, "11."), box(11, 482, 410, 100),
        small(592, 410, "12."), box(12, 612, 410, 100),
        label(725, 407, "13."), box(13, 742, 408, 100),
        label(850, 407, "14."), box(14, 869, 408, 100),

        // Row 3: other land.
        label(16, 450, "Grunty pozostałe, w tym grunty zajęte na"),
        label(21, 465, "prowadzenie odpłatnej statutowej działalności "),
        label(21, 480, "pożytku publicznego przez organizacje pożytku "),
        label(21, 495, "publicznego"),
        label(318, 450, "15."), box(15, 337, 450),
        label(464, 450, "16."), box(16, 482, 450, 100),
        label(592, 450, "17."), box(17, 612, 450, 100),
        label(725, 450, "18."), box(18, 742, 450, 100),
        label(850, 450, "19."), box(19, 869, 450, 100),

        // Row 4: dwellings.
        label(16, 520, "Budynki mieszkalne lub ich części "),
        label(318, 520, "20."), box(20, 337, 520),
        label(464, 520, "21."), box(21, 482, 520, 100),
        label(592, 520, "22."), box(22, 612, 520, 100),
        label(725, 520, "23."), box(23, 742, 520, 100),
        label(850, 520, "24."), box(24, 869, 520, 100),

        // Row 5: business buildings.
        label(16, 555, "Budynki lub ich części związane z prowadzeniem"),
        label(21, 570, "działalności gospodarczej oraz od budynków"),
        label(21, 585, "mieszkalnych lub ich części zajętych na "),
        label(21, 600, "prowadzenie działalności gospodarczej "),
        label(318, 555, "25."), box(25, 337, 555),
        label(464, 555, "26."), box(26, 482, 555, 100),
        label(592, 555, "27."), box(27, 612, 555, 100),
        label(725, 555, "28."), box(28, 742, 555, 100),
        label(850, 555, "29."), box(29, 869, 555, 100),

        // Row 6: buildings used for trade in certified seed.
        label(16, 625, "Budynki lub ich części zajęte na prowadzenie "),
        label(21, 640, "działalności gospodarczej w zakresie "),
        label(21, 655, "obrotu kwalifikowanym materiałem siewnym "),
        label(318, 625, "30."), box(30, 337, 625),
        label(464, 625, "31."), box(31, 482, 625, 100),
        label(592, 625, "32."), box(32, 612, 625, 100),
        label(725, 625, "33."), box(33, 742, 625, 100),
        label(850, 625, "34."), box(34, 869, 625, 100),

        // Row 7: buildings used for health care.
        label(16, 680, "Budynki lub ich części zajęte na prowadzenie "),
        label(21, 695, "działalności gospodarczej w zakresie"),
        label(21, 710, "udzielania świadczeń zdrowotnych"),
        label(318, 680, "35."), box(35, 337, 680),
        label(464, 680, "36."), box(36, 482, 680, 100),
        label(592, 680, "37."), box(37, 612, 680, 100),
        label(725, 680, "38."), box(38, 742, 680, 100),
        label(850, 680, "39."), box(39, 869, 680, 100),

        // Row 8: other buildings.
        label(16, 730, "Pozostałe budynki lub ich części , w tym zajęte na"),
        label(21, 745, "prowadzenie odpłatnej statutowej działalności"),
        label(21, 760, "pożytku publicznego przez  organizacje "),
        label(21, 775, "pożytku publicznego "),
        label(318, 730, "40."), box(40, 337, 730),
        label(464, 730, "41."), box(41, 482, 730, 100),
        label(592, 730, "42."), box(42, 612, 730, 100),
        label(725, 730, "43."), box(43, 742, 730, 100),
        label(850, 730, "44."), box(44, 869, 730, 100),

        // Row 9: structures; the base is a value in złoty and the rate a
        // percentage.
        label(16, 800, "Budowle lub ich części "),
        label(318, 800, "45."), box(45, 337, 800, 90), label(430, 812, "zł"),
        label(464, 800, "46."), box(46, 482, 800, 100),
        label(592, 800, "47."), box(47, 612, 800, 85), label(700, 810, "%"),
        label(725, 800, "48."), box(48, 742, 800, 100),
        label(850, 800, "49."), box(49, 869, 800, 100),

        // Totals of the two revenue columns.
        label(16, 835, "Ogółem"),
        label(725, 835, "50."), box(50, 742, 835, 100),
        label(850, 835, "51."), box(51, 869, 835, 100),
    }};
    return page;
}

} // namespace iqx::ui
// clang-format on
