#include "export/csvexport.h"

#include "document/descriptions.h"
#include "export/exportentry.h"

#include <QStringList>

#include <algorithm>

namespace iqx {

namespace {

// A spreadsheet recognises UTF-8 by the byte-order mark.
const QByteArray kBom("\xEF\xBB\xBF");
const QString kCrLf = QStringLiteral("\r\n");

void appendCsvField(QString &out, QStringView text)
{
    const bool quote = std::any_of(text.begin(), text.end(),
                                   [](QChar c) { return c == u';' || c == u'"' || c == u'\r' || c == u'\n'; });
    if (!quote) {
        out += text;
        return;
    }
    out += u'"';
    for (QChar c : text) {
        if (c == u'"')
            out += u'"';
        out += c;
    }
    out += u'"';
}

QString csvValue(const Document &doc, int n)
{
    if (position(n).isFlag())
        return doc.isChecked(n) ? QStringLiteral("true") : QStringLiteral("false");
    return doc.text(n);
}

QString joinedFindings(const QList<Finding> &findings, bool withPosition, int onlyPosition = -1)
{
    QStringList parts;
    for (const Finding &f : findings)
        if (onlyPosition < 0 || f.position == onlyPosition)
            parts << (withPosition ? f.text() : f.message);
    return parts.join(QStringLiteral(" | "));
}

} // namespace

QByteArray documentCsv(const ExportEntry &entry)
{
    QString out = QStringLiteral("numer;klucz;sekcja;opis;jednostka;wartość;uwagi") + kCrLf;
    for (int n = 0; n < kPositionCount; ++n) {
        const PositionDescription &d = positionDescription(n);
        out += QString::number(n) + u';' + QLatin1String(d.key) + u';' + QString::fromUtf8(d.section) + u';';
        appendCsvField(out, QString::fromUtf8(d.description));
        out += u';' + QString::fromUtf8(d.unit) + u';';
        appendCsvField(out, csvValue(*entry.document, n));
        out += u';';
        appendCsvField(out, joinedFindings(entry.findings, false, n));
        out += kCrLf;
    }
    return kBom + out.toUtf8();
}

QByteArray csvSummaryHeader()
{
    QString header = QStringLiteral("plik;stan;błąd");
    for (int n = 0; n < kPositionCount; ++n)
        header += u';' + QLatin1String(positionDescription(n).key);
    header += QStringLiteral(";uwagi") + kCrLf;
    return kBom + header.toUtf8();
}

QByteArray csvSummaryRow(const ExportEntry &entry)
{
    QString out;
    if (!entry.document) {
        appendCsvField(out, entry.file);
        out += QStringLiteral(";błąd;");
        appendCsvField(out, entry.error);
        // The position cells and the findings stay empty.
        out += QString(kPositionCount + 1, u';') + kCrLf;
        return out.toUtf8();
    }
    out.reserve(4096);
    appendCsvField(out, entry.file);
    out += entry.missingFields > 0 ? QStringLiteral(";niekompletny;") : QStringLiteral(";ok;");
    appendCsvField(out, entry.note);
    for (int n = 0; n < kPositionCount; ++n) {
        out += u';';
        appendCsvField(out, csvValue(*entry.document, n));
    }
    out += u';';
    appendCsvField(out, joinedFindings(entry.findings, true));
    out += kCrLf;
    return out.toUtf8();
}

} // namespace iqx
