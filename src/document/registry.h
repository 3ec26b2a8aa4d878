#pragma once
#include <QByteArray>
#include <QString>

namespace iqx {

// One municipality of the register GMINY.txt.
struct RegisterEntry {
    QString voivodeship;  // field 2 -> position 4
    QString county;       // field 3 -> position 3
    QString municipality; // field 4 -> position 2
    QString typeCode;     // the rest after the fourth ';' -> position 0, translated

    bool operator==(const RegisterEntry &) const = default;
};

// "GM" -> "miejska", "GW" -> "wiejska", anything else -> "miejsko-wiejska".
QString translateType(const QString &typeCode);

struct RegisterLookup {
    enum Status {
        Found,
        NotFound,
        BadEncoding, // a matching line holds a byte Windows-1250 does not define
        LineTooLong, // a matching line is longer than kMaxRegisterLine
        Utf8,        // the register is UTF-8 text, not Windows-1250
        FileError,   // the register could not be read (set by the file reader)
    } status = NotFound;
    RegisterEntry entry; // the last matching line's fields when Found
    QString error;       // FileError: user-facing text naming the file and the reason
};

// Fields 2 to 5 of one decoded register line: field 1 (the identifier) is
// skipped and the type code is everything after the fourth ';'.
RegisterEntry parseRegisterLine(QString line);

} // namespace iqx
