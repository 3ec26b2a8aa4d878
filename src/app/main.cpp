#include "app/mainwindow.h"
#include "document/messages.h"
#include "print/pdfexport.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>

namespace {

// informacja --pdf FILE: the six printed pages of the document in the
// current directory as one PDF. No window and no widget: a GUI application
// object gives the fonts and the PDF writer.
int exportPdf(int argc, char *argv[], const QString &path)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QString::fromUtf8(iqx::kAppTitle));
    iqx::StderrSink stderrSink;
    iqx::ScopedMessages scoped(&stderrSink);
    return iqx::exportDocumentPdf(path);
}

int runWindow(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(iqx::kAppTitle));
    if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
    iqx::ui::MessageBoxSink boxes;
    iqx::ScopedMessages scoped(&boxes);

    iqx::MainWindow window;
    window.showMaximized();
    // Without a window manager nothing maximizes the window: fill the screen.
    QTimer::singleShot(200, &window, [&window] {
        const QScreen *screen = window.screen();
        if (screen && window.frameGeometry().width() < screen->availableGeometry().width())
            window.setGeometry(screen->availableGeometry());
    });
    return app.exec();
}

} // namespace

int main(int argc, char *argv[])
{
    // Coordinates and font heights are pixels; the window does not follow
    // the system's dpi setting.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");

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
    return headless ? exportPdf(argc, argv, pdfPath) : runWindow(argc, argv);
}
