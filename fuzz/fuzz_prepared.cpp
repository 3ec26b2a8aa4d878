// The prepared-report loader on arbitrary bytes: whatever it accepts saves
// to exactly the bytes it was loaded from, and loads again the same. The
// input is tried as a whole file and, since a checksum guards the payload,
// also as a payload behind a valid header, so that the parser is reached.
#include "fuzzinput.h"
#include "print/engine/prepared.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>

using namespace iqx::report;
using iqx::fuzz::require;

namespace {

bool load(const QByteArray &bytes, PreparedDocument *doc, QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return loadPrepared(buffer, doc, error);
}

QByteArray save(const PreparedDocument &doc)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    require(savePrepared(doc, buffer), "saving to memory succeeds");
    return bytes;
}

// The file the program would write around `payload`.
QByteArray withHeader(const QByteArray &payload)
{
    QByteArray file("IQXREPRT");
    {
        QDataStream s(&file, QIODevice::Append);
        s << quint16(1) << quint32(payload.size());
    }
    return file + QCryptographicHash::hash(payload, QCryptographicHash::Sha256) + payload;
}

void loadSaveLoad(const QByteArray &bytes)
{
    PreparedDocument doc;
    QString error;
    if (!load(bytes, &doc, &error)) {
        require(!error.isEmpty(), "a refusal gives a reason");
        return;
    }
    const QByteArray saved = save(doc);
    require(saved == bytes, "load-save gives the same bytes");
    PreparedDocument again;
    require(load(saved, &again, &error), "a saved report loads");
    require(save(again) == saved, "load-save-load-save is stable");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    loadSaveLoad(bytes);
    loadSaveLoad(withHeader(bytes));
    return 0;
}
