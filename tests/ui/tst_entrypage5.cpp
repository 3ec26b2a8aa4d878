// Entry page 5 as built in the main window: every position with its place,
// key filter, exit handler and number label, the headings and rules, the
// tab order that skips the free-text box 190, the turn to page 6 after
// position 206, also after a refusal, and the free-text box.
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

constexpr const char *kInt = "TylkoIntKeyPress";
constexpr const char *kDec = "TylkoLiczbyKeyPress";

ExpectedPosition year(int n, int y) { return {n, false, {764, y, 105, 24}, kInt, "ValFloat", nullptr, {738, y}}; }
ExpectedPosition flag(int n, int y) { return {n, true, {764, y, 60, 17}, "", "", nullptr, {738, y}}; }
ExpectedPosition amount(int n, int x, int y, const char *exit = "ValFloat")
{
    return {n, false, {x, y, 105, 24}, kDec, exit, nullptr, {x - 26, y}};
}

// Positions 181 to 206 in ascending order; number labels get their text below.
const ExpectedPosition kPositions[] = {
    year(181, 41), year(182, 71),
    flag(183, 119), flag(184, 149), flag(185, 179), flag(186, 215),
    flag(187, 245), flag(188, 275), flag(189, 305),
    {190, false, {616, 335, 353, 24}, "", "", nullptr, {593, 335}},
    flag(191, 395), flag(192, 425), flag(193, 455),
    flag(194, 485), year(195, 510), flag(196, 545), year(197, 570),
    flag(198, 626),
    amount(199, 548, 780), amount(200, 764, 780),
    amount(201, 548, 810), amount(202, 764, 810),
    amount(203, 548, 840), amount(204, 764, 840),
    amount(205, 548, 870), amount(206, 764, 870, "ValFloatNextPage"),
};

QString name(int n) { return entrycheck::controlName(kPositions[n - 181]); }

using guitest::press;

} // namespace

class TestEntryPage5 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { f_.reset(); }

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void headingsAndRules_data();
    void headingsAndRules();

    void tabOrderSkipsTheFreeTextBox();
    void refusedValueIn206StillTurnsThePage();
    void freeTextTakesAnyTextButTheSeparator();

private:
    QWidget *sheet() const { return f_->w.findChild<QWidget *>(QStringLiteral("TabSheet5")); }
    QWidget *control(int n) const { return sheet()->findChild<QWidget *>(name(n)); }
    QLineEdit *edit(int n) const { return qobject_cast<QLineEdit *>(control(n)); }
    bool showWithFocusIn(int n) { return f_->show() && f_->focus(control(n)); }

    std::unique_ptr<guitest::Window> f_;
};

void TestEntryPage5::init()
{
    f_ = std::make_unique<guitest::Window>();
    QVERIFY(sheet());
}

void TestEntryPage5::positions_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(kPositions)); ++i)
        QTest::addRow("%d", kPositions[i].n) << i;
}

void TestEntryPage5::positions()
{
    QFETCH(int, index);
    ExpectedPosition p = kPositions[index];
    const QByteArray number = QByteArray::number(p.n) + '.';
    p.number = number.constData();
    const QString wrong = entrycheck::checkPosition(sheet(), p);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    // No box of this page limits its length.
    if (const QLineEdit *e = edit(p.n))
        QCOMPARE(e->maxLength(), std::numeric_limits<int>::max());
}

void TestEntryPage5::pageHoldsExactlyItsPositions()
{
    QCOMPARE(entrycheck::positionCount(sheet()), 26);
    QCOMPARE(f_->w.pageTabs()->indexOf(sheet()), 4);
    QCOMPARE(f_->w.pageTabs()->tabText(4), QStringLiteral(" Strona 5"));

    // The two rules between the sections, cut off at the page's left edge.
    QList<QRect> rules;
    for (const QWidget *w : sheet()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->objectName().startsWith(QLatin1String("Shape")))
            rules << w->geometry();
    QCOMPARE(rules, (QList<QRect>{{-7, 605, 920, 1}, {-7, 655, 920, 1}}));
}

void TestEntryPage5::headingsAndRules_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("px");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("room"); // x of the next control on its right; 0: none
    const struct { const char *text; int x, y, px; bool bold; int room; } labels[] = {
        {"F. PROGRAM TORVALIA (TORVAL)", 16, 16, 17, true, 0},
        {"F.3. Urząd nie zamierza użytkować programu TORVAL ze względu na:", 16, 101, 15, true, 0},
        {"brak zainteresowania programem o funkcji porównywania danych ewidencji podatkowej i ", 90, 179, 15, false, 738},
        {"ewidencji gruntów i budynków", 90, 195, 15, false, 738},
        {"F.5. Urząd dysponuje sprzętem komputerowym umożliwiającym użytkowanie oprogramowania TORVAL",
         16, 275, 15, true, 738},
        {"F.7. Urząd posiada inne niż ORACLE oprogramowanie bazodanowe  - podać nazwę", 16, 335, 15, true, 593},
        {"G. GMINA PRZEWIDUJE WPROWADZENIE MOŻLIWOŚCI SKŁADANIA ", 16, 610, 17, true, 738},
        {"DEKLARACJI PODATKOWYCH W FORMIE ELEKTRONICZNEJ", 40, 630, 17, true, 738},
        {"H.1. Wpływy z opłaty skarbowej według sposobu zapłaty w 2004r.", 16, 695, 15, true, 0},
        {"Zapłata znakami opłaty skarbowej", 496, 720, 15, false, 752},
        {"Zapłata w inny  sposób ", 752, 720, 15, false, 0},
        {"[ zł ]", 800, 752, 15, false, 0},
        {"Czynności urzędowe dokonywane na podstawie zgłoszenia lub na wniosek", 21, 810, 15, false, 522},
    };
    for (const auto &l : labels)
        QTest::addRow("%d,%d", l.x, l.y) << QString::fromUtf8(l.text) << QPoint(l.x, l.y) << l.px << l.bold
                                         << l.room;
}

void TestEntryPage5::headingsAndRules()
{
    QFETCH(QString, text);
    QFETCH(QPoint, at);
    QFETCH(int, px);
    QFETCH(bool, bold);
    QFETCH(int, room);
    const QString wrong = entrycheck::checkLabel(sheet(), text, at, px, bold);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    // A single line that ends before the control on its right.
    const QLabel *l = entrycheck::labelAt(sheet(), text, at);
    if (room > 0)
        QVERIFY2(l->x() + l->width() <= room, qPrintable(QStringLiteral("ends at %1").arg(l->x() + l->width())));
}

void TestEntryPage5::tabOrderSkipsTheFreeTextBox()
{
    for (int n : {181, 182, 195, 197})
        edit(n)->setText(QStringLiteral("2006"));
    for (int n = 199; n <= 206; ++n)
        edit(n)->setText(QStringLiteral("1520,75"));
    QVERIFY(showWithFocusIn(181));

    QStringList expected;
    for (int n = 182; n <= 206; ++n)
        if (n != 190)
            expected << name(n);
    QCOMPARE(guitest::tabThrough(expected.size()), expected);
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 4);

    // Leaving the last box turns to page 6, into its first box.
    press(Qt::Key_Tab);
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 5);
    QCOMPARE(guitest::focusName(), QStringLiteral("Edit207"));
    QCOMPARE(f_->sink.texts(), QStringList());
}

void TestEntryPage5::refusedValueIn206StillTurnsThePage()
{
    QVERIFY(showWithFocusIn(206));
    QTest::keyClicks(edit(206), QStringLiteral("12,3456"));
    press(Qt::Key_Tab);
    QCOMPARE(f_->sink.texts(), QStringList{QStringLiteral("Za duzo miejsc po przecinku")});
    QCOMPARE(edit(206)->text(), QStringLiteral("12,3456"));
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 5);
    QCOMPARE(guitest::focusName(), QStringLiteral("Edit207"));
}

void TestEntryPage5::freeTextTakesAnyTextButTheSeparator()
{
    QVERIFY(showWithFocusIn(181));
    QTest::mouseClick(edit(190), Qt::LeftButton);
    guitest::settle();
    QCOMPARE(QApplication::focusWidget(), edit(190));

    // ';' separates the fields of the data file and has no escape there.
    guitest::type(edit(190), QStringLiteral("Baza: SQL-Łódź; wer. 8,1 (źródło)"));
    QCOMPARE(edit(190)->text(), QStringLiteral("Baza: SQL-Łódź wer. 8,1 (źródło)"));
    // Enter does not move on, and no check runs on this box.
    QCOMPARE(press(Qt::Key_Return), edit(190));
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 4);
    QCOMPARE(f_->sink.texts(), QStringList());
}

QTEST_MAIN(TestEntryPage5)
#include "tst_entrypage5.moc"
// clang-format on
