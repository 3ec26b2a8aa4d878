// Prints a filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext: every static caption and every value of printed
// page 4 (sections D and E with the E.2 grid) must stand where the paper form
// puts it, within 0.3 mm.
#include "support/pdfcheck.h"

#include <QtTest>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using namespace pdfcheck;

namespace {

constexpr int kPage = 3; // printed page 4

// Values of positions 120 to 180: the forest tax rate, two exempt areas and
// the lost revenue; the three E.1 answers; the E.2 grid row by row (answer
// and percentage for each of the three taxes); the taxpayer register, XML
// export and its year; the three costs. Check boxes are "1" or "0", so both
// "TAK" and "NIE" print; positions 148 and 179 are left empty.
const QStringList kValues = {
    "26,49", "1520,35", "48,2", "15320,00",
    "1", "0", "1",
    "1", "100", "0", "0", "1", "7,5",
    "1", "98,75", "1", "45", "0", "3",
    "0", "12", "1", "", "1", "100",
    "1", "5", "0", "0", "0", "0",
    "1", "64,125", "1", "80", "1", "66,6",
    "1", "100", "1", "95", "0", "12",
    "1", "37,5", "0", "0", "1", "8",
    "1", "100", "1", "100", "1", "100",
    "0", "1", "2006", "12500,00", "", "7300,5",
};

QString printedValue(int n)
{
    const QString v = kValues.at(n - 120);
    const bool flag = (n >= 124 && n <= 126) || n == 175 || n == 176 || (n >= 127 && n <= 174 && (n - 127) % 2 == 0);
    return flag ? yesNo(v) : v;
}

} // namespace

class TestPrintedPage4 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void staticCaptions_data();
    void staticCaptions() { verifyCaption(printed_.pages[kPage]); }
    void printSlots_data();
    void printSlots() { verifySlot(printed_.pages[kPage], printedValue); }
    void noSlotNameIsPrinted() { verifyNoSlotNames(printed_); }

private:
    Printed printed_;
};

void TestPrintedPage4::initTestCase()
{
    QCOMPARE(kValues.size(), 61);
    // A complete data file: an identifier and "0" in every other position
    // before 120 and after 180.
    printDocument(printed_, document({"0", "0201011"}, 120, kValues));
}

void TestPrintedPage4::staticCaptions_data()
{
    const Caption captions[] = {
        {2.12, 2.12, "D. PODATEK LEŚNY ", 9},
        {6.35, 2.12, "D.1. Stawka podatku obowiązująca na terenie gminy- w 2005r.", 9},
        {12.70, 2.12, "D.2. Zwolnienia ustawowe w podatku leśnym w 2005r.", 9},
        {19.05, 10.58, "Podstawa prawna zwolnienia - ustawa z dnia 30 października 2002r. o podatku leśnym", 7},
        {19.05, 152.40, "Powierzchnia, w ha ", 7},
        {25.40, 2.12, "Art. 7 ust. 2 pkt 4", 7},
        {31.75, 2.12, "Art. 7 ust. 2 pkt 5", 7},
        {38.10, 2.12, "D.3. Utracone dochody z tytułu  zwolnień w podatku leśnym na mocy uchwały rady gminy w 2005 r.", 9},
        {38.10, 177.54, "[zł]", 7},
        {46.57, 2.91, "E. EWIDENCJA PODATKOWA NIERUCHOMOŚCI (EPN) - stan na 2005 r.", 9},
        {52.92, 2.91, "E.1. Zasób danych w ewidencji gruntów i budynków", 9},
        {59.27, 3.17, "Dane ewidencji gruntów i budynków są dostępne w formacie SWDE", 7},
        {64.56, 3.17, "Ewidencja gruntów i budynków zawiera dane o budynkach", 7},
        {69.59, 3.44, "Ewidencja gruntów i budynków zawiera dane o lokalach", 7},
        {75.41, 2.91, "E.2. Zasób danych w ewidencji podatkowej nieruchomości (EPN)", 9},
        {80.43, 4.23, "Rodzaj danych", 7},
        {80.43, 66.67, "Program", 7},
        {80.43, 91.81, "Zasób ", 7},
        {80.43, 111.12, "Program", 7},
        {80.43, 131.76, "Zasób ", 7},
        {80.43, 152.66, "Program", 7},
        {80.43, 174.89, "Zasób ", 7},
        {83.34, 65.88, "umożliwia ", 7},
        {83.34, 86.78, "zgromadzonych ", 7},
        {83.34, 110.33, "umożliwia ", 7},
        {83.34, 126.74, "zgromadzonych ", 7},
        {83.34, 151.87, "umożliwia ", 7},
        {83.34, 169.60, "zgromadzonych ", 7},
        {86.78, 63.76, "wprowadzenie ", 7},
        {86.78, 87.05, "danych do dnia ", 7},
        {86.78, 108.21, "wprowadzenie ", 7},
        {86.78, 127.00, "danych do dnia ", 7},
        {86.78, 149.49, "wprowadzenie ", 7},
        {86.78, 169.33, "danych do dnia ", 7},
        {89.96, 67.47, "danych", 7},
        {89.96, 88.90, "1.07.2005r.", 7},
        {89.96, 111.92, "danych", 7},
        {89.96, 128.85, "1.07.2005r.", 7},
        {89.96, 153.19, "danych", 7},
        {89.96, 172.24, "1.07.2005r.", 7},
        {94.19, 65.62, "PODATEK OD NIERUCHOMOŚCI", 7},
        {94.19, 117.47, "PODATEK ROLNY", 7},
        {94.19, 157.69, "PODATEK LEŚNY", 7},
        {96.57, 92.87, "[%]", 7},
        {96.57, 135.20, "[%]", 7},
        {96.57, 177.54, "[%]", 7},
        {101.07, 3.17, "Numer Identyfikacji Podatkowej NIP", 7},
        {110.86, 3.17, "Identyfikatory działek", 7},
        {121.44, 3.17, "Identyfikatory budynków", 7},
        {131.23, 3.70, "Identyfikatory lokali", 7},
        {142.08, 3.17, "Numer księgi wieczystej", 7},
        {152.40, 3.17, "Dane o zwolnieniach podatkowych ustawowych", 7},
        {163.51, 3.17, "Dane o zwolnieniach podatkowych udzielanych ", 7},
        {166.69, 3.17, "na  mocy uchwał rady gminy", 7},
        {174.89, 3.17, "Adres nieruchomości", 7},
        {185.47, 3.17, "Urząd gminy  skorzystał  z możliwości udostępnienia danych o podatnikach  z Krajowej Ewidencji Podatników", 7},
        {197.38, 3.17, "E.3. Eksport danych EPN", 9},
        {203.73, 3.17, "Oprogramowanie EPN umożliwia eksport danych do pliku w formacie XML", 7},
        {211.14, 3.17, "Eksport danych do pliku w formacie XML zostanie zapewniony w roku", 7},
        {224.63, 3.17, "E.4. Koszty dostosowania oprogramowania EPN do przepisów rozporządzenia w sprawie ewidencji podatkowej nieruchomości", 9},
        {235.21, 3.17, "Koszty rozbudowy struktury bazy danych oprogramowania EPN", 7},
        {243.68, 3.17, "Koszty  uzupełnienia danych w EPN", 7},
        {252.15, 3.17, "Koszty budowy modułu eksportu danych do pliku w  formacie XML", 7},
        {267.49, 3.70, "Informacja QX", 7},
        {267.49, 174.62, "Strona 4/6", 7},
    };
    addCaptionRows(captions);
}

void TestPrintedPage4::printSlots_data()
{
    QList<Slot> rows;
    // Section D: right-justified at x 174.62.
    const double dY[] = {6.35, 25.66, 31.75, 38.10};
    for (int n = 120; n <= 123; ++n)
        rows.append({n, dY[n - 120], 174.62, true});
    // E.1: left-justified at x 164.84.
    const double e1Y[] = {59.27, 64.82, 69.06};
    for (int n = 124; n <= 126; ++n)
        rows.append({n, e1Y[n - 124], 164.84, false});
    // The E.2 grid on six column edges; 160 to 162 stand 0.80 mm lower.
    const double rowY[] = {101.34, 111.12, 121.71, 131.50, 142.35, 152.66, 164.57, 173.83};
    const double columns[] = {73.29, 98.69, 119.86, 138.91, 160.07, 181.24};
    for (int n = 127; n <= 174; ++n) {
        const double y = n >= 160 && n <= 162 ? 153.46 : rowY[(n - 127) / 6];
        rows.append({n, y, columns[(n - 127) % 6], true});
    }
    // 175 to 180 at x 181.24.
    const double lastY[] = {184.41, 204.79, 211.14, 236.54, 244.21, 252.15};
    for (int n = 175; n <= 180; ++n)
        rows.append({n, lastY[n - 175], 181.24, true});
    addSlotRows(rows);
}

QTEST_GUILESS_MAIN(TestPrintedPage4)
#include "tst_printedpage4.moc"
// clang-format on
