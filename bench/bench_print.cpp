// Times the print run's preparation (save, fill every print slot, lay out the
// six pages) and the PDF export of a full document. Prints median figures
// and the PDF's size. Run from any folder: it works in a temporary one.
#include "document/document.h"
#include "document/messages.h"
#include "print/engine/report.h"
#include "print/printedpages.h"
#include "storage/datafile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    iqx::RecordingSink sink;
    iqx::setMessages(&sink);

    iqx::report::CompositeReport composite;
    const QList<iqx::report::ReportPage *> pages = iqx::createPrintedPages(&composite);
    QObject::connect(&composite, &iqx::report::CompositeReport::addReports, &composite, [&] {
        for (iqx::report::ReportPage *page : pages)
            composite.addReport(page);
    });
    // A full document: every text position and every flag filled.
    iqx::Document document;
    for (const iqx::Position &p : iqx::positionTable()) {
        if (p.isFlag())
            document.setChecked(p.number, p.number % 2);
        else
            document.setText(p.number, p.number == 2 ? QStringLiteral("Brzeszcze-Jawiszowice Łódź")
                                                     : QStringLiteral("12345,678"));
    }
    document.setText(1, QStringLiteral("0201011"));

    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 31;
    std::vector<double> prep, save, fill, layout, pdf;
    qint64 pdfSize = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t, step;
        t.start();
        step.start();
        iqx::saveDocument(document, QDir::current());
        save.push_back(step.nsecsElapsed() / 1e6);
        step.restart();
        iqx::fillPrintSlots(document, pages);
        fill.push_back(step.nsecsElapsed() / 1e6);
        step.restart();
        const iqx::report::PreparedDocument doc = composite.run();
        layout.push_back(step.nsecsElapsed() / 1e6);
        prep.push_back(t.nsecsElapsed() / 1e6);
        if (doc.pages.size() != 6)
            std::fprintf(stderr, "unexpected sheet count %lld\n", static_cast<long long>(doc.pages.size()));

        const QString path = dir.filePath(QStringLiteral("out.pdf"));
        t.restart();
        QString error;
        if (!composite.exportPdf(path, &error)) {
            std::fprintf(stderr, "PDF export failed: %s\n", qPrintable(error));
            return 1;
        }
        pdf.push_back(t.nsecsElapsed() / 1e6);
        pdfSize = QFileInfo(path).size();
    }
    std::printf("print run preparation (save, fill, lay out 6 pages): median %.2f ms over %d runs\n",
                median(prep), runs);
    std::printf("  of which save %.2f ms, fill slots %.2f ms, lay out %.2f ms\n", median(save), median(fill),
                median(layout));
    std::printf("PDF export of the full document: median %.2f ms, %.1f KB\n", median(pdf), pdfSize / 1024.0);
    return 0;
}
