#pragma once
#include "document/decimal.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

namespace iqx {

// The three key filters of numeric boxes and the identifier box.
enum class KeyFilter {
    None,
    Decimal,    // digits, '-' and one decimal comma ('.' is typed as ',')
    Whole,      // digits and '-'
    Identifier, // digits only
};

// What a key filter does with one typed character.
struct KeyDecision {
    enum Kind {
        Pass,     // the box gets the character
        Replace,  // the box gets `replacement` instead ('.' -> ',')
        Swallow,  // the character is discarded
        MoveNext, // Enter: focus moves on as with Tab, the key is discarded
    } kind = Pass;
    QChar replacement;
};

// `typed` is the character the key produced: '\r' for Enter, '\b' for
// backspace, control characters such as Ctrl+V as they arrive (0x16).
// `currentText` is the box's whole text before the key.
KeyDecision filterKey(KeyFilter filter, QChar typed, const QString &currentText);

// The character a key press types, as the key filters see it, decided by
// the key and not by the text the platform attaches to it: '\r' for Enter,
// '\b' for Backspace, the control character of Ctrl+letter (Ctrl+V is
// 0x16), otherwise the printable character of `text`. Editing keys (Delete,
// the arrows, Home, End, Escape, Insert ...) type nothing and give nullopt:
// they keep their usual effect in every box. `key` is a Qt::Key.
std::optional<QChar> typedCharacter(int key, bool control, const QString &text);

// Statutory maximum of a rate position (7, 12, ..., 120), if it has one.
struct StatutoryMaximum {
    Decimal maximum;
    QString message; // "Maksymalna stawka to 0,66 zł"
};
std::optional<StatutoryMaximum> statutoryMaximum(int position);

// Outcome of the number check run when a numeric box is left.
struct NumberCheck {
    bool accepted = true;
    QStringList messages;           // shown in this order
    std::optional<QString> newText; // the box's new text, if it changes
};
NumberCheck checkNumber(int position, const QString &text, int maxDecimals = 3);

// Sum checks of positions 50 and 51.
QList<int> sumSummands(int position); // empty for other positions
QString sumMessage(int position);     // "Niepoprawna wartość w polu 50 (błąd sumowania)"

struct SumCheck {
    // Set when a text is not a number: the error box shows
    // conversionErrorText(*badText) and the exit check stops.
    std::optional<QString> badText;
    bool equal = true;
};
// `total` is converted first, then the summands in order.
SumCheck checkSum(const QString &total, const QStringList &summands);

// "'<text>' is not a valid floating point value"
QString conversionErrorText(const QString &text);

} // namespace iqx
