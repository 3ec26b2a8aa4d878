#include "app/pdfcommand.h"

#include "base/messages.h"
#include "print/pdfexport.h"
#include "storage/datafile.h"
#include "storage/registerfile.h"

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

    if (const QString error = writeDocumentPdf(loaded.document, path); !error.isEmpty()) {
        messages().error(error);
        return 5;
    }
    return 0;
}

} // namespace iqx
