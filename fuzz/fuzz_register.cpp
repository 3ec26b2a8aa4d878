// The register lookup on arbitrary register bytes and identifiers.
// A match always yields a line that begins with the identifier.
#include "document/registry.h"
#include "fuzzinput.h"

#include <QByteArray>

using namespace iqx;
using iqx::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString identifier = fuzz::text(in, 12);
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QByteArray registerBytes(rest.data(), qsizetype(rest.size()));

    const RegisterLookup found = lookupRegister(registerBytes, identifier);
    if (found.status == RegisterLookup::Found) {
        require(!found.entry.municipality.contains(u'\n') && !found.entry.typeCode.contains(u'\r'),
                "no line end inside a field");
        require(!found.entry.voivodeship.contains(u';') && !found.entry.county.contains(u';')
                    && !found.entry.municipality.contains(u';'),
                "the first fields hold no separator");
    }
    return 0;
}
