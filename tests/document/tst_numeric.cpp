#include "document/numeric.h"
#include "document/fields.h"

#include <QLocale>
#include <QTest>
#include <charconv>

using namespace iqx;

namespace {
// The value a binary floating point type gives a decimal-comma text.
template <typename Float>
Float binaryValue(const QString &text)
{
    const QByteArray s = text.toLatin1().replace(',', '.');
    Float v{};
    std::from_chars(s.constData(), s.constData() + s.size(), v);
    return v;
}

template <typename Float>
bool binarySumEquals(const QStringList &summands, const QString &total)
{
    Float sum = 0;
    for (const QString &s : summands)
        sum += binaryValue<Float>(s);
    return sum == binaryValue<Float>(total);
}

Decimal dec(const QString &text)
{
    const auto d = Decimal::parse(text);
    if (!d)
        qFatal("not a number in test data: %s", qPrintable(text));
    return *d;
}
} // namespace

class TestNumeric : public QObject {
    Q_OBJECT
private slots:
    void takeField_data();
    void takeField();
    void filterKey_data();
    void filterKey();
    void parse_data();
    void parse();
    void arithmetic_data();
    void arithmetic();
    void conversionIgnoresLocale();
    void statutoryMaxima();
    void checkNumber_data();
    void checkNumber();
    void summands();
    void checkSum_data();
    void checkSum();
    void sumIsExactWhereBinaryFloatingPointIsNot();
};

void TestNumeric::takeField_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QChar>("sep");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("rest");
    QTest::newRow("two fields") << "a;b" << QChar(u';') << "a"
                                << "b";
    QTest::newRow("no separator") << "abc" << QChar(u';') << "abc"
                                  << "";
    QTest::newRow("empty") << "" << QChar(u';') << ""
                           << "";
    QTest::newRow("lone separator") << ";" << QChar(u';') << ""
                                    << "";
    QTest::newRow("empty field first") << ";;x" << QChar(u';') << ""
                                       << ";x";
    QTest::newRow("comma") << "12,345,6" << QChar(u',') << "12"
                           << "345,6";
    QTest::newRow("trailing comma") << "12," << QChar(u',') << "12"
                                    << "";
}

void TestNumeric::takeField()
{
    QFETCH(QString, input);
    QFETCH(QChar, sep);
    QFETCH(QString, field);
    QFETCH(QString, rest);
    QCOMPARE(iqx::takeField(input, sep), field);
    QCOMPARE(input, rest);
}

void TestNumeric::filterKey_data()
{
    QTest::addColumn<int>("filter");
    QTest::addColumn<QChar>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QChar>("replacement");
    const int dec = int(KeyFilter::Decimal), whole = int(KeyFilter::Whole), id = int(KeyFilter::Identifier);
    const int pass = KeyDecision::Pass, swallow = KeyDecision::Swallow, next = KeyDecision::MoveNext;
    const QChar none;
    QTest::newRow("decimal: digit") << dec << QChar(u'7') << "12" << pass << none;
    QTest::newRow("decimal: point becomes comma")
        << dec << QChar(u'.') << "12" << int(KeyDecision::Replace) << QChar(u',');
    QTest::newRow("decimal: point after comma") << dec << QChar(u'.') << "1,2" << swallow << none;
    QTest::newRow("decimal: first comma") << dec << QChar(u',') << "12" << pass << none;
    QTest::newRow("decimal: second comma") << dec << QChar(u',') << "1,2" << swallow << none;
    QTest::newRow("decimal: comma anywhere") << dec << QChar(u',') << ",5" << swallow << none;
    QTest::newRow("decimal: minus") << dec << QChar(u'-') << "" << pass << none;
    QTest::newRow("decimal: backspace") << dec << QChar(u'\b') << "1,2" << pass << none;
    QTest::newRow("decimal: Enter") << dec << QChar(u'\r') << "1" << next << none;
    QTest::newRow("decimal: letter") << dec << QChar(u'a') << "" << swallow << none;
    QTest::newRow("decimal: blank") << dec << QChar(u' ') << "" << swallow << none;
    QTest::newRow("decimal: plus") << dec << QChar(u'+') << "" << swallow << none;
    QTest::newRow("decimal: Ctrl+V") << dec << QChar(0x16) << "" << swallow << none;
    QTest::newRow("decimal: Ctrl+C") << dec << QChar(0x03) << "1" << swallow << none;
    QTest::newRow("decimal: Arabic-Indic digit") << dec << QChar(0x0663) << "" << swallow << none;
    QTest::newRow("whole: digit") << whole << QChar(u'0') << "" << pass << none;
    QTest::newRow("whole: minus") << whole << QChar(u'-') << "" << pass << none;
    QTest::newRow("whole: point") << whole << QChar(u'.') << "1" << swallow << none;
    QTest::newRow("whole: comma") << whole << QChar(u',') << "1" << swallow << none;
    QTest::newRow("whole: Enter") << whole << QChar(u'\r') << "" << next << none;
    QTest::newRow("whole: Ctrl+V") << whole << QChar(0x16) << "" << swallow << none;
    QTest::newRow("identifier: digit") << id << QChar(u'9') << "020" << pass << none;
    QTest::newRow("identifier: backspace") << id << QChar(u'\b') << "020" << pass << none;
    QTest::newRow("identifier: minus") << id << QChar(u'-') << "" << swallow << none;
    QTest::newRow("identifier: comma") << id << QChar(u',') << "" << swallow << none;
    QTest::newRow("identifier: Enter") << id << QChar(u'\r') << "0201011" << next << none;
    QTest::newRow("identifier: Ctrl+V") << id << QChar(0x16) << "" << swallow << none;
    QTest::newRow("no filter: anything") << int(KeyFilter::None) << QChar(u';') << "" << pass << none;
}

void TestNumeric::filterKey()
{
    QFETCH(int, filter);
    QFETCH(QChar, typed);
    QFETCH(QString, text);
    QFETCH(int, kind);
    QFETCH(QChar, replacement);
    const KeyDecision d = iqx::filterKey(KeyFilter(filter), typed, text);
    QCOMPARE(int(d.kind), kind);
    if (kind == KeyDecision::Replace)
        QCOMPARE(d.replacement, replacement);
}

void TestNumeric::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("canonical"); // empty: not a number
    QTest::newRow("whole") << "1250"
                           << "1250";
    QTest::newRow("one and a half") << "1,5"
                                    << "1,5";
    QTest::newRow("trailing comma") << "12,"
                                    << "12";
    QTest::newRow("leading comma") << ",5"
                                   << "0,5";
    QTest::newRow("zeros trimmed") << "007,500"
                                   << "7,5";
    QTest::newRow("small fraction") << "0,005"
                                    << "0,005";
    QTest::newRow("negative") << "-5"
                              << "-5";
    QTest::newRow("minus zero") << "-0"
                                << "0";
    QTest::newRow("plus") << "+3"
                          << "3";
    QTest::newRow("very long") << "123456789012345678901234567890,000000000000000000001"
                               << "123456789012345678901234567890,000000000000000000001";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("letters") << "abc"
                             << "";
    QTest::newRow("sign only") << "-"
                               << "";
    QTest::newRow("comma only") << ","
                                << "";
    QTest::newRow("two commas") << "1,2,3"
                                << "";
    QTest::newRow("point") << "1.5"
                           << "";
    QTest::newRow("blank") << " 1"
                           << "";
    QTest::newRow("exponent") << "1e3"
                              << "";
    QTest::newRow("double minus") << "--1"
                                  << "";
}

void TestNumeric::parse()
{
    QFETCH(QString, text);
    QFETCH(QString, canonical);
    const auto d = Decimal::parse(text);
    QCOMPARE(d.has_value(), !canonical.isEmpty());
    if (d)
        QCOMPARE(d->toString(), canonical);
}

void TestNumeric::arithmetic_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("sum");
    QTest::addColumn<int>("order"); // sign of a - b
    QTest::newRow("tenths") << "0,1"
                            << "0,2"
                            << "0,3" << -1;
    QTest::newRow("carry") << "999,999"
                           << "0,001"
                           << "1000" << 1;
    QTest::newRow("scales differ") << "0,05"
                                   << "1,2"
                                   << "1,25" << -1;
    QTest::newRow("equal values") << "2,50"
                                  << "2,5"
                                  << "5" << 0;
    QTest::newRow("zero and zero") << "0"
                                   << "-0,000"
                                   << "0" << 0;
    QTest::newRow("mixed signs") << "-5"
                                 << "3,25"
                                 << "-1,75" << -1;
    QTest::newRow("cancel out") << "7,125"
                                << "-7,125"
                                << "0" << 1;
    QTest::newRow("both negative") << "-1,5"
                                   << "-2"
                                   << "-3,5" << 1;
    QTest::newRow("zero vs tiny") << "0"
                                  << "0,001"
                                  << "0,001" << -1;
    QTest::newRow("long digits") << "99999999999999999999999"
                                 << "1"
                                 << "100000000000000000000000" << 1;
}

void TestNumeric::arithmetic()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, sum);
    QFETCH(int, order);
    QCOMPARE((dec(a) + dec(b)).toString(), sum);
    QCOMPARE((dec(b) + dec(a)).toString(), sum);
    QCOMPARE(dec(a).compare(dec(b)), order);
    QCOMPARE(dec(b).compare(dec(a)), -order);
    QCOMPARE(dec(a) == dec(b), order == 0);
}

void TestNumeric::conversionIgnoresLocale()
{
    // Under an English locale "1,5" would read as fifteen or fail.
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto d = Decimal::parse(QStringLiteral("1,5"));
    QLocale::setDefault(saved);
    QVERIFY(d);
    QVERIFY(*d > dec("1") && *d < dec("2"));
    QCOMPARE(*d + *d, dec("3"));
}

void TestNumeric::statutoryMaxima()
{
    const QList<std::pair<int, QString>> table{
        {7, "0,66 zł"},  {12, "3,52 zł"}, {17, "0,32 zł"}, {22, "0,54 zł"},  {27, "17,98 zł"},  {32, "8,37 zł"},
        {37, "3,61 zł"}, {42, "6,01 zł"}, {47, "2%"},      {91, "94,18 zł"}, {120, "26,49 zł"},
    };
    int found = 0;
    for (int position = 0; position <= 222; ++position) {
        const auto max = statutoryMaximum(position);
        if (!max)
            continue;
        ++found;
        const auto row = std::find_if(table.begin(), table.end(), [&](const auto &r) { return r.first == position; });
        QVERIFY2(row != table.end(), qPrintable(QString::number(position)));
        QCOMPARE(max->message, QStringLiteral("Maksymalna stawka to ") + row->second);
        QCOMPARE(max->maximum, dec(row->second.section(u' ', 0, 0).remove(u'%')));
    }
    QCOMPARE(found, int(table.size()));
}

void TestNumeric::checkNumber_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("newText"); // "<same>": unchanged
    const QString same = QStringLiteral("<same>");
    const QString tooMany = QStringLiteral("Za duzo miejsc po przecinku");
    const QString negative = QStringLiteral("Wartości ujemna są nie dopuszczalne");
    const QString notNumber = QStringLiteral("Wprowadzono niepoprawną liczbę");
    QTest::newRow("three decimals") << 8 << "0,125" << true << QStringList() << same;
    QTest::newRow("four decimals") << 8 << "0,1255" << false << QStringList{tooMany} << same;
    QTest::newRow("ends in comma") << 8 << "12," << true << QStringList() << same;
    QTest::newRow("whole number") << 8 << "1250" << true << QStringList() << same;
    QTest::newRow("negative") << 8 << "-5" << false << QStringList{negative} << "";
    QTest::newRow("negative fraction") << 8 << "-0,001" << false << QStringList{negative} << "";
    QTest::newRow("minus zero") << 8 << "-0" << false << QStringList() << "0";
    QTest::newRow("empty") << 8 << "" << true << QStringList() << same;
    QTest::newRow("letters") << 8 << "abc" << false << QStringList{notNumber} << same;
    QTest::newRow("lone minus") << 8 << "-" << false << QStringList{notNumber} << same;
    QTest::newRow("over maximum") << 7 << "0,67" << true << QStringList{"Maksymalna stawka to 0,66 zł"} << same;
    QTest::newRow("at maximum") << 7 << "0,66" << true << QStringList() << same;
    QTest::newRow("at maximum, more digits") << 7 << "0,660" << true << QStringList() << same;
    QTest::newRow("percent maximum") << 47 << "2,5" << true << QStringList{"Maksymalna stawka to 2%"} << same;
    QTest::newRow("over maximum and too many decimals")
        << 12 << "3,5201" << false << QStringList{"Maksymalna stawka to 3,52 zł", tooMany} << same;
    QTest::newRow("empty rate") << 7 << "" << false << QStringList{notNumber} << same;
    QTest::newRow("letters in a rate") << 7 << "x" << false << QStringList{notNumber} << same;
    QTest::newRow("negative rate") << 7 << "-1" << false << QStringList{negative} << "";
}

void TestNumeric::checkNumber()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(QStringList, messages);
    QFETCH(QString, newText);
    const NumberCheck c = iqx::checkNumber(position, text);
    QCOMPARE(c.accepted, accepted);
    QCOMPARE(c.messages, messages);
    if (newText == QLatin1String("<same>"))
        QVERIFY(!c.newText);
    else
        QCOMPARE(c.newText, std::optional<QString>(newText));
}

void TestNumeric::summands()
{
    QCOMPARE(sumSummands(50), (QList<int>{8, 13, 18, 23, 28, 33, 38, 43, 48}));
    QCOMPARE(sumSummands(51), (QList<int>{9, 14, 19, 24, 29, 34, 39, 44, 49}));
    QVERIFY(sumSummands(49).isEmpty());
    QCOMPARE(sumMessage(50), QStringLiteral("Niepoprawna wartość w polu 50 (błąd sumowania)"));
    QCOMPARE(sumMessage(51), QStringLiteral("Niepoprawna wartość w polu 51 (błąd sumowania)"));
}

void TestNumeric::checkSum_data()
{
    QTest::addColumn<QString>("total");
    QTest::addColumn<QStringList>("summands");
    QTest::addColumn<QString>("badText"); // "<none>": every text converts
    QTest::addColumn<bool>("equal");
    const QStringList oneToNine{"1", "2", "3", "4", "5", "6", "7", "8", "9"};
    QTest::newRow("whole numbers") << "45" << oneToNine << "<none>" << true;
    QTest::newRow("off by a thousandth") << "45,001" << oneToNine << "<none>" << false;
    QTest::newRow("same value, other form") << "45,000" << oneToNine << "<none>" << true;
    QStringList withEmpty = oneToNine;
    withEmpty[1] = QString(); // position 13 left empty
    QTest::newRow("empty summand") << "45" << withEmpty << "" << true;
    QStringList withLetters = oneToNine;
    withLetters[3] = QStringLiteral("x");
    withLetters[5] = QStringLiteral("y");
    QTest::newRow("first bad summand") << "45" << withLetters << "x" << true;
    QTest::newRow("bad total before bad summand") << "4 5" << withLetters << "4 5" << true;
}

void TestNumeric::checkSum()
{
    QFETCH(QString, total);
    QFETCH(QStringList, summands);
    QFETCH(QString, badText);
    QFETCH(bool, equal);
    const SumCheck c = iqx::checkSum(total, summands);
    if (badText == QLatin1String("<none>")) {
        QVERIFY(!c.badText);
        QCOMPARE(c.equal, equal);
    } else {
        QCOMPARE(c.badText, std::optional<QString>(badText));
    }
}

void TestNumeric::sumIsExactWhereBinaryFloatingPointIsNot()
{
    const QStringList summands{"1234,56", "0,07", "17,98", "0,11", "3,3", "0,001", "12,345", "0,2", "0,1"};
    const QString total = QStringLiteral("1268,666");
    // The case only means something if binary addition really misses.
    QVERIFY(!binarySumEquals<double>(summands, total));
    QVERIFY(!binarySumEquals<long double>(summands, total));
    const SumCheck c = iqx::checkSum(total, summands);
    QVERIFY(!c.badText);
    QVERIFY(c.equal);

    QVERIFY(!binarySumEquals<double>({"0,1", "0,2"}, "0,3"));
    QVERIFY(iqx::checkSum("0,3", {"0,1", "0,2"}).equal);
    QVERIFY(!iqx::checkSum("0,30000000000000004", {"0,1", "0,2"}).equal);

    QCOMPARE(conversionErrorText(QString()), QStringLiteral("'' is not a valid floating point value"));
    QCOMPARE(conversionErrorText("abc"), QStringLiteral("'abc' is not a valid floating point value"));
}

QTEST_APPLESS_MAIN(TestNumeric)
#include "tst_numeric.moc"
