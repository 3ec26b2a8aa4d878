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
        LineTooLong, // a matching line is longer than kMaxRegisterLine
        Utf8,        // the register is UTF-8 text, not Windows-1250
        FileError,   // the register could not be read (set by the file reader)
    } status = NotFound;
    RegisterEntry entry; // the last matching line's fields when Found
    QString error;       // FileError: user-facing text naming the file and the reason
};

// The longest register line the lookup takes, in bytes. A real line is
// about 60 bytes; a matching line beyond this is refused, so that a damaged
// register never takes more memory than this.
inline constexpr qsizetype kMaxRegisterLine = 1024 * 1024;

// Scans the register piece by piece as it is read (Windows-1250 bytes;
// lines end in CRLF or LF, the line end is never part of a field). Every
// line that begins with `identifier` matches; a later match overwrites an
// earlier one. Only a matching line is kept in memory.
class RegisterScanner {
public:
    explicit RegisterScanner(const QString &identifier);
    // Scans the next piece of the register; false once the result is final.
    bool feed(QByteArrayView bytes);
    // The result, after the last piece.
    RegisterLookup finish();

private:
    void endLine(QByteArrayView line);
    QByteArray key_;
    QByteArray line_;      // the current line while it may still match
    bool skipping_ = false; // the current line does not match
    bool done_ = false;
    QByteArray head_; // the first three bytes, for a byte-order mark
    RegisterLookup result_;
};

// The whole register in memory, scanned at once.
RegisterLookup lookupRegister(const QByteArray &registerBytes, const QString &identifier);

// File name of the register in the program's directory.
inline constexpr const char *kRegisterFileName = "GMINY.txt";

} // namespace iqx
