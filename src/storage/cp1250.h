#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// Windows-1250, the code page of the register and of the data files,
// converted through the program's own table of the code page (the same on
// every system, whatever converters the system has).
namespace iqx::cp1250 {

// Encodes `text`; nullopt when a character has no Windows-1250 byte.
std::optional<QByteArray> encode(const QString &text);
// Decodes `bytes`; nullopt when a byte is undefined in Windows-1250.
std::optional<QString> decode(const QByteArray &bytes);
// True when every character of `text` has a Windows-1250 byte.
bool representable(const QString &text);

// True when `bytes` are not Windows-1250 text but UTF-8: they begin with
// a byte-order mark, or are valid UTF-8 holding Polish letters encoded so.
// Read as Windows-1250, such text would come out garbled without an error.
bool looksLikeUtf8(QByteArrayView bytes);

} // namespace iqx::cp1250
