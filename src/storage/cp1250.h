#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Windows-1250, the code page of the register and of the data files,
// converted through iconv.
namespace iqx::cp1250 {

// Encodes `text`; nullopt when a character has no Windows-1250 byte.
std::optional<QByteArray> encode(const QString &text);
// Decodes `bytes`; nullopt when a byte is undefined in Windows-1250.
std::optional<QString> decode(const QByteArray &bytes);
// True when every character of `text` has a Windows-1250 byte.
bool representable(const QString &text);

} // namespace iqx::cp1250
