#include "storage/recoveryfile.h"

#include "storage/datafile.h"
#include "storage/safefile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace iqx {

namespace {

const QByteArray kMarker = QByteArrayLiteral("InformacjaQX-odzysk");
const QByteArray kVersion = QByteArrayLiteral("1");
// The header is short; the document line is bounded as in a data file.
constexpr qsizetype kMaxHeader = 1024;

QString recoveryName() { return QString::fromLatin1(kRecoveryFileName); }

QByteArray checksum(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool exists(const QString &path) { return entryExists(path); }

RecoveryCopy damaged(const QString &reason)
{
    RecoveryCopy copy;
    copy.status = RecoveryCopy::Damaged;
    copy.reason = reason;
    return copy;
}

} // namespace

QString writeRecoveryCopy(const QDir &dir, const Document &doc)
{
    QString error;
    const std::optional<QByteArray> line = encodeDocument(doc, recoveryName(), &error);
    if (!line)
        return error;
    const QByteArray header = kMarker + ';' + kVersion + ';' + QFile::encodeName(dataFileName(doc.identifier())) + ';'
                              + QByteArray::number(line->size()) + ';' + checksum(*line) + '\n';
    return writeFileAtomically(dir, recoveryName(), header + *line);
}

bool removeRecoveryCopy(const QDir &dir)
{
    const QString path = dir.filePath(recoveryName());
    return removeEntry(path);
}

RecoveryCopy readRecoveryCopy(const QDir &dir)
{
    const QString path = dir.filePath(recoveryName());
    if (!exists(path))
        return {};
    QFile file;
    QString reason;
    if (!openRegularFile(file, path, &reason))
        return damaged(QStringLiteral("nie można jej odczytać: %1").arg(reason));
    bool tooLong = false;
    const std::optional<QByteArray> bytes = readBounded(file, kMaxHeader + kMaxDataLine, false, &tooLong, &reason);
    if (tooLong)
        return damaged(QStringLiteral("jest za duża"));
    if (!bytes)
        return damaged(QStringLiteral("nie można jej odczytać: %1").arg(reason));
    const QDateTime written = file.fileTime(QFileDevice::FileModificationTime);
    file.close();

    const qsizetype headerEnd = bytes->indexOf('\n');
    const QList<QByteArray> header = bytes->left(headerEnd).split(';');
    if (headerEnd < 0 || header.size() != 5 || header[0] != kMarker)
        return damaged(QStringLiteral("nie jest kopią danych tego programu"));
    if (header[1] != kVersion)
        return damaged(QStringLiteral("pochodzi z innej wersji programu (wersja %1)")
                           .arg(QString::fromLatin1(header[1].left(20))));
    const QByteArray line = bytes->mid(headerEnd + 1);
    bool numeric = false;
    if (header[3].toLongLong(&numeric) != line.size() || !numeric)
        return damaged(QStringLiteral("jest niekompletna (zapis został przerwany)"));
    if (checksum(line) != header[4])
        return damaged(QStringLiteral("ma niezgodną sumę kontrolną"));
    DecodedDocument decoded = decodeDocument(line);
    if (!decoded.ok || decoded.missing > 0 || line.contains('\r') || line.contains('\n'))
        return damaged(QStringLiteral("nie zawiera poprawnego dokumentu"));
    const QString dataFile = dataFileName(decoded.document.identifier());
    if (QFile::encodeName(dataFile) != header[2])
        return damaged(QStringLiteral("nie zgadza się z nazwą pliku danych, którą podaje"));

    RecoveryCopy copy;
    copy.status = RecoveryCopy::Found;
    copy.document = std::move(decoded.document);
    copy.dataFileName = dataFile;
    copy.written = written;
    // Only an identifier that may form a file name names a file of this
    // folder; any other can never have been saved. What the data file holds
    // decides whether anything is unsaved, not the files' times: the clock
    // may have been set back, or an older data file restored.
    if (identifierUsableInFileName(copy.document.identifier())) {
        const QString dataPath = dir.filePath(dataFile);
        const QFileInfo data(dataPath);
        if (data.exists())
            copy.dataFileWritten = data.lastModified();
        const LoadResult saved = loadDocumentFile(dataPath);
        copy.sameAsDataFile = saved.status == LoadResult::Loaded && saved.document == copy.document;
    }
    return copy;
}

QString setDamagedCopyAside(const QDir &dir, QString *error)
{
    const QString base = QString::fromLatin1(kDamagedRecoveryFileName);
    for (int i = 1; i <= 1000; ++i) {
        const QString name = i == 1 ? base : base + QStringLiteral("-%1").arg(i);
        if (exists(dir.filePath(name)))
            continue;
        if (renameEntry(dir.filePath(recoveryName()), dir.filePath(name), error))
            return name;
        return {};
    }
    *error = QStringLiteral("zbyt wiele odłożonych kopii");
    return {};
}

} // namespace iqx
