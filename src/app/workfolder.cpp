#include "app/workfolder.h"

#include "base/messages.h"
#include "storage/registerfile.h"
#include "storage/registerupgrade.h"
#include "storage/safefile.h"
#include "storage/registerscanner.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace iqx {

namespace {
const QString kFolderName = QStringLiteral("Informacja QX");
const QString kDataSubdir = QStringLiteral("informacja");

// The register of `folder` brought up to date when an earlier version
// shipped it; what to tell the user about it, or nothing.
QString upgradeNotice(const QString &folder, const QString &registerSource)
{
    const RegisterUpgrade u = upgradeShippedRegister(QDir(folder), registerSource, QDate::currentDate());
    if (!u.error.isEmpty())
        return QStringLiteral("Nie udało się zastąpić rejestru gmin z poprzedniej wersji programu nowym: %1\n"
                              "Program działa dalej z dotychczasowym rejestrem.")
            .arg(u.error);
    if (!u.replaced)
        return {};
    return QStringLiteral("Rejestr gmin GMINY.txt w folderze dokumentów pochodził z poprzedniej wersji programu; "
                          "zastąpiono go rejestrem dostarczonym z tą wersją (gmin: %1).\n"
                          "Poprzedni rejestr zachowano w pliku:\n%2")
        .arg(u.count)
        .arg(QDir::toNativeSeparators(QDir(folder).filePath(u.keptAs)));
}
} // namespace

WorkFolder::WorkFolder(const QString &path, bool named) : dir_(QDir(path).absolutePath()), named_(named) {}

WorkFolder WorkFolder::current() { return WorkFolder(QDir::currentPath()); }

bool WorkFolder::hasRegister() const { return registerPresent(dir_); }

QString WorkFolder::missingRegisterMessage() const { return iqx::missingRegisterMessage(named_ ? path() : QString()); }

RegisterLookupFn WorkFolder::registerLookup() const
{
    return [path = dir_.filePath(QString::fromLatin1(kRegisterFileName))](const QString &key) {
        return lookupRegisterFile(path, key);
    };
}

QString userWorkFolder()
{
    QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (documents.isEmpty())
        documents = QDir::homePath();
    return QDir(documents).filePath(kFolderName);
}

QString installedRegister(const QString &programDir)
{
    const QString name = QString::fromLatin1(kRegisterFileName);
#if defined(Q_OS_WIN)
    // The installer puts it under the program's folder, and only that copy
    // is taken: a GMINY.txt any user may leave in a shared data folder
    // would otherwise stand in for it.
    const QString installed = QDir(programDir).filePath(QStringLiteral("data/%1/%2").arg(kDataSubdir, name));
    return QFileInfo(installed).isFile() ? QDir::cleanPath(installed) : QString();
#else
    const QString beside = QDir(programDir).filePath(QStringLiteral("../share/%1/%2").arg(kDataSubdir, name));
    if (QFileInfo(beside).isFile())
        return QDir::cleanPath(beside);
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, kDataSubdir + QLatin1Char('/') + name);
#endif
}

WorkFolderResult prepareWorkFolder(const QString &folder, const QString &registerSource)
{
    WorkFolderResult r;
    const QFileInfo info(folder);
    if (info.exists() && !info.isDir()) {
        r.error = QStringLiteral("Nie można pracować w folderze \"%1\": istnieje plik o tej nazwie.")
                      .arg(QDir::toNativeSeparators(folder));
        return r;
    }
    if (!info.exists()) {
        if (!QDir().mkpath(folder)) {
            r.error = QStringLiteral("Nie można utworzyć folderu \"%1\".").arg(QDir::toNativeSeparators(folder));
            return r;
        }
        r.created = true;
    }

    const QString target = QDir(folder).filePath(QString::fromLatin1(kRegisterFileName));
    const QFileInfo targetInfo(target);
    // A dangling link counts as present: writing would go through it.
    if (registerSource.isEmpty() || targetInfo.exists() || targetInfo.isSymLink()) {
        if (!registerSource.isEmpty())
            r.registerNotice = upgradeNotice(folder, registerSource);
        r.ok = true;
        return r;
    }
    QFile source(registerSource);
    if (!source.open(QIODevice::ReadOnly)) {
        r.error = fileErrorText(QStringLiteral("Nie można odczytać rejestru gmin"),
                                QDir::toNativeSeparators(registerSource), source.errorString());
        return r;
    }
    const QByteArray bytes = source.readAll();
    // Written to a temporary file in the folder and renamed, so a failed
    // copy never leaves a cut-off register behind.
    if (const QString error = writeFileAtomically(QDir(folder), QString::fromLatin1(kRegisterFileName), bytes);
        !error.isEmpty()) {
        r.error = error;
        return r;
    }
    r.ok = true;
    return r;
}

std::optional<WorkFolder> enterUserWorkFolder(const QString &programDir)
{
    const QString folder = userWorkFolder();
    const WorkFolderResult r = prepareWorkFolder(folder, installedRegister(programDir));
    if (!r.ok) {
        messages().error(r.error);
        return std::nullopt;
    }
    if (r.created)
        messages().inform(
            QStringLiteral("Dokumenty programu są zapisywane w folderze:\n%1").arg(QDir::toNativeSeparators(folder)));
    if (!r.registerNotice.isEmpty())
        messages().inform(r.registerNotice);
    if (!QDir::setCurrent(folder)) {
        messages().error(QStringLiteral("Nie można przejść do folderu \"%1\".").arg(QDir::toNativeSeparators(folder)));
        return std::nullopt;
    }
    // A register missing from here is looked for in this folder, not
    // beside the program: the message says so.
    return WorkFolder(folder, true);
}

} // namespace iqx
