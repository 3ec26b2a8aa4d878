// GUS's TERC read from arbitrary bytes (CSV, XML or zip, told apart as the
// import tells them): no crash, no hang, and a register made of what is
// accepted is text that the register reader takes back line for line.
#include "storage/registerimport.h"
#include "storage/terc.h"
#include "fuzzinput.h"

#include <QByteArray>

using namespace iqx;
using iqx::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const TercRows rows = readTerc(bytes);
    if (!rows.error.isEmpty())
        return 0;
    require(!rows.rows.isEmpty(), "an accepted file has rows");
    const TercRegister made = tercRegister(rows.rows);
    if (!made.error.isEmpty())
        return 0;
    require(!made.lines.isEmpty() && made.stateDate.size() == 10, "a register holds a gmina and its date");
    const std::optional<QByteArray> text = registerFileBytes(made.lines);
    require(text.has_value(), "every field of the register is Windows-1250");
    const std::optional<QList<RegisterLine>> back = registerFileLines(*text);
    require(back.has_value() && *back == made.lines, "the register reads back as the same lines");
    return 0;
}
