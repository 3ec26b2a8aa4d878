// Prints a filled document with `informacja --pdf` and reads the PDF back
// with poppler's pdftotext, a reader independent of the program: every static
// caption and every value of printed page 1 must stand where the paper form
// puts it, within 0.3 mm.
#include <QtTest>

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <optional>

namespace {

constexpr double kTolerance = 0.3; // mm
constexpr double kMargin = 10.0;   // the band's corner lies on the 10 mm margins
constexpr double kPtToMm = 25.4 / 72.0;
constexpr int kPositions = 223;

struct Word {
    QString text;
    double xMin, yMin, xMax; // mm from the sheet's top-left corner
};
using PageWords = QList<Word>;

// Values of positions 0 to 51 of a filled document: the identity block, then
// table B.1 row by row (tax base, number of rates, highest rate, planned
// revenue 2005, revenue 2004), then the two totals. Position 33 is left empty.
const QStringList kValues = {
    "wiejska", "1004032", "Góra Świętej Małgorzaty", "łęczycki", "łódzkie",
    "152340,50", "3", "0,62", "94451,11", "90210,40",
    "12,3456", "1", "3,99", "49,26", "49,26",
    "845210,00", "2", "0,10", "84521,00", "82310,55",
    "312450,75", "2", "0,50", "156225,38", "150870,12",
    "98340,20", "4", "17,73", "1743571,75", "1690233,04",
    "1250,00", "1", "8,26", "", "9980,00",
    "4320,50", "1", "3,82", "16504,31", "15980,77",
    "15640,00", "3", "5,84", "91337,60", "88410,09",
    "2345678,90", "1", "2,00", "46913,58", "45120,33",
    "2233573,99", "2173164,56",
};

// Windows-1250 bytes; the values use ASCII and the Polish letters only.
QByteArray toCp1250(const QString &text)
{
    static const QHash<QChar, char> polish{
        {u'ą', '\xB9'}, {u'ć', '\xE6'}, {u'ę', '\xEA'}, {u'ł', '\xB3'}, {u'ń', '\xF1'},
        {u'ó', '\xF3'}, {u'ś', '\x9C'}, {u'ź', '\x9F'}, {u'ż', '\xBF'}, {u'Ą', '\xA5'},
        {u'Ć', '\xC6'}, {u'Ę', '\xCA'}, {u'Ł', '\xA3'}, {u'Ń', '\xD1'}, {u'Ó', '\xD3'},
        {u'Ś', '\x8C'}, {u'Ź', '\x8F'}, {u'Ż', '\xAF'}};
    QByteArray out;
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            out += char(c.unicode());
        else
            out += polish.value(c, '?');
    }
    return out;
}

// The pages of `pdftotext -bbox` output, coordinates converted to mm.
QList<PageWords> parseBbox(const QByteArray &xhtml)
{
    QList<PageWords> pages;
    QXmlStreamReader xml(xhtml);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"page") {
            pages.append(PageWords());
        } else if (xml.name() == u"word" && !pages.isEmpty()) {
            const auto a = xml.attributes();
            const double x0 = a.value("xMin").toDouble() * kPtToMm;
            const double y0 = a.value("yMin").toDouble() * kPtToMm;
            const double x1 = a.value("xMax").toDouble() * kPtToMm;
            pages.last().append({xml.readElementText(), x0, y0, x1});
        }
    }
    return pages;
}

struct Line {
    double xMin, xMax, yMin; // mm
};

// Finds `text` printed as one line of `page`: its blank-separated words in
// order, each following the previous one on the same line. Of the lines whose
// top lies within 2 mm of `top`, returns the one whose start (or end, when
// `atEnd`) is nearest to `edge`, so that an offset shows as a measurement
// rather than as a missing text.
std::optional<Line> findLine(const PageWords &page, const QString &text, double top,
                             double edge, bool atEnd)
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    std::optional<Line> best;
    const auto distance = [&](const Line &l) { return qAbs((atEnd ? l.xMax : l.xMin) - edge); };
    for (const Word &first : page) {
        if (first.text != parts.first() || qAbs(first.yMin - top) > 2.0)
            continue;
        const Word *last = &first;
        for (qsizetype i = 1; last && i < parts.size(); ++i) {
            const Word *next = nullptr;
            for (const Word &w : page) {
                if (w.text == parts[i] && qAbs(w.yMin - last->yMin) < 0.1
                    && w.xMin > last->xMax - 0.05 && w.xMin - last->xMax < 3.0) {
                    next = &w;
                    break;
                }
            }
            last = next;
        }
        if (!last)
            continue;
        const Line line{first.xMin, last->xMax, first.yMin};
        if (!best || distance(line) < distance(*best))
            best = line;
    }
    return best;
}

// Empty when `measured` is within the tolerance of `expected`, else a message.
QString offBy(const QString &what, double measured, double expected)
{
    if (qAbs(measured - expected) <= kTolerance)
        return {};
    return QStringLiteral("%1 is %2 mm, expected %3 mm (off by %4)")
        .arg(what)
        .arg(measured, 0, 'f', 2)
        .arg(expected, 0, 'f', 2)
        .arg(measured - expected, 0, 'f', 2);
}

// Advance of a blank in Arial (569 of 2048 units per em), mm.
double blankWidth(int pointSize)
{
    return pointSize * 569.0 / 2048.0 * kPtToMm;
}

} // namespace

class TestPrintedPage1 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void sixA4Pages();
    void staticCaptions_data();
    void staticCaptions();
    void printSlots_data();
    void printSlots();
    void footersOfLaterPages_data();
    void footersOfLaterPages();
    void noSlotNameIsPrinted();

private:
    // Checks that `text` stands on `page` (1-based) with its top at band y and
    // its start (or end) at band x `edge`.
    void expectLine(int page, const QString &text, double y, double edge, bool atEnd);

    QTemporaryDir dir_;
    QString pdf_;
    QList<PageWords> pages_;
};

void TestPrintedPage1::initTestCase()
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty())
        QSKIP("pdftotext (poppler-utils) is not installed");
    const QString binary = qEnvironmentVariable("IQX_BINARY");
    const QString source = qEnvironmentVariable("IQX_SOURCE_DIR");
    QVERIFY2(!binary.isEmpty() && !source.isEmpty(), "IQX_BINARY and IQX_SOURCE_DIR must be set");
    QVERIFY(dir_.isValid());

    // A complete data file: positions 0 to 51 as above, every later one "0".
    QString line;
    for (int n = 0; n < kPositions; ++n)
        line += (n < kValues.size() ? kValues[n] : QStringLiteral("0")) + u';';
    QFile data(dir_.filePath("InfoQX" + kValues[1] + ".iqx"));
    QVERIFY(data.open(QIODevice::WriteOnly));
    data.write(toCp1250(line));
    data.close();
    QVERIFY(QFile::copy(source + "/data/GMINY.txt", dir_.filePath("GMINY.txt")));

    QProcess run;
    run.setWorkingDirectory(dir_.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    run.setProcessEnvironment(env);
    run.start(binary, {"--pdf", "out.pdf"});
    QVERIFY2(run.waitForFinished(120000), "informacja --pdf did not finish");
    QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
             qPrintable("informacja --pdf failed: " + QString::fromLocal8Bit(run.readAllStandardError())));
    pdf_ = dir_.filePath("out.pdf");
    QVERIFY(QFile::exists(pdf_));

    QProcess text;
    text.start(pdftotext, {"-bbox", pdf_, "-"});
    QVERIFY(text.waitForFinished(60000));
    QCOMPARE(text.exitCode(), 0);
    pages_ = parseBbox(text.readAllStandardOutput());
    QVERIFY(!pages_.isEmpty());
}

void TestPrintedPage1::sixA4Pages()
{
    QProcess info;
    info.start("pdfinfo", {"-f", "1", "-l", "6", pdf_});
    QVERIFY(info.waitForFinished(60000));
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const auto pages = QRegularExpression(R"(^Pages:\s+(\d+)$)", QRegularExpression::MultilineOption).match(out);
    QVERIFY2(pages.hasMatch(), qPrintable(out));
    QCOMPARE(pages.captured(1).toInt(), 6);
    QCOMPARE(pages_.size(), 6);
    auto sizes = QRegularExpression(R"(^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)", QRegularExpression::MultilineOption).globalMatch(out);
    int count = 0;
    for (; sizes.hasNext(); ++count) {
        const auto m = sizes.next();
        QVERIFY2(qAbs(m.captured(1).toDouble() * kPtToMm - 210.0) < 0.5
                     && qAbs(m.captured(2).toDouble() * kPtToMm - 297.0) < 0.5,
                 qPrintable("not A4 portrait: " + m.captured(0)));
    }
    QCOMPARE(count, 6);
}

void TestPrintedPage1::expectLine(int page, const QString &text, double y, double edge, bool atEnd)
{
    QVERIFY(page <= pages_.size());
    const double top = kMargin + y, x = kMargin + edge;
    const auto line = findLine(pages_[page - 1], text, top, x, atEnd);
    QVERIFY2(line, qPrintable(QStringLiteral("\"%1\" not found on one line near y %2 mm").arg(text).arg(top)));
    const QString offX = offBy(atEnd ? "end" : "start", atEnd ? line->xMax : line->xMin, x);
    QVERIFY2(offX.isEmpty(), qPrintable(offX));
    const QString offY = offBy("top", line->yMin, top);
    QVERIFY2(offY.isEmpty(), qPrintable(offY));
}

void TestPrintedPage1::staticCaptions_data()
{
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointSize");
    const struct { double y, x; const char *text; int pt; } captions[] = {
        {1.06, 139.17, "Zeltmark", 10},
        {5.82, 130.70, "Tarvelin", 10},
        {14.02, 74.35, "INFORMACJA", 12},
        {19.05, 53.18, "w sprawie podatków i opłat lokalnych", 12},
        {29.63, 7.94, "Identyfikator gminy :", 10},
        {39.69, 7.94, "Typ gminy :", 10},
        {47.62, 7.94, "Nazwa gminy :", 10},
        {55.56, 7.94, "Nazwa powiatu :", 10},
        {62.97, 7.94, "Nazwa województwa :", 10},
        {78.85, 1.59, "B. PODATEK OD NIERUCHOMOŚCI", 10},
        {82.55, 1.32, "B.1. Podstawa, stawki i wpływy", 9},
        {86.78, 1.59, "Rodzaj nieruchomości", 7},
        {86.78, 59.00, "Powierzchnia (wartość) ", 7},
        {86.78, 92.60, "Liczba stawek", 7},
        {86.78, 119.86, "Maksymalna", 7},
        {86.78, 146.05, "Planowane", 7},
        {86.78, 162.98, "Wpływy z podatku", 7},
        {89.96, 64.03, "podlegająca", 7},
        {90.22, 90.49, "przyjętych ustawą", 7},
        {90.22, 141.82, "wplywy z podatku", 7},
        {90.22, 168.54, "w 2004r.", 7},
        {90.49, 118.80, "stawka przyjęta", 7},
        {93.13, 57.94, "opodatkowaniu w 2005r.", 7},
        {93.13, 89.43, "rady gminy w 2005r.", 7},
        {93.40, 117.21, "uchwalą rady gminy", 7},
        {93.40, 147.64, "w 2005r.", 7},
        {96.57, 123.03, "w 2005r.", 7},
        {101.07, 68.79, "[m2]", 7},
        {101.07, 125.68, "[zł]", 7},
        {101.07, 150.28, "[zł]", 7},
        {101.07, 171.98, "[zł]", 7},
        {108.48, 1.32, "Grunty związane z prowadzeniem działalności", 7},
        {111.39, 1.32, "gospodarczej, bez względu na sposób ", 7},
        {114.56, 1.59, "zakwalifikowania w ewidencji gruntów i  budynków", 7},
        {124.09, 1.32, "Grunty pod jeziorami zajęte na zbiorniki wodne ", 7},
        {124.62, 83.34, "ha", 7},
        {127.00, 1.32, " retencyjne lub elektrowni wodnych ", 7},
        {135.47, 1.59, "Grunty pozostałe, w tym grunty zajęte na", 7},
        {138.64, 2.12, "prowadzenie odpłatnej statutowej działalności ", 7},
        {141.55, 1.85, "pożytku publicznego przez organizacje pożytku ", 7},
        {144.46, 2.12, "publicznego", 7},
        {153.99, 2.12, "Budynki mieszkalne lub ich części ", 7},
        {163.51, 2.12, "Budynki lub ich części związane z prowadzeniem", 7},
        {166.42, 2.12, "działalności gospodarczej oraz od budynków", 7},
        {169.33, 2.12, "mieszkalnych lub ich części zajętych na ", 7},
        {172.24, 2.12, "prowadzenie działalności gospodarczej ", 7},
        {182.83, 2.12, "Budynki lub ich części zajęte na prowadzenie ", 7},
        {185.74, 2.12, "działalności gospodarczej w zakresie ", 7},
        {188.65, 2.12, "obrotu kwalifikowanym materiałem siewnym ", 7},
        {201.61, 2.12, "Budynki lub ich części zajęte na prowadzenie ", 7},
        {204.79, 2.12, "działalności gospodarczej w zakresie", 7},
        {207.70, 2.12, "udzielania świadczeń zdrowotnych", 7},
        {220.40, 2.12, "Pozostałe budynki lub ich części , w tym zajęte na", 7},
        {223.31, 2.12, "prowadzenie odpłatnej statutowej działalności", 7},
        {226.22, 2.12, "pożytku publicznego przez  organizacje ", 7},
        {229.13, 2.12, "pożytku publicznego ", 7},
        {239.45, 84.40, "zł", 7},
        {239.98, 2.12, "Budowle lub ich części ", 7},
        {251.09, 2.12, "Ogółem", 7},
        {269.35, 3.44, "Informacja QX", 7},
        {269.35, 174.36, "Strona 1/6", 7},
    };
    for (const auto &c : captions) {
        const QString text = QString::fromUtf8(c.text);
        QTest::addRow("%.2f %s", c.y, c.text) << c.y << c.x << text << c.pt;
    }
}

void TestPrintedPage1::staticCaptions()
{
    QFETCH(double, y);
    QFETCH(double, x);
    QFETCH(QString, text);
    QFETCH(int, pointSize);
    // A leading blank is printed: the first word starts one blank further right.
    qsizetype blanks = 0;
    while (blanks < text.size() && text[blanks] == u' ')
        ++blanks;
    expectLine(1, text, y, x + blanks * blankWidth(pointSize), false);
}

void TestPrintedPage1::printSlots_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("anchor");
    QTest::addColumn<bool>("rightJustified");

    // Identity block: left-justified at x 49.21, the identifier's line first.
    const double identityY[] = {39.42, 29.90, 47.10, 55.56, 62.97};
    for (int n = 0; n < 5; ++n)
        QTest::addRow("P%d", n) << n << identityY[n] << 49.21 << false;

    // Table B.1: right-justified on five column edges; the first row's
    // one-digit slots end 1.32 mm further left; the totals use the last two.
    const double firstRow[] = {76.99, 110.86, 138.38, 161.66, 182.83};
    const double columns[] = {78.32, 112.18, 139.70, 162.98, 184.15};
    const double rowY[] = {110.60, 123.83, 137.85, 153.19, 166.42,
                           183.36, 202.41, 221.46, 239.45, 251.09};
    for (int n = 5; n <= 51; ++n) {
        const int row = (n - 5) / 5;
        const int column = n <= 49 ? (n - 5) % 5 : n - 47;
        const double anchor = row == 0 ? firstRow[column] : columns[column];
        QTest::addRow("P%d", n) << n << rowY[row] << anchor << true;
    }
}

void TestPrintedPage1::printSlots()
{
    QFETCH(int, position);
    QFETCH(double, y);
    QFETCH(double, anchor);
    QFETCH(bool, rightJustified);
    const QString value = kValues[position];
    if (!value.isEmpty()) {
        expectLine(1, value, y, anchor, rightJustified);
        return;
    }
    // An empty box prints nothing at its slot.
    for (const Word &w : pages_[0]) {
        QVERIFY2(qAbs(w.yMin - (kMargin + y)) > 1.0 || qAbs(w.xMax - (kMargin + anchor)) > 1.0,
                 qPrintable("\"" + w.text + "\" printed at an empty slot"));
    }
}

void TestPrintedPage1::footersOfLaterPages_data()
{
    QTest::addColumn<int>("page");
    for (int k = 2; k <= 6; ++k)
        QTest::addRow("page %d", k) << k;
}

void TestPrintedPage1::footersOfLaterPages()
{
    QFETCH(int, page);
    expectLine(page, "Informacja QX", 267.49, 3.70, false);
    expectLine(page, QStringLiteral("Strona %1/6").arg(page), 267.49, 174.62, false);
}

void TestPrintedPage1::noSlotNameIsPrinted()
{
    const QRegularExpression slotName(R"(^P\d+$)");
    for (qsizetype p = 0; p < pages_.size(); ++p) {
        for (const Word &w : pages_[p])
            QVERIFY2(!slotName.match(w.text).hasMatch(),
                     qPrintable(QStringLiteral("slot name %1 printed on page %2").arg(w.text).arg(p + 1)));
    }
}

QTEST_GUILESS_MAIN(TestPrintedPage1)
#include "tst_printedpage1.moc"
