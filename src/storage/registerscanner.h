#pragma once
#include "document/registry.h"

#include <QByteArray>
#include <QByteArrayView>

// The municipality register as bytes: Windows-1250 lines scanned piece by
// piece as they are read.
namespace iqx {

// The longest register line the lookup takes, in bytes. A real line is
// about 60 bytes; a matching line beyond this is refused, so that a damaged
// register never takes more memory than this.
inline constexpr qsizetype kMaxRegisterLine = qsizetype(1024) * 1024;

// Scans the register piece by piece as it is read (Windows-1250 bytes;
// lines end in CRLF or LF, the line end is never part of a field). Every
// line that begins with `key` (an identifier, or its first digits) matches;
// a later match overwrites an earlier one, and the first two different
// identifiers of the matches are kept. Only a matching line is kept in
// memory.
class RegisterScanner {
public:
    explicit RegisterScanner(const QString &key);
    // Scans the next piece of the register; false once the result is final.
    bool feed(QByteArrayView bytes);
    // The result, after the last piece.
    RegisterLookup finish();

private:
    void watchForByteOrderMark(QByteArrayView bytes);
    // One line, or the part of one that this piece holds; `ended` when its
    // line end is in the piece too.
    void scanPiece(QByteArrayView piece, bool ended);
    void endLine(QByteArrayView line);
    QByteArray key_;
    QByteArray line_;       // the current line while it may still match
    bool skipping_ = false; // the current line does not match
    bool done_ = false;
    QByteArray head_; // the first three bytes, for a byte-order mark
    RegisterLookup result_;
};

// The whole register in memory, scanned at once.
RegisterLookup lookupRegister(const QByteArray &registerBytes, const QString &key);

// File name of the register in the program's directory.
inline constexpr const char *kRegisterFileName = "GMINY.txt";

} // namespace iqx
