// Entry page 2 as built in the main window: every position 52 to 85 with its
// control, place, handlers and number label, the section headings, the tab
// order through the page and the turn to page 3, and the yes/no answers in
// the data file of the whole window.
#include "support/entrycheck.h"
#include "support/guitest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

#include <memory>

// The tables of this file are laid out by hand, in rows as on the form;
// the formatter leaves the file as it is.
// clang-format off

using entrycheck::controlName;
using entrycheck::ExpectedPosition;

namespace {

constexpr const char *kDecimal = "TylkoLiczbyKeyPress";

// A yes/no answer: check box 17 px high, its number label 20 px before it.
ExpectedPosition yesNo(int n, const char *number, int x, int y, int w, const char *exit = "")
{
    return {n, true, QRect(x, y, w, 17), "", exit, number, QPoint(x - 20, y)};
}

// An area or value of table B.3.
ExpectedPosition area(int n, const char *number, int x, int y, int numberX)
{
    return {n, false, QRect(x, y, 110, 24), kDecimal, "ValFloat", number, QPoint(numberX, y)};
}

// Positions of entry page 2 in reading order, which is also the tab order.
constexpr int kLeft = 340, kRight = 816, kLand = 419, kBuildings = 600, kStructures = 760;
const QList<ExpectedPosition> kPositions{
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

} // namespace

class TestEntryPage2 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { f_.reset(); }

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void labels_data();
    void labels();

    void tabOrderRunsThroughThePageAndTurnsIt();
    void answersAreSavedAsOneAndZero();

private:
    QWidget *sheet() const { return f_->w.findChild<QWidget *>(QStringLiteral("TabSheet2")); }
    QLineEdit *edit(int n) const { return f_->edit(n); }
    QCheckBox *checkBox(int n) const { return f_->checkBox(n); }

    std::unique_ptr<guitest::Window> f_;
};

void TestEntryPage2::init()
{
    f_ = std::make_unique<guitest::Window>();
    QVERIFY(sheet());
}

void TestEntryPage2::positions_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < kPositions.size(); ++i)
        QTest::addRow("%d", kPositions[i].n) << i;
}

void TestEntryPage2::positions()
{
    QFETCH(int, index);
    const ExpectedPosition &p = kPositions[index];
    const QString wrong = entrycheck::checkPosition(sheet(), p);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    const QWidget *w = sheet()->findChild<QWidget *>(controlName(p));
    QCOMPARE(w->font().pixelSize(), 15);
    if (p.flag)
        QVERIFY(!static_cast<const QCheckBox *>(w)->isChecked());
}

void TestEntryPage2::pageHoldsExactlyItsPositions()
{
    QCOMPARE(entrycheck::positionCount(sheet()), kPositions.size());
    QCOMPARE(sheet()->findChildren<QCheckBox *>().size(), 17);
    QCOMPARE(sheet()->findChildren<QLineEdit *>().size(), 17);
}

void TestEntryPage2::labels_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<bool>("bold");
    const struct { const char *text; int x, y; bool bold; } rows[] = {
        {"B.2. Kryteria różnicowania stawek w podatku od nieruchomości w 2005r.", 16, 16, true},
        {"Gmina, na mocy uchwały rady gminy, różnicuje stawki dla poszczególnych przedmiotów opodatkowania  ",
         16, 40, false},
        {"Przeznaczenie i sposób wykorzystywania nieruchomości", 440, 85, false},
        {"stawkę opodatkowania budowli", 90, 220, false},
        {"B.3. Zwolnienia ustawowe w podatku od nieruchomości w 2005r.", 16, 264, true},
        {"powierzchnia użytkowa", 584, 300, false},
        {"[zł]", 800, 315, false},
        {"Art. 7 ust. 1 pkt 4   ", 21, 340, false},
        {"Art. 7 ust. 2 pkt 5  ", 21, 550, false},
        {"B.4. Zwolnienia na mocy uchwały rady gminy w podatku od nieruchomości w 2005r.", 16, 635, true},
        {"grupy budynków mieszkalnych określonej ze względu na atrybuty budynku ", 90, 755, false},
        {"Gmina posiada program pomocowy w związku ze stosowaniem zwolnień podatkowych ", 21, 835, false},
    };
    for (const auto &r : rows)
        QTest::addRow("%d,%d", r.x, r.y) << QString::fromUtf8(r.text) << QPoint(r.x, r.y) << r.bold;
}

void TestEntryPage2::labels()
{
    QFETCH(QString, text);
    QFETCH(QPoint, at);
    QFETCH(bool, bold);
    const QString wrong = entrycheck::checkLabel(sheet(), text, at, 15, bold);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestEntryPage2::tabOrderRunsThroughThePageAndTurnsIt()
{
    // Table B.3 holds values that pass the number check.
    for (int n = 62; n <= 78; ++n)
        edit(n)->setText(QStringLiteral("%1,5").arg(n * 100));
    QVERIFY(f_->show());
    QVERIFY(f_->focus(checkBox(52)));
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 1);
    QStringList expected;
    for (qsizetype i = 1; i < kPositions.size(); ++i)
        expected << controlName(kPositions[i]);
    QCOMPARE(guitest::tabThrough(expected.size()), expected);
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 1);

    // Leaving the last answer turns to page 3, into its first box.
    guitest::press(Qt::Key_Tab);
    QCOMPARE(f_->w.pageTabs()->currentIndex(), 2);
    QCOMPARE(guitest::focusName(), QStringLiteral("Edit86"));
    QCOMPARE(f_->sink.texts(), QStringList());
}

// The file of the whole window: field n holds position n of all 223 (the
// names sort by number, not alphabetically), and answers are stored as 1/0.
void TestEntryPage2::answersAreSavedAsOneAndZero()
{
    const QList<int> ticked{52, 57, 61, 79, 84, 85};
    for (const ExpectedPosition &p : kPositions) {
        if (p.flag)
            checkBox(p.n)->setChecked(ticked.contains(p.n));
        else
            edit(p.n)->setText(p.n == 70 ? QStringLiteral("2,125") : QString());
    }
    QVERIFY(f_->w.saveDocument());

    // No identifier: the file is "InfoQX.iqx"; positions 0 to 51 are empty,
    // so field n is position n.
    const QList<QByteArray> fields = f_->dir.read(QStringLiteral("InfoQX.iqx")).split(';');
    QCOMPARE(fields.size(), 224); // 223 fields, each followed by ';'
    for (const ExpectedPosition &p : kPositions) {
        const QByteArray expected = p.flag ? (ticked.contains(p.n) ? "1" : "0") : (p.n == 70 ? "2,125" : "");
        QVERIFY2(fields[p.n] == expected, qPrintable(QStringLiteral("field %1 is \"%2\"")
                                                         .arg(p.n)
                                                         .arg(QString::fromLatin1(fields[p.n]))));
    }

    // Read back by a new window: "0" clears a box, "1" ticks it.
    iqx::MainWindow again;
    QVERIFY(again.runFirstActivation());
    for (const ExpectedPosition &p : kPositions)
        if (p.flag)
            QVERIFY2(again.checkBox(p.n)->isChecked() == ticked.contains(p.n), qPrintable(controlName(p)));
    QCOMPARE(again.textBox(70)->text(), QStringLiteral("2,125"));
}

QTEST_MAIN(TestEntryPage2)
#include "tst_entrypage2.moc"
// clang-format on
