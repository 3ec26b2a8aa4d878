#include "app/datacommands.h"

#include "document/exitrules.h"
#include "base/messages.h"
#include "storage/datafile.h"
#include "storage/export.h"
#include "storage/registerfile.h"

#include <QFileInfo>

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
    if (!choice.files.isEmpty())
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
        return 3;
    }
    return anythingChosen(choice) ? 0 : 4;
}

} // namespace

DocumentChoice chooseDocuments(const QStringList &arguments, const QDir &base)
{
    DocumentChoice choice;
    if (arguments.isEmpty()) {
        const QStringList first = dataFileNames(base).mid(0, 1);
        for (const QString &name : first) {
            choice.files << base.absoluteFilePath(name);
            choice.names << name;
        }
        return choice;
    }
    choice.several = arguments.size() > 1;
    for (const QString &argument : arguments) {
        const QFileInfo info(base, argument);
        if (!info.isDir()) {
            choice.files << info.absoluteFilePath();
            choice.names << argument;
            continue;
        }
        choice.several = true;
        const QDir folder(info.absoluteFilePath());
        const QStringList entries = dataFileNames(folder);
        if (entries.isEmpty())
            choice.emptyFolders << argument;
        const QString prefix = argument.endsWith(u'/') ? argument : argument + u'/';
        for (const QString &name : entries) {
            choice.files << folder.absoluteFilePath(name);
            choice.names << prefix + name;
        }
    }
    return choice;
}

int exportDocuments(const DocumentChoice &choice, const QString &path)
{
    if (const int status = unreadyStatus(choice))
        return status;
    const RegisterLookupFn lookup = &lookupRegisterHere;
    if (choice.several) {
        const SummaryResult r = writeSummaryExport(path, choice.files, choice.names, lookup);
        if (!r.error.isEmpty()) {
            messages().error(r.error);
            return 5;
        }
        if (r.unreadable > 0)
            messages().inform(QStringLiteral("Zestawienie %1: %2 z %3 plików nie dało się odczytać; ich wiersze "
                                             "podają przyczynę.")
                                  .arg(QFileInfo(path).fileName())
                                  .arg(r.unreadable)
                                  .arg(r.documents));
        return 0;
    }
    const LoadResult loaded = loadDocumentFile(choice.files.first());
    if (loaded.status == LoadResult::Error) {
        messages().error(loaded.message);
        return 4;
    }
    if (!loaded.message.isEmpty())
        messages().inform(loaded.message);
    const ExportedDocument doc{choice.names.first(), &loaded.document, loaded.missingFields, loaded.message,
                               checkDocument(loaded.document, lookup)};
    if (const QString error = writeDocumentExport(path, doc); !error.isEmpty()) {
        messages().error(error);
        return 5;
    }
    return 0;
}

int checkDocuments(const DocumentChoice &choice, std::FILE *out)
{
    if (const int status = unreadyStatus(choice))
        return status;
    const RegisterLookupFn lookup = &lookupRegisterHere;
    bool found = false;
    for (qsizetype i = 0; i < choice.files.size(); ++i) {
        const QString prefix = choice.several ? choice.names[i] + QStringLiteral(": ") : QString();
        QStringList lines;
        const LoadResult loaded = loadDocumentFile(choice.files[i]);
        // An unreadable or incomplete file is a finding of its own.
        if (!loaded.message.isEmpty())
            lines << loaded.message;
        if (loaded.status != LoadResult::Error)
            for (const Finding &f : checkDocument(loaded.document, lookup))
                lines << f.text();
        for (const QString &line : lines)
            std::fputs((prefix + line + u'\n').toUtf8().constData(), out);
        found = found || !lines.isEmpty();
    }
    std::fflush(out);
    return found ? 1 : 0;
}

} // namespace iqx
