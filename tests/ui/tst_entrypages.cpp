// The six entry pages as built in the main window, against tables of the
// paper form: every position with its control, place, key filter, exit
// handler and number label; the static labels, the rules and the tab
// order of each page, the turn to the next page, the rate maxima and the
// free-text boxes; and what only one page has (the title block and the
// identifier's header labels, the column sum, the yes/no answers in the
// data file, Enter in the E.2 grid, the fixed contacts). The layout rows are
// checked on one window, built once; whatever types or moves the focus has
// a window of its own.
#include "support/entrycheck.h"
#include "support/guitest.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <algorithm>
#include <limits>
#include <memory>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using entrycheck::controlName;
using entrycheck::ExpectedPosition;
using entrycheck::labelAt;
using guitest::press;

namespace {

constexpr const char *kDec = "TylkoLiczbyKeyPress";
constexpr const char *kInt = "TylkoIntKeyPress";
constexpr const char *kVal = "ValFloat";

// Page 1: the identity block and table B.1 in reading order (the
// identifier has no number label).
QList<ExpectedPosition> page1()
{
    return {
        {1, false, {205, 22, 124, 32}, "TylkoInt2KeyPress", "CheckIdGminy", {}, {}},
        {0, false, {620, 57, 52, 32}, "", "", "1.", {1, 60}},
        {2, false, {620, 91, 28, 32}, "", "", "2.", {1, 90}},
        {3, false, {620, 126, 30, 32}, "", "", "3.", {1, 127}},
        {4, false, {620, 169, 32, 32}, "", "", "4.", {2, 166}},
        {5, false, {337, 355, 105, 24}, "TylkoLiczbyKeyPress", kVal, "  5.", {318, 355}},
        {6, false, {482, 355, 100, 24}, "TylkoIntKeyPress", kVal, "  6.", {464, 355}},
        {7, false, {612, 355, 100, 24}, "TylkoLiczbyKeyPress", kVal, "  7.", {592, 355}},
        {8, false, {742, 355, 100, 24}, "TylkoLiczbyKeyPress", kVal, " 8.", {725, 355}},
        {9, false, {869, 355, 100, 24}, "TylkoLiczbyKeyPress", kVal, "  9.", {850, 355}},
        {10, false, {337, 410, 90, 24}, "TylkoLiczbyKeyPress", kVal, "10.", {318, 410}},
        {11, false, {482, 410, 100, 24}, "TylkoIntKeyPress", kVal, "11.", {464, 410}},
        {12, false, {612, 410, 100, 24}, "TylkoLiczbyKeyPress", kVal, "12.", {592, 410}},
        {13, false, {742, 408, 100, 24}, "TylkoLiczbyKeyPress", kVal, "13.", {725, 407}},
        {14, false, {869, 408, 100, 24}, "TylkoLiczbyKeyPress", kVal, "14.", {850, 407}},
        {15, false, {337, 450, 105, 24}, "TylkoLiczbyKeyPress", kVal, "15.", {318, 450}},
        {16, false, {482, 450, 100, 24}, "TylkoIntKeyPress", kVal, "16.", {464, 450}},
        {17, false, {612, 450, 100, 24}, "TylkoLiczbyKeyPress", kVal, "17.", {592, 450}},
        {18, false, {742, 450, 100, 24}, "TylkoLiczbyKeyPress", kVal, "18.", {725, 450}},
        {19, false, {869, 450, 100, 24}, "TylkoLiczbyKeyPress", kVal, "19.", {850, 450}},
        {20, false, {337, 520, 105, 24}, "TylkoLiczbyKeyPress", kVal, "20.", {318, 520}},
        {21, false, {482, 520, 100, 24}, "TylkoIntKeyPress", kVal, "21.", {464, 520}},
        {22, false, {612, 520, 100, 24}, "TylkoLiczbyKeyPress", kVal, "22.", {592, 520}},
        {23, false, {742, 520, 100, 24}, "TylkoLiczbyKeyPress", kVal, "23.", {725, 520}},
        {24, false, {869, 520, 100, 24}, "TylkoLiczbyKeyPress", kVal, "24.", {850, 520}},
        {25, false, {337, 555, 105, 24}, "TylkoLiczbyKeyPress", kVal, "25.", {318, 555}},
        {26, false, {482, 555, 100, 24}, "TylkoIntKeyPress", kVal, "26.", {464, 555}},
        {27, false, {612, 555, 100, 24}, "TylkoLiczbyKeyPress", kVal, "27.", {592, 555}},
        {28, false, {742, 555, 100, 24}, "TylkoLiczbyKeyPress", kVal, "28.", {725, 555}},
        {29, false, {869, 555, 100, 24}, "TylkoLiczbyKeyPress", kVal, "29.", {850, 555}},
        {30, false, {337, 625, 105, 24}, "TylkoLiczbyKeyPress", kVal, "30.", {318, 625}},
        {31, false, {482, 625, 100, 24}, "TylkoIntKeyPress", kVal, "31.", {464, 625}},
        {32, false, {612, 625, 100, 24}, "TylkoLiczbyKeyPress", kVal, "32.", {592, 625}},
        {33, false, {742, 625, 100, 24}, "TylkoLiczbyKeyPress", kVal, "33.", {725, 625}},
        {34, false, {869, 625, 100, 24}, "TylkoLiczbyKeyPress", kVal, "34.", {850, 625}},
        {35, false, {337, 680, 105, 24}, "TylkoLiczbyKeyPress", kVal, "35.", {318, 680}},
        {36, false, {482, 680, 100, 24}, "TylkoIntKeyPress", kVal, "36.", {464, 680}},
        {37, false, {612, 680, 100, 24}, "TylkoLiczbyKeyPress", kVal, "37.", {592, 680}},
        {38, false, {742, 680, 100, 24}, "TylkoLiczbyKeyPress", kVal, "38.", {725, 680}},
        {39, false, {869, 680, 100, 24}, "TylkoLiczbyKeyPress", kVal, "39.", {850, 680}},
        {40, false, {337, 730, 105, 24}, "TylkoLiczbyKeyPress", kVal, "40.", {318, 730}},
        {41, false, {482, 730, 100, 24}, "TylkoIntKeyPress", kVal, "41.", {464, 730}},
        {42, false, {612, 730, 100, 24}, "TylkoLiczbyKeyPress", kVal, "42.", {592, 730}},
        {43, false, {742, 730, 100, 24}, "TylkoLiczbyKeyPress", kVal, "43.", {725, 730}},
        {44, false, {869, 730, 100, 24}, "TylkoLiczbyKeyPress", kVal, "44.", {850, 730}},
        {45, false, {337, 800, 90, 24}, "TylkoLiczbyKeyPress", kVal, "45.", {318, 800}},
        {46, false, {482, 800, 100, 24}, "TylkoIntKeyPress", kVal, "46.", {464, 800}},
        {47, false, {612, 800, 85, 24}, "TylkoLiczbyKeyPress", kVal, "47.", {592, 800}},
        {48, false, {742, 800, 100, 24}, "TylkoLiczbyKeyPress", kVal, "48.", {725, 800}},
        {49, false, {869, 800, 100, 24}, "TylkoLiczbyKeyPress", kVal, "49.", {850, 800}},
        {50, false, {742, 835, 100, 24}, "TylkoLiczbyKeyPress", "Exit50_CheckSum", "50.", {725, 835}},
        {51, false, {869, 835, 100, 24}, "TylkoLiczbyKeyPress", "Exit51_CheckSum", "51.", {850, 835}},
    };
}

// Page 2: a yes/no answer is a check box 17 px high, its number label 20 px
// before it; table B.3 holds areas and values. Reading order is tab order.
ExpectedPosition yesNo(int n, const char *number, int x, int y, int w, const char *exit = "")
{
    return {n, true, QRect(x, y, w, 17), "", exit, number, QPoint(x - 20, y)};
}

ExpectedPosition area(int n, const char *number, int x, int y, int numberX)
{
    return {n, false, QRect(x, y, 110, 24), kDec, kVal, number, QPoint(numberX, y)};
}

QList<ExpectedPosition> page2()
{
    constexpr int kLeft = 340, kRight = 816, kLand = 419, kBuildings = 600, kStructures = 760;
    return {
        yesNo(52, "52.", kRight, 40, 97),
        yesNo(53, "53.", kLeft, 85, 60), yesNo(54, "54.", kRight, 85, 97),
        yesNo(55, "55.", kLeft, 110, 60), yesNo(56, "56.", kRight, 110, 97),
        yesNo(57, "57.", kLeft, 135, 60), yesNo(58, "58.", kRight, 135, 97),
        yesNo(59, "59.", kRight, 180, 97), yesNo(60, "60.", kRight, 205, 97), yesNo(61, "61.", kRight, 230, 97),
        area(62, "62.", kBuildings, 340, 582),
        area(63, "63.", kLand, 370, 400), area(64, "64.", kBuildings, 370, 582),
        area(65, "65.", kLand, 400, 400),
        area(66, "66.", kBuildings, 430, 582),
        area(67, "67.", kBuildings, 460, 582), area(68, "68.", kStructures, 460, 740),
        area(69, "69.", kLand, 490, 400), area(70, "70.", kBuildings, 490, 582), area(71, "71.", kStructures, 490, 740),
        area(72, "72.", kLand, 520, 400), area(73, "73.", kBuildings, 520, 582), area(74, "74.", kStructures, 520, 740),
        area(75, "75.", kLand, 550, 400), area(76, "76.", kBuildings, 550, 582),
        area(77, "77.", kLand, 580, 400), area(78, "78.", kBuildings, 580, 582),
        yesNo(79, "79.", kRight, 680, 97), yesNo(80, "80.", kRight, 705, 97), yesNo(81, "81.", kRight, 730, 97),
        yesNo(82, "82.", kRight, 755, 97), yesNo(83, "83.", kRight, 785, 97), yesNo(84, "84.", kRight, 810, 97),
        yesNo(85, "85.", kRight, 835, 97, "NextPage"),
    };
}

// Page 3: B.5, B.6, C.1, table C.2 row by row, then C.3 to C.5 in one column.
QList<ExpectedPosition> page3()
{
    return {
        // B.5 and B.6.
        {86, false, {801, 16, 105, 24}, kDec, kVal, "86.", {782, 16}},
        {87, false, {801, 76, 105, 24}, kInt, kVal, "87.", {782, 76}},
        {88, false, {801, 106, 105, 24}, kInt, kVal, "88.", {782, 106}},
        {89, false, {801, 136, 105, 24}, kInt, kVal, "89.", {782, 136}},
        {90, false, {801, 166, 105, 24}, kInt, kVal, "90.", {782, 166}},
        // C.1.
        {91, false, {694, 226, 104, 24}, kDec, kVal, "91.", {675, 226}},
        // C.2, row by row.
        {92, false, {400, 330, 110, 24}, kDec, kVal, "  92.", {375, 330}},
        {93, false, {565, 330, 110, 24}, kDec, kVal, "  93.", {540, 330}},
        {94, false, {730, 330, 105, 24}, kDec, kVal, "  94.", {705, 330}},
        {95, false, {400, 360, 110, 24}, kDec, kVal, "  95.", {375, 360}},
        {96, false, {565, 360, 110, 24}, kDec, kVal, "  96.", {540, 360}},
        {97, false, {730, 360, 105, 24}, kDec, kVal, "  97.", {705, 360}},
        {98, false, {400, 390, 110, 24}, kDec, kVal, "  98.", {375, 390}},
        {99, false, {565, 390, 110, 24}, kDec, kVal, "  99.", {540, 390}},
        {100, false, {730, 390, 105, 24}, kDec, kVal, "100.", {705, 390}},
        {101, false, {400, 420, 110, 24}, kDec, kVal, "101.", {375, 420}},
        {102, false, {730, 420, 105, 24}, kDec, kVal, "102.", {705, 420}},
        {103, false, {400, 452, 110, 24}, kDec, kVal, "103.", {375, 452}},
        {104, false, {565, 452, 110, 24}, kDec, kVal, "104.", {540, 452}},
        {105, false, {730, 452, 105, 24}, kDec, kVal, "105.", {705, 452}},
        {106, false, {400, 500, 110, 24}, kDec, kVal, "106.", {375, 500}},
        {107, false, {730, 492, 105, 24}, kDec, kVal, "107.", {705, 492}},
        {108, false, {400, 540, 110, 24}, kDec, kVal, "108.", {375, 540}},
        {109, false, {565, 540, 110, 24}, kDec, kVal, "109.", {540, 540}},
        {110, false, {730, 540, 105, 24}, kDec, kVal, "110.", {705, 540}},
        // C.3, C.4 and C.5: one column.
        {111, false, {730, 628, 105, 24}, kDec, kVal, "111.", {705, 628}},
        {112, false, {730, 658, 105, 24}, kDec, kVal, "112.", {705, 658}},
        {113, false, {730, 688, 105, 24}, kDec, kVal, "113.", {705, 688}},
        {114, false, {730, 718, 105, 24}, kDec, kVal, "114.", {705, 718}},
        {115, false, {730, 748, 105, 24}, kDec, kVal, "115.", {705, 748}},
        {116, false, {730, 794, 105, 24}, kDec, kVal, "116.", {705, 794}},
        {117, false, {730, 826, 105, 24}, kDec, kVal, "117.", {705, 826}},
        {118, false, {730, 858, 105, 24}, kDec, kVal, "118.", {705, 858}},
        {119, false, {730, 890, 105, 24}, kDec, "ValFloatNextPage", "119.", {705, 890}},
    };
}

// Page 4: the positions outside the E.2 grid, then the grid: position =
// 127 + 6 * row + column; even columns are check boxes (45 x 17), odd
// columns percentage boxes (80 x 24). Every number label ends in a period
// except that of position 167.
QList<ExpectedPosition> page4()
{
    QList<ExpectedPosition> all{
        {120, false, {740, 36, 105, 24}, kDec, kVal, {}, {714, 36}},
        {121, false, {740, 121, 105, 24}, kDec, kVal, {}, {714, 121}},
        {122, false, {740, 151, 105, 24}, kDec, kVal, {}, {714, 151}},
        {123, false, {740, 181, 105, 24}, kDec, kVal, {}, {714, 181}},
        {124, true, {740, 280, 60, 17}, "", "", {}, {714, 280}},
        {125, true, {740, 310, 60, 17}, "", "", {}, {714, 310}},
        {126, true, {740, 340, 60, 17}, "", "", {}, {714, 340}},
        {175, true, {860, 731, 45, 17}, "", "", {}, {833, 731}},
        {176, true, {860, 779, 45, 17}, "", "", {}, {833, 779}},
        {177, false, {860, 805, 80, 24}, kInt, kVal, {}, {833, 805}},
        {178, false, {861, 861, 80, 24}, kDec, kVal, {}, {833, 861}},
        {179, false, {861, 891, 80, 24}, kDec, kVal, {}, {833, 891}},
        {180, false, {860, 921, 80, 24}, kDec, "ValFloatNextPage", {}, {833, 921}},
    };
    const int rowY[] = {475, 505, 535, 563, 595, 625, 655, 701};
    const int boxX[] = {345, 425, 550, 645, 774, 860};
    const int numberX[] = {320, 399, 525, 618, 748, 833};
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 6; ++column) {
            const int y = rowY[row];
            const bool flag = column % 2 == 0;
            const QRect box = flag ? QRect(boxX[column], y, 45, 17) : QRect(boxX[column], y, 80, 24);
            all.append({127 + 6 * row + column, flag, box, flag ? "" : kDec, flag ? "" : kVal, {},
                        {numberX[column], y}});
        }
    }
    for (ExpectedPosition &p : all)
        p.number = QByteArray::number(p.n) + (p.n == 167 ? "" : ".");
    return all;
}

// Page 5: years, answers, the free-text box 190 and table H.1, in ascending
// order; every number label is the number and a period.
ExpectedPosition year(int n, int y) { return {n, false, {764, y, 105, 24}, kInt, kVal, {}, {738, y}}; }
ExpectedPosition flag(int n, int y) { return {n, true, {764, y, 60, 17}, "", "", {}, {738, y}}; }
ExpectedPosition amount(int n, int x, int y, const char *exit = kVal)
{
    return {n, false, {x, y, 105, 24}, kDec, exit, {}, {x - 26, y}};
}

QList<ExpectedPosition> page5()
{
    QList<ExpectedPosition> all{
        year(181, 41), year(182, 71),
        flag(183, 119), flag(184, 149), flag(185, 179), flag(186, 215),
        flag(187, 245), flag(188, 275), flag(189, 305),
        {190, false, {616, 335, 353, 24}, "", "", {}, {593, 335}},
        flag(191, 395), flag(192, 425), flag(193, 455),
        flag(194, 485), year(195, 510), flag(196, 545), year(197, 570),
        flag(198, 626),
        amount(199, 548, 780), amount(200, 764, 780),
        amount(201, 548, 810), amount(202, 764, 810),
        amount(203, 548, 840), amount(204, 764, 840),
        amount(205, 548, 870), amount(206, 764, 870, "ValFloatNextPage"),
    };
    for (ExpectedPosition &p : all)
        p.number = QByteArray::number(p.n) + '.';
    return all;
}

// Page 6: positions 207 to 222 in tab order.
QList<ExpectedPosition> page6()
{
    return {
        {207, false, {764, 35, 105, 24}, kDec, kVal, "207.", {738, 35}},
        {208, false, {764, 65, 105, 24}, kInt, kVal, "208.", {738, 65}},
        {209, false, {396, 150, 105, 24}, kDec, kVal, "209.", {370, 150}},
        {210, false, {700, 150, 105, 24}, kDec, kVal, "210.", {674, 150}},
        {211, false, {396, 180, 105, 24}, kInt, kVal, "211.", {370, 180}},
        {212, false, {700, 180, 105, 24}, kInt, kVal, "212.", {674, 180}},
        {213, true, {764, 250, 60, 17}, "", "", "213.", {738, 250}},
        {214, true, {764, 280, 60, 17}, "", "", "214.", {738, 280}},
        {215, true, {764, 310, 60, 17}, "", "", "215.", {738, 310}},
        {216, true, {396, 405, 60, 17}, "", "", "216.", {370, 405}},
        {217, true, {700, 405, 60, 17}, "", "", "217.", {674, 410}},
        {218, true, {396, 435, 60, 17}, "", "", "218.", {370, 435}},
        {219, true, {700, 435, 60, 17}, "", "", "219.", {674, 435}},
        {220, true, {764, 502, 60, 17}, "", "", "220.", {738, 502}},
        {221, false, {116, 836, 300, 24}, "", "", "221.", {90, 836}},
        {222, false, {524, 836, 397, 24}, "", "", "222.", {498, 836}},
    };
}

// The positions of page `page` (1 to 6), in the order of its table.
const QList<ExpectedPosition> &positionsOf(int page)
{
    static const QList<QList<ExpectedPosition>> pages{page1(), page2(), page3(), page4(), page5(), page6()};
    return pages[page - 1];
}

// Static labels: page, text, top-left corner, character height (0: not
// checked), bold, and the x of the control on its right that a one-line
// label must end before (0: none).
struct LabelRow {
    int page;
    const char *text;
    int x, y, px;
    bool bold;
    int room;
};

const LabelRow kLabels[] = {
    {1, "Identyfikator gminy :", 15, 30, 18, true, 0},
    {1, "ha", 430, 418, 0, false, 0},
    {1, "zł", 430, 812, 0, false, 0},
    {1, "%", 700, 810, 0, false, 0},
    {1, "Ogółem", 16, 835, 0, false, 0},
    {1, "w 2005r.  [ zł ]", 618, 331, 0, false, 0},
    {2, "B.2. Kryteria różnicowania stawek w podatku od nieruchomości w 2005r.", 16, 16, 15, true, 0},
    {2, "Gmina, na mocy uchwały rady gminy, różnicuje stawki dla poszczególnych przedmiotów opodatkowania  ", 16, 40, 15, false, 0},
    {2, "Przeznaczenie i sposób wykorzystywania nieruchomości", 440, 85, 15, false, 0},
    {2, "stawkę opodatkowania budowli", 90, 220, 15, false, 0},
    {2, "B.3. Zwolnienia ustawowe w podatku od nieruchomości w 2005r.", 16, 264, 15, true, 0},
    {2, "powierzchnia użytkowa", 584, 300, 15, false, 0},
    {2, "[zł]", 800, 315, 15, false, 0},
    {2, "Art. 7 ust. 1 pkt 4   ", 21, 340, 15, false, 0},
    {2, "Art. 7 ust. 2 pkt 5  ", 21, 550, 15, false, 0},
    {2, "B.4. Zwolnienia na mocy uchwały rady gminy w podatku od nieruchomości w 2005r.", 16, 635, 15, true, 0},
    {2, "grupy budynków mieszkalnych określonej ze względu na atrybuty budynku ", 90, 755, 15, false, 0},
    {2, "Gmina posiada program pomocowy w związku ze stosowaniem zwolnień podatkowych ", 21, 835, 15, false, 0},
    {3, "B.5. Utracone dochody z tytułu zwolnień w podatku od nieruchomości na mocy uchwały rady gminy w 2005 r.", 16, 16, 15, true, 0},
    {3, "zł", 912, 25, 15, false, 0},
    {3, "B.6. Względy techniczne (art. 1a ust. 1 pkt 3 ustawy o podatkach i opłatach lokalnych) w 2005r.", 16, 46, 15, true, 0},
    {3, "Liczba przedsiębiorców korzystających w 2005r. z preferencyjnego opodatkowania nieruchomości ogółem, w  tym:", 21, 76, 15, false, 0},
    {3, "w odniesieniu do budynków  ", 90, 106, 15, false, 0},
    {3, "C. PODATEK ROLNY  ", 16, 206, 17, true, 0},
    {3, "C.1. Stawka podatku obowiązująca na terenie gminy dla gospodarstw rolnych w 2005 r", 16, 226, 15, true, 0},
    {3, "C.2. Powierzchnia użytków rolnych podlegających opodatkowaniu podatkiem rolnym ", 16, 256, 15, true, 0},
    {3, "[ ha przeliczeniowe ]", 552, 306, 15, false, 0},
    {3, "Użytki rolne niestanowiące ", 698, 276, 15, false, 0},
    {3, "bonitacyjną", 21, 465, 15, false, 0},
    {3, "klasy bonitacyjnej", 21, 510, 15, false, 0},
    {3, "C.3. Zwolnienia ustawowe w podatku rolnym w 2005r.", 16, 580, 15, true, 0},
    {3, "Powierzchnia [ ha ]", 717, 600, 15, false, 0},
    {3, "Art. 12. ust. 1 pkt 12 ", 21, 658, 15, false, 0},
    {3, " [zł]", 770, 776, 15, false, 0},
    {3, "C.4. Utracone dochody z tytułu ustawowych ulg w podatku rolnym w 2005r.", 16, 778, 15, true, 0},
    {3, "ŻOŁNIERSKIEJ - Art. 13a ust. 1 i 2", 90, 830, 15, false, 0},
    {3, "C.5. Utracone dochody z tytułu zwolnień i ulg w podatku rolnym na mocy uchwały rady gminy w 2005r.", 16, 890, 15, true, 0},
    {4, "D. PODATEK LEŚNY ", 16, 16, 17, true, 0},
    {4, "D.3. Utracone dochody z tytułu  zwolnień w podatku leśnym na mocy uchwały rady gminy w 2005 r. [zł]", 16, 181, 15, true, 0},
    {4, "E. EWIDENCJA PODATKOWA NIERUCHOMOŚCI (EPN) - stan na 2005 r.", 16, 225, 17, true, 0},
    {4, "E.2. Zasób danych w ewidencji podatkowej nieruchomości (EPN)", 16, 370, 15, true, 0},
    {4, "Powierzchnia, w ha ", 732, 91, 15, false, 0},
    {4, "1.07.2005r. [%]", 420, 438, 15, false, 0},
    {4, "1.07.2005r.  [%]", 637, 437, 15, false, 0},
    {4, "PODATEK LEŚNY", 775, 454, 15, false, 0},
    {4, "Identyfikatory lokali", 21, 565, 15, false, 0},
    {4, "na  mocy uchwał rady gminy", 21, 671, 15, false, 0},
    {4, "Urząd gminy  skorzystał  z dostępu do danych o podatnikach  z Krajowej Ewidencji Podatników", 21, 731, 15, false, 0},
    {4, "Eksport danych do pliku w formacie XML zostanie zapewniony w roku", 21, 811, 15, false, 0},
    {5, "F. PROGRAM TORVALIA (TORVAL)", 16, 16, 17, true, 0},
    {5, "F.3. Urząd nie zamierza użytkować programu TORVAL ze względu na:", 16, 101, 15, true, 0},
    {5, "brak zainteresowania programem o funkcji porównywania danych ewidencji podatkowej i ", 90, 179, 15, false, 738},
    {5, "ewidencji gruntów i budynków", 90, 195, 15, false, 738},
    {5, "F.5. Urząd dysponuje sprzętem komputerowym umożliwiającym użytkowanie oprogramowania TORVAL", 16, 275, 15, true, 738},
    {5, "F.7. Urząd posiada inne niż ORACLE oprogramowanie bazodanowe  - podać nazwę", 16, 335, 15, true, 593},
    {5, "G. GMINA PRZEWIDUJE WPROWADZENIE MOŻLIWOŚCI SKŁADANIA ", 16, 610, 17, true, 738},
    {5, "DEKLARACJI PODATKOWYCH W FORMIE ELEKTRONICZNEJ", 40, 630, 17, true, 738},
    {5, "H.1. Wpływy z opłaty skarbowej według sposobu zapłaty w 2004r.", 16, 695, 15, true, 0},
    {5, "Zapłata znakami opłaty skarbowej", 496, 720, 15, false, 752},
    {5, "Zapłata w inny  sposób ", 752, 720, 15, false, 0},
    {5, "[ zł ]", 800, 752, 15, false, 0},
    {5, "Czynności urzędowe dokonywane na podstawie zgłoszenia lub na wniosek", 21, 810, 15, false, 522},
    {6, "H.2. Koszty ściągnięcia nieuiszczonej opłaty skarbowej od podań w 2004r.", 16, 16, 15, true, 0},
    {6, "Liczba przeprowadzonych postępowań w 2004r.", 21, 65, 15, false, 0},
    {6, "zł", 872, 40, 15, false, 0},
    {6, "Umowy zawarte przez urzędy skarbowe", 640, 120, 15, false, 0},
    {6, "%", 504, 156, 15, false, 0},
    {6, "%", 808, 156, 15, false, 0},
    {6, "Brak podmiotów chętnych do prowadzenia punktów", 21, 280, 15, false, 0},
    {6, "H.5. Kontrola przekazywania przez oddziały banku PKO BP S.A. s.a. należności za sprzedane znaki wartościowe", 16, 340, 15, true, 0},
    {6, " podanym zakresie", 384, 381, 15, false, 0},
    {6, "Prawidłowości wyliczania należności", 21, 405, 15, false, 0},
    {6, "H.6. Czy przy założeniu, że zniesiona zostanie możliwość zapłaty opłaty skarbowej znakami tej opłaty, ", 16, 468, 15, true, 0},
    {6, "czynności urzędowych lub wydawanych zaświadczeń i zezwoleń (pozwoleń, koncesji)", 21, 528, 15, true, 0},
    {6, "I. KONTAKT Z OSOBAMI UDZIELAJĄCYMI WYJAŚNIEŃ", 16, 576, 17, true, 0},
    {6, "Adres  e-mail:", 500, 605, 15, false, 0},
    {6, "PYTANIA DOTYCZĄCE OPŁATY SKARBOWEJ (CZĘŚĆ H)", 90, 685, 15, false, 0},
    {6, "J. KONTAKT Z OSOBĄ WYPEŁNIAJĄCĄ ANKIETĘ", 16, 776, 17, true, 0},
    {6, "numer telefonu (wraz z numerem  kierunkowym):", 90, 806, 15, false, 0},
    {6, "adres e-mail:", 500, 806, 15, false, 0},
};

// The 1-px rules of each page: name, place and length.
const QStringList kRules[] = {
    {"Shape1 10,214 911x1"},
    {},
    {"Shape12 -15,201 920x1", "Shape14 -28,936 923x1"},
    {"Shape41 -15,211 920x1", "Shape42 1,950 920x1"},
    {"Shape21 -7,605 920x1", "Shape22 -7,655 920x1"},
    {"Shape61 -7,560 920x1", "Shape62 1,760 920x1"},
};

QWidget *sheetOf(const guitest::Window &f, int page)
{
    return f.w.findChild<QWidget *>(QStringLiteral("TabSheet%1").arg(page));
}

// Fills every box of page `page` with a value that passes its exit check:
// an identifier of the register, rates below their maxima, correct totals.
void fill(guitest::Window &f, int page)
{
    const QList<int> rates{7, 12, 17, 22, 27, 32, 37, 42, 47};
    switch (page) {
    case 1:
        f.edit(1)->setText(QStringLiteral("0201011"));
        for (int n = 5; n <= 49; ++n)
            f.edit(n)->setText(rates.contains(n) ? QStringLiteral("0,1") : QStringLiteral("1"));
        f.edit(50)->setText(QStringLiteral("9"));
        f.edit(51)->setText(QStringLiteral("9"));
        break;
    case 2:
        for (int n = 62; n <= 78; ++n)
            f.edit(n)->setText(QStringLiteral("%1,5").arg(n * 100));
        break;
    case 3:
        for (int n = 86; n <= 119; ++n)
            f.edit(n)->setText(n == 91 ? QStringLiteral("85,5") : QString::number(n - 80));
        break;
    case 4:
        for (int n = 120; n <= 180; ++n)
            if (QLineEdit *e = f.edit(n))
                e->setText(n == 177 ? QStringLiteral("2006") : QStringLiteral("12,5"));
        break;
    case 5:
        for (int n : {181, 182, 195, 197})
            f.edit(n)->setText(QStringLiteral("2006"));
        for (int n = 199; n <= 206; ++n)
            f.edit(n)->setText(QStringLiteral("1520,75"));
        break;
    case 6:
        for (const auto &[n, text] : {std::pair{207, "85,50"}, {208, "12"}, {209, "6,5"}, {210, "5"}, {211, "4"},
                                      {212, "17"}, {221, "(0-84) 681-22-15"}})
            f.edit(n)->setText(QString::fromUtf8(text));
        break;
    }
}

// A window of its own, page `page` filled, shown, the focus in `box`.
std::unique_ptr<guitest::Window> filledWindow(int page, int box)
{
    auto f = std::make_unique<guitest::Window>();
    fill(*f, page);
    QWidget *control = f->w.findChild<QWidget *>(iqx::controlName(box));
    if (!f->show() || !f->focus(control))
        return {};
    return f;
}

void addPageRows(const char *column)
{
    QTest::addColumn<int>(column);
    for (int page = 1; page <= 6; ++page)
        QTest::addRow("page %d", page) << page;
}

} // namespace

class TestEntryPages : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { built_ = std::make_unique<guitest::Window>(); }
    void cleanupTestCase() { built_.reset(); }

    // The layout, on one window.
    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions_data() { addPageRows("page"); }
    void pageHoldsExactlyItsPositions();
    void labels_data();
    void labels();
    void tabCaptionsAndTitleBlock();
    void contactsOfPage6();

    // Typing and moving on, each in a window of its own.
    void tabOrderRunsThroughThePage_data();
    void tabOrderRunsThroughThePage();
    void rateOverItsMaximumIsWarnedAndKept_data();
    void rateOverItsMaximumIsWarnedAndKept();
    void leavingTheLastBoxTurnsThePage_data();
    void leavingTheLastBoxTurnsThePage();
    void freeTextTakesAnyTextButTheSeparator_data();
    void freeTextTakesAnyTextButTheSeparator();
    void identifierFillsTheHeaderLabels();
    void sumOfPlannedRevenue_data();
    void sumOfPlannedRevenue();
    void answersAreSavedAsOneAndZero();
    void enterMovesOnFromTextBoxesOnly();

private:
    std::unique_ptr<guitest::Window> built_;
};

void TestEntryPages::positions_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("index");
    for (int page = 1; page <= 6; ++page)
        for (int i = 0; i < positionsOf(page).size(); ++i)
            QTest::addRow("%d", positionsOf(page)[i].n) << page << i;
}

void TestEntryPages::positions()
{
    QFETCH(int, page);
    QFETCH(int, index);
    const ExpectedPosition &p = positionsOf(page)[index];
    QWidget *sheet = sheetOf(*built_, page);
    const QString wrong = entrycheck::checkPosition(sheet, p);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

    const QWidget *w = sheet->findChild<QWidget *>(controlName(p));
    QCOMPARE(w->parentWidget(), sheet);
    // The identity block's boxes are hidden and disabled, bold and larger;
    // every other box is in the page font.
    const bool identity = p.n == 0 || (p.n >= 2 && p.n <= 4);
    QCOMPARE(w->isHidden(), identity);
    QCOMPARE(w->isEnabled(), !identity);
    QCOMPARE(w->font().pixelSize(), p.n <= 4 ? 18 : 15);
    QCOMPARE(w->font().bold(), p.n <= 4);
    // Only the identifier limits its length; check boxes start unticked.
    if (const auto *e = qobject_cast<const QLineEdit *>(w))
        QCOMPARE(e->maxLength(), p.n == 1 ? 7 : std::numeric_limits<int>::max());
    if (const auto *c = qobject_cast<const QCheckBox *>(w))
        QVERIFY(!c->isChecked());
    if (p.number.isNull())
        return;
    // "1." to "12." are in the small font, the rest in the page font.
    const QLabel *label = labelAt(sheet, QString::fromUtf8(p.number), p.numberAt);
    QCOMPARE(label->font().pixelSize(), p.n <= 12 ? 7 : 15);
    QCOMPARE(label->autoFillBackground(), p.n == 0); // "1." is drawn on silver
}

// Each position is one control on its own page, nothing more, and the
// page's 1-px rules are where they belong.
void TestEntryPages::pageHoldsExactlyItsPositions()
{
    QFETCH(int, page);
    QWidget *sheet = sheetOf(*built_, page);
    const QList<ExpectedPosition> &positions = positionsOf(page);
    QCOMPARE(built_->w.pageTabs()->indexOf(sheet), page - 1);
    QCOMPARE(entrycheck::positionCount(sheet), positions.size());
    const auto flags = std::count_if(positions.begin(), positions.end(), [](const ExpectedPosition &p) { return p.flag; });
    QCOMPARE(sheet->findChildren<QCheckBox *>().size(), flags);
    QCOMPARE(sheet->findChildren<QLineEdit *>().size(), positions.size() - flags);

    QStringList rules;
    for (const QWidget *w : sheet->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->height() == 1 || w->objectName().startsWith(QLatin1String("Shape")))
            rules << QStringLiteral("%1 %2,%3 %4x%5").arg(w->objectName()).arg(w->x()).arg(w->y()).arg(w->width()).arg(w->height());
    QCOMPARE(rules, kRules[page - 1]);
}

void TestEntryPages::labels_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("px");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("room");
    for (const LabelRow &l : kLabels)
        QTest::addRow("%d: %d,%d", l.page, l.x, l.y) << l.page << QString::fromUtf8(l.text) << QPoint(l.x, l.y) << l.px
                                                     << l.bold << l.room;
}

void TestEntryPages::labels()
{
    QFETCH(int, page);
    QFETCH(QString, text);
    QFETCH(QPoint, at);
    QFETCH(int, px);
    QFETCH(bool, bold);
    QFETCH(int, room);
    const QWidget *sheet = sheetOf(*built_, page);
    const QString wrong = entrycheck::checkLabel(sheet, text, at, px, bold);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    // A single line that ends before the control on its right.
    const QLabel *l = labelAt(sheet, text, at);
    if (room > 0)
        QVERIFY2(l->x() + l->width() <= room, qPrintable(QStringLiteral("ends at %1").arg(l->x() + l->width())));
}

void TestEntryPages::tabCaptionsAndTitleBlock()
{
    const QTabWidget *tabs = built_->w.pageTabs();
    const QStringList captions{"Strona 1", "Strona 2", "Strona 3", " Strona 4", " Strona 5", " Strona 6"};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(tabs->tabText(i), captions.at(i));
        QCOMPARE(tabs->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    QCOMPARE(tabs->objectName(), QStringLiteral("PageControl1"));
    QCOMPARE(tabs->geometry(), QRect(-1, 134, 993, 985));

    const QPushButton *button = built_->w.printButton();
    QVERIFY(button);
    QCOMPARE(button->objectName(), QStringLiteral("Button1"));
    QCOMPARE(button->parentWidget()->objectName(), QStringLiteral("Panel1"));
    QCOMPARE(button->geometry(), QRect(35, 64, 110, 41));
    QCOMPARE(button->text(), QStringLiteral("Drukowanie"));
    QCOMPARE(button->font().pixelSize(), 14);

    const QWidget *panel = button->parentWidget();
    QCOMPARE(panel->height(), 134);
    const QLabel *title = labelAt(panel, QStringLiteral("INFORMACJA"), {334, 52});
    QVERIFY(title);
    QCOMPARE(title->font().pixelSize(), 25);
    QVERIFY(labelAt(panel, QStringLiteral("Zeltmark"), {649, 9}));
    QVERIFY(labelAt(panel, QStringLiteral("Tarvelin"), {617, 28}));
    QVERIFY(labelAt(panel, QStringLiteral("w sprawie podatków i opłat lokalnych"), {233, 82}));
}

// Section I: five telephone numbers and five e-mail addresses, fixed.
void TestEntryPages::contactsOfPage6()
{
    const QWidget *sheet = sheetOf(*built_, 6);
    const QPoint contacts[] = {{90, 625}, {89, 646}, {90, 666}, {90, 705}, {90, 725},
                               {500, 625}, {500, 645}, {500, 665}, {500, 705}, {500, 725}};
    for (QPoint at : contacts) {
        const QLabel *found = nullptr;
        for (const QLabel *l : sheet->findChildren<QLabel *>())
            if (l->pos() == at && !l->text().isEmpty())
                found = l;
        QVERIFY2(found, qPrintable(QStringLiteral("no contact caption at %1,%2").arg(at.x()).arg(at.y())));
        QVERIFY(!found->font().bold());
    }
}

// Tab runs through the page's controls in number order from its first box,
// skipping what is hidden (the identity block) or only typed into (box
// 190); leaving the last one turns to the next page's first box (pages 2
// to 5) or goes on to the print button (pages 1 and 6), and no check
// complains on the way.
void TestEntryPages::tabOrderRunsThroughThePage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("first");
    QTest::addColumn<QList<int>>("skipped");
    QTest::addColumn<QString>("after");   // the focus after the last control
    QTest::addColumn<int>("afterPage");   // the page on show then (1 to 6)
    QTest::newRow("page 1") << 1 << 1 << QList<int>{0, 2, 3, 4} << "Button1" << 1;
    QTest::newRow("page 2") << 2 << 52 << QList<int>{} << "Edit86" << 3;
    QTest::newRow("page 3") << 3 << 86 << QList<int>{} << "Edit120" << 4;
    QTest::newRow("page 4") << 4 << 120 << QList<int>{} << "Edit181" << 5;
    QTest::newRow("page 5") << 5 << 181 << QList<int>{190} << "Edit207" << 6;
    QTest::newRow("page 6") << 6 << 207 << QList<int>{} << "Button1" << 6;
}

void TestEntryPages::tabOrderRunsThroughThePage()
{
    QFETCH(int, page);
    QFETCH(int, first);
    QFETCH(QList<int>, skipped);
    QFETCH(QString, after);
    QFETCH(int, afterPage);
    const auto f = filledWindow(page, first);
    QVERIFY(f);
    QCOMPARE(f->w.pageTabs()->currentIndex(), page - 1);
    QList<int> numbers;
    for (const ExpectedPosition &p : positionsOf(page))
        if (p.n != first && !skipped.contains(p.n))
            numbers << p.n;
    std::sort(numbers.begin(), numbers.end());
    QStringList expected;
    for (int n : numbers)
        expected << iqx::controlName(n);
    QCOMPARE(guitest::tabThrough(expected.size()), expected);
    QCOMPARE(f->w.pageTabs()->currentIndex(), page - 1);

    press(Qt::Key_Tab);
    QCOMPARE(guitest::focusName(), after);
    QCOMPARE(f->w.pageTabs()->currentIndex(), afterPage - 1);
    QCOMPARE(f->sink.texts(), QStringList());
    // The hidden identity boxes were skipped and stay hidden.
    for (int n : {0, 2, 3, 4})
        QVERIFY(f->edit(n)->isHidden());
}

void TestEntryPages::rateOverItsMaximumIsWarnedAndKept_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("7") << 1 << 7 << "0,67" << "Maksymalna stawka to 0,66 zł";
    QTest::newRow("47, a percentage") << 1 << 47 << "2,5" << "Maksymalna stawka to 2%";
    QTest::newRow("91, the agricultural tax") << 3 << 91 << "94,19" << "Maksymalna stawka to 94,18 zł";
    QTest::newRow("120, the forest tax") << 4 << 120 << "26,5" << "Maksymalna stawka to 26,49 zł";
}

void TestEntryPages::rateOverItsMaximumIsWarnedAndKept()
{
    QFETCH(int, page);
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    const auto f = filledWindow(page, n);
    QVERIFY(f);
    f->edit(n)->clear();
    QTest::keyClicks(f->edit(n), typed);
    QCOMPARE(press(Qt::Key_Tab), f->edit(n + 1));
    QCOMPARE(f->sink.texts(), QStringList{message});
    QCOMPARE(f->edit(n)->text(), typed);
}

// Any way of leaving the last box of pages 3 to 5 turns the page, even when
// its value is refused.
void TestEntryPages::leavingTheLastBoxTurnsThePage_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("messages");
    const QStringList tooManyDecimals{"Za duzo miejsc po przecinku"};
    QTest::newRow("119, Enter") << 3 << 119 << "1250,5" << "enter" << QStringList{};
    QTest::newRow("119, Shift+Tab") << 3 << 119 << "1250,5" << "backtab" << QStringList{};
    QTest::newRow("119, a click into another box") << 3 << 119 << "300" << "click" << QStringList{};
    QTest::newRow("119, refused value") << 3 << 119 << "1,2345" << "tab" << tooManyDecimals;
    QTest::newRow("180, refused value") << 4 << 180 << "1,2345" << "tab" << tooManyDecimals;
    QTest::newRow("206, refused value") << 5 << 206 << "12,3456" << "tab" << tooManyDecimals;
}

void TestEntryPages::leavingTheLastBoxTurnsThePage()
{
    QFETCH(int, page);
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QStringList, messages);
    const auto f = filledWindow(page, n);
    QVERIFY(f);
    f->edit(n)->clear();
    QTest::keyClicks(f->edit(n), typed);
    if (how == QLatin1String("click")) { // into box 100, higher on the page
        QTest::mouseClick(f->edit(100), Qt::LeftButton);
        guitest::settle();
    } else {
        press(how == QLatin1String("enter") ? Qt::Key_Return : how == QLatin1String("tab") ? Qt::Key_Tab
                                                                                           : Qt::Key_Backtab);
    }
    QCOMPARE(f->sink.texts(), messages);
    QCOMPARE(f->edit(n)->text(), typed);
    QCOMPARE(f->w.pageTabs()->currentIndex(), page);
    QCOMPARE(QApplication::focusWidget(), f->edit(n + 1));
}

// A free-text box takes any text but ';', which separates the fields of the
// data file and has no escape there; Enter does not move on, and no check
// runs on it.
void TestEntryPages::freeTextTakesAnyTextButTheSeparator_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("click"); // reached with the mouse, else given the focus
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("190") << 5 << 190 << true << "Baza: SQL-Łódź; wer. 8,1 (źródło)" << "Baza: SQL-Łódź wer. 8,1 (źródło)";
    for (int n : {221, 222})
        QTest::addRow("%d", n) << 6 << n << false << "Żaneta Gęś; tel. (0-84) 681-22-15, zaneta@gmina.pl!"
                               << "Żaneta Gęś tel. (0-84) 681-22-15, zaneta@gmina.pl!";
}

void TestEntryPages::freeTextTakesAnyTextButTheSeparator()
{
    QFETCH(int, page);
    QFETCH(int, n);
    QFETCH(bool, click);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    guitest::Window f;
    QVERIFY(f.show());
    QVERIFY(f.focus(f.edit(positionsOf(page).first().n)));
    if (click) {
        QTest::mouseClick(f.edit(n), Qt::LeftButton);
        guitest::settle();
    } else {
        QVERIFY(f.focus(f.edit(n)));
    }
    QCOMPARE(QApplication::focusWidget(), f.edit(n));
    guitest::type(f.edit(n), typed);
    QCOMPARE(f.edit(n)->text(), kept);
    QCOMPARE(press(Qt::Key_Return), f.edit(n));
    QCOMPARE(f.w.pageTabs()->currentIndex(), page - 1);
    QCOMPARE(f.sink.texts(), QStringList());
}

// Page 1: the identifier found in the register fills the four header labels.
void TestEntryPages::identifierFillsTheHeaderLabels()
{
    const auto f = filledWindow(1, 1);
    QVERIFY(f);
    const QWidget *sheet = sheetOf(*f, 1);
    const QStringList headers{"TypGmi", "NazGmi", "NazPow", "NazWoj"};
    QList<const QLabel *> labels;
    for (const QString &name : headers) {
        const QLabel *l = sheet->findChild<QLabel *>(name);
        QVERIFY2(l, qPrintable(name));
        QCOMPARE(l->text(), QString());
        labels << l;
    }
    QCOMPARE(labels.at(0)->pos(), QPoint(198, 65));
    QCOMPARE(labels.at(3)->pos(), QPoint(198, 172));

    QCOMPARE(press(Qt::Key_Tab), f->edit(5));
    QCOMPARE(f->sink.texts(), QStringList());
    const QStringList expected{"miejska", "Bolesławiec", "bolesławiecki", "dolnośląskie"};
    const int boxes[] = {0, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(f->edit(boxes[i])->text(), expected.at(i));
        QCOMPARE(labels.at(i)->text(), expected.at(i));
        QVERIFY(labels.at(i)->width() > 0);
    }
}

// Page 1: the total of the planned revenue is checked against its column.
void TestEntryPages::sumOfPlannedRevenue_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("correct") << "45" << QStringList{};
    QTest::newRow("off by a thousandth: warned, accepted")
        << "45,001" << QStringList{"Niepoprawna wartość w polu 50 (błąd sumowania)"};
}

void TestEntryPages::sumOfPlannedRevenue()
{
    QFETCH(QString, total);
    QFETCH(QStringList, messages);
    const auto f = filledWindow(1, 50);
    QVERIFY(f);
    // 1 to 9 in the planned revenue of the nine property rows.
    const QList<int> planned{8, 13, 18, 23, 28, 33, 38, 43, 48};
    for (int i = 0; i < planned.size(); ++i)
        f->edit(planned.at(i))->setText(QString::number(i + 1));
    f->edit(50)->clear();
    QTest::keyClicks(f->edit(50), total);
    QCOMPARE(press(Qt::Key_Tab), f->edit(51));
    QCOMPARE(f->sink.texts(), messages);
    QCOMPARE(f->edit(50)->text(), total);
}

// Page 2: the file of the whole window holds position n in field n of all
// 223 (the names sort by number, not alphabetically), answers as 1/0.
void TestEntryPages::answersAreSavedAsOneAndZero()
{
    guitest::Window f;
    const QList<int> ticked{52, 57, 61, 79, 84, 85};
    for (const ExpectedPosition &p : positionsOf(2)) {
        if (p.flag)
            f.checkBox(p.n)->setChecked(ticked.contains(p.n));
        else
            f.edit(p.n)->setText(p.n == 70 ? QStringLiteral("2,125") : QString());
    }
    QVERIFY(f.w.saveDocument());

    // No identifier: the file is "InfoQX.iqx"; positions 0 to 51 are empty,
    // so field n is position n.
    const QList<QByteArray> fields = f.dir.read(QStringLiteral("InfoQX.iqx")).split(';');
    QCOMPARE(fields.size(), 224); // 223 fields, each followed by ';'
    for (const ExpectedPosition &p : positionsOf(2)) {
        const QByteArray expected = p.flag ? (ticked.contains(p.n) ? "1" : "0") : (p.n == 70 ? "2,125" : "");
        QVERIFY2(fields[p.n] == expected, qPrintable(QStringLiteral("field %1 is \"%2\"")
                                                         .arg(p.n)
                                                         .arg(QString::fromLatin1(fields[p.n]))));
    }

    // Read back by a new window: "0" clears a box, "1" ticks it.
    iqx::MainWindow again(f.folder());
    QVERIFY(again.runFirstActivation());
    for (const ExpectedPosition &p : positionsOf(2))
        if (p.flag)
            QVERIFY2(again.checkBox(p.n)->isChecked() == ticked.contains(p.n), qPrintable(controlName(p)));
    QCOMPARE(again.textBox(70)->text(), QStringLiteral("2,125"));
}

// Page 4: Enter moves on from a text box of the E.2 grid; a check box has no
// key filter, so Enter neither moves on nor ticks it.
void TestEntryPages::enterMovesOnFromTextBoxesOnly()
{
    const auto f = filledWindow(4, 128);
    QVERIFY(f);
    QCOMPARE(press(Qt::Key_Return), f->checkBox(129));
    QCOMPARE(press(Qt::Key_Return), f->checkBox(129));
    QVERIFY(!f->checkBox(129)->isChecked());
    QCOMPARE(f->sink.texts(), QStringList());
}

QTEST_MAIN(TestEntryPages)
#include "tst_entrypages.moc"
// clang-format on
