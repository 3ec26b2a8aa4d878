#include "storage/datafile.h"

#include "base/messages.h"
#include "storage/cp1250.h"
#include "storage/datacodec.h"
#include "storage/platform.h"
#include "storage/safefile.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

SaveResult saveFailure(const QString &fileName, const QString &error) { return {false, fileName, error}; }

} // namespace

std::optional<QByteArray> encodeDocument(const Document &doc, const QString &fileName, QString *error)
{
    QStringList fields;
    fields.reserve(kPositionCount);
    for (int n = 0; n < kPositionCount; ++n)
        fields << doc.value(n);
    datacodec::EncodedLine line = datacodec::encodeLine(fields);
    if (!line.bytes && error) {
        const QString why = line.badChar == QLatin1String(";") ? QStringLiteral("znak \";\" rozdziela pola w pliku")
                            : line.badChar == QLatin1String("\n") || line.badChar == QLatin1String("\r")
                                ? QStringLiteral("koniec wiersza zakończyłby dane w pliku")
                                : QStringLiteral("znaku nie da się zapisać w kodowaniu Windows-1250");
        *error = QStringLiteral("Nie zapisano danych do pliku %1: pozycja %2 zawiera znak \"%3\" (%4).")
                     .arg(fileName, QString::number(line.badField), line.badChar, why);
    }
    return std::move(line.bytes);
}

SaveResult saveDocument(const Document &doc, const QDir &dir)
{
    const QString &identifier = doc.identifier();
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

    if (const QString error = writeFileAtomically(dir, fileName, *bytes); !error.isEmpty())
        return saveFailure(fileName, error);
    return {true, fileName, {}};
}

SetAside setDataFileAside(const QDir &dir, const QString &fileName, const QString &keptName)
{
    const QString from = dir.filePath(fileName);
    const platform::Status old = platform::statusOf(platform::nativePath(from));
    if (old.kind == platform::Status::Missing)
        return {};
    if (old.kind == platform::Status::Unknown)
        return {SetAside::Failed, {}, old.error};
    const platform::Status kept = platform::statusOf(platform::nativePath(dir.filePath(keptName)));
    if (kept.kind == platform::Status::Regular && kept.sameFileAs(old))
        return {};
    const QString base = fileName + QLatin1String(kPreviousFileSuffix);
    for (int i = 1; i <= 1000; ++i) {
        const QString name = i == 1 ? base : base + QStringLiteral("-%1").arg(i);
        const platform::Status taken = platform::statusOf(platform::nativePath(dir.filePath(name)));
        if (taken.kind == platform::Status::Unknown) // a name the system refuses (too long, say)
            return {SetAside::Failed, {}, taken.error};
        if (taken.kind != platform::Status::Missing)
            continue;
        QString reason;
        if (!renameEntry(from, dir.filePath(name), &reason))
            return {SetAside::Failed, {}, reason};
        // The new name survives a power cut as the saved file does.
        platform::flushFolder(platform::nativePath(dir.absolutePath()));
        return {SetAside::Renamed, name, {}};
    }
    return {SetAside::Failed, {}, QStringLiteral("zbyt wiele odłożonych plików o tej nazwie")};
}

namespace {

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

LoadResult loadDocumentFile(const QString &path) { return loadDocumentFile(platform::nativePath(path), path); }

LoadResult loadDocumentFile(const QByteArray &path, const QString &name)
{
    LoadResult result;
    result.fileName = QFileInfo(name).fileName();
    auto failure = [&result](const QString &message) {
        result.status = LoadResult::Error;
        result.message = message;
        return result;
    };
    QFile file;
    QString reason;
    if (!openRegularFile(file, path, &reason))
        return failure(fileErrorText(QStringLiteral("Cannot open file"), result.fileName, reason));
    bool tooLong = false;
    const std::optional<QByteArray> bytes = readBounded(file, kMaxDataLine, true, &tooLong, &reason);
    if (tooLong)
        return failure(QStringLiteral("Plik %1 jest za duży (ponad %2 MB w wierszu danych), więc nie jest plikiem "
                                      "danych tego programu; dane nie zostały wczytane.")
                           .arg(result.fileName)
                           .arg(kMaxDataLine / (qsizetype(1024) * 1024)));
    if (!bytes)
        return failure(fileErrorText(QStringLiteral("Cannot read file"), result.fileName, reason));
    file.close();
    if (cp1250::looksLikeUtf8(*bytes))
        return failure(QStringLiteral("Plik %1 jest zapisany w kodowaniu UTF-8, a program czyta pliki danych w "
                                      "kodowaniu Windows-1250; dane nie zostały wczytane. Zapisz plik w kodowaniu "
                                      "Windows-1250.")
                           .arg(result.fileName));

    DecodedDocument decoded = decodeDocument(*bytes);
    if (!decoded.ok)
        return failure(QStringLiteral("Plik %1 zawiera bajty spoza kodowania Windows-1250; dane nie zostały "
                                      "wczytane.")
                           .arg(result.fileName));
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

QStringList dataFileNames(const QDir &dir)
{
    return dir.entryList({QStringLiteral("InfoQX*.iqx")},
                         QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

namespace {

// InfoQX*.iqx, with the letters in any case, as QDir's name filter takes it.
bool matchesDataFilePattern(const QByteArray &name)
{
    return name.size() >= 10 && name.first(6).compare("InfoQX", Qt::CaseInsensitive) == 0
           && name.last(4).compare(".iqx", Qt::CaseInsensitive) == 0;
}

// `raw` decoded as the system decodes file names; where that loses bytes,
// the valid UTF-8 sequences as they are and every other byte as \xNN.
QString readableFileName(const QByteArray &raw)
{
    if (const std::optional<QString> decoded = platform::decodedPath(raw))
        return *decoded;
    QString out;
    for (qsizetype i = 0; i < raw.size();) {
        const uchar c = uchar(raw[i]);
        const qsizetype length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        if (length > 0 && i + length <= raw.size()) {
            const QByteArray piece = raw.mid(i, length);
            const QString text = QString::fromUtf8(piece);
            if (!text.contains(QChar::ReplacementCharacter) && text.toUtf8() == piece) {
                out += text;
                i += length;
                continue;
            }
        }
        out += QStringLiteral("\\x%1").arg(c, 2, 16, QLatin1Char('0'));
        ++i;
    }
    return out;
}

} // namespace

std::optional<QList<DataFileEntry>> listDataFiles(const QString &folder, QString *reason)
{
    const platform::NativePath base = platform::nativePath(folder);
    std::optional<QList<platform::NativePath>> names = platform::folderNames(base, reason);
    if (!names)
        return std::nullopt;
    names->removeIf([](const QByteArray &name) { return !matchesDataFilePattern(name); });
    std::sort(names->begin(), names->end());
    QList<DataFileEntry> entries;
    entries.reserve(names->size());
    for (const QByteArray &name : *names)
        entries.append({platform::joinPath(base, name), readableFileName(name)});
    return entries;
}

LoadResult loadDocument(const QDir &dir)
{
    const QStringList matches = dataFileNames(dir);
    if (matches.isEmpty())
        return {};
    return loadDocumentFile(dir.filePath(matches.first()));
}

} // namespace iqx
