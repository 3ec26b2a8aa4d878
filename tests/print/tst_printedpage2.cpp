// Prints a filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext: every static caption of printed page 2 and every
// answer and amount of sections B.2 to B.4 must stand where the paper form
// puts it, within 0.3 mm.
#include "support/pdfcheck.h"

#include <QtTest>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using namespace pdfcheck;

namespace {

constexpr int kPage = 1; // printed page 2

// Values of positions 52 to 85: yes/no answers ticked ("1") and clear ("0")
// mixed, exempt areas and values with decimal commas; position 66 is empty.
const QStringList kValues = {
    "1", "1", "0", "0", "1", "0", "1", "1", "0", "1",           // 52-61
    "1250,5", "15320,75", "842,10", "120500", "", "2310,00",   // 62-67
    "1520000", "8450,2", "615,45", "98000,50", "45210",        // 68-72
    "1200,75", "350000", "1325,5", "410", "27800,25", "96,4",  // 73-78
    "1", "0", "0", "1", "0", "0", "1",                         // 79-85
};
constexpr int kFirst = 52;

// A complete document: a known municipality, page 2 as above, "0" in every
// other number or answer and nothing in the free-text positions.
QStringList filled()
{
    QStringList fields =
        document({"miejska", "0201011", "Bolesławiec", "bolesławiecki", "dolnośląskie"}, kFirst, kValues);
    fields[190] = fields[221] = fields[222] = QString();
    return fields;
}

// A yes/no answer (52 to 61, 79 to 85) prints as a word, never blank.
QString printedValue(int n)
{
    const QString v = kValues[n - kFirst];
    return n <= 61 || n >= 79 ? yesNo(v) : v;
}

} // namespace

class TestPrintedPage2 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { printDocument(printed_, filled()); }
    void staticCaptions_data();
    void staticCaptions() { verifyCaption(printed_.pages[kPage]); }
    void printSlots_data();
    void printSlots() { verifySlot(printed_.pages[kPage], printedValue); }
    void noSlotNameIsPrinted() { verifyNoSlotNames(printed_); }

private:
    Printed printed_;
};

void TestPrintedPage2::staticCaptions_data()
{
    const Caption captions[] = {
        {8.73, 6.61, "B.2. Kryteria różnicowania stawek w podatku od nieruchomości w 2005r.", 9},
        {16.40, 6.61, "Gmina, na mocy uchwały rady gminy, różnicuje stawki dla poszczególnych przedmiotów opodatkowania", 7},
        {19.58, 6.61, "ze względu na następujące kryteria:", 7},
        {24.08, 6.61, "Lokalizacja", 7},
        {24.08, 93.40, "Przeznaczenie i sposób wykorzystywania nieruchomości", 7},
        {29.37, 6.61, "Rodzaj prowadzonej działalności", 7},
        {29.37, 93.40, "Stan techniczny i wiek budynku", 7},
        {34.40, 6.61, "Rodzaj zabudowy", 7},
        {34.40, 93.40, "Inne", 7},
        {39.95, 6.61, "Gmina różnicuje ze względu na rodzaj działalności gospodarczej", 7},
        {45.77, 12.70, "stawkę opodatkowania gruntów związanych z prowadzeniem działalności gospodarczej", 7},
        {52.92, 12.70, "stawkę opodatkowania budynków związanych z prowadzeniem działalności gospodarczej", 7},
        {59.80, 12.70, "stawkę opodatkowania budowli", 7},
        {68.00, 6.61, "B.3. Zwolnienia ustawowe w podatku od nieruchomości w 2005r.", 9},
        {76.46, 6.61, "Podstawa prawna zwolnienia - ustawa z dnia 12 stycznia 1991r. ", 7},
        {76.46, 135.73, "Budynki", 7},
        {78.85, 97.37, "Grunty powierzchnia, ", 7},
        {78.85, 127.26, "powierzchnia użytkowa", 7},
        {78.85, 166.16, "Budowle wartość", 7},
        {79.11, 6.61, "o podatkach i opłatach lokalnych", 7},
        {82.29, 103.98, "[m2]", 7},
        {82.55, 137.85, "[m2]", 7},
        {82.55, 174.89, "[zł]", 7},
        {88.90, 8.73, "Art. 7 ust. 1 pkt 4   ", 7},
        {96.31, 8.73, "Art. 7 ust. 1 pkt 5", 7},
        {105.57, 8.73, "Art. 7 ust. 1 pkt 11", 7},
        {114.56, 8.73, "Art. 7 ust. 1 pkt 12", 7},
        {123.30, 8.73, "Art. 7 ust. 1 pkt 13", 7},
        {131.50, 8.73, "Art. 7 ust. 1 pkt 14", 7},
        {140.49, 8.73, "Art. 7 ust. 2 pkt 4   ", 7},
        {149.22, 8.73, "Art. 7 ust. 2 pkt 5  ", 7},
        {156.90, 8.73, "Art. 7 ust. 2 pkt 6   ", 7},
        {164.31, 8.73, "B.4. Zwolnienia na mocy uchwały rady gminy w podatku od nieruchomości w 2005r.", 9},
        {173.83, 8.73, "Zwolnienie budynków mieszkalnych", 7},
        {184.68, 17.20, "wszystkich budynków mieszkalnych na terenie gminy", 7},
        {195.00, 17.20, "budynków położonych na terenie gospodarstw rolnych", 7},
        {206.64, 17.20, "grupy budynków mieszkalnych określonej ze względu na podatnika ", 7},
        {218.55, 17.20, "grupy budynków mieszkalnych określonej ze względu na atrybuty budynku ", 7},
        {230.19, 8.73, "Zwolnienie nieruchomości  dla podatników prowadzących działalność gospodarczą, w tym", 7},
        {240.51, 17.20, "Zwolnienie z tytułu nowych inwestycji i tworzenia nowych miejsc pracy", 7},
        {251.35, 9.00, "Gmina posiada program pomocowy w związku ze stosowaniem zwolnień podatkowych ", 7},
        {267.49, 3.70, "Informacja QX", 7},
        {267.49, 174.62, "Strona 2/6", 7},
    };
    addCaptionRows(captions);
}

void TestPrintedPage2::printSlots_data()
{
    // Answers print from their left edge; B.3 amounts end on the edges of
    // the land (113.77), buildings (147.64) and structures (181.50) columns.
    const double land = 113.77, buildings = 147.64, structures = 181.50;
    const Slot rows[] = {
        {52, 8.73, 167.48, false},
        {53, 24.08, 61.65, false}, {54, 24.08, 167.48, false},
        {55, 29.37, 61.65, false}, {56, 29.37, 167.48, false},
        {57, 34.40, 61.65, false}, {58, 34.40, 167.48, false},
        {59, 45.77, 167.48, false}, {60, 52.92, 167.48, false}, {61, 59.80, 167.48, false},
        {62, 88.90, buildings, true},
        {63, 96.31, land, true}, {64, 96.31, buildings, true},
        {65, 105.57, land, true},
        {66, 114.56, buildings, true},
        {67, 123.30, buildings, true}, {68, 123.30, structures, true},
        {69, 131.50, land, true}, {70, 131.50, buildings, true}, {71, 131.50, structures, true},
        {72, 140.49, land, true}, {73, 140.49, buildings, true}, {74, 140.49, structures, true},
        {75, 149.22, land, true}, {76, 149.22, buildings, true},
        {77, 156.90, land, true}, {78, 156.90, buildings, true},
        {79, 184.41, 137.85, false}, {80, 195.00, 137.85, false}, {81, 206.64, 137.85, false},
        {82, 218.02, 137.85, false}, {83, 231.51, 137.85, false}, {84, 241.83, 137.85, false},
        {85, 252.15, 137.85, false},
    };
    addSlotRows(rows);
}

QTEST_GUILESS_MAIN(TestPrintedPage2)
#include "tst_printedpage2.moc"
// clang-format on
