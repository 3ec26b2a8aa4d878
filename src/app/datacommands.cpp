#include "app/datacommands.h"

#include "document/exitrules.h"
#include "base/messages.h"
#include "storage/datafile.h"
#include "storage/export.h"
#include "storage/registerfile.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace iqx {

namespace {

QString nothingChosenText(const DocumentChoice &choice)
{
    if (choice.several)
        return QStringLiteral("W podanych folderach nie ma plików danych InfoQX*.iqx.");
    return QStringLiteral("W folderze %1 nie ma pliku danych InfoQX*.iqx.")
        .arg(QDir::toNativeSeparators(QDir::currentPath()));
}

// Tells about named folders that held nothing; false when nothing at all
// was found, after saying so.
bool anythingChosen(const DocumentChoice &choice)
{
    for (const QString &folder : choice.emptyFolders)
        messages().inform(QStringLiteral("W folderze %1 nie ma plików danych InfoQX*.iqx.").arg(folder));
    if (!choice.entries.isEmpty())
        return true;
    messages().error(nothingChosenText(choice));
    return false;
}

// Export and check both need the register (the identifier is checked
// against it) and at least one data file: 3 or 4 when one is missing, after
// saying so; 0 when both are there.
int unreadyStatus(const DocumentChoice &choice)
{
    if (!registerPresent()) {
        messages().error(missingRegisterMessage());
        return kNoRegisterStatus;
    }
    return anythingChosen(choice) ? 0 : kNoDocumentStatus;
}

} // namespace

DocumentChoice chooseDocuments(const QStringList &arguments, const QDir &base)
{
    DocumentChoice choice;
    if (arguments.isEmpty()) {
        const QStringList first = dataFileNames(base).mid(0, 1);
        for (const QString &name : first)
            choice.entries.append({QFile::encodeName(base.absoluteFilePath(name)), name, {}});
        return choice;
    }
    choice.several = arguments.size() > 1;
    for (const QString &argument : arguments) {
        const QFileInfo info(base, argument);
        if (!info.isDir()) {
            choice.entries.append({QFile::encodeName(info.absoluteFilePath()), argument, {}});
            continue;
        }
        choice.several = true;
        QString reason;
        const std::optional<QList<DataFileEntry>> entries = listDataFiles(info.absoluteFilePath(), &reason);
        // A folder that cannot be read is not an empty one: it is an entry
        // of its own, with the reason.
        if (!entries) {
            choice.entries.append(
                {{}, argument, QStringLiteral("Nie można odczytać folderu %1: %2.").arg(argument, reason)});
            continue;
        }
        if (entries->isEmpty())
            choice.emptyFolders << argument;
        const QString prefix = argument.endsWith(u'/') ? argument : argument + u'/';
        for (const DataFileEntry &entry : *entries)
            choice.entries.append({entry.path, prefix + entry.name, {}});
    }
    return choice;
}

int exportDocuments(const DocumentChoice &choice, const QString &path)
{
    if (const int status = unreadyStatus(choice))
        return status;
    const RegisterLookupFn lookup = &lookupRegisterHere;
    if (choice.several) {
        const SummaryResult r = writeSummaryExport(path, choice.entries, lookup);
        if (!r.error.isEmpty()) {
            messages().error(r.error);
            return kOutputFailedStatus;
        }
        if (r.unreadable == 0)
            return 0;
        messages().error(QStringLiteral("Zestawienie %1: %2 z %3 plików nie dało się odczytać; ich wiersze "
                                        "podają przyczynę.")
                             .arg(QFileInfo(path).fileName())
                             .arg(r.unreadable)
                             .arg(r.documents));
        return kUnreadableStatus;
    }
    const SummaryEntry &only = choice.entries.first();
    const LoadResult loaded = loadDocumentFile(only.path, only.name);
    if (loaded.status == LoadResult::Error) {
        messages().error(loaded.message);
        return kNoDocumentStatus;
    }
    if (!loaded.message.isEmpty())
        messages().inform(loaded.message);
    const ExportedDocument doc{only.name, &loaded.document, loaded.missingFields, loaded.message,
                               checkDocument(loaded.document, lookup)};
    if (const QString error = writeDocumentExport(path, doc); !error.isEmpty()) {
        messages().error(error);
        return kOutputFailedStatus;
    }
    return 0;
}

int checkDocuments(const DocumentChoice &choice, std::FILE *out)
{
    if (const int status = unreadyStatus(choice))
        return status;
    const RegisterLookupFn lookup = &lookupRegisterHere;
    bool found = false;
    int writeError = 0;
    for (const SummaryEntry &entry : choice.entries) {
        const QString prefix = choice.several ? entry.name + QStringLiteral(": ") : QString();
        QStringList lines;
        if (!entry.error.isEmpty()) {
            lines << entry.error;
        } else {
            const LoadResult loaded = loadDocumentFile(entry.path, entry.name);
            // An unreadable or incomplete file is a finding of its own.
            if (!loaded.message.isEmpty())
                lines << loaded.message;
            if (loaded.status != LoadResult::Error)
                for (const Finding &f : checkDocument(loaded.document, lookup))
                    lines << f.text();
        }
        for (const QString &line : lines)
            if (std::fputs((prefix + line + u'\n').toUtf8().constData(), out) < 0 && writeError == 0)
                writeError = errno ? errno : EIO;
        found = found || !lines.isEmpty();
    }
    // The findings are the result: when they cannot be written, nothing
    // was checked as far as the caller can tell, and it must hear so.
    if (std::fflush(out) != 0 && writeError == 0)
        writeError = errno ? errno : EIO;
    if (writeError != 0 || std::ferror(out)) {
        messages().error(QStringLiteral("Nie można wypisać wyników sprawdzenia na standardowe wyjście: %1.")
                             .arg(QString::fromLocal8Bit(std::strerror(writeError ? writeError : EIO))));
        return kOutputFailedStatus;
    }
    return found ? kFindingsStatus : 0;
}

} // namespace iqx
