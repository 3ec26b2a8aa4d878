#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/messages.h"
#include "app/workfolder.h"
#include "print/pdfexport.h"
#include "print/printedpages.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Coordinates and font heights are pixels; the window does not follow
    // the system's dpi setting.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");

    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    iqx::CommandLine cmd = iqx::parseCommandLine(arguments);
    switch (cmd.mode) {
    case iqx::CommandLine::Mode::Help:
    case iqx::CommandLine::Mode::Version:
        std::fputs(cmd.text.toLocal8Bit().constData(), stdout);
        return 0;
    case iqx::CommandLine::Mode::Error:
        std::fputs(cmd.text.toLocal8Bit().constData(), stderr);
        return iqx::kUsageStatus;
    case iqx::CommandLine::Mode::Window:
    case iqx::CommandLine::Mode::Pdf:
        break;
    }

    // informacja --pdf FILE: the six printed pages of the document as one
    // PDF, without any window.
    const bool headless = cmd.mode == iqx::CommandLine::Mode::Pdf;
    if (headless && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(iqx::kAppTitle));
    QApplication::setApplicationVersion(iqx::programVersion());
    QGuiApplication::setDesktopFileName(QStringLiteral("informacja"));
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);

    iqx::StderrSink stderrSink;
    const iqx::ScopedMessages sink(headless ? &stderrSink : nullptr);

    if (cmd.userFolder) {
        // The PDF path was given relative to where the program was started.
        if (headless)
            cmd.pdfPath = QFileInfo(cmd.pdfPath).absoluteFilePath();
        if (!iqx::enterUserWorkFolder(QCoreApplication::applicationDirPath()))
            return 1;
    }

    if (headless)
        return iqx::exportDocumentPdf(cmd.pdfPath);

    iqx::TInformacja window;
    const auto pages = iqx::createPrintedPages(&app);
    window.setPrintedPages(pages);
    window.showMaximized();
    // Without a window manager nothing maximizes the window: fill the screen.
    QTimer::singleShot(200, &window, [&window] {
        const QScreen *screen = window.screen();
        if (screen && window.frameGeometry().width() < screen->availableGeometry().width())
            window.setGeometry(screen->availableGeometry());
    });
    return app.exec();
}
