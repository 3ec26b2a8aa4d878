// Entry page 1 as built in the main window: every box of positions 0 to 51
// with its place, key filter and exit handler, the number labels, the tab
// captions and title block, the tab order, and the rules tied to this page:
// the header labels of the identifier, the rate maxima, the sum of column 4.
#include "support/entrycheck.h"
#include "support/guitest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <limits>

#include <memory>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using entrycheck::ExpectedPosition;

namespace {

// Positions of entry page 1 in reading order: box geometry, key filter, exit
// handler and number label (none for the identifier).
const ExpectedPosition kPositions[] = {
    {1, false, {205, 22, 124, 32}, "TylkoInt2KeyPress", "CheckIdGminy", nullptr, {}},
    {0, false, {620, 57, 52, 32}, "", "", "1.", {1, 60}},
    {2, false, {620, 91, 28, 32}, "", "", "2.", {1, 90}},
    {3, false, {620, 126, 30, 32}, "", "", "3.", {1, 127}},
    {4, false, {620, 169, 32, 32}, "", "", "4.", {2, 166}},
    {5, false, {337, 355, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat", "  5.", {318, 355}},
    {6, false, {482, 355, 100, 24}, "TylkoIntKeyPress", "ValFloat", "  6.", {464, 355}},
    {7, false, {612, 355, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "  7.", {592, 355}},
    {8, false, {742, 355, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", " 8.", {725, 355}},
    {9, false, {869, 355, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "  9.", {850, 355}},
    {10, false, {337, 410, 90, 24}, "TylkoLiczbyKeyPress", "ValFloat", "10.", {318, 410}},
    {11, false, {482, 410, 100, 24}, "TylkoIntKeyPress", "ValFloat", "11.", {464, 410}},
    {12, false, {612, 410, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "12.", {592, 410}},
    {13, false, {742, 408, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "13.", {725, 407}},
    {14, false, {869, 408, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "14.", {850, 407}},
    {15, false, {337, 450, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat", "15.", {318, 450}},
    {16, false, {482, 450, 100, 24}, "TylkoIntKeyPress", "ValFloat", "16.", {464, 450}},
    {17, false, {612, 450, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "17.", {592, 450}},
    {18, false, {742, 450, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "18.", {725, 450}},
    {19, false, {869, 450, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "19.", {850, 450}},
    {20, false, {337, 520, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat", "20.", {318, 520}},
    {21, false, {482, 520, 100, 24}, "TylkoIntKeyPress", "ValFloat", "21.", {464, 520}},
    {22, false, {612, 520, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "22.", {592, 520}},
    {23, false, {742, 520, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "23.", {725, 520}},
    {24, false, {869, 520, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "24.", {850, 520}},
    {25, false, {337, 555, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat", "25.", {318, 555}},
    {26, false, {482, 555, 100, 24}, "TylkoIntKeyPress", "ValFloat", "26.", {464, 555}},
    {27, false, {612, 555, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "27.", {592, 555}},
    {28, false, {742, 555, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "28.", {725, 555}},
    {29, false, {869, 555, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "29.", {850, 555}},
    {30, false, {337, 625, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat", "30.", {318, 625}},
    {31, false, {482, 625, 100, 24}, "TylkoIntKeyPress", "ValFloat", "31.", {464, 625}},
    {32, false, {612, 625, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "32.", {592, 625}},
    {33, false, {742, 625, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "33.", {725, 625}},
    {34, false, {869, 625, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "34.", {850, 625}},
    {35, false, {337, 680, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat", "35.", {318, 680}},
    {36, false, {482, 680, 100, 24}, "TylkoIntKeyPress", "ValFloat", "36.", {464, 680}},
    {37, false, {612, 680, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "37.", {592, 680}},
    {38, false, {742, 680, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "38.", {725, 680}},
    {39, false, {869, 680, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "39.", {850, 680}},
    {40, false, {337, 730, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat", "40.", {318, 730}},
    {41, false, {482, 730, 100, 24}, "TylkoIntKeyPress", "ValFloat", "41.", {464, 730}},
    {42, false, {612, 730, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "42.", {592, 730}},
    {43, false, {742, 730, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "43.", {725, 730}},
    {44, false, {869, 730, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "44.", {850, 730}},
    {45, false, {337, 800, 90, 24}, "TylkoLiczbyKeyPress", "ValFloat", "45.", {318, 800}},
    {46, false, {482, 800, 100, 24}, "TylkoIntKeyPress", "ValFloat", "46.", {464, 800}},
    {47, false, {612, 800, 85, 24}, "TylkoLiczbyKeyPress", "ValFloat", "47.", {592, 800}},
    {48, false, {742, 800, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "48.", {725, 800}},
    {49, false, {869, 800, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat", "49.", {850, 800}},
    {50, false, {742, 835, 100, 24}, "TylkoLiczbyKeyPress", "Exit50_CheckSum", "50.", {725, 835}},
    {51, false, {869, 835, 100, 24}, "TylkoLiczbyKeyPress", "Exit51_CheckSum", "51.", {850, 835}},
};

const QList<int> kRates{7, 12, 17, 22, 27, 32, 37, 42, 47};
const QList<int> kPlanned{8, 13, 18, 23, 28, 33, 38, 43, 48};

using entrycheck::labelAt;
using iqx::editName;
using guitest::press;

} // namespace

class TestEntryPage1 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { f_.reset(); }

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void unitLabelsAndRule();
    void tabCaptionsAndTitleBlock();

    void tabOrderRunsThroughThePage();
    void identifierFillsTheHeaderLabels();
    void rateOverItsMaximumIsWarnedAndKept_data();
    void rateOverItsMaximumIsWarnedAndKept();
    void sumOfPlannedRevenue_data();
    void sumOfPlannedRevenue();

private:
    QLineEdit *edit(int n) const { return sheet()->findChild<QLineEdit *>(editName(n)); }
    QWidget *sheet() const { return f_->w.findChild<QWidget *>(QStringLiteral("TabSheet1")); }
    bool showAndFocus(QWidget *box);

    std::unique_ptr<guitest::Window> f_;
};

void TestEntryPage1::init()
{
    f_ = std::make_unique<guitest::Window>();
    QVERIFY(sheet());
}

// Fills every box of the page with a value that passes its exit check (an
// identifier of the register, rates below their maxima, correct totals),
// shows the window and puts the focus into `box`.
bool TestEntryPage1::showAndFocus(QWidget *box)
{
    edit(1)->setText(QStringLiteral("0201011"));
    for (int n = 5; n <= 49; ++n)
        edit(n)->setText(kRates.contains(n) ? QStringLiteral("0,1") : QStringLiteral("1"));
    edit(50)->setText(QStringLiteral("9"));
    edit(51)->setText(QStringLiteral("9"));
    return f_->show() && f_->focus(box);
}

void TestEntryPage1::positions_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kPositions)); ++i)
        QTest::addRow("%d", kPositions[i].n) << i;
}

void TestEntryPage1::positions()
{
    QFETCH(int, index);
    const ExpectedPosition &p = kPositions[index];
    const QString wrong = entrycheck::checkPosition(sheet(), p);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));

    const QLineEdit *e = edit(p.n);
    QCOMPARE(e->parentWidget(), sheet());
    const bool identity = p.n == 0 || (p.n >= 2 && p.n <= 4);
    QCOMPARE(e->isHidden(), identity);
    QCOMPARE(e->isEnabled(), !identity);
    QCOMPARE(e->maxLength(), p.n == 1 ? 7 : std::numeric_limits<int>::max());
    QCOMPARE(e->font().pixelSize(), p.n <= 4 ? 18 : 15);
    QCOMPARE(e->font().bold(), p.n <= 4);
    if (!p.number)
        return;
    // "1." to "12." are in the small font, the rest in the page font.
    const QLabel *label = labelAt(sheet(), QString::fromUtf8(p.number), p.numberAt);
    QCOMPARE(label->font().pixelSize(), p.n <= 12 ? 7 : 15);
    QCOMPARE(label->autoFillBackground(), p.n == 0); // "1." is drawn on silver
}

void TestEntryPage1::pageHoldsExactlyItsPositions()
{
    // Each position is one box; no box of another page strays onto page 1.
    QStringList names;
    for (const QLineEdit *e : sheet()->findChildren<QLineEdit *>())
        names << e->objectName();
    names.sort();
    QStringList expected;
    for (int n = 0; n <= 51; ++n)
        expected << editName(n);
    expected.sort();
    QCOMPARE(names, expected);
    QVERIFY(sheet()->findChildren<QCheckBox *>().isEmpty());
}

void TestEntryPage1::unitLabelsAndRule()
{
    // The three boxes narrowed for a unit on their right.
    QVERIFY(labelAt(sheet(), QStringLiteral("ha"), {430, 418}));
    QVERIFY(labelAt(sheet(), QStringLiteral("zł"), {430, 812}));
    QVERIFY(labelAt(sheet(), QStringLiteral("%"), {700, 810}));
    QVERIFY(labelAt(sheet(), QStringLiteral("Ogółem"), {16, 835}));
    QVERIFY(labelAt(sheet(), QStringLiteral("w 2005r.  [ zł ]"), {618, 331}));
    const QLabel *title = labelAt(sheet(), QStringLiteral("Identyfikator gminy :"), {15, 30});
    QVERIFY(title);
    QCOMPARE(title->font().pixelSize(), 18);
    QVERIFY(title->font().bold());

    const QWidget *rule = sheet()->findChild<QWidget *>(QStringLiteral("Shape1"));
    QVERIFY(rule);
    QCOMPARE(rule->geometry(), QRect(10, 214, 911, 1));
}

void TestEntryPage1::tabCaptionsAndTitleBlock()
{
    const QTabWidget *tabs = f_->w.pageTabs();
    const QStringList captions{"Strona 1", "Strona 2", "Strona 3", " Strona 4", " Strona 5", " Strona 6"};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(tabs->tabText(i), captions.at(i));
        QCOMPARE(tabs->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    QCOMPARE(tabs->objectName(), QStringLiteral("PageControl1"));
    QCOMPARE(tabs->geometry(), QRect(-1, 134, 993, 985));

    const QPushButton *button = f_->w.printButton();
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

void TestEntryPage1::tabOrderRunsThroughThePage()
{
    QVERIFY(showAndFocus(edit(1)));
    QStringList expected;
    for (int n = 5; n <= 51; ++n)
        expected << editName(n);
    expected << QStringLiteral("Button1");
    QCOMPARE(guitest::tabThrough(expected.size()), expected);
    QCOMPARE(f_->sink.texts(), QStringList());
    // The hidden identity boxes were skipped and stay hidden.
    for (int n : {0, 2, 3, 4})
        QVERIFY(edit(n)->isHidden());
}

void TestEntryPage1::identifierFillsTheHeaderLabels()
{
    QVERIFY(showAndFocus(edit(1)));
    const QStringList headers{"TypGmi", "NazGmi", "NazPow", "NazWoj"};
    QList<const QLabel *> labels;
    for (const QString &name : headers) {
        const QLabel *l = sheet()->findChild<QLabel *>(name);
        QVERIFY2(l, qPrintable(name));
        QCOMPARE(l->text(), QString());
        labels << l;
    }
    QCOMPARE(labels.at(0)->pos(), QPoint(198, 65));
    QCOMPARE(labels.at(3)->pos(), QPoint(198, 172));

    QCOMPARE(press(Qt::Key_Tab), edit(5));
    QCOMPARE(f_->sink.texts(), QStringList());
    const QStringList expected{"miejska", "Bolesławiec", "bolesławiecki", "dolnośląskie"};
    const int boxes[] = {0, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(edit(boxes[i])->text(), expected.at(i));
        QCOMPARE(labels.at(i)->text(), expected.at(i));
        QVERIFY(labels.at(i)->width() > 0);
    }
}

void TestEntryPage1::rateOverItsMaximumIsWarnedAndKept_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("7") << 7 << "0,67" << "Maksymalna stawka to 0,66 zł";
    QTest::newRow("47, a percentage") << 47 << "2,5" << "Maksymalna stawka to 2%";
}

void TestEntryPage1::rateOverItsMaximumIsWarnedAndKept()
{
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QVERIFY(showAndFocus(edit(n)));
    edit(n)->clear();
    QTest::keyClicks(edit(n), typed);
    QCOMPARE(press(Qt::Key_Tab), edit(n + 1));
    QCOMPARE(f_->sink.texts(), QStringList{message});
    QCOMPARE(edit(n)->text(), typed);
}

void TestEntryPage1::sumOfPlannedRevenue_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("correct") << "45" << QStringList{};
    QTest::newRow("off by a thousandth: warned, accepted")
        << "45,001" << QStringList{"Niepoprawna wartość w polu 50 (błąd sumowania)"};
}

void TestEntryPage1::sumOfPlannedRevenue()
{
    QFETCH(QString, total);
    QFETCH(QStringList, messages);

    QVERIFY(showAndFocus(edit(50)));
    // 1 to 9 in the planned revenue of the nine property rows.
    for (int i = 0; i < kPlanned.size(); ++i)
        edit(kPlanned.at(i))->setText(QString::number(i + 1));
    edit(50)->clear();
    QTest::keyClicks(edit(50), total);
    QCOMPARE(press(Qt::Key_Tab), edit(51));
    QCOMPARE(f_->sink.texts(), messages);
    QCOMPARE(edit(50)->text(), total);
}

QTEST_MAIN(TestEntryPage1)
#include "tst_entrypage1.moc"
// clang-format on
