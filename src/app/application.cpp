#include "app/application.h"

#include "app/mainwindow.h"
#include "document/messages.h"
#include "print/pdfexport.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>

#include <fontconfig/fontconfig.h>
#include <thread>

namespace iqx {

int runWindow(int &argc, char **argv, const std::function<void(MainWindow &)> &onCreated)
{
    // The font configuration is the largest single cost before the first
    // paint; it is loaded while the application connects to the display.
    std::thread fonts([] { FcInit(); });
    QApplication app(argc, argv);
    fonts.join();
    QApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    ui::MessageBoxSink boxes;
    ScopedMessages scoped(&boxes);

    MainWindow window;
    if (onCreated)
        onCreated(window);
    window.showMaximized();
    // Without a window manager nothing maximizes the window: fill the screen.
    QTimer::singleShot(200, &window, [&window] {
        const QScreen *screen = window.screen();
        if (screen && window.frameGeometry().width() < screen->availableGeometry().width())
            window.setGeometry(screen->availableGeometry());
    });
    return app.exec();
}

int runPdfExport(int &argc, char **argv, const QString &path)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QString::fromUtf8(kAppTitle));
    StderrSink standardError;
    ScopedMessages scoped(&standardError);
    return exportDocumentPdf(path);
}

} // namespace iqx
