// Entry page 6 as built in the main window: every position with its place,
// key filter, exit handler and number label, the headings, section I's fixed
// contacts and the two rules, the tab order from the page turn into 207 to
// the last box, the number rules of its boxes, the free-text boxes 221 and
// 222, and what its check boxes and free texts become in the data file.
#include "app/mainwindow.h"
#include "app/messages.h"
#include "support/entrycheck.h"
#include "support/pdfcheck.h"
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

QString controlName(const ExpectedPosition &p)
{
    return (p.flag ? QStringLiteral("CheckBox") : QStringLiteral("Edit")) + QString::number(p.n);
}

// Runs the exit handlers, which the window queues on every focus change.
void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Types `text` key by key, Polish letters included (QTest::keyClicks
// handles Latin-1 only).
void typeText(QWidget *w, const QString &text)
{
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class TestEntryPage6 : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void positions_data();
    void positions();
    void pageHoldsExactlyItsPositions();
    void captions_data();
    void captions();
    void contactsAndRules();

    void tabOrderRunsThroughThePage();
    void entryRules_data();
    void entryRules();
    void enterInFreeTextStays();
    void savedAsOneFieldEach();

private:
    QWidget *sheet() const { return window_->findChild<QWidget *>(QStringLiteral("TabSheet6")); }
    QLineEdit *edit(int n) const { return sheet()->findChild<QLineEdit *>(QStringLiteral("Edit%1").arg(n)); }
    QCheckBox *checkBox(int n) const { return sheet()->findChild<QCheckBox *>(QStringLiteral("CheckBox%1").arg(n)); }
    bool show();
    QWidget *pressTab();

    std::unique_ptr<WorkDir> dir_;
    iqx::RecordingSink sink_;
    std::unique_ptr<iqx::ScopedMessages> scoped_;
    std::unique_ptr<iqx::TInformacja> window_;
};

void TestEntryPage6::init()
{
    dir_ = std::make_unique<WorkDir>();
    sink_.clear();
    sink_.answer = false; // never save on closing
    scoped_ = std::make_unique<iqx::ScopedMessages>(&sink_);
    window_ = std::make_unique<iqx::TInformacja>();
    QVERIFY(sheet());
}

void TestEntryPage6::cleanup()
{
    window_.reset();
    scoped_.reset();
    dir_.reset();
}

// Shows the window and lets its first activation pass.
bool TestEntryPage6::show()
{
    window_->show();
    QApplication::setActiveWindow(window_.get());
    if (!QTest::qWaitForWindowActive(window_.get()))
        return false;
    settle();
    sink_.clear();
    return true;
}

QWidget *TestEntryPage6::pressTab()
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    return QApplication::focusWidget();
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
        QCOMPARE(e->maxLength(), 32767); // no box of the page limits its text
}

void TestEntryPage6::pageHoldsExactlyItsPositions()
{
    QCOMPARE(entrycheck::positionCount(sheet()), int(std::size(kPositions)));
    QCOMPARE(window_->pageControl()->indexOf(sheet()), 5);
    QCOMPARE(window_->pageControl()->tabText(5), QStringLiteral(" Strona 6"));
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
    const QString wrong = entrycheck::checkLabel(sheet(), text, at);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
    for (const QLabel *l : sheet()->findChildren<QLabel *>()) {
        if (l->text() == text && l->pos() == at) {
            QCOMPARE(l->font().pixelSize(), px);
            QCOMPARE(l->font().bold(), bold);
        }
    }
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
    QVERIFY(show());
    edit(207)->setText(QStringLiteral("85,50"));
    edit(208)->setText(QStringLiteral("12"));
    edit(209)->setText(QStringLiteral("6,5"));
    edit(210)->setText(QStringLiteral("5"));
    edit(211)->setText(QStringLiteral("4"));
    edit(212)->setText(QStringLiteral("17"));
    edit(221)->setText(QStringLiteral("(0-84) 681-22-15"));

    // Arriving by the page turn from the last box of page 5.
    QWidget *last5 = window_->findChild<QWidget *>(QStringLiteral("Edit206"));
    QVERIFY2(last5, "page 5 has no Edit206");
    window_->placeFocus(last5);
    settle();
    pressTab();
    QCOMPARE(window_->pageControl()->currentIndex(), 5);
    QCOMPARE(QApplication::focusWidget(), edit(207));

    QStringList visited, expected;
    for (int i = 1; i < int(std::size(kPositions)); ++i) {
        expected << controlName(kPositions[i]);
        const QWidget *now = pressTab();
        visited << (now ? now->objectName() : QStringLiteral("<none>"));
    }
    QCOMPARE(visited, expected);

    // Leaving the last box runs nothing and does not turn the page: the
    // focus goes on to the print button, next in the window's tab order.
    QCOMPARE(pressTab(), window_->printButton());
    QCOMPARE(window_->pageControl()->currentIndex(), 5);
    QCOMPARE(sink_.texts(), QStringList());
}

void TestEntryPage6::entryRules_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");     // the box's text after typing and leaving
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("stays");       // the focus is sent back into the box

    const QStringList none;
    QTest::newRow("207 three decimals") << 207 << "1250.125" << "1250,125" << none << false;
    QTest::newRow("207 four decimals") << 207 << "0,1255" << "0,1255"
                                       << QStringList{"Za duzo miejsc po przecinku"} << true;
    QTest::newRow("207 empty") << 207 << "" << "" << none << false;
    QTest::newRow("208 count takes no comma") << 208 << "12,5.7" << "1257" << none << false;
    QTest::newRow("209 commission above 100") << 209 << "150,25" << "150,25" << none << false;
    QTest::newRow("210 negative") << 210 << "-3" << ""
                                  << QStringList{"Wartości ujemna są nie dopuszczalne"} << true;
    QTest::newRow("211 letters swallowed") << 211 << "a1b2" << "12" << none << false;
    QTest::newRow("212 minus zero") << 212 << "-0" << "0" << none << true;
    QTest::newRow("221 any text") << 221 << "tel. (0-84) 681-22-15 wew. 31, Łódź!" << "tel. (0-84) 681-22-15 wew. 31, Łódź!"
                                  << none << false;
    QTest::newRow("221 refuses the field separator") << 221 << "12;34" << "1234" << none << false;
    QTest::newRow("222 e-mail with Polish letters") << 222 << "Żaneta.Gęś@gmina.pl" << "Żaneta.Gęś@gmina.pl"
                                                    << none << false;
}

void TestEntryPage6::entryRules()
{
    QFETCH(int, n);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    QFETCH(QStringList, messages);
    QFETCH(bool, stays);

    QVERIFY(show());
    QLineEdit *box = edit(n);
    window_->placeFocus(box);
    settle();
    QCOMPARE(QApplication::focusWidget(), box);
    typeText(box, typed);
    pressTab();
    QCOMPARE(sink_.texts(), messages);
    QCOMPARE(box->text(), text);
    if (stays)
        QCOMPARE(QApplication::focusWidget(), box);
    else
        QVERIFY(QApplication::focusWidget() != box);
    QCOMPARE(window_->pageControl()->currentIndex(), 5);
}

void TestEntryPage6::enterInFreeTextStays()
{
    QVERIFY(show());
    for (int n : {221, 222}) {
        window_->placeFocus(edit(n));
        settle();
        QTest::keyClick(edit(n), Qt::Key_Return);
        settle();
        QCOMPARE(QApplication::focusWidget(), edit(n));
    }
    // In a numeric box Enter moves on like Tab.
    window_->placeFocus(edit(207));
    settle();
    QTest::keyClick(edit(207), Qt::Key_Return);
    settle();
    QCOMPARE(QApplication::focusWidget(), edit(208));
    QCOMPARE(sink_.texts(), QStringList());
}

void TestEntryPage6::savedAsOneFieldEach()
{
    const bool states[] = {true, false, true, false, false, true, true, false}; // 213 to 220
    for (int i = 0; i < 8; ++i)
        checkBox(213 + i)->setChecked(states[i]);
    const QString phone = QStringLiteral("(0-84) 681-22-15 wew. 31, Bożena Ślęzak");
    const QString mail = QStringLiteral("b.slezak@urząd-gminy.pl");
    edit(221)->setText(phone);
    edit(222)->setText(mail);
    QVERIFY(window_->ZapiszDane());

    const QList<QByteArray> fields = dir_->read(QStringLiteral("InfoQX.iqx")).split(';');
    QCOMPARE(fields.size(), pdfcheck::kPositions + 1); // the line ends with ';'
    for (int i = 0; i < 8; ++i)
        QCOMPARE(fields.at(213 + i), QByteArray(states[i] ? "1" : "0"));
    QCOMPARE(fields.at(221), pdfcheck::toCp1250(phone));
    QCOMPARE(fields.at(222), pdfcheck::toCp1250(mail));
}

QTEST_MAIN(TestEntryPage6)
#include "tst_entrypage6.moc"
