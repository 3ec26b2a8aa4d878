#include "print/pdfexport.h"

#include "document/messages.h"
#include "print/engine/report.h"
#include "print/printedpages.h"
#include "storage/datafile.h"
#include "storage/registerfile.h"
#include "storage/safefile.h"

#include <QFileInfo>

namespace iqx {

int exportDocumentPdf(const QString &path, const QString &dataFile)
{
    if (!registerPresent()) {
        messages().error(missingRegisterMessage());
        return 3;
    }
    const LoadResult loaded = dataFile.isEmpty() ? loadDocument(QDir::current()) : loadDocumentFile(dataFile);
    if (loaded.status == LoadResult::Error) {
        messages().error(loaded.message);
        return 4;
    }
    if (!loaded.message.isEmpty())
        messages().inform(loaded.message);

    // A PDF made read-only is kept, as a data file or an export file is.
    if (isReadOnlyFile(path)) {
        messages().error(fileErrorText(QStringLiteral("Cannot write file"), QFileInfo(path).fileName(),
                                       readOnlyReason()));
        return 5;
    }

    QObject owner;
    const QList<report::ReportPage *> pages = createPrintedPages(&owner);
    fillPrintSlots(loaded.document, pages);
    report::CompositeReport composite(&owner);
    QObject::connect(&composite, &report::CompositeReport::addReports, &composite, [&] {
        for (report::ReportPage *page : pages)
            composite.addReport(page);
    });
    QString error;
    if (!composite.exportPdf(path, &error)) {
        messages().error(error);
        return 5;
    }
    return 0;
}

} // namespace iqx
