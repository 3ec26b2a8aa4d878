#pragma once
#include "document/positions.h"

#include <QString>

// What each position asks, in words: a short key for exported data and a
// Polish description for people (column headers, screen readers). One entry
// per position, in position order.
namespace iqx {

struct PositionDescription {
    int number;
    // Lower-case ASCII letters, digits and '_', unique: usable as a JSON key
    // or a CSV column name. Built from the section, row and column; never
    // changes once released.
    const char *key;
    // Section code as printed on the form ("B.1", "F.10", "G"); "A" for the
    // identity block, which carries no code of its own.
    const char *section;
    // UTF-8: the section code, a blank, the row caption and, where the row
    // has several columns, " – " and the column heading.
    const char *description;
    // Unit as the form shows it ("m2", "ha", "ha przeliczeniowe", "zł",
    // "%"); empty when the value has none (counts, years, flags, texts).
    const char *unit;
};

// Entry of position n; n must lie in 0 .. kPositionCount - 1.
const PositionDescription &positionDescription(int n);

// What a screen reader says for position n's box: "Pozycja 7: " and the
// description without its section code. Empty for a number outside the
// table.
QString accessibleNameOf(int n);

// The longer help a screen reader offers on request: the section of the
// form and the unit in words ("Część B.1, jednostka: złote"). Empty for a
// number outside the table.
QString accessibleDescriptionOf(int n);

} // namespace iqx
