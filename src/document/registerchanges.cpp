#include "document/registerchanges.h"

#include <QHash>

#include <map>

namespace iqx {

namespace {

// A register by identifier, in identifier order; a later line of the same
// identifier replaces an earlier one.
using ByIdentifier = std::map<QString, RegisterEntry>;

ByIdentifier byIdentifier(const QList<RegisterLine> &lines)
{
    ByIdentifier map;
    for (const RegisterLine &line : lines)
        map[line.identifier] = line.entry;
    return map;
}

QString where(const RegisterEntry &e) { return QStringLiteral("(%1, %2)").arg(e.county, e.voivodeship); }

QString described(const QString &identifier, const RegisterEntry &e)
{
    return QStringLiteral("%1 %2 %3").arg(identifier, e.municipality, where(e));
}

// Which municipality a line is, apart from its kind digit.
QString sameMunicipalityKey(const QString &identifier, const RegisterEntry &e)
{
    return identifier.left(6) + QLatin1Char('\n') + e.municipality;
}

struct Sides {
    ByIdentifier removed; // only in the register before
    ByIdentifier added;   // only in the register after
};

// Pairs of a removed and an added identifier that are one municipality whose
// kind digit changed: the same first six digits and name, and no other
// removed or added line of that name and those digits, which would make the
// pairing a guess. The pairs leave `sides`.
std::map<QString, QString> takeRenumbered(Sides &sides)
{
    QHash<QString, QStringList> removedByKey, addedByKey;
    for (const auto &[id, e] : sides.removed)
        removedByKey[sameMunicipalityKey(id, e)] << id;
    for (const auto &[id, e] : sides.added)
        addedByKey[sameMunicipalityKey(id, e)] << id;
    std::map<QString, QString> pairs; // old identifier -> new identifier
    for (auto it = removedByKey.cbegin(); it != removedByKey.cend(); ++it) {
        const QStringList added = addedByKey.value(it.key());
        if (it.value().size() == 1 && added.size() == 1)
            pairs[it.value().first()] = added.first();
    }
    for (const auto &[from, to] : pairs) {
        sides.removed.erase(from);
        sides.added.erase(to);
    }
    return pairs;
}

// The lines of an identifier both registers hold whose fields differ.
QStringList describeEdits(const ByIdentifier &before, const ByIdentifier &after)
{
    QStringList renamed, other;
    for (const auto &[id, old] : before) {
        const auto found = after.find(id);
        if (found == after.end() || found->second == old)
            continue;
        const RegisterEntry &now = found->second;
        if (now.municipality != old.municipality)
            renamed << QStringLiteral("zmieniono nazwę: %1 %2 → %3 %4")
                           .arg(id, old.municipality, now.municipality, where(now));
        if (now.county != old.county)
            other
                << QStringLiteral("zmieniono powiat: %1 %2: %3 → %4").arg(id, now.municipality, old.county, now.county);
        if (now.voivodeship != old.voivodeship)
            other << QStringLiteral("zmieniono województwo: %1 %2: %3 → %4")
                         .arg(id, now.municipality, old.voivodeship, now.voivodeship);
        if (now.typeCode != old.typeCode)
            other << QStringLiteral("zmieniono typ: %1 %2: %3 → %4")
                         .arg(id, now.municipality, old.typeCode, now.typeCode);
    }
    return renamed + other;
}

} // namespace

QStringList describeRegisterChanges(const QList<RegisterLine> &beforeLines, const QList<RegisterLine> &afterLines)
{
    const ByIdentifier before = byIdentifier(beforeLines);
    const ByIdentifier after = byIdentifier(afterLines);
    Sides sides;
    for (const auto &[id, e] : before)
        if (!after.count(id))
            sides.removed[id] = e;
    for (const auto &[id, e] : after)
        if (!before.count(id))
            sides.added[id] = e;
    const std::map<QString, QString> renumbered = takeRenumbered(sides);

    QStringList lines;
    for (const auto &[id, e] : sides.added)
        lines << QStringLiteral("dodano: ") + described(id, e);
    for (const auto &[id, e] : sides.removed)
        lines << QStringLiteral("usunięto: ") + described(id, e);
    for (const auto &[from, to] : renumbered) {
        const RegisterEntry &e = after.at(to);
        lines << QStringLiteral("zmieniono kod: %1 → %2 %3 %4, gmina %5")
                     .arg(from, to, e.municipality, where(e), translateType(e.typeCode));
    }
    return lines + describeEdits(before, after);
}

} // namespace iqx
