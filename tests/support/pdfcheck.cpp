#include "support/pdfcheck.h"

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QXmlStreamReader>

namespace pdfcheck {

QByteArray toCp1250(const QString &text)
{
    static const QHash<QChar, char> polish{
        {u'ą', '\xB9'}, {u'ć', '\xE6'}, {u'ę', '\xEA'}, {u'ł', '\xB3'}, {u'ń', '\xF1'},
        {u'ó', '\xF3'}, {u'ś', '\x9C'}, {u'ź', '\x9F'}, {u'ż', '\xBF'}, {u'Ą', '\xA5'},
        {u'Ć', '\xC6'}, {u'Ę', '\xCA'}, {u'Ł', '\xA3'}, {u'Ń', '\xD1'}, {u'Ó', '\xD3'},
        {u'Ś', '\x8C'}, {u'Ź', '\x8F'}, {u'Ż', '\xAF'}};
    QByteArray out;
    for (QChar c : text)
        out += c.unicode() < 0x80 ? char(c.unicode()) : polish.value(c, '?');
    return out;
}

namespace {

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

} // namespace

void print(Printed &out, const QStringList &fields)
{
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty()) {
        out.error = QStringLiteral("skip: pdftotext (poppler-utils) is not installed");
        return;
    }
    const QString binary = qEnvironmentVariable("IQX_BINARY");
    const QString source = qEnvironmentVariable("IQX_SOURCE_DIR");
    if (binary.isEmpty() || source.isEmpty() || !out.dir.isValid()) {
        out.error = QStringLiteral("IQX_BINARY and IQX_SOURCE_DIR must be set");
        return;
    }
    QString line;
    for (const QString &f : fields)
        line += f + u';';
    QFile data(out.dir.filePath(QStringLiteral("InfoQX") + fields.value(1) + QStringLiteral(".iqx")));
    if (!data.open(QIODevice::WriteOnly) || data.write(toCp1250(line)) < 0) {
        out.error = QStringLiteral("cannot write the data file");
        return;
    }
    data.close();
    QFile::copy(source + QStringLiteral("/data/GMINY.txt"), out.dir.filePath(QStringLiteral("GMINY.txt")));

    QProcess run;
    run.setWorkingDirectory(out.dir.path());
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    run.setProcessEnvironment(env);
    run.start(binary, {QStringLiteral("--pdf"), QStringLiteral("out.pdf")});
    if (!run.waitForFinished(120000) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0) {
        out.error = QStringLiteral("informacja --pdf failed: ") + QString::fromLocal8Bit(run.readAllStandardError());
        return;
    }
    out.pdf = out.dir.filePath(QStringLiteral("out.pdf"));

    QProcess text;
    text.start(pdftotext, {QStringLiteral("-bbox"), out.pdf, QStringLiteral("-")});
    if (!text.waitForFinished(60000) || text.exitCode() != 0) {
        out.error = QStringLiteral("pdftotext failed");
        return;
    }
    out.pages = parseBbox(text.readAllStandardOutput());
    if (out.pages.isEmpty())
        out.error = QStringLiteral("no pages read from the PDF");
}

QString Printed::pdfinfo() const
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                           QStringLiteral("99"), pdf});
    info.waitForFinished(60000);
    return QString::fromUtf8(info.readAllStandardOutput());
}

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

QString checkLine(const PageWords &page, const QString &text, double y, double edge, bool atEnd, int pointSize)
{
    qsizetype blanks = 0;
    while (!atEnd && blanks < text.size() && text[blanks] == u' ')
        ++blanks;
    const double top = kMargin + y;
    const double x = kMargin + edge + blanks * blankWidth(pointSize);
    const auto line = findLine(page, text, top, x, atEnd);
    if (!line)
        return QStringLiteral("\"%1\" not found on one line near y %2 mm").arg(text).arg(top);
    const QString offX = offBy(atEnd ? QStringLiteral("end") : QStringLiteral("start"),
                               atEnd ? line->xMax : line->xMin, x);
    if (!offX.isEmpty())
        return QStringLiteral("\"%1\": %2").arg(text, offX);
    const QString offY = offBy(QStringLiteral("top"), line->yMin, top);
    return offY.isEmpty() ? QString() : QStringLiteral("\"%1\": %2").arg(text, offY);
}

QString checkNothingAt(const PageWords &page, double y, double edge, bool atEnd)
{
    for (const Word &w : page) {
        const double x = atEnd ? w.xMax : w.xMin;
        if (qAbs(w.yMin - (kMargin + y)) <= 1.0 && qAbs(x - (kMargin + edge)) <= 1.0)
            return QStringLiteral("\"%1\" printed at an empty slot").arg(w.text);
    }
    return {};
}

QStringList slotNames(const QList<PageWords> &pages)
{
    static const QRegularExpression slotName(QStringLiteral(R"(^P\d+$)"));
    QStringList found;
    for (qsizetype p = 0; p < pages.size(); ++p)
        for (const Word &w : pages[p])
            if (slotName.match(w.text).hasMatch())
                found << QStringLiteral("%1 on page %2").arg(w.text).arg(p + 1);
    return found;
}

} // namespace pdfcheck
