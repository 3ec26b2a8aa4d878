#include "app/application.h"

#include "app/commandline.h"
#include "app/datacommands.h"
#include "app/exitstatus.h"
#include "app/mainwindow.h"
#include "app/workfolder.h"
#include "app/pdfcommand.h"
#include "base/messages.h"
#include "storage/folderlock.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <QTranslator>

#if defined(IQX_HAVE_FONTCONFIG)
#include <fontconfig/fontconfig.h>
#endif
#include <thread>

namespace iqx {

namespace {

void describeApplication()
{
    QGuiApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    QGuiApplication::setApplicationVersion(programVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("informacja"));
}

} // namespace

std::optional<WorkFolder> workFolderOf(const CommandLine &cmd)
{
    if (cmd.userFolder)
        return enterUserWorkFolder(QCoreApplication::applicationDirPath());
    return WorkFolder::current();
}

int runWindow(int &argc, char **argv, const CommandLine &cmd, const std::function<void(MainWindow &)> &onCreated)
{
    // The window is laid out in pixels of a 96-dpi screen. On a screen set
    // to a larger scale (125 %, 150 %) Qt scales the whole program by the
    // exact factor, the pages, the title block, the message boxes and the
    // preview alike; nothing is laid out afresh.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#if defined(IQX_HAVE_FONTCONFIG)
    // The font configuration is the largest single cost before the first
    // paint; it is loaded while the application connects to the display.
    std::thread fonts([] { FcInit(); });
    QApplication app(argc, argv);
    fonts.join();
#else
    QApplication app(argc, argv);
#endif
    ui::MessageBoxSink boxes;
    ScopedMessages scoped(&boxes);
    return runMainWindow(cmd, onCreated);
}

WidgetsSetUp::WidgetsSetUp()
{
    describeApplication();
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    // The program's own texts are not looked up in it.
    if (qtTexts_.load(QLocale(QLocale::Polish), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts_);
}

int runMainWindow(const CommandLine &cmd, const std::function<void(MainWindow &)> &onCreated)
{
    const WidgetsSetUp widgets;
    const std::optional<WorkFolder> folder = workFolderOf(cmd);
    if (!folder)
        return kNotStartedStatus;

    // Whether this window may work on the folder is settled before it is
    // shown: a refused start shows its message alone and ends.
    auto lock = std::make_unique<FolderLock>(folder->dir());
    if (!lock->tryLock()) {
        messages().error(lock->refusal());
        return kNotStartedStatus;
    }
    MainWindow window(*folder);
    window.adoptFolderLock(std::move(lock));
    if (onCreated)
        onCreated(window);
    window.showMaximized();
    // Without a window manager nothing maximizes the window: fill the screen.
    QTimer::singleShot(200, &window, [&window] {
        const QScreen *screen = window.screen();
        if (screen && window.frameGeometry().width() < screen->availableGeometry().width())
            window.setGeometry(screen->availableGeometry());
    });
    return QApplication::exec();
}

int runPdfCommand(int &argc, char **argv, const CommandLine &cmd)
{
    // The PDF is drawn without a window. On Linux the offscreen platform
    // needs no display. On Windows that platform finds no fonts and would
    // write pages without a letter: the windows platform, which opens no
    // window unless asked and needs no display either, is used instead.
#if defined(Q_OS_WIN)
    if (qEnvironmentVariable("QT_QPA_PLATFORM").isEmpty() || qgetenv("QT_QPA_PLATFORM").startsWith("offscreen"))
        qputenv("QT_QPA_PLATFORM", "windows");
#else
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(argc, argv);
    describeApplication();
    StderrSink standardError;
    ScopedMessages scoped(&standardError);
    // The PDF's path and the data files named are taken from where the
    // program was started.
    const QString path = QFileInfo(cmd.pdfPath).absoluteFilePath();
    const QDir start = QDir::current();
    const std::optional<WorkFolder> folder = workFolderOf(cmd);
    if (!folder)
        return kNotStartedStatus;
    if (cmd.dataPaths.isEmpty())
        return writePdfFromDataFile(*folder, path);
    const DocumentChoice choice = chooseDocuments(cmd.dataPaths, start);
    if (choice.entries.size() == 1 && !choice.entries.first().error.isEmpty()) {
        messages().error(choice.entries.first().error);
        return kNoDocumentStatus;
    }
    if (choice.entries.size() != 1) {
        messages().error(
            choice.entries.isEmpty()
                ? QStringLiteral("W folderze %1 nie ma pliku danych InfoQX*.iqx.").arg(cmd.dataPaths.first())
                : QStringLiteral("--pdf zapisuje jeden dokument, a folder %1 zawiera więcej plików "
                                 "danych (%2); wskaż jeden z nich.")
                      .arg(cmd.dataPaths.first())
                      .arg(choice.entries.size()));
        return choice.entries.isEmpty() ? kNoDocumentStatus : kUsageStatus;
    }
    // By its bytes, as --check and --export read it: a name that is not
    // valid in the system's encoding (copied from a Windows share) still
    // names this file, never "the first data file here".
    const ChosenEntry &only = choice.entries.first();
    return writePdfFromDataFile(*folder, path, only.path, only.name);
}

int runDataCommand(int &argc, char **argv, const CommandLine &cmd)
{
    // Reading, checking and writing data needs no display and no fonts.
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    QCoreApplication::setApplicationVersion(programVersion());
    StderrSink standardError;
    ScopedMessages scoped(&standardError);
    const QString path = cmd.exportPath.isEmpty() ? QString() : QFileInfo(cmd.exportPath).absoluteFilePath();
    const QDir start = QDir::current();
    const std::optional<WorkFolder> folder = workFolderOf(cmd);
    if (!folder)
        return kNotStartedStatus;
    const DocumentChoice choice = chooseDocuments(cmd.dataPaths, cmd.dataPaths.isEmpty() ? folder->dir() : start);
    if (cmd.mode == CommandLine::Mode::Check)
        return checkDocuments(*folder, choice, stdout);
    return exportDocuments(*folder, choice, path);
}

} // namespace iqx
