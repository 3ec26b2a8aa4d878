#include "storage/registerfile.h"

#include "base/messages.h"
#include "storage/safefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace iqx {

bool registerPresent(const QDir &folder)
{
    return QFileInfo::exists(folder.filePath(QString::fromLatin1(kRegisterFileName)));
}

QString missingRegisterMessage(const QString &namedFolder)
{
    if (!namedFolder.isEmpty())
        return QStringLiteral("Brak pliku GMINY.txt - musi znajdować się w folderze %1")
            .arg(QDir::toNativeSeparators(namedFolder));
    return QStringLiteral("Brak pliku GMINY.txt - musi znajdowac sie w tym samym katalogu co uruchamiany program");
}

RegisterLookup lookupRegisterFile(const QString &path, const QString &key)
{
    const QString name = QFileInfo(path).fileName();
    auto failure = [&name](const QString &action, const QString &reason) {
        RegisterLookup r;
        r.status = RegisterLookup::FileError;
        r.error = fileErrorText(action, name, reason);
        return r;
    };
    QFile file;
    QString reason;
    if (!openRegularFile(file, path, &reason))
        return failure(QStringLiteral("Cannot open file"), reason);

    RegisterScanner scanner(key);
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = file.read(buffer, sizeof buffer);
        if (n < 0)
            return failure(QStringLiteral("Cannot read file"), file.errorString());
        if (n == 0 || !scanner.feed(QByteArrayView(buffer, n)))
            break;
    }
    RegisterLookup r = scanner.finish();
    if (r.status == RegisterLookup::BadEncoding)
        return failure(QStringLiteral("Cannot read file"),
                       QStringLiteral("The line of this identifier holds a character that is not Windows-1250 text."));
    if (r.status == RegisterLookup::Utf8)
        return failure(QStringLiteral("Cannot read file"),
                       QStringLiteral("The register is UTF-8 text; the program reads it as Windows-1250. Save "
                                      "GMINY.txt in the Windows-1250 encoding."));
    if (r.status == RegisterLookup::LineTooLong)
        return failure(QStringLiteral("Cannot read file"),
                       QStringLiteral("The line of this identifier is longer than %1 bytes; the register is damaged.")
                           .arg(kMaxRegisterLine));
    return r;
}

} // namespace iqx
