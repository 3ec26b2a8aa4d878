// Entry page 6 as built in the main window: every position with its place,
// key filter, exit handler and number label, the headings, section I's fixed
// contacts and the two rules, the tab order from 207 to the print button,
// and the free-text boxes 221 and 222.
#include "support/entrycheck.h"
#include "support/guitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include <limits>

#include <memory>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using entrycheck::controlName;
using entrycheck::ExpectedPosition;

namespace {

constexpr const char *kDecimal = "TylkoLiczbyKeyPress";
constexpr const char *kWhole = "TylkoIntKeyPress";

// Positions 207 to 222 in tab order.
const ExpectedPosition kPositions[] = {
    {207, false, {764, 35, 105, 24}, kDecimal, "ValFloat", "207.", {738, 35}},
    {208, false, {764, 65, 105, 24}, kWhole, "ValFloat", "208.", {738, 65}},
    {209, false, {396, 150, 105, 24}, kDecimal, "ValFloat", "209.", {370, 150}},
    {210, false, {700, 150, 105, 24}, kDecimal, "ValFloat", "210.", {674, 150}},
    {211, false, {396, 180, 105, 24}, kWhole, "ValFloat", "211.", {370, 180}},
    {212, false, {700, 180, 105, 24}, kWhole, "ValFloat", "212.", {674, 180}},
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

using guitest::press;

} // namespace

class TestEntryPage6 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { f_.reset(); }

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void captions_data();
    void captions();
    void contactsAndRules();

    void tabOrderRunsThroughThePage();
    void freeTextTakesAnyTextButTheSeparator();

private:
    QWidget *sheet() const { return f_->w.findChild<QWidget *>(QStringLiteral("TabSheet6")); }
    QLineEdit *edit(int n) const { return sheet()->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(n)); }

    std::unique_ptr<guitest::Window> f_;
};

void TestEntryPage6::init()
{
    f_ = std::make_unique<guitest::Window>();
    QVERIFY(sheet());
}

void TestEntryPage6::positions_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kPositions)); ++i)
        QTest::addRow("%d", kPositions[i].n) << i;
}

void TestEntryPage6::positions()
{
    QFETCH(int, index);
    const ExpectedPosition &p = kPositions[index];
    const QString wrong = entrycheck::checkPosition(sheet(), p);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    const QWidget *w = sheet()->findChild<QWidget *>(controlName(p));
    QCOMPARE(w->font().pixelSize(), 15);
    QVERIFY(!w->font().bold());
    if (const auto *e = qobject_cast<const QLineEdit *>(w))
        QCOMPARE(e->maxLength(), std::numeric_limits<int>::max()); // no box of the page limits its text
}

void TestEntryPage6::pageHoldsExactlyItsPositions()
{
    QCOMPARE(entrycheck::positionCount(sheet()), int(std::size(kPositions)));
    QCOMPARE(f_->w.pageTabs()->indexOf(sheet()), 5);
    QCOMPARE(f_->w.pageTabs()->tabText(5), QStringLiteral(" Strona 6"));
}

void TestEntryPage6::captions_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("px");
    QTest::addColumn<bool>("bold");
    const struct { int x, y; const char *text; int px; bool bold; } captions[] = {
        {16, 16, "H.2. Koszty ściągnięcia nieuiszczonej opłaty skarbowej od podań w 2004r.", 15, true},
        {21, 65, "Liczba przeprowadzonych postępowań w 2004r.", 15, false},
        {872, 40, "zł", 15, false},
        {640, 120, "Umowy zawarte przez urzędy skarbowe", 15, false},
        {504, 156, "%", 15, false},
        {808, 156, "%", 15, false},
        {21, 280, "Brak podmiotów chętnych do prowadzenia punktów", 15, false},
        {16, 340, "H.5. Kontrola przekazywania przez oddziały banku PKO BP S.A. s.a. należności za sprzedane "
                  "znaki wartościowe", 15, true},
        {384, 381, " podanym zakresie", 15, false},
        {21, 405, "Prawidłowości wyliczania należności", 15, false},
        {16, 468, "H.6. Czy przy założeniu, że zniesiona zostanie możliwość zapłaty opłaty skarbowej znakami "
                  "tej opłaty, ", 15, true},
        {21, 528, "czynności urzędowych lub wydawanych zaświadczeń i zezwoleń (pozwoleń, koncesji)", 15, true},
        {16, 576, "I. KONTAKT Z OSOBAMI UDZIELAJĄCYMI WYJAŚNIEŃ", 17, true},
        {500, 605, "Adres  e-mail:", 15, false},
        {90, 685, "PYTANIA DOTYCZĄCE OPŁATY SKARBOWEJ (CZĘŚĆ H)", 15, false},
        {16, 776, "J. KONTAKT Z OSOBĄ WYPEŁNIAJĄCĄ ANKIETĘ", 17, true},
        {90, 806, "numer telefonu (wraz z numerem  kierunkowym):", 15, false},
        {500, 806, "adres e-mail:", 15, false},
    };
    for (const auto &c : captions)
        QTest::addRow("%d,%d", c.x, c.y) << QString::fromUtf8(c.text) << QPoint(c.x, c.y) << c.px << c.bold;
}

void TestEntryPage6::captions()
{
    QFETCH(QString, text);
    QFETCH(QPoint, at);
    QFETCH(int, px);
    QFETCH(bool, bold);
    const QString wrong = entrycheck::checkLabel(sheet(), text, at, px, bold);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestEntryPage6::contactsAndRules()
{
    // Section I: five telephone numbers and five e-mail addresses, fixed.
    const QPoint contacts[] = {{90, 625}, {89, 646}, {90, 666}, {90, 705}, {90, 725},
                               {500, 625}, {500, 645}, {500, 665}, {500, 705}, {500, 725}};
    for (QPoint at : contacts) {
        const QLabel *found = nullptr;
        for (const QLabel *l : sheet()->findChildren<QLabel *>())
            if (l->pos() == at && !l->text().isEmpty())
                found = l;
        QVERIFY2(found, qPrintable(QStringLiteral("no contact caption at %1,%2").arg(at.x()).arg(at.y())));
        QVERIFY(!found->font().bold());
    }
    // The rules above sections I and J.
    QList<QRect> rules;
    for (const QWidget *w : sheet()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->height() == 1)
            rules << w->geometry();
    QCOMPARE(rules, (QList<QRect>{{-7, 560, 920, 1}, {1, 760, 920, 1}}));
}

void TestEntryPage6::tabOrderRunsThroughThePage()
{
    edit(207)->setText(QStringLiteral("85,50"));
    edit(208)->setText(QStringLiteral("12"));
    edit(209)->setText(QStringLiteral("6,5"));
    edit(210)->setText(QStringLiteral("5"));
    edit(211)->setText(QStringLiteral("4"));
    edit(212)->setText(QStringLiteral("17"));
    edit(221)->setText(QStringLiteral("(0-84) 681-22-15"));
    QVERIFY(f_->show());
    QVERIFY(f_->focus(edit(207)));

    QStringList expected;
    for (int i = 1; i < int(std::size(kPositions)); ++i)
        expected << controlName(kPositions[i]);
    QCOMPARE(guitest::tabThrough(expected.size()), expected);

    // Leaving the last box runs nothing and does not turn the page: the
    // focus goes on to the print button, next in the window's tab order.
    QCOMPARE(press(Qt::Key_Tab), f_->w.printButton());
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 5);
    QCOMPARE(f_->sink.texts(), QStringList());
}

void TestEntryPage6::freeTextTakesAnyTextButTheSeparator()
{
    QVERIFY(f_->show());
    for (int n : {221, 222}) {
        QVERIFY(f_->focus(edit(n)));
        // ';' separates the fields of the data file and has no escape there.
        guitest::type(edit(n), QStringLiteral("Żaneta Gęś; tel. (0-84) 681-22-15, zaneta@gmina.pl!"));
        QCOMPARE(edit(n)->text(), QStringLiteral("Żaneta Gęś tel. (0-84) 681-22-15, zaneta@gmina.pl!"));
        // Enter does not move on, and no check runs on these boxes.
        QCOMPARE(press(Qt::Key_Return), edit(n));
    }
    QCOMPARE(f_->sink.texts(), QStringList());
}

QTEST_MAIN(TestEntryPage6)
#include "tst_entrypage6.moc"
// clang-format on
