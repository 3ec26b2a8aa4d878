// Prints a filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext: every static caption and every value of printed
// page 3 (sections B.5, B.6 and C, positions 86 to 119) must stand where the
// paper form puts it, within 0.3 mm.
#include "support/pdfcheck.h"

#include <QtTest>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using namespace pdfcheck;

namespace {

constexpr int kPage = 2; // printed page 3

// Values of positions 86 to 119: lost revenue, four counts of businesses,
// the rate, the areas of table C.2 row by row (position 102 left empty),
// the exempt areas and the lost revenue of C.4 and C.5.
const QStringList kValues = {
    "125430,50", "14", "6", "5", "3",
    "37,65",
    "1523,452", "1380,12", "42,3",
    "35,78", "31,02", "2,15",
    "12,4", "9,85", "0,75",
    "4,2", "",
    "8,1", "6,95", "1,3",
    "3,05", "0,6",
    "15,75", "13,4", "0,9",
    "120,5", "8,25", "45", "3,75", "0,8",
    "4520", "1250,4", "0",
    "18340,75",
};
constexpr int kFirst = 86;

// A complete data file: an identity block, every other position "0"
// (the flags of page 2 unchecked), and page 3 as above.
QStringList filled()
{
    return document({"miejsko-wiejska", "1004032", "Góra Świętej Małgorzaty", "łęczycki", "łódzkie"}, kFirst, kValues);
}

} // namespace

class TestPrintedPage3 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { printDocument(printed_, filled()); }
    void staticCaptions_data();
    void staticCaptions() { verifyCaption(printed_.pages[kPage]); }
    void printSlots_data();
    void printSlots() { verifySlot(printed_.pages[kPage], [](int n) { return kValues[n - kFirst]; }); }
    void noSlotNameIsPrinted() { verifyNoSlotNames(printed_); }

private:
    Printed printed_;
};

void TestPrintedPage3::staticCaptions_data()
{
    const Caption captions[] = {
        {2.65, 4.50, "B.5. Utracone dochody z tytułu zwolnień w podatku od nieruchomości na mocy uchwały rady gminy w 2005 r.", 9},
        {8.47, 4.50, "B.6. Względy techniczne (art. 1a ust. 1 pkt 3 ustawy o podatkach i opłatach lokalnych)", 9},
        {13.76, 4.50, "Liczba przedsiębiorców korzystających z preferencyjnego opodatkowania nieruchomości ogółem, w  tym:", 7},
        {18.52, 10.85, "w odniesieniu do budynków  ", 7},
        {24.61, 10.85, "w odniesieniu do gruntów", 7},
        {31.22, 10.85, "w odniesieniu do budowli ", 7},
        {40.22, 4.50, "C. PODATEK ROLNY  ", 9},
        {50.01, 4.50, "C.1. Stawka podatku obowiązująca na terenie gminy dla gospodarstw rolnych - w 2005 r", 9},
        {59.80, 4.50, "C.2. Powierzchnia użytków rolnych podlegających opodatkowaniu podatkiem rolnym ", 9},
        {67.73, 10.85, "Rodzaj użytku rolnego", 7},
        {67.73, 65.35, "Powierzchnia gruntów ", 7},
        {67.73, 105.04, "Powierzchnia gruntów ", 7},
        {67.73, 142.08, "Użytki rolne niestanowiące ", 7},
        {70.38, 144.46, "gospodarstwa rolnego", 7},
        {70.64, 105.30, "gospodarstw rolnych", 7},
        {70.91, 65.62, "gospodarstw rolnych", 7},
        {73.55, 105.57, "[ ha przeliczeniowe ]", 7},
        {73.82, 73.03, "[ ha ]", 7},
        {74.08, 152.66, "[ ha ]", 7},
        {78.05, 6.61, "Grunty orne, łąki, pastwiska i sady", 7},
        {86.52, 6.61, "Grunty rolne zabudowane ", 7},
        {92.87, 6.61, "Rowy z oznaczoną klasą bonitacyjną", 7},
        {99.22, 6.61, "Rowy bez oznaczonej klasy bonitacyjnej ", 7},
        {107.69, 6.61, "Grunty pod stawami niezarybionymi z oznaczoną klasą ", 7},
        {110.33, 6.61, "bonitacyjną", 7},
        {118.53, 6.61, "Grunty pod stawami niezarybionymi bez oznaczonej ", 7},
        {121.44, 6.61, "klasy bonitacyjnej", 7},
        {127.53, 6.61, "Grunty pod stawami zarybionymi", 7},
        {140.49, 6.61, "C.3. Zwolnienia ustawowe w podatku rolnym", 9},
        {147.11, 6.61, "Podstawa prawna zwolnienia - ustawa z dnia 15 listopada 1984r. o podatku rolnym", 7},
        {147.37, 148.17, "Powierzchnia [ ha ]", 7},
        {157.43, 6.61, "Art. 12. ust. 1 pkt 1 ", 7},
        {166.42, 6.61, "Art. 12. ust. 1 pkt 12 ", 7},
        {175.15, 6.61, "Art. 12. ust. 2 pkt 4 ", 7},
        {183.62, 6.61, "Art. 12. ust. 2  pkt 5", 7},
        {192.35, 6.61, "Art. 12. ust. 2 pkt 6 ", 7},
        {207.70, 4.50, "C.4. Utracone dochody z tytułu ustawowych ulg w podatku rolnym", 9},
        {208.23, 178.33, "[zł]", 7},
        {219.87, 12.70, "INWESTYCYJNEJ - art. 13 ust. 1 ", 7},
        {230.45, 12.70, "ŻOŁNIERSKIEJ - art. 13a ust. 1 i 2", 7},
        {241.56, 12.70, "DLA TERENÓW GÓRSKICH I PODGÓRSKICH - art. 13b ust. 1", 7},
        {252.68, 4.50, "C.5. Utracone dochody z tytułu zwolnień i ulg w podatku rolnym na mocy uchwały rady gminy w 2005r.", 9},
        {252.68, 178.33, "[zł]", 7},
        {267.49, 3.70, "Informacja QX", 7},
        {267.49, 174.62, "Strona 3/6", 7},
    };
    addCaptionRows(captions);
}

void TestPrintedPage3::printSlots_data()
{
    // Every value is right-justified: it ends at the anchor.
    Slot rows[] = {
        {86, 3.44, 181.50}, {87, 13.76, 181.50}, {88, 18.79, 181.50}, {89, 24.61, 181.50},
        {90, 31.22, 181.50}, {91, 50.54, 181.50},
        // Table C.2: the two-digit slots end 1.32 mm left of the three-digit
        // ones in the same column.
        {92, 78.32, 88.37}, {93, 78.32, 126.47}, {94, 78.32, 164.57},
        {95, 86.78, 88.37}, {96, 86.78, 126.47}, {97, 86.78, 164.57},
        {98, 92.34, 88.37}, {99, 92.34, 126.47}, {100, 91.81, 165.89},
        {101, 98.16, 89.69}, {102, 98.16, 165.89},
        {103, 106.63, 89.69}, {104, 106.63, 127.79}, {105, 106.63, 165.89},
        {106, 119.59, 89.69}, {107, 119.59, 165.89},
        {108, 128.06, 89.69}, {109, 128.06, 127.79}, {110, 128.06, 165.89},
        // C.3, C.4 and C.5.
        {111, 157.96, 165.89}, {112, 166.42, 165.89}, {113, 174.89, 165.89},
        {114, 183.36, 165.89}, {115, 193.94, 165.89}, {116, 221.19, 165.89},
        {117, 230.19, 165.89}, {118, 241.04, 165.89}, {119, 252.68, 165.89},
    };
    for (Slot &s : rows)
        s.rightJustified = true;
    addSlotRows(rows);
}

QTEST_GUILESS_MAIN(TestPrintedPage3)
#include "tst_printedpage3.moc"
// clang-format on
