// Prints a filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext: every static caption and every value of printed
// page 6 must stand where the paper form puts it, within 0.3 mm.
#include "support/pdfcheck.h"

#include <QtTest>

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

} // namespace

class TestPrintedPage6 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void staticCaptions_data();
    void staticCaptions();
    void printSlots_data();
    void printSlots();
    void noSlotNameIsPrinted();

private:
    Printed printed_;
};

void TestPrintedPage6::initTestCase()
{
    // A complete data file: an identity block, "0" up to position 206 (text
    // boxes hold 0, check boxes are unchecked), then the values above.
    QStringList fields{"wiejska", "0201022", "Gromadka", "bolesławiecki", "dolnośląskie"};
    while (fields.size() < kFirst)
        fields << QStringLiteral("0");
    fields << kValues;
    QCOMPARE(fields.size(), kPositions);
    print(printed_, fields);
    if (printed_.error.startsWith(QLatin1String("skip:")))
        QSKIP(qPrintable(printed_.error));
    QVERIFY2(printed_.error.isEmpty(), qPrintable(printed_.error));
    QVERIFY(printed_.pages.size() > kPage);
}

void TestPrintedPage6::staticCaptions_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointSize");
    const struct { double y, x; const char *text; int pt; } captions[] = {
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
    for (const auto &c : captions)
        QTest::addRow("%.2f %.2f", c.y, c.x) << c.y << c.x << QString::fromUtf8(c.text) << c.pt;
}

void TestPrintedPage6::staticCaptions()
{
    QFETCH(double, y);
    QFETCH(double, x);
    QFETCH(QString, text);
    QFETCH(int, pointSize);
    const QString wrong = checkLine(printed_.pages[kPage], text, y, x, false, pointSize);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestPrintedPage6::printSlots_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("x");
    // Every slot is left-justified: the value starts at x.
    const struct { int n; double x, y; } expected[] = {
        {207, 135.47, 8.47}, {208, 135.47, 14.82},
        {209, 86.78, 38.10}, {210, 158.75, 38.10}, {211, 86.78, 44.45}, {212, 158.75, 44.45},
        {213, 158.75, 59.27}, {214, 158.75, 67.73}, {215, 158.75, 76.20},
        {216, 107.95, 95.25}, {217, 158.75, 95.25}, {218, 107.95, 101.60}, {219, 158.75, 101.60},
        {220, 158.75, 120.65},
        {221, 35.98, 196.85}, {222, 91.02, 196.85},
    };
    for (const auto &s : expected)
        QTest::addRow("P%d", s.n) << s.n << s.y << s.x;
}

void TestPrintedPage6::printSlots()
{
    QFETCH(int, position);
    QFETCH(double, y);
    QFETCH(double, x);
    const PageWords &page = printed_.pages[kPage];
    QString value = kValues[position - kFirst];
    if (kFlags.contains(position))
        value = value == QLatin1String("1") ? QStringLiteral("TAK") : QStringLiteral("NIE");
    // An empty box prints nothing at its slot.
    const QString wrong = value.isEmpty() ? checkNothingAt(page, y, x, false) : checkLine(page, value, y, x, false);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestPrintedPage6::noSlotNameIsPrinted()
{
    const QStringList names = slotNames(printed_.pages);
    QVERIFY2(names.isEmpty(), qPrintable(names.join(u", ")));
}

QTEST_GUILESS_MAIN(TestPrintedPage6)
#include "tst_printedpage6.moc"
