#include "storage/datacodec.h"

#include "storage/cp1250.h"
#include "document/fields.h"

#include <algorithm>

namespace iqx::datacodec {

EncodedLine encodeLine(const QStringList &fields)
{
    EncodedLine out;
    QByteArray bytes;
    for (int i = 0; i < fields.size(); ++i) {
        const QString &field = fields[i];
        // A ';' would split the field in two and shift every later position;
        // a line break (pasted into a box) would end the line, and every
        // later position would be lost on reading.
        const auto at =
            std::find_if(field.cbegin(), field.cend(), [](QChar c) { return c == u';' || c == u'\r' || c == u'\n'; });
        const qsizetype separator = at == field.cend() ? -1 : at - field.cbegin();
        const auto encoded = separator >= 0 ? std::nullopt : cp1250::encode(field);
        if (separator >= 0 || !encoded) {
            out.badField = i;
            if (separator >= 0) {
                out.badChar = field.at(separator);
            } else {
                // Name the first character at fault, a surrogate pair whole.
                for (qsizetype j = 0; j < field.size(); ++j) {
                    const qsizetype n = field[j].isHighSurrogate() && j + 1 < field.size() ? 2 : 1;
                    const QString c = field.mid(j, n);
                    if (!cp1250::representable(c)) {
                        out.badChar = c;
                        break;
                    }
                    j += n - 1;
                }
            }
            return out;
        }
        bytes += *encoded;
        bytes += ';';
    }
    out.bytes = bytes;
    return out;
}

QByteArray firstLine(const QByteArray &fileBytes)
{
    qsizetype end = 0;
    while (end < fileBytes.size() && fileBytes[end] != '\r' && fileBytes[end] != '\n')
        ++end;
    return fileBytes.left(end);
}

DecodedLine decodeLine(const QByteArray &fileBytes, int fieldCount)
{
    DecodedLine out;
    auto text = cp1250::decode(firstLine(fileBytes));
    if (!text)
        return out;
    out.ok = true;
    QString &line = *text;
    for (int i = 0; i < fieldCount; ++i) {
        if (line.isEmpty()) {
            out.missing = fieldCount - i;
            break;
        }
        out.fields << takeField(line, u';');
    }
    return out;
}

} // namespace iqx::datacodec
