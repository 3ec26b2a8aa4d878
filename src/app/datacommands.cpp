#include "app/datacommands.h"

#include "app/exitstatus.h"
#include "app/workfolder.h"
#include "base/messages.h"
#include "document/exitrules.h"
#include "export/documentexport.h"
#include "export/exportentry.h"
#include "export/summaryexport.h"
#include "storage/datafile.h"
#include "storage/platform.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace iqx {

namespace {

QString nothingChosenText(const WorkFolder &folder, const DocumentChoice &choice)
{
    if (choice.several)
        return QStringLiteral("W podanych folderach nie ma plików danych InfoQX*.iqx.");
    return QStringLiteral("W folderze %1 nie ma pliku danych InfoQX*.iqx.")
        .arg(QDir::toNativeSeparators(folder.path()));
}

// Tells about named folders that held nothing; false when nothing at all
// was found, after saying so.
bool anythingChosen(const WorkFolder &folder, const DocumentChoice &choice)
{
    for (const QString &empty : choice.emptyFolders)
        messages().inform(QStringLiteral("W folderze %1 nie ma plików danych InfoQX*.iqx.").arg(empty));
    if (!choice.entries.isEmpty())
        return true;
    messages().error(nothingChosenText(folder, choice));
    return false;
}

// Export and check both need the register (the identifier is checked
// against it) and at least one data file: kNoRegisterStatus or
// kNoDocumentStatus when one is missing, after saying so; kOkStatus when
// both are there.
int unreadyStatus(const WorkFolder &folder, const DocumentChoice &choice)
{
    if (!folder.hasRegister()) {
        messages().error(folder.missingRegisterMessage());
        return kNoRegisterStatus;
    }
    return anythingChosen(folder, choice) ? kOkStatus : kNoDocumentStatus;
}

// A chosen entry read and checked, as the export and the check see it:
// the document with its findings, or why it could not be read. Only one
// exists at a time, so that many files need no more memory than one.
class CheckedEntry {
public:
    CheckedEntry(const ChosenEntry &chosen, const RegisterLookupFn &lookup)
    {
        entry_.file = chosen.name;
        if (!chosen.error.isEmpty()) {
            entry_.error = chosen.error;
            return;
        }
        loaded_ = loadDocumentFile(chosen.path, chosen.name);
        if (loaded_.status == LoadResult::Error) {
            entry_.error = loaded_.message;
            return;
        }
        entry_.document = &loaded_.document;
        entry_.missingFields = loaded_.missingFields;
        entry_.note = loaded_.message;
        entry_.findings = checkDocument(loaded_.document, lookup);
    }
    CheckedEntry(const CheckedEntry &) = delete;
    CheckedEntry &operator=(const CheckedEntry &) = delete;

    // Points into this object.
    const ExportEntry &entry() const { return entry_; }

private:
    LoadResult loaded_;
    ExportEntry entry_;
};

} // namespace

DocumentChoice chooseDocuments(const QStringList &arguments, const QDir &base)
{
    DocumentChoice choice;
    if (arguments.isEmpty()) {
        const QStringList first = dataFileNames(base).mid(0, 1);
        for (const QString &name : first)
            choice.entries.append({platform::nativePath(base.absoluteFilePath(name)), name, {}});
        return choice;
    }
    choice.several = arguments.size() > 1;
    for (const QString &argument : arguments) {
        const QFileInfo info(base, argument);
        if (!info.isDir()) {
            choice.entries.append({platform::nativePath(info.absoluteFilePath()), argument, {}});
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

int exportDocuments(const WorkFolder &folder, const DocumentChoice &choice, const QString &path)
{
    if (const int status = unreadyStatus(folder, choice); status != kOkStatus)
        return status;
    const RegisterLookupFn lookup = folder.registerLookup();
    if (choice.several) {
        SummaryExport summary(path);
        // Once the output has failed, no more files are read.
        for (qsizetype i = 0; i < choice.entries.size() && summary.error().isEmpty(); ++i)
            summary.add(CheckedEntry(choice.entries[i], lookup).entry());
        if (const QString error = summary.commit(); !error.isEmpty()) {
            messages().error(error);
            return kOutputFailedStatus;
        }
        if (summary.unreadable() == 0)
            return kOkStatus;
        messages().error(QStringLiteral("Zestawienie %1: %2 z %3 plików nie dało się odczytać; ich wiersze "
                                        "podają przyczynę.")
                             .arg(QFileInfo(path).fileName())
                             .arg(summary.unreadable())
                             .arg(summary.entries()));
        return kUnreadableStatus;
    }
    const CheckedEntry only(choice.entries.first(), lookup);
    const ExportEntry &doc = only.entry();
    if (!doc.document) {
        messages().error(doc.error);
        return kNoDocumentStatus;
    }
    if (!doc.note.isEmpty())
        messages().inform(doc.note);
    if (const QString error = writeDocumentExport(path, doc); !error.isEmpty()) {
        messages().error(error);
        return kOutputFailedStatus;
    }
    return kOkStatus;
}

int checkDocuments(const WorkFolder &folder, const DocumentChoice &choice, std::FILE *out)
{
    if (const int status = unreadyStatus(folder, choice); status != kOkStatus)
        return status;
    const RegisterLookupFn lookup = folder.registerLookup();
    bool found = false;
    int writeError = 0;
    for (const ChosenEntry &chosen : choice.entries) {
        const QString prefix = choice.several ? chosen.name + QStringLiteral(": ") : QString();
        const CheckedEntry checked(chosen, lookup);
        const ExportEntry &entry = checked.entry();
        // An unreadable or incomplete file is a finding of its own.
        QStringList lines;
        if (!entry.document) {
            lines << entry.error;
        } else {
            if (!entry.note.isEmpty())
                lines << entry.note;
            for (const Finding &f : entry.findings)
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
    return found ? kFindingsStatus : kOkStatus;
}

} // namespace iqx
