#pragma once
#include <QString>
#include <optional>

namespace iqx {

// An exact decimal number with a decimal comma, as typed into the boxes.
// Comparison and addition are exact: no binary floating point is involved.
class Decimal {
public:
    Decimal() = default;
    // Accepts an optional sign, digits and at most one decimal comma with at
    // least one digit in all ("12," and ",5" are numbers); independent of the
    // process locale. Anything else (letters, blanks, exponent, '.') fails.
    static std::optional<Decimal> parse(const QString &text);
    static Decimal fromString(const char *text); // for constants known good

    bool isNegative() const; // strictly below zero; "-0" is not
    Decimal operator+(const Decimal &other) const;
    friend bool operator==(const Decimal &a, const Decimal &b) { return a.compare(b) == 0; }
    friend bool operator<(const Decimal &a, const Decimal &b) { return a.compare(b) < 0; }
    friend bool operator>(const Decimal &a, const Decimal &b) { return a.compare(b) > 0; }
    int compare(const Decimal &other) const;
    QString toString() const; // canonical, decimal comma ("0", "-1,5")

private:
    bool negative_ = false;
    // Magnitude: all digits, most significant first, no leading zeros
    // (empty for zero), with `scale_` of them after the comma.
    QString digits_;
    int scale_ = 0;
    void normalise();
};

} // namespace iqx
