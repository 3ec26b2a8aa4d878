#include "document/registry.h"

#include "document/fields.h"
#include "document/positions.h"

#include <algorithm>

namespace iqx {

QString translateType(const QString &typeCode)
{
    if (typeCode == QLatin1String("GM"))
        return QStringLiteral("miejska");
    if (typeCode == QLatin1String("GW"))
        return QStringLiteral("wiejska");
    return QStringLiteral("miejsko-wiejska");
}

RegisterEntry parseRegisterLine(QString line)
{
    RegisterEntry e;
    takeField(line, u';');
    e.voivodeship = takeField(line, u';');
    e.county = takeField(line, u';');
    e.municipality = takeField(line, u';');
    e.typeCode = line;
    return e;
}

namespace {

bool isWholeIdentifier(const QString &text)
{
    return text.size() == kIdentifierLength
           && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

std::optional<RegisterLine> newIdentifierOf(const RegisterLookupFn &lookup, const QString &identifier)
{
    if (!isWholeIdentifier(identifier) || lookup(identifier).status != RegisterLookup::NotFound)
        return std::nullopt;
    const RegisterLookup same = lookup(identifier.left(kIdentifierStemLength));
    if (same.status != RegisterLookup::Found || same.identifiers.size() != 1
        || !isWholeIdentifier(same.identifiers.first()))
        return std::nullopt;
    // The last line of that one identifier, as the lookup on leaving the
    // identifier box takes it.
    return RegisterLine{same.identifiers.first(), same.entry};
}

} // namespace iqx
