#include "document/registry.h"

#include "storage/cp1250.h"
#include "storage/fields.h"

namespace iqx {

QString translateType(const QString &typeCode)
{
    if (typeCode == QLatin1String("GM"))
        return QStringLiteral("miejska");
    if (typeCode == QLatin1String("GW"))
        return QStringLiteral("wiejska");
    return QStringLiteral("miejsko-wiejska");
}

namespace {

// Fields 2-5 of one decoded register line; field 1 (the identifier) is
// skipped and the type code is everything after the fourth ';'.
RegisterEntry parseLine(QString line)
{
    RegisterEntry e;
    takeField(line, u';');
    e.voivodeship = takeField(line, u';');
    e.county = takeField(line, u';');
    e.municipality = takeField(line, u';');
    e.typeCode = line;
    return e;
}

bool isLineEnd(char c) { return c == '\r' || c == '\n'; }

} // namespace

RegisterLookup lookupRegister(const QByteArray &registerBytes, const QString &identifier)
{
    RegisterLookup result;
    const auto key = cp1250::encode(identifier);
    if (!key || key->isEmpty())
        return result; // nothing in the register can begin with it

    // CR and LF both end a line: a CRLF pair leaves an empty line between
    // them, which matches nothing, and the line end never reaches a field.
    const char *const data = registerBytes.constData();
    const qsizetype size = registerBytes.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && !isLineEnd(data[end]))
            ++end;
        const QByteArrayView line(data + start, end - start);
        if (line.startsWith(*key)) {
            const auto text = cp1250::decode(line.toByteArray());
            if (!text)
                return {RegisterLookup::BadEncoding, {}};
            result = {RegisterLookup::Found, parseLine(*text)};
        }
        start = end + 1;
    }
    return result;
}

} // namespace iqx
