#include "app/application.h"

#include <QByteArray>
#include <cstdio>

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
    return headless ? iqx::runPdfExport(argc, argv, pdfPath) : iqx::runWindow(argc, argv);
}
