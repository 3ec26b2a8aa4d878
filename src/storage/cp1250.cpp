#include "storage/cp1250.h"

#include <QSysInfo>
#include <cerrno>
#include <iconv.h>

namespace iqx::cp1250 {

namespace {

// QString's code units in the host's byte order, as iconv names them.
constexpr const char *kUtf16 = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? "UTF-16LE" : "UTF-16BE";
constexpr const char *kCodePage = "WINDOWS-1250";

// One conversion descriptor per direction and thread, opened on first use:
// opening one loads the converter module, which is far dearer than a
// conversion of one short line.
class Converter {
public:
    Converter(const char *to, const char *from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    // Converts all of `in`; false on any byte or character the target
    // cannot take (no transliteration, no skipping).
    bool convert(const char *in, size_t inSize, QByteArray &out)
    {
        if (!valid())
            return false;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr); // reset the shift state
        // Neither direction more than doubles the size (1 byte <-> 2 bytes).
        out.resize(qsizetype(inSize * 2 + 4));
        char *src = const_cast<char *>(in);
        size_t srcLeft = inSize;
        char *dst = out.data();
        size_t dstLeft = size_t(out.size());
        if (iconv(cd_, &src, &srcLeft, &dst, &dstLeft) == size_t(-1) || srcLeft != 0)
            return false;
        if (iconv(cd_, nullptr, nullptr, &dst, &dstLeft) == size_t(-1))
            return false;
        out.resize(dst - out.data());
        return true;
    }

private:
    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd_;
};

Converter &encoder()
{
    thread_local Converter c(kCodePage, kUtf16);
    return c;
}

Converter &decoder()
{
    thread_local Converter c(kUtf16, kCodePage);
    return c;
}

bool isAscii(const QString &text)
{
    for (QChar c : text)
        if (c.unicode() >= 0x80)
            return false;
    return true;
}

} // namespace

std::optional<QByteArray> encode(const QString &text)
{
    if (isAscii(text))
        return text.toLatin1();
    QByteArray out;
    if (!encoder().convert(reinterpret_cast<const char *>(text.utf16()), size_t(text.size()) * 2, out))
        return std::nullopt;
    return out;
}

std::optional<QString> decode(const QByteArray &bytes)
{
    bool ascii = true;
    for (char b : bytes)
        if (static_cast<unsigned char>(b) >= 0x80) {
            ascii = false;
            break;
        }
    if (ascii)
        return QString::fromLatin1(bytes);
    QByteArray out;
    if (!decoder().convert(bytes.constData(), size_t(bytes.size()), out))
        return std::nullopt;
    return QString(reinterpret_cast<const QChar *>(out.constData()), out.size() / 2);
}

bool representable(const QString &text)
{
    return isAscii(text) || encode(text).has_value();
}

} // namespace iqx::cp1250
