#include "support/pdfcheck.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QtTest>

#include <optional>

namespace pdfcheck {

namespace {

constexpr double kTolerance = 0.3; // mm
constexpr double kMargin = 10.0;   // the band's corner lies on the 10 mm margins
constexpr double kPtToMm = 25.4 / 72.0;

struct Line {
    double xMin, xMax, yMin; // mm
};

// Windows-1250 bytes of a text of ASCII and Polish letters (an encoder of
// the test's own, independent of the program's).
QByteArray toCp1250(const QString &text)
{
    static const QHash<QChar, char> polish{
        {u'ą', '\xB9'}, {u'ć', '\xE6'}, {u'ę', '\xEA'}, {u'ł', '\xB3'}, {u'ń', '\xF1'}, {u'ó', '\xF3'},
        {u'ś', '\x9C'}, {u'ź', '\x9F'}, {u'ż', '\xBF'}, {u'Ą', '\xA5'}, {u'Ć', '\xC6'}, {u'Ę', '\xCA'},
        {u'Ł', '\xA3'}, {u'Ń', '\xD1'}, {u'Ó', '\xD3'}, {u'Ś', '\x8C'}, {u'Ź', '\x8F'}, {u'Ż', '\xAF'}};
    QByteArray out;
    for (QChar c : text)
        out += c.unicode() < 0x80 ? char(c.unicode()) : polish.value(c, '?');
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
double blankWidth(int pointSize) { return pointSize * 569.0 / 2048.0 * kPtToMm; }

// Finds `text` printed as one line of `page`: its blank-separated words in
// order, each following the previous one on the same line. Of the lines whose
// top lies within 2 mm of `top`, returns the one whose start (or end, when
// `atEnd`) is nearest to `edge`.
std::optional<Line> findLine(const PageWords &page, const QString &text, double top, double edge, bool atEnd)
{
    const QStringList parts = text.split(u' ', Qt::SkipEmptyParts);
    std::optional<Line> best;
    if (parts.isEmpty())
        return best;
    const auto distance = [&](const Line &l) { return qAbs((atEnd ? l.xMax : l.xMin) - edge); };
    for (const Word &first : page) {
        if (first.text != parts.first() || qAbs(first.yMin - top) > 2.0)
            continue;
        const Word *last = &first;
        for (qsizetype i = 1; last && i < parts.size(); ++i) {
            const Word *next = nullptr;
            for (const Word &w : page) {
                if (w.text == parts[i] && qAbs(w.yMin - last->yMin) < 0.1 && w.xMin > last->xMax - 0.05
                    && w.xMin - last->xMax < 3.0) {
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

// Empty when `text` stands on `page` with its top at band y and its start
// (or end, when `atEnd`) at band x `edge`, within the tolerance; else what
// is wrong. Leading blanks of `text` move its first word one blank each
// (in `pointSize`) to the right.
QString checkLine(const PageWords &page, const QString &text, double y, double edge, bool atEnd, int pointSize = 7)
{
    qsizetype blanks = 0;
    while (!atEnd && blanks < text.size() && text[blanks] == u' ')
        ++blanks;
    const double top = kMargin + y;
    const double x = kMargin + edge + blanks * blankWidth(pointSize);
    const auto line = findLine(page, text, top, x, atEnd);
    if (!line)
        return QStringLiteral("\"%1\" not found on one line near y %2 mm").arg(text).arg(top);
    const QString offX =
        offBy(atEnd ? QStringLiteral("end") : QStringLiteral("start"), atEnd ? line->xMax : line->xMin, x);
    if (!offX.isEmpty())
        return QStringLiteral("\"%1\": %2").arg(text, offX);
    const QString offY = offBy(QStringLiteral("top"), line->yMin, top);
    return offY.isEmpty() ? QString() : QStringLiteral("\"%1\": %2").arg(text, offY);
}

// Empty when nothing is printed within 1 mm of the slot at band (edge, y).
QString checkNothingAt(const PageWords &page, double y, double edge, bool atEnd)
{
    for (const Word &w : page) {
        const double x = atEnd ? w.xMax : w.xMin;
        if (qAbs(w.yMin - (kMargin + y)) <= 1.0 && qAbs(x - (kMargin + edge)) <= 1.0)
            return QStringLiteral("\"%1\" printed at an empty slot").arg(w.text);
    }
    return {};
}

// Writes the data file, runs the program and reads the PDF; the reason when
// a step fails ("skip: ..." when a tool is missing).
QString print(Printed &out, const QStringList &fields)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        return QStringLiteral("skip: pdftotext (poppler-utils) is not installed");
    const QString binary = qEnvironmentVariable("IQX_BINARY");
    const QString source = qEnvironmentVariable("IQX_SOURCE_DIR");
    if (binary.isEmpty() || source.isEmpty() || !out.dir.isValid())
        return QStringLiteral("IQX_BINARY and IQX_SOURCE_DIR must be set");
    QString line;
    for (const QString &f : fields)
        line += f + u';';
    QFile data(out.dir.filePath(QStringLiteral("InfoQX") + fields.value(1) + QStringLiteral(".iqx")));
    if (!data.open(QIODevice::WriteOnly) || data.write(toCp1250(line)) < 0)
        return QStringLiteral("cannot write the data file");
    data.close();
    QFile::copy(source + QStringLiteral("/data/GMINY.txt"), out.dir.filePath(QStringLiteral("GMINY.txt")));

    QProcess run;
    run.setWorkingDirectory(out.dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    run.setProcessEnvironment(env);
    run.start(binary, {QStringLiteral("--pdf"), QStringLiteral("out.pdf")});
    if (!run.waitForFinished(120000) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
        return QStringLiteral("informacja --pdf failed: ") + QString::fromLocal8Bit(run.readAllStandardError());
    out.pdf = out.dir.filePath(QStringLiteral("out.pdf"));
    out.pages = readPdf(out.pdf);
    return out.pages.isEmpty() ? QStringLiteral("pdftotext read no page of the PDF") : QString();
}

} // namespace

QList<PageWords> readPdf(const QString &pdf)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!text.waitForFinished(60000) || text.exitStatus() != QProcess::NormalExit || text.exitCode() != 0)
        return {};
    return parseBbox(text.readAllStandardOutput());
}

QStringList document(const QStringList &head, int first, const QStringList &values)
{
    QStringList fields(std::max<qsizetype>(kPositions, first + values.size()), QStringLiteral("0"));
    std::copy(head.begin(), head.end(), fields.begin());
    std::copy(values.begin(), values.end(), fields.begin() + first);
    return fields;
}

void printDocument(Printed &out, const QStringList &fields)
{
    QCOMPARE(fields.size(), kPositions);
    const QString error = print(out, fields);
    if (error.startsWith(QLatin1String("skip:")))
        QSKIP(qPrintable(error));
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QCOMPARE(out.pages.size(), 6);
}

void verifySixA4Pages(const Printed &printed)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"),
               {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("99"), printed.pdf});
    info.waitForFinished(60000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const auto pages = QRegularExpression(R"(^Pages:\s+(\d+)$)", QRegularExpression::MultilineOption).match(out);
    QVERIFY2(pages.hasMatch(), qPrintable(out));
    QCOMPARE(pages.captured(1).toInt(), 6);
    auto sizes =
        QRegularExpression(R"(^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+) pts)", QRegularExpression::MultilineOption)
            .globalMatch(out);
    int count = 0;
    for (; sizes.hasNext(); ++count) {
        const auto m = sizes.next();
        QVERIFY2(qAbs(m.captured(1).toDouble() * kPtToMm - 210.0) < 0.5
                     && qAbs(m.captured(2).toDouble() * kPtToMm - 297.0) < 0.5,
                 qPrintable("not A4 portrait: " + m.captured(0)));
    }
    QCOMPARE(count, 6);
}

void verifyNoSlotNames(const Printed &printed)
{
    static const QRegularExpression slotName(QStringLiteral(R"(^P\d+$)"));
    QStringList found;
    for (qsizetype p = 0; p < printed.pages.size(); ++p)
        for (const Word &w : printed.pages[p])
            if (slotName.match(w.text).hasMatch())
                found << QStringLiteral("%1 on page %2").arg(w.text).arg(p + 1);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u", ")));
}

void addCaptionColumns()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pointSize");
}

void addCaptionRows(int page, std::span<const Caption> captions)
{
    for (const Caption &c : captions)
        QTest::addRow("%d: %.2f %.2f %s", page, c.y, c.x, c.text)
            << page << c.y << c.x << QString::fromUtf8(c.text) << c.pointSize;
}

// The words of the current row's page.
static const PageWords *rowPage(const Printed &printed)
{
    QFETCH(int, page);
    return page >= 1 && page <= printed.pages.size() ? &printed.pages[page - 1] : nullptr;
}

void verifyCaption(const Printed &printed)
{
    QFETCH(double, y);
    QFETCH(double, x);
    QFETCH(QString, text);
    QFETCH(int, pointSize);
    const PageWords *page = rowPage(printed);
    QVERIFY(page);
    const QString wrong = checkLine(*page, text, y, x, false, pointSize);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void addSlotColumns()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("anchor");
    QTest::addColumn<bool>("rightJustified");
}

void addSlotRows(int page, std::span<const Slot> rows)
{
    for (const Slot &s : rows)
        QTest::addRow("P%d", s.position) << page << s.position << s.y << s.anchor << s.rightJustified;
}

void verifySlot(const Printed &printed, const std::function<QString(int)> &printedValue)
{
    QFETCH(int, position);
    QFETCH(double, y);
    QFETCH(double, anchor);
    QFETCH(bool, rightJustified);
    const PageWords *page = rowPage(printed);
    QVERIFY(page);
    const QString value = printedValue(position);
    // An empty box prints nothing at its slot.
    const QString wrong = value.isEmpty() ? checkNothingAt(*page, y, anchor, rightJustified)
                                          : checkLine(*page, value, y, anchor, rightJustified);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

QString yesNo(const QString &flag)
{
    return flag == QLatin1String("1") ? QStringLiteral("TAK") : QStringLiteral("NIE");
}

} // namespace pdfcheck
