// Prints a filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext, a reader independent of the program: every static
// caption and every value of printed page 1 must stand where the paper form
// puts it, within 0.3 mm.
#include "support/pdfcheck.h"

#include <QtTest>

#include <QRegularExpression>

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
    void initTestCase();
    void sixA4Pages();
    void staticCaptions_data();
    void staticCaptions();
    void printSlots_data();
    void printSlots();
    void noSlotNameIsPrinted();

private:
    Printed printed_;
};

void TestPrintedPage1::initTestCase()
{
    // A complete data file: positions 0 to 51 as above, every later one "0".
    QStringList fields = kValues;
    while (fields.size() < kPositions)
        fields << QStringLiteral("0");
    print(printed_, fields);
    if (printed_.error.startsWith(QLatin1String("skip:")))
        QSKIP(qPrintable(printed_.error));
    QVERIFY2(printed_.error.isEmpty(), qPrintable(printed_.error));
}

void TestPrintedPage1::sixA4Pages()
{
    const QString out = printed_.pdfinfo();
    const auto pages = QRegularExpression(R"(^Pages:\s+(\d+)$)", QRegularExpression::MultilineOption).match(out);
    QVERIFY2(pages.hasMatch(), qPrintable(out));
    QCOMPARE(pages.captured(1).toInt(), 6);
    QCOMPARE(printed_.pages.size(), 6);
    auto sizes = QRegularExpression(R"(^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)", QRegularExpression::MultilineOption).globalMatch(out);
    int count = 0;
    for (; sizes.hasNext(); ++count) {
        const auto m = sizes.next();
        QVERIFY2(qAbs(m.captured(1).toDouble() * kPtToMm - 210.0) < 0.5
                     && qAbs(m.captured(2).toDouble() * kPtToMm - 297.0) < 0.5,
                 qPrintable("not A4 portrait: " + m.captured(0)));
    }
    QCOMPARE(count, 6);
}

void TestPrintedPage1::staticCaptions_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointSize");
    const struct { double y, x; const char *text; int pt; } captions[] = {
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
    for (const auto &c : captions) {
        const QString text = QString::fromUtf8(c.text);
        QTest::addRow("%.2f %s", c.y, c.text) << c.y << c.x << text << c.pt;
    }
}

void TestPrintedPage1::staticCaptions()
{
    QFETCH(double, y);
    QFETCH(double, x);
    QFETCH(QString, text);
    QFETCH(int, pointSize);
    const QString wrong = checkLine(printed_.pages[0], text, y, x, false, pointSize);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestPrintedPage1::printSlots_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("anchor");
    QTest::addColumn<bool>("rightJustified");

    // Identity block: left-justified at x 49.21, the identifier's line first.
    const double identityY[] = {39.42, 29.90, 47.10, 55.56, 62.97};
    for (int n = 0; n < 5; ++n)
        QTest::addRow("P%d", n) << n << identityY[n] << 49.21 << false;

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
        QTest::addRow("P%d", n) << n << rowY[row] << anchor << true;
    }
}

void TestPrintedPage1::printSlots()
{
    QFETCH(int, position);
    QFETCH(double, y);
    QFETCH(double, anchor);
    QFETCH(bool, rightJustified);
    const QString value = kValues[position];
    // An empty box prints nothing at its slot.
    const QString wrong = value.isEmpty() ? checkNothingAt(printed_.pages[0], y, anchor, rightJustified)
                                          : checkLine(printed_.pages[0], value, y, anchor, rightJustified);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestPrintedPage1::noSlotNameIsPrinted()
{
    const QStringList names = slotNames(printed_.pages);
    QVERIFY2(names.isEmpty(), qPrintable(names.join(u", ")));
}

QTEST_GUILESS_MAIN(TestPrintedPage1)
#include "tst_printedpage1.moc"
