// Entry page 3 as built in the main window: every box of positions 86 to 119
// with its place, key filter, exit handler and number label, the headings,
// the tab order through the page, the turn to page 4 however box 119 is
// left, and the statutory maximum of the agricultural tax rate.
#include "support/entrycheck.h"
#include "support/guitest.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include <limits>

#include <memory>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using entrycheck::ExpectedPosition;

namespace {

constexpr const char *kDec = "TylkoLiczbyKeyPress";
constexpr const char *kInt = "TylkoIntKeyPress";
constexpr const char *kVal = "ValFloat";

// Positions of entry page 3 in reading order: box, key filter, exit handler
// and number label.
const ExpectedPosition kPositions[] = {
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

using guitest::press;

} // namespace

class TestEntryPage3 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { f_.reset(); }

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void headingsAndUnits_data();
    void headingsAndUnits();

    void tabOrderRunsThroughThePageAndTurnsIt();
    void rateOverItsMaximumIsWarnedAndKept();
    void leavingTheLastBoxTurnsThePage_data();
    void leavingTheLastBoxTurnsThePage();

private:
    QWidget *sheet() const { return f_->w.findChild<QWidget *>(QStringLiteral("TabSheet3")); }
    QLineEdit *edit(int n) const { return f_->edit(n); }
    bool showWithFocusIn(int n);

    std::unique_ptr<guitest::Window> f_;
};

void TestEntryPage3::init()
{
    f_ = std::make_unique<guitest::Window>();
    QVERIFY(sheet());
}

// Fills every box of the page with a value that passes its exit check (the
// rate below its maximum), shows the window and puts the focus into box `n`.
bool TestEntryPage3::showWithFocusIn(int n)
{
    for (int m = 86; m <= 119; ++m)
        edit(m)->setText(m == 91 ? QStringLiteral("85,5") : QString::number(m - 80));
    return f_->show() && f_->focus(edit(n));
}

void TestEntryPage3::positions_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kPositions)); ++i)
        QTest::addRow("%d", kPositions[i].n) << i;
}

void TestEntryPage3::positions()
{
    QFETCH(int, index);
    const ExpectedPosition &p = kPositions[index];
    const QString wrong = entrycheck::checkPosition(sheet(), p);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    // Every box takes the page font; none is hidden or limited in length.
    const QLineEdit *e = edit(p.n);
    QCOMPARE(e->font().pixelSize(), 15);
    QVERIFY(!e->isHidden());
    QCOMPARE(e->maxLength(), std::numeric_limits<int>::max());
}

void TestEntryPage3::pageHoldsExactlyItsPositions()
{
    QCOMPARE(entrycheck::positionCount(sheet()), int(std::size(kPositions)));
    // The two rules, the upper one starting left of the page.
    const QWidget *upper = sheet()->findChild<QWidget *>(QStringLiteral("Shape12"));
    const QWidget *lower = sheet()->findChild<QWidget *>(QStringLiteral("Shape14"));
    QVERIFY(upper && lower);
    QCOMPARE(upper->geometry(), QRect(-15, 201, 920, 1));
    QCOMPARE(lower->geometry(), QRect(-28, 936, 923, 1));
}

void TestEntryPage3::headingsAndUnits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("px");
    QTest::addColumn<bool>("bold");
    const struct { const char *text; QPoint at; int px; bool bold; } labels[] = {
        {"B.5. Utracone dochody z tytułu zwolnień w podatku od nieruchomości na mocy uchwały rady gminy w 2005 r.",
         {16, 16}, 15, true},
        {"zł", {912, 25}, 15, false},
        {"B.6. Względy techniczne (art. 1a ust. 1 pkt 3 ustawy o podatkach i opłatach lokalnych) w 2005r.",
         {16, 46}, 15, true},
        {"Liczba przedsiębiorców korzystających w 2005r. z preferencyjnego opodatkowania nieruchomości ogółem, w  tym:",
         {21, 76}, 15, false},
        {"w odniesieniu do budynków  ", {90, 106}, 15, false},
        {"C. PODATEK ROLNY  ", {16, 206}, 17, true},
        {"C.1. Stawka podatku obowiązująca na terenie gminy dla gospodarstw rolnych w 2005 r", {16, 226}, 15, true},
        {"C.2. Powierzchnia użytków rolnych podlegających opodatkowaniu podatkiem rolnym ", {16, 256}, 15, true},
        {"[ ha przeliczeniowe ]", {552, 306}, 15, false},
        {"Użytki rolne niestanowiące ", {698, 276}, 15, false},
        {"bonitacyjną", {21, 465}, 15, false},
        {"klasy bonitacyjnej", {21, 510}, 15, false},
        {"C.3. Zwolnienia ustawowe w podatku rolnym w 2005r.", {16, 580}, 15, true},
        {"Powierzchnia [ ha ]", {717, 600}, 15, false},
        {"Art. 12. ust. 1 pkt 12 ", {21, 658}, 15, false},
        {" [zł]", {770, 776}, 15, false},
        {"C.4. Utracone dochody z tytułu ustawowych ulg w podatku rolnym w 2005r.", {16, 778}, 15, true},
        {"ŻOŁNIERSKIEJ - Art. 13a ust. 1 i 2", {90, 830}, 15, false},
        {"C.5. Utracone dochody z tytułu zwolnień i ulg w podatku rolnym na mocy uchwały rady gminy w 2005r.",
         {16, 890}, 15, true},
    };
    for (const auto &l : labels)
        QTest::addRow("%d,%d", l.at.x(), l.at.y()) << QString::fromUtf8(l.text) << l.at << l.px << l.bold;
}

void TestEntryPage3::headingsAndUnits()
{
    QFETCH(QString, text);
    QFETCH(QPoint, at);
    QFETCH(int, px);
    QFETCH(bool, bold);
    const QString wrong = entrycheck::checkLabel(sheet(), text, at, px, bold);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestEntryPage3::tabOrderRunsThroughThePageAndTurnsIt()
{
    QVERIFY(showWithFocusIn(86));
    QStringList expected;
    for (const ExpectedPosition &p : kPositions)
        expected << iqx::editName(p.n);
    expected.removeFirst();
    QCOMPARE(guitest::tabThrough(expected.size()), expected);
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 2);

    // Leaving the last box turns to page 4, into its first box.
    QCOMPARE(press(Qt::Key_Tab), edit(120));
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 3);
    QCOMPARE(f_->sink.texts(), QStringList());
}

void TestEntryPage3::rateOverItsMaximumIsWarnedAndKept()
{
    QVERIFY(showWithFocusIn(91));
    edit(91)->clear();
    QTest::keyClicks(edit(91), QStringLiteral("94,19"));
    QCOMPARE(press(Qt::Key_Tab), edit(92));
    QCOMPARE(f_->sink.texts(), QStringList{QStringLiteral("Maksymalna stawka to 94,18 zł")});
    QCOMPARE(edit(91)->text(), QStringLiteral("94,19"));
}

// Any way of leaving the box turns the page, even when its value is refused.
void TestEntryPage3::leavingTheLastBoxTurnsThePage_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Enter") << "1250,5" << "enter" << QStringList{};
    QTest::newRow("Shift+Tab") << "1250,5" << "backtab" << QStringList{};
    QTest::newRow("a click into another box") << "300" << "click" << QStringList{};
    QTest::newRow("refused value") << "1,2345" << "tab" << QStringList{"Za duzo miejsc po przecinku"};
}

void TestEntryPage3::leavingTheLastBoxTurnsThePage()
{
    QFETCH(QString, typed);
    QFETCH(QString, how);
    QFETCH(QStringList, messages);

    QVERIFY(showWithFocusIn(119));
    edit(119)->clear();
    QTest::keyClicks(edit(119), typed);
    if (how == QLatin1String("click")) {
        QTest::mouseClick(edit(100), Qt::LeftButton);
        guitest::settle();
    } else {
        press(how == QLatin1String("enter") ? Qt::Key_Return : how == QLatin1String("tab") ? Qt::Key_Tab
                                                                                           : Qt::Key_Backtab);
    }
    QCOMPARE(f_->sink.texts(), messages);
    QCOMPARE(edit(119)->text(), typed);
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 3);
    QCOMPARE(QApplication::focusWidget(), edit(120));
}

QTEST_MAIN(TestEntryPage3)
#include "tst_entrypage3.moc"
// clang-format on
