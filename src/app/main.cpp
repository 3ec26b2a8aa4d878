#include "app/mainwindow.h"
#include "app/messages.h"
#include "print/pdfexport.h"
#include "print/printedpages.h"

#include <QApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <csignal>
#include <cstdio>

int main(int argc, char *argv[])
{
    // Beyond a file-size limit a write then fails with "File too large" and
    // is reported, instead of the signal killing the program unannounced.
    std::signal(SIGXFSZ, SIG_IGN);

    // Coordinates and font heights are pixels; the window does not follow
    // the system's dpi setting.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");

    // informacja --pdf FILE: the six printed pages of the document in the
    // current directory as one PDF, without any window.
    QString pdfPath;
    bool headless = false;
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        if (arg == "--pdf" && i + 1 < argc && !headless) {
            pdfPath = QString::fromLocal8Bit(argv[++i]);
            headless = true;
        } else {
            std::fprintf(stderr, "usage: informacja [--pdf FILE]\n");
            return 2;
        }
    }
    if (headless && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(iqx::kAppTitle));
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);

    if (headless) {
        iqx::StderrSink stderrSink;
        iqx::setMessages(&stderrSink);
        const int status = iqx::exportDocumentPdf(pdfPath);
        iqx::setMessages(nullptr);
        return status;
    }

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
