#include "document/registry.h"

#include "document/fields.h"

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

} // namespace iqx
