// Prints a filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext: every static caption and every value of printed
// page 5 (sections F, G and table H.1) must stand where the paper form puts
// it, within 0.3 mm.
#include "support/pdfcheck.h"

#include <QtTest>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using namespace pdfcheck;

namespace {

constexpr int kPage = 4; // printed page 5

// Positions 181 to 206: years, check boxes ticked ("1") and not ("0"), the
// name of another database software, and the stamp duty amounts of H.1.
// Position 182 is left empty.
const QStringList kValues = {
    "2003", "", "1", "0", "1", "0", "1", "0", "0",
    "SQL Serwer Łódź źródłowy",
    "0", "1", "0", "1", "2006", "0", "2007", "1",
    "15230,50", "98412,75", "4120", "7310,25", "860,00", "1290,5", "310", "0",
};
constexpr int kFirst = 181;
const QList<int> kFlags{183, 184, 185, 186, 187, 188, 189, 191, 192, 193, 194, 196, 198};

// What the slot of position n prints: "TAK"/"NIE" for a check box, else the text.
QString printed(int n)
{
    const QString v = kValues.at(n - kFirst);
    return kFlags.contains(n) ? yesNo(v) : v;
}

} // namespace

class TestPrintedPage5 : public QObject {
    Q_OBJECT

private slots:
    // A complete data file: an identifier, every other position of pages 1
    // to 4 and 6 "0" (a number, or an unticked check box), page 5 as above.
    void initTestCase() { printDocument(printed_, document({"0", "0201011"}, kFirst, kValues)); }
    void staticCaptions_data();
    void staticCaptions() { verifyCaption(printed_.pages[kPage]); }
    void printSlots_data();
    // An empty box prints nothing; a long name runs on whole to the right.
    void printSlots() { verifySlot(printed_.pages[kPage], printed); }
    void noSlotNameIsPrinted() { verifyNoSlotNames(printed_); }

private:
    Printed printed_;
};

void TestPrintedPage5::staticCaptions_data()
{
    const Caption captions[] = {
        {4.23, 2.12, "F. PROGRAM TORVALIA (TORVAL)"},
        {10.58, 2.12, "F.1. Urząd użytkuje program TORVAL od roku"},
        {16.93, 2.12, "F.2. Urząd będzie użytkował program TORVAL od roku"},
        {23.28, 2.12, "F.3. Urząd nie zamierza użytkować programu TORVAL ze względu na:"},
        {29.63, 10.58, "posiada inny program o podobnej funkcjonalności"},
        {35.98, 10.58, "koszty zakupu oprogramowania bazodanowego ORACLE"},
        {42.33, 10.58, "brak zainteresowania programem o funkcji porównywania danych ewidencji podatkowej i "},
        {45.24, 10.58, "ewidencji gruntów i budynków"},
        {50.80, 10.58, "inne"},
        {57.15, 2.12, "F.4. Urząd korzysta z internetowego portalu edukacyjnego TORVAL"},
        {63.50, 2.12, "F.5. Urząd dysponuje sprzętem komputerowym umożliwiającym użytkowanie oprogramowania TORVAL"},
        {69.85, 2.12, "F.6. Urząd posiada licencję na oprogramowanie bazodanowe ORACLE"},
        {76.20, 2.12, "F.7. Urząd posiada inne niż ORACLE oprogramowanie bazodanowe  - podać nazwę"},
        {82.55, 2.12, "F.8. Obsługa informatyczna urzędu gminy jest zapewniona przez"},
        {88.90, 10.58, "informatyków zatrudnionych w urzędzie"},
        {95.25, 10.58, "podmiot zewnętrzny"},
        {101.60, 10.58, "inne rozwiązanie"},
        {107.95, 2.12, "F.9. Urząd korzysta z sieci WAN"},
        {118.53, 129.12, "Planuje w roku "},
        {124.88, 2.12, "F.10. Urząd posiada sieć LAN"},
        {131.23, 129.12, "Planuje w roku "},
        {139.70, 2.12, "G. GMINA PRZEWIDUJE WPROWADZENIE MOŻLIWOŚCI SKŁADANIA "},
        {143.14, 6.09, "DEKLARACJI PODATKOWYCH W FORMIE ELEKTRONICZNEJ"},
        {154.52, 2.12, "H. OPŁATA SKARBOWA"},
        {160.87, 2.12, "H.1. Wpływy z opłaty skarbowej według sposobu zapłaty w 2004r."},
        {167.22, 8.47, "Przedmiot opłaty"},
        {167.22, 112.18, "Zapłata znakami opłaty skarbowej"},
        {167.22, 156.63, "Zapłata w inny  sposób "},
        {170.13, 153.46, "(w kasie organu, na rachunek)"},
        {173.30, 127.00, "[ zł ]"},
        {173.57, 169.33, "[ zł ]"},
        {179.92, 6.35, "Podania (żądania, wnioski, odwołania, zażalenia)"},
        {187.59, 6.35, "Czynności urzędowe dokonywane na podstawie zgłoszenia lub na wniosek"},
        {195.53, 6.35, "Zaświadczenia wydawane na wniosek"},
        {203.20, 6.35, "Zezwolenia (pozwolenia, koncesje) wydawane na wniosek"},
        {267.49, 3.70, "Informacja QX"},
        {267.49, 174.62, "Strona 5/6"},
    };
    addCaptionRows(captions);
}

void TestPrintedPage5::printSlots_data()
{
    // Every slot is left-justified: answers and years at x 169.33, the H.1
    // amounts paid with stamps at x 127.00.
    const double y[] = {10.58, 16.93, 29.63, 35.98, 42.33, 48.42, 57.68, 64.03, 70.38,
                        76.73, 89.43, 95.25, 101.60, 110.07, 118.53, 124.88, 131.23, 141.82,
                        179.92, 179.92, 186.27, 186.27, 194.73, 194.73, 203.20, 203.20};
    QList<Slot> rows;
    for (int n = kFirst; n <= 206; ++n) {
        const bool stamps = n >= 199 && n % 2 == 1;
        rows.append({n, y[n - kFirst], stamps ? 127.00 : 169.33});
    }
    addSlotRows(rows);
}

QTEST_GUILESS_MAIN(TestPrintedPage5)
#include "tst_printedpage5.moc"
// clang-format on
