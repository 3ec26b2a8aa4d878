// The floor the PDF export is measured against: a minimal program that
// writes the same six A4 pages, the same captions, values and boxes in the
// same fonts, straight onto a PDF writer with no report model, no layout
// and no data-file codec. Usage: floor_pdf DATAFILE OUT.pdf
#include "print/pages.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    // The values: the fields of the data file's line, taken as they are.
    QFile data(QString::fromLocal8Bit(argv[1]));
    if (!data.open(QIODevice::ReadOnly))
        return 1;
    const QList<QByteArray> fields = data.readAll().split(';');

    constexpr int kDpi = 1200;
    const double k = kDpi / 25.4; // device units per mm
    QPdfWriter writer(QString::fromLocal8Bit(argv[2]));
    writer.setResolution(kDpi);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    QPainter painter(&writer);
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    using namespace iqx::print;
    const iqx::report::PageTable *pages[] = {&printedPage1(), &printedPage2(), &printedPage3(),
                                             &printedPage4(), &printedPage5(), &printedPage6()};
    bool first = true;
    for (const iqx::report::PageTable *page : pages) {
        if (!first)
            writer.newPage();
        first = false;
        painter.setPen(QPen(Qt::black, 0));
        for (const iqx::report::ShapeRow &s : page->shapes)
            painter.drawRect(QRectF((10 + s.xMm) * k, (10 + s.yMm) * k, s.widthMm * k, s.heightMm * k));
        for (const iqx::report::LabelRow &l : page->labels) {
            QString text = QString::fromUtf8(l.caption);
            if (l.name[0] == 'P') {
                const int n = QByteArray(l.name + 1).toInt();
                text = n < fields.size() ? QString::fromLatin1(fields[n]) : QString();
            }
            QFont font(QStringLiteral("Arial"));
            font.setPointSize(l.pointSize > 0 ? l.pointSize : 10);
            font.setBold(l.bold);
            painter.setFont(font);
            painter.drawText(QPointF((10 + l.xMm) * k, (10 + l.yMm + 3) * k), text);
        }
    }
    return painter.end() ? 0 : 1;
}
