// The data file on arbitrary bytes: what is read can be written, and what
// is written reads back the same. A value read from a file never holds ';'
// or a line end, and every character read has a Windows-1250 byte, so the
// writer must accept whatever the reader gives.
#include "fuzzinput.h"
#include "storage/datacodec.h"
#include "storage/datafile.h"

#include <QByteArray>

using namespace iqx;
using iqx::fuzz::require;

namespace {

constexpr int kFieldCount = 223; // positions 0 to 222, the most a document has

// The document reader and writer: what is read from any bytes can be
// written, and reads back as the same document.
void readWriteRead(const QByteArray &bytes)
{
    const DecodedDocument first = decodeDocument(bytes);
    if (!first.ok)
        return;
    require(first.missing >= 0 && first.missing <= kFieldCount, "a count of missing fields");
    for (int n = 0; n < kFieldCount; ++n)
        require(!first.document.text(n).contains(u';'), "no ';' inside a value read");
    QString error;
    const auto written = encodeDocument(first.document, QStringLiteral("InfoQX.iqx"), &error);
    require(written.has_value(), "what is read can be written");
    const DecodedDocument second = decodeDocument(*written);
    require(second.ok && second.missing == 0, "what is written reads back whole");
    require(second.document == first.document, "the same document read back");
    require(encodeDocument(second.document, QStringLiteral("InfoQX.iqx"), &error) == written, "writing is stable");
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
