#include "storage/registerscanner.h"

#include "storage/cp1250.h"

#include <algorithm>

namespace iqx {

RegisterScanner::RegisterScanner(const QString &key)
{
    const auto bytes = cp1250::encode(key);
    if (bytes && !bytes->isEmpty())
        key_ = *bytes;
    else
        done_ = true; // nothing in the register can begin with it
}

void RegisterScanner::endLine(QByteArrayView line)
{
    if (line.size() > kMaxRegisterLine) {
        result_ = {RegisterLookup::LineTooLong, {}, {}, {}};
        done_ = true;
        return;
    }
    if (cp1250::looksLikeUtf8(line)) {
        result_ = {RegisterLookup::Utf8, {}, {}, {}};
        done_ = true;
        return;
    }
    const auto text = cp1250::decode(line.toByteArray());
    if (!text) {
        result_ = {RegisterLookup::BadEncoding, {}, {}, {}};
        done_ = true;
        return;
    }
    result_.status = RegisterLookup::Found;
    result_.entry = parseRegisterLine(*text);
    const QString identifier = text->left(text->indexOf(u';')); // the whole line when it has no ';'
    QStringList &ids = result_.identifiers;
    if (ids.size() < RegisterLookup::kIdentifiersKept && !ids.contains(identifier))
        ids.append(identifier);
}

void RegisterScanner::watchForByteOrderMark(QByteArrayView bytes)
{
    // A byte-order mark, however the first pieces are cut: UTF-8 text. Its
    // bytes hold no line end, so no line can have matched before it is seen.
    if (head_.size() >= 3 || done_)
        return;
    head_ += bytes.first(std::min<qsizetype>(3 - head_.size(), bytes.size()));
    if (head_ == "\xEF\xBB\xBF") {
        result_ = {RegisterLookup::Utf8, {}, {}, {}};
        done_ = true;
    }
}

void RegisterScanner::scanPiece(QByteArrayView piece, bool ended)
{
    if (line_.isEmpty() && ended) {
        // A whole line within this piece: nothing is copied unless it matches.
        if (piece.startsWith(key_))
            endLine(piece);
        return;
    }
    line_.append(piece.first(std::min<qsizetype>(piece.size(), kMaxRegisterLine + 1 - line_.size())));
    const qsizetype seen = std::min(line_.size(), key_.size());
    if (QByteArrayView(line_).first(seen) != QByteArrayView(key_).first(seen)) {
        skipping_ = true;
        line_.clear();
    } else if (ended) {
        if (line_.startsWith(key_))
            endLine(line_);
        line_.clear();
    } else if (line_.size() > kMaxRegisterLine) {
        endLine(line_); // refused as too long
    }
}

bool RegisterScanner::feed(QByteArrayView bytes)
{
    watchForByteOrderMark(bytes);
    const char *p = bytes.data();
    const char *const end = p + bytes.size();
    while (p < end && !done_) {
        // CR and LF both end a line: a CRLF pair leaves an empty line
        // between them, which matches nothing.
        const char *lineEnd = std::find_if(p, end, [](char c) { return c == '\r' || c == '\n'; });
        const bool ended = lineEnd < end;
        if (!skipping_)
            scanPiece(QByteArrayView(p, lineEnd - p), ended);
        if (ended)
            skipping_ = false;
        p = ended ? lineEnd + 1 : lineEnd;
    }
    return !done_;
}

RegisterLookup RegisterScanner::finish()
{
    if (!done_ && !skipping_ && line_.startsWith(key_))
        endLine(line_); // the last line, without a line end
    line_.clear();
    done_ = true;
    return result_;
}

RegisterLookup lookupRegister(const QByteArray &registerBytes, const QString &key)
{
    RegisterScanner scanner(key);
    scanner.feed(registerBytes);
    return scanner.finish();
}

} // namespace iqx
