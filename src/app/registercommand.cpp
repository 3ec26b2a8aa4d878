#include "app/registercommand.h"

#include "app/application.h"
#include "app/commandline.h"
#include "app/exitstatus.h"
#include "base/messages.h"
#include "storage/registerimport.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace iqx {

namespace {

// A message box holds this many change lines; the command line prints all.
constexpr qsizetype kChangesInABox = 25;

int statusOf(const RegisterImport &r)
{
    switch (r.outcome) {
    case RegisterImport::Replaced:
    case RegisterImport::Unchanged:
        return kOkStatus;
    case RegisterImport::BadInput:
        return kBadTercStatus;
    case RegisterImport::NotWritten:
        break;
    }
    return kRegisterNotWrittenStatus;
}

// Where the clerk is likely to have saved what was downloaded.
QString downloadsFolder()
{
    const QString downloads = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return !downloads.isEmpty() && QFileInfo(downloads).isDir() ? downloads : QDir::homePath();
}

// The TERC file the clerk picks; empty when the dialog is cancelled.
QString chooseTercFile()
{
    QFileDialog dialog(nullptr, QStringLiteral("Aktualizuj rejestr gmin"), downloadsFolder());
    dialog.setObjectName(QStringLiteral("TercFileDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({QStringLiteral("Pliki TERC (*.csv *.xml *.zip)"), QStringLiteral("Wszystkie pliki (*)")});
    // Room for a file's name, size and date (the system's own dialog sizes
    // itself).
    dialog.resize(760, 480);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString registerImportSummary(const RegisterImport &import, qsizetype changesShown)
{
    QStringList lines = import.summary;
    const qsizetype shown =
        changesShown < 0 ? import.changes.size() : std::min<qsizetype>(changesShown, import.changes.size());
    for (qsizetype i = 0; i < shown; ++i)
        lines << QStringLiteral("  ") + import.changes[i];
    if (shown < import.changes.size())
        lines << QStringLiteral("  … i %1 dalszych (pełna lista: informacja --import-register <plik> w terminalu)")
                     .arg(import.changes.size() - shown);
    return lines.join(QLatin1Char('\n'));
}

int importRegisterWithDialog(const CommandLine &cmd)
{
    const std::optional<WorkFolder> folder = workFolderOf(cmd);
    if (!folder)
        return kNotStartedStatus;
    const QString path = chooseTercFile();
    if (path.isEmpty())
        return kOkStatus;
    const RegisterImport r = importRegister(path, folder->dir(), QDate::currentDate());
    if (statusOf(r) == kOkStatus)
        messages().inform(registerImportSummary(r, kChangesInABox));
    else
        messages().error(r.error);
    return statusOf(r);
}

int runImportRegister(int &argc, char **argv, const CommandLine &cmd)
{
    if (cmd.importPath.isEmpty()) {
        QApplication app(argc, argv);
        const WidgetsSetUp widgets;
        ui::MessageBoxSink boxes;
        ScopedMessages scoped(&boxes);
        return importRegisterWithDialog(cmd);
    }

    // Reading TERC and writing the register needs no display.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    StderrSink standardError;
    ScopedMessages scoped(&standardError);
    // The file is named from where the program was started.
    const QString path = QFileInfo(cmd.importPath).absoluteFilePath();
    const std::optional<WorkFolder> folder = workFolderOf(cmd);
    if (!folder)
        return kNotStartedStatus;
    const RegisterImport r = importRegister(path, folder->dir(), QDate::currentDate());
    if (statusOf(r) != kOkStatus) {
        messages().error(r.error);
        return statusOf(r);
    }
    const QByteArray out = consoleBytes(registerImportSummary(r) + QLatin1Char('\n'));
    // The register is written whatever happens to the summary; a summary
    // that cannot be printed is said where it can be.
    if (std::fwrite(out.constData(), 1, size_t(out.size()), stdout) != size_t(out.size()) || std::fflush(stdout) != 0)
        messages().error(QStringLiteral("Rejestr gmin zapisano, ale podsumowania nie można wypisać na standardowe "
                                        "wyjście."));
    return kOkStatus;
}

} // namespace iqx
