#include "storage/cp1250.h"

#include <algorithm>
#include <array>
#include <utility>

namespace iqx::cp1250 {

namespace {

// The characters of bytes 0x80 to 0xFF; 0 where Windows-1250 defines no
// character (0x81, 0x83, 0x88, 0x90, 0x98). Bytes below 0x80 are ASCII.
constexpr std::array<char16_t, 128> kHighHalf{
    0x20AC, 0x0000, 0x201A, 0x0000, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x0000, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179, // 0x88
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x0000, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, // 0x98
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7, // 0xA0
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, // 0xA8
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, // 0xB0
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, // 0xB8
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, // 0xC0
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, // 0xC8
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, // 0xD0
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, // 0xD8
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, // 0xE0
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, // 0xE8
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7, // 0xF0
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9, // 0xF8
};

// The same pairs ordered by character, for encoding.
constexpr auto kByCharacter = [] {
    std::array<std::pair<char16_t, unsigned char>, 128> pairs{};
    for (int i = 0; i < 128; ++i)
        pairs[i] = {kHighHalf[i], static_cast<unsigned char>(0x80 + i)};
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}();

// The byte of `c` (0x80 or above), or 0 when it has none.
unsigned char byteOf(char16_t c)
{
    const auto it =
        std::lower_bound(kByCharacter.begin(), kByCharacter.end(), std::pair<char16_t, unsigned char>{c, 0});
    return it != kByCharacter.end() && it->first == c ? it->second : 0;
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
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        const unsigned char b = c < 0x80 ? static_cast<unsigned char>(c) : byteOf(c);
        if (c >= 0x80 && b == 0)
            return std::nullopt;
        out[i] = static_cast<char>(b);
    }
    return out;
}

std::optional<QString> decode(const QByteArray &bytes)
{
    QString out(bytes.size(), Qt::Uninitialized);
    QChar *dst = out.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        const char16_t c = b < 0x80 ? char16_t(b) : kHighHalf[b - 0x80];
        if (c == 0 && b != 0)
            return std::nullopt;
        *dst++ = QChar(c);
    }
    return out;
}

bool representable(const QString &text) { return isAscii(text) || encode(text).has_value(); }

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
