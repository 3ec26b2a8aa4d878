// Entry page 1 as built in the main window: every box of positions 0 to 51
// with its place, key filter and exit handler, the number labels, the tab
// captions and title block, the tab order, and the exit checks that depend
// on which box is which (identifier lookup, rate maximum, sum of column 4).
#include "app/mainwindow.h"
#include "app/messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Positions of entry page 1 in reading order: number label (text and
// top-left corner; none for the identifier), box geometry, key filter and
// exit handler.
struct Position {
    int n;
    const char *number;
    QPoint numberAt;
    QRect box;
    const char *keyFilter;
    const char *exitHandler;
};

const Position kPositions[] = {
    {1, nullptr, {}, {205, 22, 124, 32}, "TylkoInt2KeyPress", "CheckIdGminy"},
    {0, "1.", {1, 60}, {620, 57, 52, 32}, "", ""},
    {2, "2.", {1, 90}, {620, 91, 28, 32}, "", ""},
    {3, "3.", {1, 127}, {620, 126, 30, 32}, "", ""},
    {4, "4.", {2, 166}, {620, 169, 32, 32}, "", ""},
    {5, "  5.", {318, 355}, {337, 355, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {6, "  6.", {464, 355}, {482, 355, 100, 24}, "TylkoIntKeyPress", "ValFloat"},
    {7, "  7.", {592, 355}, {612, 355, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {8, " 8.", {725, 355}, {742, 355, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {9, "  9.", {850, 355}, {869, 355, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {10, "10.", {318, 410}, {337, 410, 90, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {11, "11.", {464, 410}, {482, 410, 100, 24}, "TylkoIntKeyPress", "ValFloat"},
    {12, "12.", {592, 410}, {612, 410, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {13, "13.", {725, 407}, {742, 408, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {14, "14.", {850, 407}, {869, 408, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {15, "15.", {318, 450}, {337, 450, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {16, "16.", {464, 450}, {482, 450, 100, 24}, "TylkoIntKeyPress", "ValFloat"},
    {17, "17.", {592, 450}, {612, 450, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {18, "18.", {725, 450}, {742, 450, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {19, "19.", {850, 450}, {869, 450, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {20, "20.", {318, 520}, {337, 520, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {21, "21.", {464, 520}, {482, 520, 100, 24}, "TylkoIntKeyPress", "ValFloat"},
    {22, "22.", {592, 520}, {612, 520, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {23, "23.", {725, 520}, {742, 520, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {24, "24.", {850, 520}, {869, 520, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {25, "25.", {318, 555}, {337, 555, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {26, "26.", {464, 555}, {482, 555, 100, 24}, "TylkoIntKeyPress", "ValFloat"},
    {27, "27.", {592, 555}, {612, 555, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {28, "28.", {725, 555}, {742, 555, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {29, "29.", {850, 555}, {869, 555, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {30, "30.", {318, 625}, {337, 625, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {31, "31.", {464, 625}, {482, 625, 100, 24}, "TylkoIntKeyPress", "ValFloat"},
    {32, "32.", {592, 625}, {612, 625, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {33, "33.", {725, 625}, {742, 625, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {34, "34.", {850, 625}, {869, 625, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {35, "35.", {318, 680}, {337, 680, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {36, "36.", {464, 680}, {482, 680, 100, 24}, "TylkoIntKeyPress", "ValFloat"},
    {37, "37.", {592, 680}, {612, 680, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {38, "38.", {725, 680}, {742, 680, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {39, "39.", {850, 680}, {869, 680, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {40, "40.", {318, 730}, {337, 730, 105, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {41, "41.", {464, 730}, {482, 730, 100, 24}, "TylkoIntKeyPress", "ValFloat"},
    {42, "42.", {592, 730}, {612, 730, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {43, "43.", {725, 730}, {742, 730, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {44, "44.", {850, 730}, {869, 730, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {45, "45.", {318, 800}, {337, 800, 90, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {46, "46.", {464, 800}, {482, 800, 100, 24}, "TylkoIntKeyPress", "ValFloat"},
    {47, "47.", {592, 800}, {612, 800, 85, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {48, "48.", {725, 800}, {742, 800, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {49, "49.", {850, 800}, {869, 800, 100, 24}, "TylkoLiczbyKeyPress", "ValFloat"},
    {50, "50.", {725, 835}, {742, 835, 100, 24}, "TylkoLiczbyKeyPress", "Exit50_CheckSum"},
    {51, "51.", {850, 835}, {869, 835, 100, 24}, "TylkoLiczbyKeyPress", "Exit51_CheckSum"},
};

const QList<int> kRates{7, 12, 17, 22, 27, 32, 37, 42, 47};
const QList<int> kPlanned{8, 13, 18, 23, 28, 33, 38, 43, 48};

QString editName(int n) { return QStringLiteral("Edit%1").arg(n); }

// Runs the exit handlers, which the window queues on every focus change.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

} // namespace

class TestEntryPage1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void unitLabelsAndRule();
    void tabCaptionsAndTitleBlock();

    void tabOrderRunsThroughThePage();
    void identifierFillsTheHeaderLabels();
    void exitChecks_data();
    void exitChecks();
    void sumOfPlannedRevenue_data();
    void sumOfPlannedRevenue();

private:
    QLineEdit *edit(int n) const { return sheet()->findChild<QLineEdit *>(editName(n)); }
    QWidget *sheet() const { return window_->findChild<QWidget *>(QStringLiteral("TabSheet1")); }
    QLabel *labelAt(const QWidget *parent, const QString &text, QPoint at) const;
    QWidget *showAndFocus(QWidget *box);
    QWidget *pressTab();

    QTemporaryDir dir_;
    iqx::RecordingSink sink_;
    std::unique_ptr<iqx::ScopedMessages> scoped_;
    std::unique_ptr<iqx::TInformacja> window_;
};

void TestEntryPage1::initTestCase()
{
    // The register lookup reads GMINY.txt from the current directory.
    const QString source = qEnvironmentVariable("IQX_SOURCE_DIR");
    QVERIFY2(!source.isEmpty(), "IQX_SOURCE_DIR is not set");
    QVERIFY(dir_.isValid());
    QVERIFY(QFile::copy(source + QStringLiteral("/data/GMINY.txt"), dir_.filePath(QStringLiteral("GMINY.txt"))));
    QVERIFY(QDir::setCurrent(dir_.path()));
}

void TestEntryPage1::init()
{
    sink_.clear();
    sink_.answer = false; // never save on closing
    scoped_ = std::make_unique<iqx::ScopedMessages>(&sink_);
    window_ = std::make_unique<iqx::TInformacja>();
    QVERIFY(sheet());
}

void TestEntryPage1::cleanup()
{
    window_.reset();
    scoped_.reset();
}

QLabel *TestEntryPage1::labelAt(const QWidget *parent, const QString &text, QPoint at) const
{
    const auto labels = parent->findChildren<QLabel *>(Qt::FindDirectChildrenOnly);
    for (QLabel *l : labels)
        if (l->text() == text && l->pos() == at)
            return l;
    return nullptr;
}

// Fills every box of the page with a value that passes its exit check (an
// identifier of the register, rates below their maxima, correct totals),
// shows the window and puts the focus into `box`.
QWidget *TestEntryPage1::showAndFocus(QWidget *box)
{
    edit(1)->setText(QStringLiteral("0201011"));
    for (int n = 5; n <= 49; ++n)
        edit(n)->setText(kRates.contains(n) ? QStringLiteral("0,1") : QStringLiteral("1"));
    edit(50)->setText(QStringLiteral("9"));
    edit(51)->setText(QStringLiteral("9"));

    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get()))
        return nullptr;
    settle();
    box->setFocus(Qt::OtherFocusReason);
    settle();
    sink_.clear();
    return QApplication::focusWidget();
}

QWidget *TestEntryPage1::pressTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    return QApplication::focusWidget();
}

void TestEntryPage1::positions_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QPoint>("numberAt");
    QTest::addColumn<QRect>("box");
    QTest::addColumn<QString>("keyFilter");
    QTest::addColumn<QString>("exitHandler");
    for (const Position &p : kPositions)
        QTest::addRow("%d", p.n) << p.n << QString::fromUtf8(p.number) << p.numberAt << p.box
                                 << QString::fromLatin1(p.keyFilter) << QString::fromLatin1(p.exitHandler);
}

void TestEntryPage1::positions()
{
    QFETCH(int, n);
    QFETCH(QString, number);
    QFETCH(QPoint, numberAt);
    QFETCH(QRect, box);
    QFETCH(QString, keyFilter);
    QFETCH(QString, exitHandler);

    QLineEdit *e = window_->findChild<QLineEdit *>(editName(n));
    QVERIFY(e);
    QCOMPARE(e->parentWidget(), sheet());
    QVERIFY(!window_->findChild<QCheckBox *>(QStringLiteral("CheckBox%1").arg(n)));
    QCOMPARE(e->geometry(), box);
    QCOMPARE(e->property("keyFilter").toString(), keyFilter);
    QCOMPARE(e->property("exitHandler").toString(), exitHandler);

    const bool identity = n == 0 || (n >= 2 && n <= 4);
    QCOMPARE(e->isHidden(), identity);
    QCOMPARE(e->isEnabled(), !identity);
    QCOMPARE(e->maxLength(), n == 1 ? 7 : 32767);
    QCOMPARE(e->font().pixelSize(), n <= 4 ? 18 : 15);
    QCOMPARE(e->font().bold(), n <= 4);

    if (number.isEmpty())
        return;
    const QLabel *label = labelAt(sheet(), number, numberAt);
    QVERIFY2(label, qPrintable(QStringLiteral("no label \"%1\" at %2,%3").arg(number).arg(numberAt.x()).arg(numberAt.y())));
    // "1." to "12." are in the small font, the rest in the page font.
    QCOMPARE(label->font().pixelSize(), n <= 12 ? 7 : 15);
    QCOMPARE(label->autoFillBackground(), n == 0); // "1." is drawn on silver
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
    const QTabWidget *tabs = window_->pageControl();
    const QStringList captions{"Strona 1", "Strona 2", "Strona 3", " Strona 4", " Strona 5", " Strona 6"};
    QCOMPARE(tabs->count(), captions.size());
    for (int i = 0; i < tabs->count(); ++i) {
        QCOMPARE(tabs->tabText(i), captions.at(i));
        QCOMPARE(tabs->widget(i)->objectName(), QStringLiteral("TabSheet%1").arg(i + 1));
    }
    QCOMPARE(tabs->objectName(), QStringLiteral("PageControl1"));
    QCOMPARE(tabs->geometry(), QRect(-1, 134, 993, 985));

    const QPushButton *button = window_->printButton();
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
    QCOMPARE(showAndFocus(edit(1)), edit(1));
    QStringList visited, expected;
    for (int n = 5; n <= 51; ++n)
        expected << editName(n);
    expected << QStringLiteral("Button1");
    for (int i = 0; i < expected.size(); ++i) {
        const QWidget *now = pressTab();
        visited << (now ? now->objectName() : QStringLiteral("<none>"));
    }
    QCOMPARE(visited, expected);
    QCOMPARE(sink_.texts(), QStringList());
    // The hidden identity boxes were skipped and stay hidden.
    for (int n : {0, 2, 3, 4})
        QVERIFY(edit(n)->isHidden());
}

void TestEntryPage1::identifierFillsTheHeaderLabels()
{
    QCOMPARE(showAndFocus(edit(1)), edit(1));
    for (int n : {0, 2, 3, 4})
        edit(n)->clear();
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

    edit(1)->clear();
    QTest::keyClicks(edit(1), QStringLiteral("02010119")); // the eighth digit does not fit
    QCOMPARE(edit(1)->text(), QStringLiteral("0201011"));
    QCOMPARE(pressTab(), edit(5));
    QCOMPARE(sink_.texts(), QStringList());

    const QStringList expected{"miejska", "Bolesławiec", "bolesławiecki", "dolnośląskie"};
    const int boxes[] = {0, 2, 3, 4};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(edit(boxes[i])->text(), expected.at(i));
        QCOMPARE(labels.at(i)->text(), expected.at(i));
        QVERIFY(labels.at(i)->width() > 0);
    }
}

void TestEntryPage1::exitChecks_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("next"); // the box that has the focus afterwards

    QTest::newRow("rate over its maximum: warned, accepted")
        << 7 << "0,67" << QStringList{"Maksymalna stawka to 0,66 zł"} << 8;
    QTest::newRow("rate at its maximum") << 7 << "0,66" << QStringList{} << 8;
    QTest::newRow("percentage rate over 2") << 47 << "2,5" << QStringList{"Maksymalna stawka to 2%"} << 48;
    QTest::newRow("rate left empty: refused")
        << 12 << "" << QStringList{"Wprowadzono niepoprawną liczbę"} << 12;
    QTest::newRow("other box left empty") << 8 << "" << QStringList{} << 9;
    QTest::newRow("typed point becomes a comma") << 5 << "1.5" << QStringList{} << 6;
    QTest::newRow("too many decimals: refused")
        << 9 << "0,1255" << QStringList{"Za duzo miejsc po przecinku"} << 9;
    QTest::newRow("number of rates takes no comma") << 6 << "1,5" << QStringList{} << 7;
    QTest::newRow("identifier too short: refused")
        << 1 << "020101"
        << QStringList{"ID gminy powinien mieć 7 znaków; pierwsze 2 to nr woj.,następne 2 to nr pow. reszta to nr gminy"}
        << 1;
}

void TestEntryPage1::exitChecks()
{
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QStringList, messages);
    QFETCH(int, next);

    QCOMPARE(showAndFocus(edit(n)), edit(n));
    edit(n)->clear();
    QTest::keyClicks(edit(n), typed);
    const QString kept = edit(n)->text();
    QCOMPARE(pressTab(), edit(next));
    QCOMPARE(sink_.texts(), messages);
    QCOMPARE(edit(n)->text(), kept);
    if (typed.contains(QLatin1Char('.')))
        QCOMPARE(kept, QString(typed).replace(QLatin1Char('.'), QLatin1Char(',')));
    if (n == 6)
        QCOMPARE(kept, QStringLiteral("15"));
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

    QCOMPARE(showAndFocus(edit(kPlanned.first())), edit(kPlanned.first()));
    // 1 to 9 typed into the planned revenue of the nine property rows.
    for (int i = 0; i < kPlanned.size(); ++i) {
        QLineEdit *e = edit(kPlanned.at(i));
        e->setFocus(Qt::OtherFocusReason);
        settle();
        e->clear();
        QTest::keyClicks(e, QString::number(i + 1));
    }
    edit(50)->setFocus(Qt::OtherFocusReason);
    settle();
    QCOMPARE(sink_.texts(), QStringList());

    edit(50)->clear();
    QTest::keyClicks(edit(50), total);
    QCOMPARE(pressTab(), edit(51));
    QCOMPARE(sink_.texts(), messages);
    QCOMPARE(edit(50)->text(), total);
}

QTEST_MAIN(TestEntryPage1)
#include "tst_entrypage1.moc"
