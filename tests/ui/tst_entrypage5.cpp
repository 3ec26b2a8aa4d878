// Entry page 5 as built in the main window: every position with its place,
// key filter, exit handler and number label, the headings and rules, the
// tab order that skips the free-text box 190, the turn to page 6 however the
// focus leaves position 206, the free-text box, the year and amount checks,
// and the check boxes and free text as the data file stores them.
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

QString name(int n)
{
    return QString::fromLatin1(n == 190 || (n >= 181 && n <= 182) || n == 195 || n == 197 || n >= 199
                                   ? "Edit%1" : "CheckBox%1").arg(n);
}

// Exit handlers are queued on every focus change: let them run.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TestEntryPage5 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void headingsAndRules_data();
    void headingsAndRules();

    void tabOrderSkipsTheFreeTextBox();
    void leavingTheLastBoxTurnsThePage_data();
    void leavingTheLastBoxTurnsThePage();
    void freeTextTakesAnyTextButTheSeparator();
    void exitChecks_data();
    void exitChecks();
    void dataFileHoldsFlagsAndFreeText();

private:
    QWidget *sheet() const { return window_->findChild<QWidget *>(QStringLiteral("TabSheet5")); }
    QWidget *control(int n) const { return sheet()->findChild<QWidget *>(name(n)); }
    QLineEdit *edit(int n) const { return qobject_cast<QLineEdit *>(control(n)); }
    bool showWithFocusIn(int n);
    QWidget *press(Qt::Key key);

    std::unique_ptr<WorkDir> dir_;
    iqx::RecordingSink sink_;
    std::unique_ptr<iqx::ScopedMessages> scoped_;
    std::unique_ptr<iqx::TInformacja> window_;
};

void TestEntryPage5::init()
{
    dir_ = std::make_unique<WorkDir>();
    sink_.clear();
    sink_.answer = false; // never save on closing
    scoped_ = std::make_unique<iqx::ScopedMessages>(&sink_);
    window_ = std::make_unique<iqx::TInformacja>();
    QVERIFY(sheet());
}

void TestEntryPage5::cleanup()
{
    window_.reset();
    scoped_.reset();
    dir_.reset();
}

// Shows the window and puts the focus into position n without an exit check.
bool TestEntryPage5::showWithFocusIn(int n)
{
    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get()))
        return false;
    settle();
    window_->placeFocus(control(n));
    settle();
    sink_.clear();
    return QApplication::focusWidget() == control(n) && window_->pageControl()->currentIndex() == 4;
}

QWidget *TestEntryPage5::press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
    settle();
    return QApplication::focusWidget();
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
        QCOMPARE(e->maxLength(), 32767);
}

void TestEntryPage5::pageHoldsExactlyItsPositions()
{
    QCOMPARE(entrycheck::positionCount(sheet()), 26);
    QCOMPARE(window_->pageControl()->indexOf(sheet()), 4);
    QCOMPARE(window_->pageControl()->tabText(4), QStringLiteral(" Strona 5"));

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
    const QString wrong = entrycheck::checkLabel(sheet(), text, at);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    for (const QLabel *l : sheet()->findChildren<QLabel *>()) {
        if (l->text() != text || l->pos() != at)
            continue;
        QCOMPARE(l->font().pixelSize(), px);
        QCOMPARE(l->font().bold(), bold);
        // A single line that ends before the control on its right.
        if (room > 0)
            QVERIFY2(l->x() + l->width() <= room, qPrintable(QStringLiteral("ends at %1").arg(l->x() + l->width())));
    }
}

void TestEntryPage5::tabOrderSkipsTheFreeTextBox()
{
    for (int n : {181, 182, 195, 197})
        edit(n)->setText(QStringLiteral("2006"));
    for (int n = 199; n <= 206; ++n)
        edit(n)->setText(QStringLiteral("1520,75"));
    QVERIFY(showWithFocusIn(181));

    QStringList expected, visited;
    for (int n = 182; n <= 206; ++n)
        if (n != 190)
            expected << name(n);
    for (int i = 0; i < expected.size(); ++i) {
        const QWidget *now = press(Qt::Key_Tab);
        visited << (now ? now->objectName() : QStringLiteral("<none>"));
        QCOMPARE(window_->pageControl()->currentIndex(), 4);
    }
    QCOMPARE(visited, expected);

    // Leaving the last box turns to page 6.
    press(Qt::Key_Tab);
    QCOMPARE(window_->pageControl()->currentIndex(), 5);
    if (QWidget *first = window_->findChild<QWidget *>(QStringLiteral("Edit207")))
        QCOMPARE(QApplication::focusWidget(), first);
    QCOMPARE(sink_.texts(), QStringList());
}

void TestEntryPage5::leavingTheLastBoxTurnsThePage_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("Enter") << "0" << "enter" << QStringList{};
    QTest::newRow("click into 190") << "99,5" << "click" << QStringList{};
    QTest::newRow("refused value, still turns")
        << "12,3456" << "tab" << QStringList{"Za duzo miejsc po przecinku"};
    QTest::newRow("negative value emptied, still turns")
        << "-3" << "tab" << QStringList{"Wartości ujemna są nie dopuszczalne"};
}

void TestEntryPage5::leavingTheLastBoxTurnsThePage()
{
    QFETCH(QString, value);
    QFETCH(QString, how);
    QFETCH(QStringList, messages);

    QVERIFY(showWithFocusIn(206));
    QTest::keyClicks(edit(206), value);
    if (how == QLatin1String("click")) {
        QTest::mouseClick(edit(190), Qt::LeftButton);
        settle();
    } else {
        press(how == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Tab);
    }
    QCOMPARE(sink_.texts(), messages);
    QCOMPARE(window_->pageControl()->currentIndex(), 5);
    if (QWidget *first = window_->findChild<QWidget *>(QStringLiteral("Edit207")))
        QCOMPARE(QApplication::focusWidget(), first);
    QCOMPARE(edit(206)->text(), value.startsWith(u'-') ? QString() : value);
}

void TestEntryPage5::freeTextTakesAnyTextButTheSeparator()
{
    QVERIFY(showWithFocusIn(181));
    QTest::mouseClick(edit(190), Qt::LeftButton);
    settle();
    QCOMPARE(QApplication::focusWidget(), edit(190));

    // ';' separates the fields of the data file and has no escape there.
    for (QChar c : QStringLiteral("Baza: SQL-Łódź; wer. 8,1 (źródło)"))
        QTest::sendKeyEvent(QTest::Click, edit(190), Qt::Key_unknown, QString(c), Qt::NoModifier);
    QCOMPARE(edit(190)->text(), QStringLiteral("Baza: SQL-Łódź wer. 8,1 (źródło)"));
    // Enter does not move on, and no check runs on this box.
    QCOMPARE(press(Qt::Key_Return), edit(190));
    QCOMPARE(window_->pageControl()->currentIndex(), 4);
    QCOMPARE(sink_.texts(), QStringList());
}

void TestEntryPage5::exitChecks_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("next");

    QTest::newRow("a year takes no comma") << 181 << "2005,5" << "20055" << QStringList{} << 182;
    QTest::newRow("empty year") << 182 << "" << "" << QStringList{} << 183;
    QTest::newRow("negative year: emptied, refused")
        << 195 << "-2007" << "" << QStringList{"Wartości ujemna są nie dopuszczalne"} << 195;
    QTest::newRow("amount with a typed point") << 199 << "1520.75" << "1520,75" << QStringList{} << 200;
    QTest::newRow("amount with four decimals: refused")
        << 203 << "0,1255" << "0,1255" << QStringList{"Za duzo miejsc po przecinku"} << 203;
    QTest::newRow("-0 becomes 0, refused") << 204 << "-0" << "0" << QStringList{} << 204;
}

void TestEntryPage5::exitChecks()
{
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    QFETCH(QStringList, messages);
    QFETCH(int, next);

    QVERIFY(showWithFocusIn(n));
    QTest::keyClicks(edit(n), typed);
    QCOMPARE(press(Qt::Key_Tab), control(next));
    QCOMPARE(sink_.texts(), messages);
    QCOMPARE(edit(n)->text(), kept);
}

void TestEntryPage5::dataFileHoldsFlagsAndFreeText()
{
    const QList<int> ticked{183, 186, 188, 191, 194, 198};
    for (int n = 183; n <= 198; ++n)
        if (auto *box = qobject_cast<QCheckBox *>(control(n)))
            box->setChecked(ticked.contains(n));
    edit(190)->setText(QStringLiteral("Baza Żółw"));
    edit(197)->setText(QStringLiteral("2007"));
    QVERIFY(window_->ZapiszDane());
    QCOMPARE(sink_.texts(), QStringList());

    // No identifier: the file is InfoQX.iqx, one ';'-terminated field a position.
    QByteArray line = dir_->read(QStringLiteral("InfoQX.iqx"));
    while (line.endsWith('\n') || line.endsWith('\r'))
        line.chop(1);
    const QList<QByteArray> fields = line.split(';');
    QCOMPARE(fields.size(), 224);
    QByteArray flags;
    for (int n = 183; n <= 198; ++n)
        if (qobject_cast<QCheckBox *>(control(n)))
            flags += fields.at(n);
    QCOMPARE(flags, QByteArray("1001010100101")); // 183-189, 191-194, 196, 198
    QCOMPARE(fields.at(190), QByteArray("Baza \xAF\xF3\xB3w"));
    QCOMPARE(fields.at(197), QByteArray("2007"));
    QCOMPARE(fields.at(206), QByteArray());
}

QTEST_MAIN(TestEntryPage5)
#include "tst_entrypage5.moc"
