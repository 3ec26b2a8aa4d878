#include "document/numeric.h"

#include "document/fields.h"

#include <algorithm>
#include <array>

namespace iqx {

KeyDecision filterKey(KeyFilter filter, QChar typed, const QString &currentText)
{
    if (filter == KeyFilter::None)
        return {KeyDecision::Pass, {}};
    if (typed == u'\r')
        return {KeyDecision::MoveNext, {}};
    const bool digit = typed >= u'0' && typed <= u'9';
    if (digit || typed == u'\b')
        return {KeyDecision::Pass, {}};
    switch (filter) {
    case KeyFilter::Decimal:
        if (typed == u'-')
            return {KeyDecision::Pass, {}};
        if (typed == u'.' || typed == u',') {
            // One decimal comma per number; '.' is typed as a comma.
            if (currentText.contains(u','))
                return {KeyDecision::Swallow, {}};
            if (typed == u'.')
                return {KeyDecision::Replace, QChar(u',')};
            return {KeyDecision::Pass, {}};
        }
        break;
    case KeyFilter::Whole:
        if (typed == u'-')
            return {KeyDecision::Pass, {}};
        break;
    case KeyFilter::Identifier:
    case KeyFilter::None:
        break;
    }
    return {KeyDecision::Swallow, {}};
}

std::optional<QChar> typedCharacter(int key, bool control, const QString &text)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter)
        return QChar(u'\r');
    if (key == Qt::Key_Backspace)
        return QChar(u'\b');
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z)
        return QChar(char16_t(key - Qt::Key_A + 1));
    // Delete arrives as "\x7f" and Escape as "\x1b" on some platforms: a
    // control character is never a typed character.
    if (text.isEmpty() || text.front().category() == QChar::Other_Control)
        return std::nullopt;
    return text.front();
}

// ------------------------------------------------------- number checking

std::optional<StatutoryMaximum> statutoryMaximum(int position)
{
    struct Row {
        int position;
        const char *maximum;
        const char *unit;
    };
    // Maximum rates of the local taxes; the message states the rate with
    // its unit as the law does.
    static constexpr std::array<Row, 11> rows{{
        {7, "0,66", " zł"},
        {12, "3,52", " zł"},
        {17, "0,32", " zł"},
        {22, "0,54", " zł"},
        {27, "17,98", " zł"},
        {32, "8,37", " zł"},
        {37, "3,61", " zł"},
        {42, "6,01", " zł"},
        {47, "2", "%"},
        {91, "94,18", " zł"},
        {120, "26,49", " zł"},
    }};
    for (const Row &row : rows)
        if (row.position == position)
            return StatutoryMaximum{Decimal::fromString(row.maximum), QStringLiteral("Maksymalna stawka to ")
                                                                          + QString::fromLatin1(row.maximum)
                                                                          + QString::fromUtf8(row.unit)};
    return std::nullopt;
}

NumberCheck checkNumber(int position, const QString &text, int maxDecimals)
{
    NumberCheck check;
    const auto refuseAsNotANumber = [&check] {
        check.accepted = false;
        check.messages << QStringLiteral("Wprowadzono niepoprawną liczbę");
        return check;
    };

    // The statutory maximum converts before anything else, so an empty rate
    // is not a number here; it only warns, it never refuses a value.
    if (const auto max = statutoryMaximum(position)) {
        const auto value = Decimal::parse(text);
        if (!value)
            return refuseAsNotANumber();
        if (*value > max->maximum)
            check.messages << max->message;
    }
    if (text.isEmpty())
        return check;
    if (text == QLatin1String("-0")) {
        check.accepted = false;
        check.newText = QStringLiteral("0");
        return check;
    }
    const auto value = Decimal::parse(text);
    if (!value)
        return refuseAsNotANumber();
    if (value->isNegative()) {
        check.accepted = false;
        check.messages << QStringLiteral("Wartości ujemna są nie dopuszczalne");
        check.newText = QString();
        return check;
    }
    QString rest = text;
    takeField(rest, u','); // the integer part
    if (takeField(rest, u',').size() > maxDecimals) {
        check.accepted = false;
        check.messages << QStringLiteral("Za duzo miejsc po przecinku");
    }
    return check;
}

QList<int> sumSummands(int position)
{
    // Column totals of page 1: 50 sums the ninth column's rows, 51 the tenth.
    if (position != 50 && position != 51)
        return {};
    QList<int> summands;
    for (int row = 8; row <= 48; row += 5)
        summands << row + (position - 50);
    return summands;
}

QString sumMessage(int position)
{
    return QStringLiteral("Niepoprawna wartość w polu %1 (błąd sumowania)").arg(position);
}

SumCheck checkSum(const QString &total, const QStringList &summands)
{
    SumCheck check;
    const auto expected = Decimal::parse(total);
    if (!expected) {
        check.badText = total;
        return check;
    }
    Decimal sum;
    for (const QString &text : summands) {
        const auto value = Decimal::parse(text);
        if (!value) {
            check.badText = text;
            return check;
        }
        sum = sum + *value;
    }
    check.equal = sum == *expected;
    return check;
}

QString conversionErrorText(const QString &text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}

} // namespace iqx
