#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

// The one line of a data file, apart from any widget or file: the fields
// are the positions' values in ascending position order ("1"/"0" for a
// check box).
namespace iqx::datacodec {

struct EncodedLine {
    std::optional<QByteArray> bytes; // each field followed by ';', Windows-1250
    int badField = -1;               // index of the field that cannot be written
    QString badChar;                 // ';', CR, LF or a character Windows-1250 lacks
};
EncodedLine encodeLine(const QStringList &fields);

struct DecodedLine {
    bool ok = false;    // false: the line holds a byte Windows-1250 does not define
    QStringList fields; // the fields present, at most fieldCount
    int missing = 0;    // fields the line ran out before; always the last ones
};
// Reads `fieldCount` fields from the first line of `fileBytes` (up to the
// first CR or LF). A field is missing when nothing of the line remains as
// it is taken; surplus fields are ignored.
DecodedLine decodeLine(const QByteArray &fileBytes, int fieldCount);

// The first line of `fileBytes`, without its line end.
QByteArray firstLine(const QByteArray &fileBytes);

} // namespace iqx::datacodec
