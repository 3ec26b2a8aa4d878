// The data file's line on arbitrary bytes: what is read can be written,
// and what is written reads back as the same fields. A field read from a
// file never holds ';', and every character read has a Windows-1250 byte,
// so the writer must accept whatever the reader gives.
#include "fuzzinput.h"
#include "storage/datacodec.h"

#include <QByteArray>

using namespace iqx;
using iqx::fuzz::require;

namespace {

constexpr int kFieldCount = 223; // positions 0 to 222, the most a document has

// Reads a document's fields from file bytes; the one place to point at a
// different reader.
struct Read {
    bool ok = false;
    QStringList fields;
    int missing = 0;
};
Read readFields(const QByteArray &bytes)
{
    const datacodec::DecodedLine line = datacodec::decodeLine(bytes, kFieldCount);
    return {line.ok, line.fields, line.missing};
}

std::optional<QByteArray> writeFields(const QStringList &fields)
{
    return datacodec::encodeLine(fields).bytes;
}

void readWriteRead(const QByteArray &bytes)
{
    const Read first = readFields(bytes);
    if (!first.ok)
        return;
    require(first.fields.size() + first.missing == kFieldCount, "every field present or missing");
    for (const QString &f : first.fields)
        require(!f.contains(u';'), "no ';' inside a field read");
    const auto written = writeFields(first.fields);
    require(written.has_value(), "what is read can be written");
    const Read second = readFields(*written);
    require(second.ok, "what is written can be read");
    require(second.fields == first.fields, "fields read back the same");
    require(second.missing == first.missing, "the same fields missing");
    require(writeFields(second.fields) == written, "writing is stable");
}

// Arbitrary fields: the writer either refuses one naming the character at
// fault, or writes bytes that read back as the same fields.
void writeRead(FuzzedDataProvider &in)
{
    QStringList fields;
    const int count = in.ConsumeIntegralInRange<int>(0, 8);
    for (int i = 0; i < count; ++i)
        fields << fuzz::text(in, 16);
    const datacodec::EncodedLine line = datacodec::encodeLine(fields);
    if (!line.bytes) {
        require(line.badField >= 0 && line.badField < fields.size(), "the refused field is named");
        require(!line.badChar.isEmpty() && fields[line.badField].contains(line.badChar), "the bad character is in it");
        return;
    }
    const datacodec::DecodedLine back = datacodec::decodeLine(*line.bytes, int(fields.size()));
    require(back.ok && back.fields == fields, "written fields read back the same");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    readWriteRead(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    FuzzedDataProvider in(data, size);
    writeRead(in);
    return 0;
}
