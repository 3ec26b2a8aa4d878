// The register lookup on arbitrary register bytes and identifiers. A match
// never carries a line end or a separator into a field, and the register
// read piece by piece, as the file reader does, gives what it gives whole.
#include "storage/registerscanner.h"
#include "fuzzinput.h"

#include <QByteArray>

#include <algorithm>

using namespace iqx;
using iqx::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    const QString identifier = fuzz::text(in, 12);
    const std::string rest = in.ConsumeRemainingBytesAsString();
    const QByteArray registerBytes(rest.data(), qsizetype(rest.size()));

    const RegisterLookup found = lookupRegister(registerBytes, identifier);
    RegisterScanner pieces(identifier);
    const qsizetype step = qsizetype(registerBytes.size() % 13) + 1;
    for (qsizetype at = 0; at < registerBytes.size(); at += step)
        if (!pieces.feed(QByteArrayView(registerBytes).sliced(at, std::min(step, registerBytes.size() - at))))
            break;
    const RegisterLookup pieced = pieces.finish();
    require(pieced.status == found.status, "the same outcome read in pieces");
    require(pieced.entry.voivodeship == found.entry.voivodeship && pieced.entry.typeCode == found.entry.typeCode,
            "the same fields read in pieces");
    if (found.status == RegisterLookup::Found) {
        require(!found.entry.municipality.contains(u'\n') && !found.entry.typeCode.contains(u'\r'),
                "no line end inside a field");
        require(!found.entry.voivodeship.contains(u';') && !found.entry.county.contains(u';')
                    && !found.entry.municipality.contains(u';'),
                "the first fields hold no separator");
    }
    return 0;
}
