// Prints a six-page report to the system's default printer through
// CompositeReport::print, as the preview's "Print" does. Driven by
// cups_print.sh against a private CUPS server.
#include "print/engine/report.h"

#include <QApplication>
#include <QPrinterInfo>
#include <cstdio>

using namespace iqx::report;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    std::printf("default printer: %s\n", qPrintable(QPrinterInfo::defaultPrinterName()));

    CompositeReport report;
    QList<QByteArray> footers;
    QList<ReportPage *> pages;
    for (int n = 1; n <= 6; ++n) {
        footers << QStringLiteral("Strona %1/6").arg(n).toUtf8();
        const PageTable table{
            "TStrona", "Strona", "QRBand1", 189.97, 277.55, 0,
            {
                {"QRLabel1", 74.35, 14.02, 0, 0, "INFORMACJA", 12, true},
                {"QRLabel2", 53.18, 19.05, 0, 0, "w sprawie podatków i opłat lokalnych", 12, true},
                {"P5", 73.82, 110.60, 3.17, 3.70, "P5", 7, false, Align::Right},
                {"QRLabel10", 174.36, 269.35, 0, 0, footers.last().constData(), 7},
            },
            {{"QRShape2", 2.54, 266.06, 183.09, 0.21}},
        };
        pages << new ReportPage(table, &report);
        pages.last()->label(QStringLiteral("P5"))->setCaption(QStringLiteral("1234,56"));
    }
    QObject::connect(&report, &CompositeReport::addReports, &report, [&] {
        for (ReportPage *page : pages)
            report.addReport(page);
    });

    QString error;
    if (!report.print(&error)) {
        std::fprintf(stderr, "print failed: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
