#include "storage/registerupgrade.h"

#include "storage/platform.h"
#include "storage/registerimport.h"
#include "storage/registerscanner.h"
#include "storage/safefile.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <array>

namespace iqx {

namespace {

// The SHA-256 digests of every register a version of the program shipped
// as data/GMINY.txt before the one it ships now. A new entry is added here
// whenever data/GMINY.txt changes.
constexpr std::array<const char *, 1> kEarlierShippedRegisters{
    // 2477 municipalities, the state of 2024-01-01 (version 1.0.0).
    "b14143cfc75d4c6701a5664817796ba037c0ced9665d00dd454d5412e824273f",
};

// A shipped register is about 0.1 MB; a longer file is none of them.
constexpr qsizetype kMaxShippedRegister = qsizetype(1024) * 1024;

std::optional<QByteArray> readRegular(const QString &path, qsizetype limit)
{
    QFile file;
    QString reason;
    if (!openRegularFile(file, path, &reason))
        return std::nullopt;
    bool tooLong = false;
    return readBounded(file, limit, false, &tooLong, &reason);
}

} // namespace

bool isEarlierShippedRegister(QByteArrayView bytes)
{
    const QByteArray digest = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
    return std::any_of(kEarlierShippedRegisters.begin(), kEarlierShippedRegisters.end(),
                       [&digest](const char *d) { return digest == d; });
}

RegisterUpgrade upgradeShippedRegister(const QDir &folder, const QString &installed, const QDate &today)
{
    RegisterUpgrade r;
    const QString path = folder.filePath(QString::fromLatin1(kRegisterFileName));
    // Only a regular file is read (a link or a FIFO is not), and a read-only
    // one is the office's decision to keep it.
    if (const platform::Status st = platform::statusOf(platform::nativePath(path)); st.writableByNobody)
        return r;
    const std::optional<QByteArray> current = readRegular(path, kMaxShippedRegister);
    if (!current || !isEarlierShippedRegister(*current))
        return r;
    // The installed register is the administrator's; it need not be a
    // regular file of its own (a distribution may link it).
    QFile source(installed);
    if (!source.open(QIODevice::ReadOnly))
        return r;
    const QByteArray bytes = source.read(kMaxShippedRegister + 1);
    const std::optional<QList<RegisterLine>> lines = registerFileLines(bytes);
    if (bytes.size() > kMaxShippedRegister || !lines || lines->isEmpty() || bytes == *current
        || isEarlierShippedRegister(bytes))
        return r;
    const RegisterReplacement replaced = replaceRegister(folder, current, bytes, today);
    if (!replaced.error.isEmpty()) {
        r.error = replaced.error;
        return r;
    }
    r.replaced = true;
    r.keptAs = replaced.keptAs;
    r.count = lines->size();
    return r;
}

} // namespace iqx
