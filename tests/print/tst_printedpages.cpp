// Prints one filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext, a reader independent of the program: every
// static caption and every value of the six printed pages must stand where
// the paper form puts it, within 0.3 mm.
#include "support/pdfcheck.h"

#include <QtTest>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using namespace pdfcheck;

namespace {

// The document, page by page, every position filled; the pages' own
// positions follow one another, so together they are the whole line.

// Page 1, positions 0 to 51: the identity block, then table B.1 row by row
// (tax base, number of rates, highest rate, planned revenue 2005, revenue
// 2004), then the two totals. Position 33 is left empty.
const QStringList kPage1 = {
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

// Page 2, positions 52 to 85: yes/no answers ticked ("1") and clear ("0")
// mixed, exempt areas and values with decimal commas; position 66 is empty.
const QStringList kPage2 = {
    "1", "1", "0", "0", "1", "0", "1", "1", "0", "1",           // 52-61
    "1250,5", "15320,75", "842,10", "120500", "", "2310,00",   // 62-67
    "1520000", "8450,2", "615,45", "98000,50", "45210",        // 68-72
    "1200,75", "350000", "1325,5", "410", "27800,25", "96,4",  // 73-78
    "1", "0", "0", "1", "0", "0", "1",                         // 79-85
};

// Page 3, positions 86 to 119: lost revenue, four counts of businesses, the
// rate, the areas of table C.2 row by row (position 102 left empty), the
// exempt areas and the lost revenue of C.4 and C.5.
const QStringList kPage3 = {
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

// Page 4, positions 120 to 180: the forest tax rate, two exempt areas and
// the lost revenue; the three E.1 answers; the E.2 grid row by row (answer
// and percentage for each of the three taxes); the taxpayer register, XML
// export and its year; the three costs. Check boxes are "1" or "0", so both
// "TAK" and "NIE" print; positions 148 and 179 are left empty.
const QStringList kPage4 = {
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

// Page 5, positions 181 to 206: years, check boxes ticked ("1") and not
// ("0"), the name of another database software, and the stamp duty amounts
// of H.1. Position 182 is left empty.
const QStringList kPage5 = {
    "2003", "", "1", "0", "1", "0", "1", "0", "0",
    "SQL Serwer Łódź źródłowy",
    "0", "1", "0", "1", "2006", "0", "2007", "1",
    "15230,50", "98412,75", "4120", "7310,25", "860,00", "1290,5", "310", "0",
};

// Page 6, positions 207 to 222: H.2 cost and count, H.3 commissions and
// outlets (212 left empty), the eight yes/no answers of H.4 to H.6, and the
// contact of the person who filled in the form.
const QStringList kPage6 = {
    "85,50", "12", "6,5", "5,25", "4", "",
    "1", "0", "1", "1", "0", "0", "1", "1",
    "(0-84) 681-22-15 wew. 31, Bożena Ślęzak", "sekretariat.podatki@gmina-żółkiewka.pl",
};

// Each page's values and the position they start at.
const QList<std::pair<int, const QStringList *>> kPages{
    {0, &kPage1}, {52, &kPage2}, {86, &kPage3}, {120, &kPage4}, {181, &kPage5}, {207, &kPage6},
};

QStringList filledDocument()
{
    QStringList fields;
    for (const auto &page : kPages)
        fields += *page.second;
    return fields;
}

// The check boxes, which print "TAK" or "NIE", never blank.
bool isCheckBox(int n)
{
    return (n >= 52 && n <= 61) || (n >= 79 && n <= 85)                     // page 2
           || (n >= 124 && n <= 126) || n == 175 || n == 176                 // page 4
           || (n >= 127 && n <= 174 && (n - 127) % 2 == 0)
           || QList<int>{183, 184, 185, 186, 187, 188, 189, 191, 192, 193, 194, 196, 198}.contains(n) // page 5
           || (n >= 213 && n <= 220);                                        // page 6
}

// What the slot of position n prints.
QString printedValue(int n)
{
    static const QStringList fields = filledDocument();
    return isCheckBox(n) ? yesNo(fields[n]) : fields[n];
}

void addPage1Captions()
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
    addCaptionRows(1, captions);
}

void addPage2Captions()
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
    addCaptionRows(2, captions);
}

void addPage3Captions()
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
    addCaptionRows(3, captions);
}

void addPage4Captions()
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
    addCaptionRows(4, captions);
}

void addPage5Captions()
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
    addCaptionRows(5, captions);
}

void addPage6Captions()
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
    addCaptionRows(6, captions);
}

void addPage1Slots()
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
    addSlotRows(1, rows);
}

void addPage2Slots()
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
    addSlotRows(2, rows);
}

void addPage3Slots()
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
    addSlotRows(3, rows);
}

void addPage4Slots()
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
    addSlotRows(4, rows);
}

void addPage5Slots()
{
    // Every slot is left-justified: answers and years at x 169.33, the H.1
    // amounts paid with stamps at x 127.00.
    const double y[] = {10.58, 16.93, 29.63, 35.98, 42.33, 48.42, 57.68, 64.03, 70.38,
                        76.73, 89.43, 95.25, 101.60, 110.07, 118.53, 124.88, 131.23, 141.82,
                        179.92, 179.92, 186.27, 186.27, 194.73, 194.73, 203.20, 203.20};
    QList<Slot> rows;
    for (int n = 181; n <= 206; ++n) {
        const bool stamps = n >= 199 && n % 2 == 1;
        rows.append({n, y[n - 181], stamps ? 127.00 : 169.33});
    }
    addSlotRows(5, rows);
}

void addPage6Slots()
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
    addSlotRows(6, rows);
}

} // namespace

class TestPrintedPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sixA4Pages() { verifySixA4Pages(printed_); }
    void staticCaptions_data();
    void staticCaptions() { verifyCaption(printed_); }
    // An empty box prints nothing; a long name runs on whole to the right.
    void printSlots_data();
    void printSlots() { verifySlot(printed_, printedValue); }
    void noSlotNameIsPrinted() { verifyNoSlotNames(printed_); }

private:
    Printed printed_;
};

void TestPrintedPages::initTestCase()
{
    // Each page's values end where the next page's begin.
    for (qsizetype i = 0; i < kPages.size(); ++i) {
        const int end = i + 1 < kPages.size() ? kPages[i + 1].first : kPositions;
        QCOMPARE(kPages[i].first + kPages[i].second->size(), end);
    }
    printDocument(printed_, filledDocument());
}

void TestPrintedPages::staticCaptions_data()
{
    addCaptionColumns();
    addPage1Captions();
    addPage2Captions();
    addPage3Captions();
    addPage4Captions();
    addPage5Captions();
    addPage6Captions();
}

void TestPrintedPages::printSlots_data()
{
    addSlotColumns();
    addPage1Slots();
    addPage2Slots();
    addPage3Slots();
    addPage4Slots();
    addPage5Slots();
    addPage6Slots();
}

QTEST_GUILESS_MAIN(TestPrintedPages)
#include "tst_printedpages.moc"
// clang-format on
