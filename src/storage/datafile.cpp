#include "storage/datafile.h"

#include "document/messages.h"
#include "storage/datacodec.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace iqx {

QString dataFileName(const QString &identifier)
{
    return QStringLiteral("InfoQX") + identifier + QStringLiteral(".iqx");
}

bool identifierUsableInFileName(const QString &identifier)
{
    for (QChar c : identifier)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

namespace {

// Writes without buffering, going on after a partial write so that a
// failure is reported with its reason. (Buffered, QSaveFile::commit() does
// not notice a failed flush, e.g. on a full disk, and would put the
// truncated file in place of the old one.)
bool writeAll(QSaveFile &file, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

SaveResult saveFailure(const QString &fileName, const QString &error)
{
    return {false, fileName, error};
}

} // namespace

std::optional<QByteArray> encodeDocument(const Document &doc, const QString &fileName, QString *error)
{
    QStringList fields;
    fields.reserve(kPositionCount);
    for (int n = 0; n < kPositionCount; ++n)
        fields << doc.value(n);
    datacodec::EncodedLine line = datacodec::encodeLine(fields);
    if (!line.bytes && error) {
        const QString why = line.badChar == QLatin1String(";")
                                ? QStringLiteral("znak \";\" rozdziela pola w pliku")
                                : QStringLiteral("znaku nie da się zapisać w kodowaniu Windows-1250");
        *error = QStringLiteral("Nie zapisano danych do pliku %1: pozycja %2 zawiera znak \"%3\" (%4).")
                     .arg(fileName, QString::number(line.badField), line.badChar, why);
    }
    return std::move(line.bytes);
}

SaveResult saveDocument(const Document &doc, const QDir &dir)
{
    const QString identifier = doc.identifier();
    const QString fileName = dataFileName(identifier);
    // The identifier becomes part of a path: anything but digits could lead
    // the file out of the program's directory or make an invalid name.
    if (!identifierUsableInFileName(identifier))
        return saveFailure(fileName,
                           QStringLiteral("Nie zapisano danych: identyfikator gminy \"%1\" nie może być częścią "
                                          "nazwy pliku (dozwolone są tylko cyfry).")
                               .arg(identifier));
    QString error;
    const std::optional<QByteArray> bytes = encodeDocument(doc, fileName, &error);
    if (!bytes)
        return saveFailure(fileName, error);

    // The new content replaces the old file only once it is completely on
    // disk; until then the previous file stays as it was.
    QSaveFile file(dir.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return saveFailure(fileName, fileErrorText(QStringLiteral("Cannot create file"), fileName, file.errorString()));
    if (!writeAll(file, *bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return saveFailure(fileName, fileErrorText(QStringLiteral("Cannot write file"), fileName, reason));
    }
    if (!file.commit())
        return saveFailure(fileName, fileErrorText(QStringLiteral("Cannot write file"), fileName, file.errorString()));
    return {true, fileName, {}};
}

namespace {

// Reads up to the first line end: the rest of the file is never used.
std::optional<QByteArray> readFirstLine(QFile &file)
{
    QByteArray bytes;
    for (;;) {
        const QByteArray chunk = file.read(64 * 1024);
        if (chunk.isEmpty())
            return file.error() == QFileDevice::NoError ? std::optional(bytes) : std::nullopt;
        bytes += chunk;
        if (chunk.contains('\r') || chunk.contains('\n'))
            return datacodec::firstLine(bytes);
    }
}

QString missingText(const QString &fileName, int missing)
{
    if (missing == 1)
        return QStringLiteral("Plik %1 jest niekompletny: brakuje 1 pola. Brakująca pozycja pozostała pusta.")
            .arg(fileName);
    return QStringLiteral("Plik %1 jest niekompletny: brakuje %2 pól. Brakujące pozycje pozostały puste.")
        .arg(fileName)
        .arg(missing);
}

} // namespace

DecodedDocument decodeDocument(const QByteArray &fileBytes)
{
    DecodedDocument out;
    const datacodec::DecodedLine line = datacodec::decodeLine(fileBytes, kPositionCount);
    if (!line.ok)
        return out;
    out.ok = true;
    out.missing = line.missing;
    // A position the line ran out before stays empty and unticked.
    for (int n = 0; n < line.fields.size(); ++n) {
        if (position(n).isFlag())
            out.document.setChecked(n, line.fields[n] != QLatin1String("0"));
        else
            out.document.setText(n, line.fields[n]);
    }
    return out;
}

LoadResult loadDocumentFile(const QString &path)
{
    LoadResult result;
    result.fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = LoadResult::Error;
        result.message = fileErrorText(QStringLiteral("Cannot open file"), result.fileName, file.errorString());
        return result;
    }
    const std::optional<QByteArray> bytes = readFirstLine(file);
    if (!bytes) {
        result.status = LoadResult::Error;
        result.message = fileErrorText(QStringLiteral("Cannot read file"), result.fileName, file.errorString());
        return result;
    }
    file.close();

    DecodedDocument decoded = decodeDocument(*bytes);
    if (!decoded.ok) {
        result.status = LoadResult::Error;
        result.message = QStringLiteral("Plik %1 zawiera bajty spoza kodowania Windows-1250; dane nie zostały "
                                        "wczytane.")
                             .arg(result.fileName);
        return result;
    }
    result.document = std::move(decoded.document);
    result.missingFields = decoded.missing;
    if (decoded.missing > 0) {
        result.status = LoadResult::Incomplete;
        result.message = missingText(result.fileName, decoded.missing);
    } else {
        result.status = LoadResult::Loaded;
    }
    return result;
}

LoadResult loadDocument(const QDir &dir)
{
    // Directories and hidden files count too, so that whatever is first by
    // name is the file taken, and one that cannot be read is reported.
    const QStringList matches =
        dir.entryList({QStringLiteral("InfoQX*.iqx")},
                      QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    if (matches.isEmpty())
        return {};
    return loadDocumentFile(dir.filePath(matches.first()));
}

} // namespace iqx
