// Entry page 4 as built in the main window: every position of sections D and
// E with its control, place, key filter, exit handler and number label; the
// tab order through the E.2 grid; the page turn after position 180; the
// rules special to the page (the rate maximum of position 120, percentages
// without an upper bound, a year without a comma); check boxes in the data
// file.
#include "app/mainwindow.h"
#include "app/messages.h"
#include "support/entrycheck.h"
#include "support/workdir.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include <memory>

namespace {

constexpr const char *kDecimal = "TylkoLiczbyKeyPress";
constexpr const char *kWhole = "TylkoIntKeyPress";
constexpr int kPageIndex = 3;

// Positions outside the E.2 grid, from the page's positions table.
struct Position {
    int n;
    bool flag;
    QRect box;
    const char *keyFilter;
    const char *exitHandler;
    QPoint numberAt;
};
const Position kSingles[] = {
    {120, false, {740, 36, 105, 24}, kDecimal, "ValFloat", {714, 36}},
    {121, false, {740, 121, 105, 24}, kDecimal, "ValFloat", {714, 121}},
    {122, false, {740, 151, 105, 24}, kDecimal, "ValFloat", {714, 151}},
    {123, false, {740, 181, 105, 24}, kDecimal, "ValFloat", {714, 181}},
    {124, true, {740, 280, 60, 17}, "", "", {714, 280}},
    {125, true, {740, 310, 60, 17}, "", "", {714, 310}},
    {126, true, {740, 340, 60, 17}, "", "", {714, 340}},
    {175, true, {860, 731, 45, 17}, "", "", {833, 731}},
    {176, true, {860, 779, 45, 17}, "", "", {833, 779}},
    {177, false, {860, 805, 80, 24}, kWhole, "ValFloat", {833, 805}},
    {178, false, {861, 861, 80, 24}, kDecimal, "ValFloat", {833, 861}},
    {179, false, {861, 891, 80, 24}, kDecimal, "ValFloat", {833, 891}},
    {180, false, {860, 921, 80, 24}, kDecimal, "ValFloatNextPage", {833, 921}},
};

// The E.2 grid: position = 127 + 6 * row + column; even columns are check
// boxes (45 x 17), odd columns percentage boxes (80 x 24).
const int kGridRowY[] = {475, 505, 535, 563, 595, 625, 655, 701};
const int kGridBoxX[] = {345, 425, 550, 645, 774, 860};
const int kGridNumberX[] = {320, 399, 525, 618, 748, 833};

bool isFlag(int n)
{
    return (n >= 124 && n <= 126) || n == 175 || n == 176 || (n >= 127 && n <= 174 && (n - 127) % 2 == 0);
}

QString controlName(int n)
{
    return (isFlag(n) ? QStringLiteral("CheckBox%1") : QStringLiteral("Edit%1")).arg(n);
}

// Runs the exit handlers, which the window queues on every focus change.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TestEntryPage4 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void headingsAndLines();

    void tabOrderWalksThePageAndTurnsIt();
    void enterMovesOnFromTextBoxesOnly();
    void exitChecks_data();
    void exitChecks();
    void leavingPosition180TurnsThePage_data();
    void leavingPosition180TurnsThePage();
    void checkBoxesAreSavedAndLoaded();

private:
    QWidget *sheet() const { return window_->findChild<QWidget *>(QStringLiteral("TabSheet4")); }
    QWidget *control(int n) const { return sheet()->findChild<QWidget *>(controlName(n)); }
    QLineEdit *edit(int n) const { return qobject_cast<QLineEdit *>(control(n)); }
    QCheckBox *checkBox(int n) const { return qobject_cast<QCheckBox *>(control(n)); }
    const QLabel *labelAt(const QString &text, QPoint at) const;
    bool showAndFocus(QWidget *box);
    QWidget *press(Qt::Key key);

    iqx::RecordingSink sink_;
    std::unique_ptr<WorkDir> dir_;
    std::unique_ptr<iqx::ScopedMessages> scoped_;
    std::unique_ptr<iqx::TInformacja> window_;
};

void TestEntryPage4::init()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("IQX_SOURCE_DIR"), "IQX_SOURCE_DIR is not set");
    sink_.clear();
    sink_.answer = false; // never save on closing
    dir_ = std::make_unique<WorkDir>();
    scoped_ = std::make_unique<iqx::ScopedMessages>(&sink_);
    window_ = std::make_unique<iqx::TInformacja>();
    QVERIFY(sheet());
    QCOMPARE(window_->pageControl()->indexOf(sheet()), kPageIndex);
}

void TestEntryPage4::cleanup()
{
    window_.reset();
    scoped_.reset();
    dir_.reset();
}

const QLabel *TestEntryPage4::labelAt(const QString &text, QPoint at) const
{
    for (const QLabel *l : sheet()->findChildren<QLabel *>())
        if (l->text() == text && l->pos() == at)
            return l;
    return nullptr;
}

// Fills every text box of the page with a value its exit check accepts,
// shows the window and puts the focus into `box` without an exit check.
bool TestEntryPage4::showAndFocus(QWidget *box)
{
    for (int n = 120; n <= 180; ++n)
        if (QLineEdit *e = edit(n))
            e->setText(n == 177 ? QStringLiteral("2006") : QStringLiteral("12,5"));
    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get()))
        return false;
    settle();
    window_->placeFocus(box);
    settle();
    sink_.clear();
    return QApplication::focusWidget() == box;
}

QWidget *TestEntryPage4::press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    settle();
    return QApplication::focusWidget();
}

void TestEntryPage4::positions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<bool>("flag");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QString>("keyFilter");
    QTest::addColumn<QString>("exitHandler");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QPoint>("numberAt");
    const auto add = [](int n, bool flag, QRect box, const char *filter, const char *exit, QPoint at) {
        // Every number label ends in a period except that of position 167.
        const QString number = QString::number(n) + (n == 167 ? "" : ".");
        QTest::addRow("%d", n) << n << flag << box << QString::fromLatin1(filter) << QString::fromLatin1(exit)
                               << number << at;
    };
    for (const Position &p : kSingles)
        add(p.n, p.flag, p.box, p.keyFilter, p.exitHandler, p.numberAt);
    for (int row = 0; row < 8; ++row) {
        for (int column = 0; column < 6; ++column) {
            const int n = 127 + 6 * row + column;
            const int y = kGridRowY[row];
            const bool flag = column % 2 == 0;
            const QRect box = flag ? QRect(kGridBoxX[column], y, 45, 17) : QRect(kGridBoxX[column], y, 80, 24);
            add(n, flag, box, flag ? "" : kDecimal, flag ? "" : "ValFloat", {kGridNumberX[column], y});
        }
    }
}

void TestEntryPage4::positions()
{
    QFETCH(int, n);
    QFETCH(bool, flag);
    QFETCH(QRect, box);
    QFETCH(QString, keyFilter);
    QFETCH(QString, exitHandler);
    QFETCH(QString, number);
    QFETCH(QPoint, numberAt);
    const QByteArray filter = keyFilter.toLatin1(), exit = exitHandler.toLatin1(), label = number.toUtf8();
    const entrycheck::ExpectedPosition p{n, flag, box, filter.constData(), exit.constData(), label.constData(),
                                         numberAt};
    const QString wrong = entrycheck::checkPosition(sheet(), p);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    if (!flag)
        QCOMPARE(edit(n)->maxLength(), 32767); // no box of the page limits its length
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
        const QString text = QString::fromUtf8(l.text);
        const QString wrong = entrycheck::checkLabel(sheet(), text, l.at);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
        const QLabel *label = labelAt(text, l.at);
        QCOMPARE(label->font().pixelSize(), l.px);
        QCOMPARE(label->font().bold(), l.bold);
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
    QStringList visited, expected;
    for (int n = 121; n <= 180; ++n) {
        expected << controlName(n);
        const QWidget *now = press(Qt::Key_Tab);
        visited << (now ? now->objectName() : QStringLiteral("<none>"));
    }
    QCOMPARE(visited, expected);
    QCOMPARE(sink_.texts(), QStringList());

    // Leaving the last box turns to entry page 5, into its first box.
    QWidget *next = press(Qt::Key_Tab);
    QCOMPARE(sink_.texts(), QStringList());
    QCOMPARE(window_->pageControl()->currentIndex(), kPageIndex + 1);
    if (QWidget *first = window_->findChild<QWidget *>(QStringLiteral("Edit181")))
        QCOMPARE(next, first);
}

void TestEntryPage4::enterMovesOnFromTextBoxesOnly()
{
    QVERIFY(showAndFocus(edit(128)));
    QCOMPARE(press(Qt::Key_Return), checkBox(129));
    // A check box has no key filter: Enter neither moves on nor toggles it.
    QCOMPARE(press(Qt::Key_Return), checkBox(129));
    QVERIFY(!checkBox(129)->isChecked());
    QCOMPARE(sink_.texts(), QStringList());
}

void TestEntryPage4::exitChecks_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept"); // the box's text afterwards
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("next"); // the position that has the focus afterwards

    QTest::newRow("rate at its maximum") << 120 << "26,49" << "26,49" << QStringList{} << 121;
    QTest::newRow("rate over its maximum: warned, accepted")
        << 120 << "26,5" << "26,5" << QStringList{"Maksymalna stawka to 26,49 zł"} << 121;
    QTest::newRow("rate left empty: refused")
        << 120 << "" << "" << QStringList{"Wprowadzono niepoprawną liczbę"} << 120;
    QTest::newRow("area left empty") << 121 << "" << "" << QStringList{} << 122;
    QTest::newRow("percentage with three decimals") << 128 << "99,999" << "99,999" << QStringList{} << 129;
    QTest::newRow("percentage with four decimals: refused")
        << 128 << "99,9999" << "99,9999" << QStringList{"Za duzo miejsc po przecinku"} << 128;
    QTest::newRow("percentage above 100 accepted") << 174 << "150" << "150" << QStringList{} << 175;
    QTest::newRow("typed point becomes a comma") << 134 << "12.5" << "12,5" << QStringList{} << 135;
    QTest::newRow("year takes no comma") << 177 << "2006,5" << "20065" << QStringList{} << 178;
    QTest::newRow("negative cost: refused, emptied")
        << 179 << "-5" << "" << QStringList{"Wartości ujemna są nie dopuszczalne"} << 179;
}

void TestEntryPage4::exitChecks()
{
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QStringList, messages);
    QFETCH(int, next);

    QVERIFY(showAndFocus(edit(n)));
    edit(n)->clear();
    QTest::keyClicks(edit(n), typed);
    QCOMPARE(press(Qt::Key_Tab), control(next));
    QCOMPARE(sink_.texts(), messages);
    QCOMPARE(edit(n)->text(), kept);
    QCOMPARE(window_->pageControl()->currentIndex(), kPageIndex);
}

void TestEntryPage4::leavingPosition180TurnsThePage_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("how"); // 0: Tab, 1: Enter, 2: a click into another box
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("valid, by Tab") << "1250,5" << 0 << QStringList{};
    QTest::newRow("refused, by Enter") << "1,2345" << 1 << QStringList{"Za duzo miejsc po przecinku"};
    QTest::newRow("valid, by a click") << "300" << 2 << QStringList{};
}

void TestEntryPage4::leavingPosition180TurnsThePage()
{
    QFETCH(QString, typed);
    QFETCH(int, how);
    QFETCH(QStringList, messages);

    QVERIFY(showAndFocus(edit(180)));
    edit(180)->clear();
    QTest::keyClicks(edit(180), typed);
    if (how == 2) {
        edit(121)->setFocus(Qt::MouseFocusReason);
        settle();
    } else {
        press(how == 0 ? Qt::Key_Tab : Qt::Key_Return);
    }
    QCOMPARE(sink_.texts(), messages);
    QCOMPARE(edit(180)->text(), typed);
    QCOMPARE(window_->pageControl()->currentIndex(), kPageIndex + 1);
    if (QWidget *first = window_->findChild<QWidget *>(QStringLiteral("Edit181")))
        QCOMPARE(QApplication::focusWidget(), first);
}

void TestEntryPage4::checkBoxesAreSavedAndLoaded()
{
    const QList<int> checked{124, 126, 127, 141, 167, 176};
    const QList<int> unchecked{125, 129, 169, 175};
    window_->findChild<QLineEdit *>(QStringLiteral("Edit1"))->setText(QStringLiteral("0201011"));
    for (int n : checked)
        checkBox(n)->setChecked(true);
    edit(128)->setText(QStringLiteral("85,5"));
    edit(177)->setText(QStringLiteral("2006"));
    QVERIFY(window_->ZapiszDane());

    const QString file = QStringLiteral("InfoQX0201011.iqx");
    const QList<QByteArray> fields = dir_->read(file).split(';');
    QVERIFY2(fields.size() > 180, qPrintable(file + QStringLiteral(" has too few fields")));
    for (int n : checked)
        QCOMPARE(fields.at(n), QByteArray("1"));
    for (int n : unchecked)
        QCOMPARE(fields.at(n), QByteArray("0"));
    QCOMPARE(fields.at(128), QByteArray("85,5"));
    QCOMPARE(fields.at(177), QByteArray("2006"));
    QCOMPARE(fields.at(130), QByteArray());

    // A new window loads the file at its first activation.
    window_ = std::make_unique<iqx::TInformacja>();
    QVERIFY(window_->FormActivate());
    for (int n : checked)
        QVERIFY2(checkBox(n)->isChecked(), qPrintable(controlName(n)));
    for (int n : unchecked)
        QVERIFY2(!checkBox(n)->isChecked(), qPrintable(controlName(n)));
    QCOMPARE(edit(128)->text(), QStringLiteral("85,5"));
}

QTEST_MAIN(TestEntryPage4)
#include "tst_entrypage4.moc"
