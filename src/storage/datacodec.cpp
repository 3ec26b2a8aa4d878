#include "storage/datacodec.h"

#include "storage/cp1250.h"
#include "storage/fields.h"

namespace iqx::datacodec {

EncodedLine encodeLine(const QStringList &fields)
{
    EncodedLine out;
    QByteArray bytes;
    for (int i = 0; i < fields.size(); ++i) {
        const QString &field = fields[i];
        // A ';' would split the field in two and shift every later position.
        const qsizetype semicolon = field.indexOf(u';');
        const auto encoded = cp1250::encode(field);
        if (semicolon >= 0 || !encoded) {
            out.badField = i;
            if (semicolon >= 0) {
                out.badChar = QStringLiteral(";");
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
