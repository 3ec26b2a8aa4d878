#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace iqx {

// One municipality of the register GMINY.txt.
struct RegisterEntry {
    QString voivodeship;  // field 2 -> position 4
    QString county;       // field 3 -> position 3
    QString municipality; // field 4 -> position 2
    QString typeCode;     // the rest after the fourth ';' -> position 0, translated

    bool operator==(const RegisterEntry &) const = default;
};

// One line of the register: the identifier (field 1) and the rest.
struct RegisterLine {
    QString identifier;
    RegisterEntry entry;

    bool operator==(const RegisterLine &) const = default;
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
    // The different identifiers (field 1) of the matching lines, in the
    // order first met. Two at most are kept: enough to tell one gmina from
    // several when the key is shorter than an identifier.
    QStringList identifiers;
    static constexpr qsizetype kIdentifiersKept = 2;
};

// Fields 2 to 5 of one decoded register line: field 1 (the identifier) is
// skipped and the type code is everything after the fourth ';'.
RegisterEntry parseRegisterLine(QString line);

// Looks a key up in the register: every line that begins with it matches
// (the register file's reader, or a stand-in). The register is read anew on
// every call, never cached.
using RegisterLookupFn = std::function<RegisterLookup(const QString &key)>;

// The gmina that GUS gave a new identifier: the register does not know
// `identifier` (7 digits), but holds exactly one gmina whose identifier
// begins with the same six digits (its kind changed: a village got town
// rights and the rural gmina became urban-rural). Nullopt otherwise, and
// when the register cannot be read.
std::optional<RegisterLine> newIdentifierOf(const RegisterLookupFn &lookup, const QString &identifier);

} // namespace iqx
