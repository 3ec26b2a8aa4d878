// Writes a one-page PDF with a line of Polish text in Arial, and a picture
// of a label showing the same text on screen; prints the platform's name
// and the font family Arial resolved to.
//   qtcheck OUT.pdf OUT.png
#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinterInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: qtcheck OUT.pdf OUT.png\n");
        return 2;
    }
    const QString text = QStringLiteral("Zażółć gęślą jaźń — Łódź, Źródła");

    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(12);
    QPdfWriter pdf(args.at(1));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setResolution(1200);
    {
        QPainter painter(&pdf);
        painter.setFont(font);
        painter.drawText(QPointF(1200, 1200), text);
    }

    QLabel label(text);
    label.setFont(font);
    label.resize(520, 60);
    label.show();
    app.processEvents();
    if (!label.grab().save(args.at(2))) {
        std::fprintf(stderr, "the picture could not be saved\n");
        return 1;
    }

    std::printf("platform: %s\n", qPrintable(QGuiApplication::platformName()));
    std::printf("Arial: %s\n", qPrintable(QFontInfo(font).family()));
    std::printf("printers: %lld\n", static_cast<long long>(QPrinterInfo::availablePrinters().size()));
    return 0;
}
