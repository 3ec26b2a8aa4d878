// Prints a filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext: every static caption and every value of printed
// page 6 must stand where the paper form puts it, within 0.3 mm.
#include "support/pdfcheck.h"

#include <QtTest>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using namespace pdfcheck;

namespace {

constexpr int kFirst = 207;
constexpr int kPage = 5; // index of printed page 6

// Values of positions 207 to 222: H.2 cost and count, H.3 commissions and
// outlets (212 left empty), the eight yes/no answers of H.4 to H.6, and the
// contact of the person who filled in the form.
const QStringList kValues = {
    "85,50", "12", "6,5", "5,25", "4", "",
    "1", "0", "1", "1", "0", "0", "1", "1",
    "(0-84) 681-22-15 wew. 31, Bożena Ślęzak", "sekretariat.podatki@gmina-żółkiewka.pl",
};
const QList<int> kFlags{213, 214, 215, 216, 217, 218, 219, 220};

// A complete data file: an identity block, "0" up to position 206 (text
// boxes hold 0, check boxes are unchecked), then the values above.
QStringList filled()
{
    return document({"wiejska", "0201022", "Gromadka", "bolesławiecki", "dolnośląskie"}, kFirst, kValues);
}

QString printedValue(int n)
{
    const QString v = kValues[n - kFirst];
    return kFlags.contains(n) ? yesNo(v) : v;
}

} // namespace

class TestPrintedPage6 : public QObject {
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

void TestPrintedPage6::staticCaptions_data()
{
    const Caption captions[] = {
        {2.12, 2.12, "H.2. Koszty ściągnięcia nieuiszczonej opłaty skarbowej od podań w 2004r.", 9},
        {8.47, 4.23, "Średni koszt jednego postępowania", 7},
        {14.82, 4.23, "Liczba postępowań przeprowadzonych w 2004r.", 7},
        {21.17, 2.12, "H.3. Sprzedaż znaków wartościowych w 2004r.", 9},
        {29.63, 76.20, "Umowy zawarte przez gminę", 7},
        {29.63, 137.58, "Umowy zawarte przez urzędy skarbowe", 7},
        {38.10, 8.47, "Średnia wysokość prowizji", 7},
        {38.10, 95.25, "%", 7},
        {38.10, 167.22, "%", 7},
        {44.45, 8.47, "Liczba punktów sprzedaży detalicznej", 7},
        {50.80, 2.12, "H.4. Problemy w zakresie zawierania umów na sprzedaż detaliczną znaków wartościowych", 9},
        {59.27, 6.35, "Procedury zamówień publicznych", 7},
        {67.73, 6.35, "Brak podmiotów chętnych do prowadzenia punktów", 7},
        {76.20, 6.35, "Inne", 7},
        {82.55, 2.12, "H.5. Kontrola przekazywania przez oddziały banku PKO BP S.A. należności za sprzedane znaki "
                      "wartościowe", 9},
        {88.90, 95.25, "Czy dokonywana jest kontrola w", 7},
        {89.16, 140.76, "Czy stwierdzono nieprawidłowości", 7},
        {91.55, 101.86, " podanym zakresie", 7},
        {95.78, 4.23, "Prawidłowości wyliczania należności", 7},
        {101.60, 4.23, "Terminowości przekazywania", 7},
        {110.07, 2.12, "H.6. Czy przy założeniu, że zniesiona zostanie możliwość zapłaty opłaty skarbowej znakami "
                       "tej opłaty, ", 9},
        {114.30, 2.12, "istnieje potrzeba wprowadzenia przepisów umożliwiających zawieranie przez gminę porozumień z", 9},
        {118.53, 2.12, "organami administracji publicznej na pobór opłaty skarbowej od dokonywanych przez te organy ", 9},
        {122.77, 2.12, "czynności urzędowych lub wydawanych zaświadczeń i zezwoleń (pozwoleń, koncesji)", 9},
        {132.56, 2.12, "I. KONTAKT Z OSOBAMI UDZIELAJĄCYMI WYJAŚNIEŃ", 9},
        {139.70, 12.70, "numer telefonu:", 7},
        {139.70, 88.90, "Adres  e-mail:", 7},
        {146.05, 12.70, "(0-22) 555-01-01", 7},
        {146.05, 88.90, "wyjasnienia.1@zeltmark.example", 7},
        {150.02, 12.70, "(0-22) 555-01-02", 7},
        {150.28, 88.90, "wyjasnienia.2@zeltmark.example", 7},
        {153.99, 12.70, "(0-22) 555-01-03", 7},
        {154.52, 88.90, "wyjasnienia.3@zeltmark.example", 7},
        {160.87, 12.70, "PYTANIA DOTYCZĄCE OPŁATY SKARBOWEJ (CZĘŚĆ H)", 7},
        {167.22, 12.70, "(0-22) 555-01-04", 7},
        {167.22, 88.90, "oplata.skarbowa.1@zeltmark.example", 7},
        {171.45, 12.70, "(0-22) 555-01-05", 7},
        {171.45, 88.90, "oplata.skarbowa.2@zeltmark.example", 7},
        {183.36, 2.12, "J. KONTAKT Z OSOBĄ WYPEŁNIAJĄCĄ ANKIETĘ", 9},
        {190.50, 12.70, "numer telefonu (wraz z numerem  kierunkowym):", 7},
        {190.50, 88.90, "adres e-mail:", 7},
        {219.34, 2.12, "K. PODPISY", 9},
        {224.37, 6.35, "Wójt/Burmistrz/Prezydent Miasta", 7},
        {224.37, 91.02, "Skarbnik (Główny Księgowy)", 7},
        {267.49, 3.70, "Informacja QX", 7},
        {267.49, 174.62, "Strona 6/6", 7},
    };
    addCaptionRows(captions);
}

void TestPrintedPage6::printSlots_data()
{
    // Every slot is left-justified: the value starts at its anchor.
    const Slot rows[] = {
        {207, 8.47, 135.47}, {208, 14.82, 135.47},
        {209, 38.10, 86.78}, {210, 38.10, 158.75}, {211, 44.45, 86.78}, {212, 44.45, 158.75},
        {213, 59.27, 158.75}, {214, 67.73, 158.75}, {215, 76.20, 158.75},
        {216, 95.25, 107.95}, {217, 95.25, 158.75}, {218, 101.60, 107.95}, {219, 101.60, 158.75},
        {220, 120.65, 158.75},
        {221, 196.85, 35.98}, {222, 196.85, 91.02},
    };
    addSlotRows(rows);
}

QTEST_GUILESS_MAIN(TestPrintedPage6)
#include "tst_printedpage6.moc"
// clang-format on
