// Entry page 5 (TabSheet5): section F on the property-tax software
// (positions 181 to 197), the electronic filing question of section G (198)
// and table H.1 of the stamp duty (199 to 206). Coordinates are pixels on
// TabSheet5. Subsection headings are the page font in bold; the separators
// start left of the page and are cut off by its edge.
#include "ui/pages/rows.h"

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

namespace iqx::ui {
namespace {

constexpr int kRight = 764;       // boxes of section F and the right column of H.1
constexpr int kLeft = 548;        // left column of H.1
constexpr int kRightNumber = 738; // number labels of the two columns
constexpr int kLeftNumber = 522;

} // namespace

const EntryPageTable &entryPage5()
{
    // Rows are listed in tab order, which is ascending position order except
    // that position 190 comes last: Tab from 189 goes to 191, and leaving
    // 206 turns to page 6, so the free-text name is reached only by a click.
    static const EntryPageTable page{"TabSheet5", " Strona 5", {
        section(16, 16, "F. PROGRAM TORVALIA (TORVAL)"),

        // F.1, F.2: the year the office has used or will use the program.
        bold(16, 41, "F.1. Urząd użytkuje program TORVAL od roku"),
        label(kRightNumber, 41, "181."), box(181, kRight, 41),
        bold(16, 71, "F.2. Urząd będzie użytkował program TORVAL od roku"),
        label(kRightNumber, 71, "182."), box(182, kRight, 71),

        // F.3: reasons for not using it.
        bold(16, 101, "F.3. Urząd nie zamierza użytkować programu TORVAL ze względu na:"),
        label(90, 119, "posiada inny program o podobnej funkcjonalności"),
        label(kRightNumber, 119, "183."), check(183, kRight, 119),
        label(90, 149, "koszty zakupu oprogramowania bazodanowego ORACLE"),
        label(kRightNumber, 149, "184."), check(184, kRight, 149),
        label(90, 179, "brak zainteresowania programem o funkcji porównywania danych ewidencji podatkowej i "),
        label(90, 195, "ewidencji gruntów i budynków"),
        label(kRightNumber, 179, "185."), check(185, kRight, 179),
        label(90, 215, "inne"),
        label(kRightNumber, 215, "186."), check(186, kRight, 215),

        // F.4 to F.6: portal, hardware, database licence.
        bold(16, 245, "F.4. Urząd korzysta z internetowego portalu edukacyjnego TORVAL"),
        label(kRightNumber, 245, "187."), check(187, kRight, 245),
        bold(16, 275, "F.5. Urząd dysponuje sprzętem komputerowym umożliwiającym użytkowanie oprogramowania TORVAL"),
        label(kRightNumber, 275, "188."), check(188, kRight, 275),
        bold(16, 305, "F.6. Urząd posiada licencję na oprogramowanie bazodanowe ORACLE"),
        label(kRightNumber, 305, "189."), check(189, kRight, 305),

        // F.7: caption only; its box and number label are the last rows.
        bold(16, 335, "F.7. Urząd posiada inne niż ORACLE oprogramowanie bazodanowe  - podać nazwę"),

        // F.8: who provides the IT support.
        bold(16, 365, "F.8. Obsługa informatyczna urzędu gminy jest zapewniona przez"),
        label(90, 395, "informatyków zatrudnionych w urzędzie"),
        label(kRightNumber, 395, "191."), check(191, kRight, 395),
        label(90, 425, "podmiot zewnętrzny"),
        label(kRightNumber, 425, "192."), check(192, kRight, 425),
        label(90, 455, "inne rozwiązanie"),
        label(kRightNumber, 455, "193."), check(193, kRight, 455),

        // F.9, F.10: WAN and LAN, each with the year it is planned for.
        bold(16, 485, "F.9. Urząd korzysta z sieci WAN"),
        label(kRightNumber, 485, "194."), check(194, kRight, 485),
        label(600, 510, "Planuje w roku "),
        label(kRightNumber, 510, "195."), box(195, kRight, 510),
        bold(16, 545, "F.10. Urząd posiada sieć LAN"),
        label(kRightNumber, 545, "196."), check(196, kRight, 545),
        label(600, 570, "Planuje w roku "),
        label(kRightNumber, 570, "197."), box(197, kRight, 570),

        // Section G: its two-line heading is the caption of one check box.
        line("Shape21", -7, 605),
        section(16, 610, "G. GMINA PRZEWIDUJE WPROWADZENIE MOŻLIWOŚCI SKŁADANIA "),
        section(40, 630, "DEKLARACJI PODATKOWYCH W FORMIE ELEKTRONICZNEJ"),
        label(kRightNumber, 626, "198."), check(198, kRight, 626),
        line("Shape22", -7, 655),

        // Section H, table H.1: stamp duty of 2004 by way of payment.
        section(16, 670, "H. OPŁATA SKARBOWA"),
        bold(16, 695, "H.1. Wpływy z opłaty skarbowej według sposobu zapłaty w 2004r."),
        label(112, 720, "Przedmiot opłaty"),
        label(496, 720, "Zapłata znakami opłaty skarbowej"),
        label(752, 720, "Zapłata w inny  sposób "),
        label(736, 736, "(w kasie organu, na rachunek)"),
        label(568, 752, "[ zł ]"),
        label(800, 752, "[ zł ]"),
        label(21, 780, "Podania (żądania, wnioski, odwołania, zażalenia)"),
        label(kLeftNumber, 780, "199."), box(199, kLeft, 780),
        label(kRightNumber, 780, "200."), box(200, kRight, 780),
        label(21, 810, "Czynności urzędowe dokonywane na podstawie zgłoszenia lub na wniosek"),
        label(kLeftNumber, 810, "201."), box(201, kLeft, 810),
        label(kRightNumber, 810, "202."), box(202, kRight, 810),
        label(21, 840, "Zaświadczenia wydawane na wniosek"),
        label(kLeftNumber, 840, "203."), box(203, kLeft, 840),
        label(kRightNumber, 840, "204."), box(204, kRight, 840),
        label(21, 870, "Zezwolenia (pozwolenia, koncesje) wydawane na wniosek"),
        label(kLeftNumber, 870, "205."), box(205, kLeft, 870),
        label(kRightNumber, 870, "206."), box(206, kRight, 870),

        // F.7: free text, no key filter, no exit check; last in tab order.
        label(593, 335, "190."),
        box(190, 616, 335, 353),
    }};
    return page;
}

} // namespace iqx::ui
// clang-format on
