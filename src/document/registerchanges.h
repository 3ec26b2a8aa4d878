#pragma once
#include "document/registry.h"

#include <QList>
#include <QStringList>

// What changed between two municipality registers, in words for the clerk.
namespace iqx {

// The differences between the register `before` and the register `after`,
// one line each, in Polish, in this order: municipalities added, removed,
// given a new identifier (one removed and one added with the same name and
// the same first six digits, so the kind digit changed), renamed, and those
// whose county, voivodeship or type changed. Within a kind, by identifier.
// A register that lists an identifier twice counts its last line, as the
// lookup does. Empty when nothing changed.
QStringList describeRegisterChanges(const QList<RegisterLine> &before, const QList<RegisterLine> &after);

} // namespace iqx
