// Entry page 4 as built in the main window: every position of sections D and
// E with its control, place, key filter, exit handler and number label; the
// tab order through the E.2 grid and Enter among its check boxes; the page
// turn after position 180, also after a refusal; the rate maximum of
// position 120.
#include "support/entrycheck.h"
#include "support/guitest.h"

#include <QCheckBox>
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

constexpr const char *kDecimal = "TylkoLiczbyKeyPress";
constexpr const char *kWhole = "TylkoIntKeyPress";
constexpr int kPageIndex = 3;

// Positions outside the E.2 grid, from the page's positions table; the
// number labels' texts are made in positions().
const ExpectedPosition kSingles[] = {
    {120, false, {740, 36, 105, 24}, kDecimal, "ValFloat", nullptr, {714, 36}},
    {121, false, {740, 121, 105, 24}, kDecimal, "ValFloat", nullptr, {714, 121}},
    {122, false, {740, 151, 105, 24}, kDecimal, "ValFloat", nullptr, {714, 151}},
    {123, false, {740, 181, 105, 24}, kDecimal, "ValFloat", nullptr, {714, 181}},
    {124, true, {740, 280, 60, 17}, "", "", nullptr, {714, 280}},
    {125, true, {740, 310, 60, 17}, "", "", nullptr, {714, 310}},
    {126, true, {740, 340, 60, 17}, "", "", nullptr, {714, 340}},
    {175, true, {860, 731, 45, 17}, "", "", nullptr, {833, 731}},
    {176, true, {860, 779, 45, 17}, "", "", nullptr, {833, 779}},
    {177, false, {860, 805, 80, 24}, kWhole, "ValFloat", nullptr, {833, 805}},
    {178, false, {861, 861, 80, 24}, kDecimal, "ValFloat", nullptr, {833, 861}},
    {179, false, {861, 891, 80, 24}, kDecimal, "ValFloat", nullptr, {833, 891}},
    {180, false, {860, 921, 80, 24}, kDecimal, "ValFloatNextPage", nullptr, {833, 921}},
};

// The E.2 grid: position = 127 + 6 * row + column; even columns are check
// boxes (45 x 17), odd columns percentage boxes (80 x 24).
const int kGridRowY[] = {475, 505, 535, 563, 595, 625, 655, 701};
const int kGridBoxX[] = {345, 425, 550, 645, 774, 860};
const int kGridNumberX[] = {320, 399, 525, 618, 748, 833};

const QList<ExpectedPosition> kPositions = [] {
    QList<ExpectedPosition> all(std::begin(kSingles), std::end(kSingles));
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 6; ++column) {
            const int y = kGridRowY[row];
            const bool flag = column % 2 == 0;
            const QRect box = flag ? QRect(kGridBoxX[column], y, 45, 17) : QRect(kGridBoxX[column], y, 80, 24);
            all.append({127 + 6 * row + column, flag, box, flag ? "" : kDecimal, flag ? "" : "ValFloat", nullptr,
                        {kGridNumberX[column], y}});
        }
    }
    return all;
}();

QString controlName(int n)
{
    for (const ExpectedPosition &p : kPositions)
        if (p.n == n)
            return entrycheck::controlName(p);
    return {};
}

using guitest::press;

} // namespace

class TestEntryPage4 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { f_.reset(); }

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void headingsAndLines();

    void tabOrderWalksThePageAndTurnsIt();
    void enterMovesOnFromTextBoxesOnly();
    void rateOverItsMaximumIsWarnedAndKept();
    void refusedValueIn180StillTurnsThePage();

private:
    QWidget *sheet() const { return f_->w.findChild<QWidget *>(QStringLiteral("TabSheet4")); }
    QWidget *control(int n) const { return sheet()->findChild<QWidget *>(controlName(n)); }
    QLineEdit *edit(int n) const { return qobject_cast<QLineEdit *>(control(n)); }
    QCheckBox *checkBox(int n) const { return qobject_cast<QCheckBox *>(control(n)); }
    bool showAndFocus(QWidget *box);

    std::unique_ptr<guitest::Window> f_;
};

void TestEntryPage4::init()
{
    f_ = std::make_unique<guitest::Window>();
    QVERIFY(sheet());
    QCOMPARE(f_->w.pageTabs()->indexOf(sheet()), kPageIndex);
}

// Fills every text box of the page with a value its exit check accepts,
// shows the window and puts the focus into `box` without an exit check.
bool TestEntryPage4::showAndFocus(QWidget *box)
{
    for (int n = 120; n <= 180; ++n)
        if (QLineEdit *e = edit(n))
            e->setText(n == 177 ? QStringLiteral("2006") : QStringLiteral("12,5"));
    return f_->show() && f_->focus(box);
}

void TestEntryPage4::positions_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < kPositions.size(); ++i)
        QTest::addRow("%d", kPositions[i].n) << i;
}

void TestEntryPage4::positions()
{
    QFETCH(int, index);
    ExpectedPosition p = kPositions[index];
    // Every number label ends in a period except that of position 167.
    const QByteArray number = QByteArray::number(p.n) + (p.n == 167 ? "" : ".");
    p.number = number.constData();
    const QString wrong = entrycheck::checkPosition(sheet(), p);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    if (!p.flag)
        QCOMPARE(edit(p.n)->maxLength(), std::numeric_limits<int>::max()); // no box of the page limits its length
}

void TestEntryPage4::pageHoldsExactlyItsPositions()
{
    QCOMPARE(entrycheck::positionCount(sheet()), 61);
    QCOMPARE(sheet()->findChildren<QCheckBox *>().size(), 29);
    for (int n = 120; n <= 180; ++n)
        QVERIFY2(control(n), qPrintable(controlName(n)));
}

void TestEntryPage4::headingsAndLines()
{
    // Text, top-left corner, character height, bold.
    const struct { const char *text; QPoint at; int px; bool bold; } labels[] = {
        {"D. PODATEK LEŚNY ", {16, 16}, 17, true},
        {"D.3. Utracone dochody z tytułu  zwolnień w podatku leśnym na mocy uchwały rady gminy w 2005 r. [zł]",
         {16, 181}, 15, true},
        {"E. EWIDENCJA PODATKOWA NIERUCHOMOŚCI (EPN) - stan na 2005 r.", {16, 225}, 17, true},
        {"E.2. Zasób danych w ewidencji podatkowej nieruchomości (EPN)", {16, 370}, 15, true},
        {"Powierzchnia, w ha ", {732, 91}, 15, false},
        {"1.07.2005r. [%]", {420, 438}, 15, false},
        {"1.07.2005r.  [%]", {637, 437}, 15, false},
        {"PODATEK LEŚNY", {775, 454}, 15, false},
        {"Identyfikatory lokali", {21, 565}, 15, false},
        {"na  mocy uchwał rady gminy", {21, 671}, 15, false},
        {"Urząd gminy  skorzystał  z dostępu do danych o podatnikach  z Krajowej Ewidencji Podatników",
         {21, 731}, 15, false},
        {"Eksport danych do pliku w formacie XML zostanie zapewniony w roku", {21, 811}, 15, false},
    };
    for (const auto &l : labels) {
        const QString wrong = entrycheck::checkLabel(sheet(), QString::fromUtf8(l.text), l.at, l.px, l.bold);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    }
    // The "TAK" captions use the page font.
    QCOMPARE(checkBox(127)->font().pixelSize(), 15);

    // Two 1-px rules: between sections D and E and below position 180.
    QList<QRect> rules;
    for (const QWidget *w : sheet()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (w->height() == 1)
            rules << w->geometry();
    QCOMPARE(rules, (QList<QRect>{{-15, 211, 920, 1}, {1, 950, 920, 1}}));
}

void TestEntryPage4::tabOrderWalksThePageAndTurnsIt()
{
    QVERIFY(showAndFocus(edit(120)));
    QStringList expected;
    for (int n = 121; n <= 180; ++n)
        expected << controlName(n);
    QCOMPARE(guitest::tabThrough(expected.size()), expected);
    QCOMPARE(f_->sink.texts(), QStringList());

    // Leaving the last box turns to entry page 5, into its first box.
    press(Qt::Key_Tab);
    QCOMPARE(f_->sink.texts(), QStringList());
    QCOMPARE(f_->w.pageTabs()->currentIndex(), kPageIndex + 1);
    QCOMPARE(guitest::focusName(), QStringLiteral("Edit181"));
}

void TestEntryPage4::enterMovesOnFromTextBoxesOnly()
{
    QVERIFY(showAndFocus(edit(128)));
    QCOMPARE(press(Qt::Key_Return), checkBox(129));
    // A check box has no key filter: Enter neither moves on nor toggles it.
    QCOMPARE(press(Qt::Key_Return), checkBox(129));
    QVERIFY(!checkBox(129)->isChecked());
    QCOMPARE(f_->sink.texts(), QStringList());
}

void TestEntryPage4::rateOverItsMaximumIsWarnedAndKept()
{
    QVERIFY(showAndFocus(edit(120)));
    edit(120)->clear();
    QTest::keyClicks(edit(120), QStringLiteral("26,5"));
    QCOMPARE(press(Qt::Key_Tab), edit(121));
    QCOMPARE(f_->sink.texts(), QStringList{QStringLiteral("Maksymalna stawka to 26,49 zł")});
    QCOMPARE(edit(120)->text(), QStringLiteral("26,5"));
}

void TestEntryPage4::refusedValueIn180StillTurnsThePage()
{
    QVERIFY(showAndFocus(edit(180)));
    edit(180)->clear();
    QTest::keyClicks(edit(180), QStringLiteral("1,2345"));
    press(Qt::Key_Tab);
    QCOMPARE(f_->sink.texts(), QStringList{QStringLiteral("Za duzo miejsc po przecinku")});
    QCOMPARE(edit(180)->text(), QStringLiteral("1,2345"));
    QCOMPARE(f_->w.pageTabs()->currentIndex(), kPageIndex + 1);
    QCOMPARE(guitest::focusName(), QStringLiteral("Edit181"));
}

QTEST_MAIN(TestEntryPage4)
#include "tst_entrypage4.moc"
// clang-format on
