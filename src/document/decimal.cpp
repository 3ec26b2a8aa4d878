#include "document/decimal.h"

namespace iqx {

std::optional<Decimal> Decimal::parse(const QString &text)
{
    Decimal d;
    qsizetype i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        d.negative_ = text[i] == u'-';
        ++i;
    }
    bool comma = false;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c >= u'0' && c <= u'9') {
            d.digits_.append(c);
            anyDigit = true;
            if (comma)
                ++d.scale_;
        } else if (c == u',' && !comma) {
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    d.normalise();
    return d;
}

Decimal Decimal::fromString(const char *text)
{
    const auto d = parse(QString::fromLatin1(text));
    Q_ASSERT_X(d, "Decimal::fromString", text);
    return d.value_or(Decimal());
}

void Decimal::normalise()
{
    while (scale_ > 0 && digits_.endsWith(u'0')) {
        digits_.chop(1);
        --scale_;
    }
    qsizetype lead = 0;
    while (lead < digits_.size() && digits_[lead] == u'0')
        ++lead;
    digits_.remove(0, lead);
    if (digits_.isEmpty()) {
        negative_ = false;
        scale_ = 0;
    }
}

bool Decimal::isNegative() const { return negative_; }

namespace {

// Magnitude digits padded with trailing zeros to `scale` fraction digits.
QString atScale(const QString &digits, int ownScale, int scale)
{
    if (digits.isEmpty())
        return digits; // zero stays without digits, so lengths compare
    return digits + QString(scale - ownScale, u'0');
}

// Compares two magnitudes without leading zeros at the same scale.
int compareMagnitudes(const QString &a, const QString &b)
{
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    const int c = a.compare(b);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

QString stripLeadingZeros(QString s)
{
    qsizetype lead = 0;
    while (lead < s.size() && s[lead] == u'0')
        ++lead;
    return s.mid(lead);
}

// a + b for digit strings at the same scale.
QString addMagnitudes(const QString &a, const QString &b)
{
    QString out;
    int carry = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0 || j >= 0 || carry; --i, --j) {
        int sum = carry;
        if (i >= 0)
            sum += a[i].unicode() - u'0';
        if (j >= 0)
            sum += b[j].unicode() - u'0';
        out.prepend(QChar(u'0' + sum % 10));
        carry = sum / 10;
    }
    return out;
}

// a - b for digit strings at the same scale with a >= b.
QString subtractMagnitudes(const QString &a, const QString &b)
{
    QString out;
    int borrow = 0;
    for (qsizetype i = a.size() - 1, j = b.size() - 1; i >= 0; --i, --j) {
        int diff = (a[i].unicode() - u'0') - borrow - (j >= 0 ? b[j].unicode() - u'0' : 0);
        borrow = diff < 0;
        if (borrow)
            diff += 10;
        out.prepend(QChar(u'0' + diff));
    }
    return out;
}

} // namespace

int Decimal::compare(const Decimal &other) const
{
    if (negative_ != other.negative_)
        return negative_ ? -1 : 1;
    const int scale = std::max(scale_, other.scale_);
    const int magnitude =
        compareMagnitudes(atScale(digits_, scale_, scale), atScale(other.digits_, other.scale_, scale));
    return negative_ ? -magnitude : magnitude;
}

Decimal Decimal::operator+(const Decimal &other) const
{
    Decimal r;
    r.scale_ = std::max(scale_, other.scale_);
    const QString a = atScale(digits_, scale_, r.scale_);
    const QString b = atScale(other.digits_, other.scale_, r.scale_);
    if (negative_ == other.negative_) {
        r.digits_ = addMagnitudes(a, b);
        r.negative_ = negative_;
    } else if (compareMagnitudes(a, b) >= 0) {
        r.digits_ = stripLeadingZeros(subtractMagnitudes(a, b));
        r.negative_ = negative_;
    } else {
        r.digits_ = stripLeadingZeros(subtractMagnitudes(b, a));
        r.negative_ = other.negative_;
    }
    r.normalise();
    return r;
}

QString Decimal::toString() const
{
    if (digits_.isEmpty())
        return QStringLiteral("0");
    const QString whole = digits_.size() > scale_ ? digits_.left(digits_.size() - scale_) : QStringLiteral("0");
    QString out = negative_ ? QStringLiteral("-") + whole : whole;
    if (scale_ > 0) {
        const QString fraction = digits_.right(std::min<qsizetype>(scale_, digits_.size()));
        out += u',' + QString(scale_ - fraction.size(), u'0') + fraction;
    }
    return out;
}

} // namespace iqx
