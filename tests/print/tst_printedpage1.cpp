// Prints a filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext, a reader independent of the program: every static
// caption and every value of printed page 1 must stand where the paper form
// puts it, within 0.3 mm.
#include "support/pdfcheck.h"

#include <QtTest>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using namespace pdfcheck;

namespace {

// Values of positions 0 to 51 of a filled document: the identity block, then
// table B.1 row by row (tax base, number of rates, highest rate, planned
// revenue 2005, revenue 2004), then the two totals. Position 33 is left empty.
const QStringList kValues = {
    "wiejska", "1004032", "Góra Świętej Małgorzaty", "łęczycki", "łódzkie",
    "152340,50", "3", "0,62", "94451,11", "90210,40",
    "12,3456", "1", "3,99", "49,26", "49,26",
    "845210,00", "2", "0,10", "84521,00", "82310,55",
    "312450,75", "2", "0,50", "156225,38", "150870,12",
    "98340,20", "4", "17,73", "1743571,75", "1690233,04",
    "1250,00", "1", "8,26", "", "9980,00",
    "4320,50", "1", "3,82", "16504,31", "15980,77",
    "15640,00", "3", "5,84", "91337,60", "88410,09",
    "2345678,90", "1", "2,00", "46913,58", "45120,33",
    "2233573,99", "2173164,56",
};

} // namespace

class TestPrintedPage1 : public QObject {
    Q_OBJECT

private slots:
    // A complete data file: positions 0 to 51 as above, every later one "0".
    void initTestCase() { printDocument(printed_, document({}, 0, kValues)); }
    void sixA4Pages() { verifySixA4Pages(printed_); }
    void staticCaptions_data();
    void staticCaptions() { verifyCaption(printed_.pages[0]); }
    void printSlots_data();
    void printSlots() { verifySlot(printed_.pages[0], [](int n) { return kValues[n]; }); }
    void noSlotNameIsPrinted() { verifyNoSlotNames(printed_); }

private:
    Printed printed_;
};

void TestPrintedPage1::staticCaptions_data()
{
    const Caption captions[] = {
        {1.06, 139.17, "Zeltmark", 10},
        {5.82, 130.70, "Tarvelin", 10},
        {14.02, 74.35, "INFORMACJA", 12},
        {19.05, 53.18, "w sprawie podatków i opłat lokalnych", 12},
        {29.63, 7.94, "Identyfikator gminy :", 10},
        {39.69, 7.94, "Typ gminy :", 10},
        {47.62, 7.94, "Nazwa gminy :", 10},
        {55.56, 7.94, "Nazwa powiatu :", 10},
        {62.97, 7.94, "Nazwa województwa :", 10},
        {78.85, 1.59, "B. PODATEK OD NIERUCHOMOŚCI", 10},
        {82.55, 1.32, "B.1. Podstawa, stawki i wpływy", 9},
        {86.78, 1.59, "Rodzaj nieruchomości", 7},
        {86.78, 59.00, "Powierzchnia (wartość) ", 7},
        {86.78, 92.60, "Liczba stawek", 7},
        {86.78, 119.86, "Maksymalna", 7},
        {86.78, 146.05, "Planowane", 7},
        {86.78, 162.98, "Wpływy z podatku", 7},
        {89.96, 64.03, "podlegająca", 7},
        {90.22, 90.49, "przyjętych ustawą", 7},
        {90.22, 141.82, "wplywy z podatku", 7},
        {90.22, 168.54, "w 2004r.", 7},
        {90.49, 118.80, "stawka przyjęta", 7},
        {93.13, 57.94, "opodatkowaniu w 2005r.", 7},
        {93.13, 89.43, "rady gminy w 2005r.", 7},
        {93.40, 117.21, "uchwalą rady gminy", 7},
        {93.40, 147.64, "w 2005r.", 7},
        {96.57, 123.03, "w 2005r.", 7},
        {101.07, 68.79, "[m2]", 7},
        {101.07, 125.68, "[zł]", 7},
        {101.07, 150.28, "[zł]", 7},
        {101.07, 171.98, "[zł]", 7},
        {108.48, 1.32, "Grunty związane z prowadzeniem działalności", 7},
        {111.39, 1.32, "gospodarczej, bez względu na sposób ", 7},
        {114.56, 1.59, "zakwalifikowania w ewidencji gruntów i  budynków", 7},
        {124.09, 1.32, "Grunty pod jeziorami zajęte na zbiorniki wodne ", 7},
        {124.62, 83.34, "ha", 7},
        {127.00, 1.32, " retencyjne lub elektrowni wodnych ", 7},
        {135.47, 1.59, "Grunty pozostałe, w tym grunty zajęte na", 7},
        {138.64, 2.12, "prowadzenie odpłatnej statutowej działalności ", 7},
        {141.55, 1.85, "pożytku publicznego przez organizacje pożytku ", 7},
        {144.46, 2.12, "publicznego", 7},
        {153.99, 2.12, "Budynki mieszkalne lub ich części ", 7},
        {163.51, 2.12, "Budynki lub ich części związane z prowadzeniem", 7},
        {166.42, 2.12, "działalności gospodarczej oraz od budynków", 7},
        {169.33, 2.12, "mieszkalnych lub ich części zajętych na ", 7},
        {172.24, 2.12, "prowadzenie działalności gospodarczej ", 7},
        {182.83, 2.12, "Budynki lub ich części zajęte na prowadzenie ", 7},
        {185.74, 2.12, "działalności gospodarczej w zakresie ", 7},
        {188.65, 2.12, "obrotu kwalifikowanym materiałem siewnym ", 7},
        {201.61, 2.12, "Budynki lub ich części zajęte na prowadzenie ", 7},
        {204.79, 2.12, "działalności gospodarczej w zakresie", 7},
        {207.70, 2.12, "udzielania świadczeń zdrowotnych", 7},
        {220.40, 2.12, "Pozostałe budynki lub ich części , w tym zajęte na", 7},
        {223.31, 2.12, "prowadzenie odpłatnej statutowej działalności", 7},
        {226.22, 2.12, "pożytku publicznego przez  organizacje ", 7},
        {229.13, 2.12, "pożytku publicznego ", 7},
        {239.45, 84.40, "zł", 7},
        {239.98, 2.12, "Budowle lub ich części ", 7},
        {251.09, 2.12, "Ogółem", 7},
        {269.35, 3.44, "Informacja QX", 7},
        {269.35, 174.36, "Strona 1/6", 7},
    };
    addCaptionRows(captions);
}

void TestPrintedPage1::printSlots_data()
{
    QList<Slot> rows;
    // Identity block: left-justified at x 49.21, the identifier's line first.
    const double identityY[] = {39.42, 29.90, 47.10, 55.56, 62.97};
    for (int n = 0; n < 5; ++n)
        rows.append({n, identityY[n], 49.21, false});

    // Table B.1: right-justified on five column edges; the first row's
    // one-digit slots end 1.32 mm further left; the totals use the last two.
    const double firstRow[] = {76.99, 110.86, 138.38, 161.66, 182.83};
    const double columns[] = {78.32, 112.18, 139.70, 162.98, 184.15};
    const double rowY[] = {110.60, 123.83, 137.85, 153.19, 166.42,
                           183.36, 202.41, 221.46, 239.45, 251.09};
    for (int n = 5; n <= 51; ++n) {
        const int row = (n - 5) / 5;
        const int column = n <= 49 ? (n - 5) % 5 : n - 47;
        const double anchor = row == 0 ? firstRow[column] : columns[column];
        rows.append({n, rowY[row], anchor, true});
    }
    addSlotRows(rows);
}

QTEST_GUILESS_MAIN(TestPrintedPage1)
#include "tst_printedpage1.moc"
// clang-format on
