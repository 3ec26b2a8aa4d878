#pragma once
#include <QByteArray>
#include <QList>
#include <QStringList>
#include <utility>

// Reads the CSV that the export writes as a spreadsheet would: a UTF-8
// byte-order mark, ';' between fields, CRLF between rows; a quoted field may
// hold ';', CR, LF and doubled quotes.
inline QList<QStringList> readCsv(const QByteArray &bytes)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    const QString text = QString::fromUtf8(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'"' && text.mid(i + 1, 1) == u"\"")
            field += text[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u';')
            row << std::exchange(field, QString());
        else if (!quoted && c == u'\r' && text.mid(i + 1, 1) == u"\n") {
            rows << (row << std::exchange(field, QString()));
            row.clear();
            ++i;
        } else
            field += c;
    }
    return rows;
}
