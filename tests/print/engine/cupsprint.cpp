// Prints a six-page report to the system's default printer with the
// preview's "Print", and checks that the preview says where the pages
// went. Driven by cups_print.sh against a private CUPS server.
#include "base/messages.h"
#include "print/engine/composite.h"
#include "print/engine/preview.h"
#include "support/recordingsink.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPrinterInfo>
#include <cstdio>

using namespace iqx;
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
            "TStrona",
            "Strona",
            "QRBand1",
            189.97,
            277.55,
            0,
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
    report.setPages(pages);

    RecordingSink sink;
    PreviewWindow preview(PageRun(report.pages()), report.printerSettings());
    QObject::connect(&preview, &PreviewWindow::failed, [&sink](const QString &text) { sink.error(text); });
    preview.show();
    QElapsedTimer clock;
    clock.start();
    while (!preview.isPrepared() && clock.elapsed() < 30000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    preview.findChild<QAction *>(QStringLiteral("actionPrint"))->trigger();
    if (!sink.texts().isEmpty()) {
        std::fprintf(stderr, "print failed: %s\n", qPrintable(sink.texts().join(u'\n')));
        return 1;
    }
    const auto *notice = preview.findChild<QLabel *>(QStringLiteral("noticePanel"));
    const QString said = notice ? notice->text() : QString();
    const QString expected =
        QStringLiteral("6 pages sent to the printer \"%1\".").arg(QPrinterInfo::defaultPrinterName());
    if (said != expected) {
        std::fprintf(stderr, "the preview says \"%s\", not \"%s\"\n", qPrintable(said), qPrintable(expected));
        return 1;
    }
    return 0;
}
