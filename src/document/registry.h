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
};

// "GM" -> "miejska", "GW" -> "wiejska", anything else -> "miejsko-wiejska".
QString translateType(const QString &typeCode);

struct RegisterLookup {
    enum Status {
        Found,
        NotFound,
        BadEncoding, // a matching line holds a byte Windows-1250 does not define
    } status = NotFound;
    RegisterEntry entry; // the last matching line's fields when Found
};

// Scans the whole register (Windows-1250 bytes; lines end in CRLF or LF,
// the line end is never part of a field). Every line that begins with
// `identifier` matches; a later match overwrites an earlier one.
RegisterLookup lookupRegister(const QByteArray &registerBytes, const QString &identifier);

// File name of the register in the program's directory.
inline constexpr const char *kRegisterFileName = "GMINY.txt";

} // namespace iqx
