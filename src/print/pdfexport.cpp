#include "print/pdfexport.h"

#include "print/engine/composite.h"
#include "print/printedpages.h"

namespace iqx {

QString writeDocumentPdf(const Document &doc, const QString &path)
{
    QObject owner;
    const QList<report::ReportPage *> pages = createPrintedPages(&owner);
    fillPrintSlots(doc, pages);
    report::CompositeReport composite(pages, &owner);
    QString error;
    if (!composite.writePdf(path, &error))
        return error;
    return {};
}

} // namespace iqx
