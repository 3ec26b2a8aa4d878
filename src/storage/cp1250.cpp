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

bool looksLikeUtf8(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return true;
    bool multiByte = false;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        const int length = c >= 0xC2 && c <= 0xDF ? 2 : c >= 0xE0 && c <= 0xEF ? 3 : c >= 0xF0 && c <= 0xF4 ? 4 : 0;
        if (length == 0 || i + length > bytes.size())
            return false;
        for (int k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        // Polish letters in UTF-8 begin with 0xC3 (ó), 0xC4 or 0xC5 (ą ć ę ł
        // ń ś ź ż); in Windows-1250 these bytes are letters Polish text does
        // not use.
        multiByte = multiByte || (c >= 0xC3 && c <= 0xC5);
        i += length;
    }
    return multiByte;
}

} // namespace iqx::cp1250
