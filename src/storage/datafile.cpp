#include "storage/datafile.h"

#include "app/messages.h"
#include "document/positions.h"
#include "storage/datacodec.h"

#include <QCheckBox>
#include <QFile>
#include <QLineEdit>
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

QString positionValue(const PositionControl &p)
{
    if (p.edit)
        return p.edit->text();
    return p.check->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
}

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

SaveResult saveDocument(const QObject *root, const QDir &dir)
{
    const QLineEdit *idBox = textPosition(root, 1);
    const QString identifier = idBox ? idBox->text() : QString();
    const QString fileName = dataFileName(identifier);
    // The identifier becomes part of a path: anything but digits could lead
    // the file out of the program's directory or make an invalid name.
    if (!identifierUsableInFileName(identifier))
        return saveFailure(fileName,
                           QStringLiteral("Nie zapisano danych: identyfikator gminy \"%1\" nie może być częścią "
                                          "nazwy pliku (dozwolone są tylko cyfry).")
                               .arg(identifier));

    const QList<PositionControl> positions = positionControls(root);
    QStringList fields;
    fields.reserve(positions.size());
    for (const PositionControl &p : positions)
        fields << positionValue(p);
    const datacodec::EncodedLine line = datacodec::encodeLine(fields);
    if (!line.bytes) {
        const int position = positions[line.badField].number;
        const QString why = line.badChar == QLatin1String(";")
                                ? QStringLiteral("znak \";\" rozdziela pola w pliku")
                                : QStringLiteral("znaku nie da się zapisać w kodowaniu Windows-1250");
        return saveFailure(fileName, QStringLiteral("Nie zapisano danych do pliku %1: pozycja %2 zawiera znak "
                                                    "\"%3\" (%4).")
                                         .arg(fileName, QString::number(position), line.badChar, why));
    }

    // The new content replaces the old file only once it is completely on
    // disk; until then the previous file stays as it was.
    QSaveFile file(dir.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return saveFailure(fileName, fileErrorText(QStringLiteral("Cannot create file"), fileName, file.errorString()));
    if (!writeAll(file, *line.bytes)) {
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

QString overlongText(const QString &fileName, const QList<int> &positions)
{
    QStringList numbers;
    for (int n : positions)
        numbers << QString::number(n);
    return QStringLiteral("Plik %1: wartość pozycji %2 jest dłuższa, niż pozwala jej pole. Wczytano ją w "
                          "całości; popraw ją przed zapisem.")
        .arg(fileName, numbers.join(QStringLiteral(", ")));
}

} // namespace

LoadResult loadDocument(QObject *root, const QDir &dir)
{
    LoadResult result;
    // Directories and hidden files count too, so that whatever is first by
    // name is the file taken, and one that cannot be read is reported.
    const QStringList matches =
        dir.entryList({QStringLiteral("InfoQX*.iqx")},
                      QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    if (matches.isEmpty())
        return result;
    result.fileName = matches.first();

    QFile file(dir.filePath(result.fileName));
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

    // Everything is decoded before the first control changes, so a bad file
    // leaves the document as it was.
    const QList<PositionControl> positions = positionControls(root);
    const datacodec::DecodedLine line = datacodec::decodeLine(*bytes, int(positions.size()));
    if (!line.ok) {
        result.status = LoadResult::Error;
        result.message = QStringLiteral("Plik %1 zawiera bajty spoza kodowania Windows-1250; dane nie zostały "
                                        "wczytane.")
                             .arg(result.fileName);
        return result;
    }

    // A position the line ran out before is cleared: empty text, no tick.
    for (int i = 0; i < positions.size(); ++i) {
        const bool present = i < line.fields.size();
        const QString field = present ? line.fields[i] : QString();
        if (positions[i].edit) {
            // A value is never cut to fit its box: the box is widened to
            // hold it whole and the clerk is told.
            QLineEdit *edit = positions[i].edit;
            if (field.size() > edit->maxLength()) {
                result.overlong << positions[i].number;
                edit->setMaxLength(int(field.size()));
            }
            edit->setText(field);
        }
        else
            positions[i].check->setChecked(present && field != QLatin1String("0"));
    }
    result.missingFields = line.missing;
    result.status = line.missing > 0 ? LoadResult::Incomplete : LoadResult::Loaded;
    QStringList notes;
    if (line.missing > 0)
        notes << missingText(result.fileName, line.missing);
    if (!result.overlong.isEmpty())
        notes << overlongText(result.fileName, result.overlong);
    result.message = notes.join(QLatin1Char('\n'));
    return result;
}

} // namespace iqx
