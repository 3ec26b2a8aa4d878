#include "app/pdfcommand.h"

#include "app/exitstatus.h"
#include "base/messages.h"
#include "print/pdfexport.h"
#include "storage/datafile.h"
#include "storage/registerfile.h"
#include "storage/safefile.h"

#include <QFileInfo>

namespace iqx {

int exportDocumentPdf(const QString &path, const QString &dataFile)
{
    if (!registerPresent()) {
        messages().error(missingRegisterMessage());
        return kNoRegisterStatus;
    }
    const LoadResult loaded = dataFile.isEmpty() ? loadDocument(QDir::current()) : loadDocumentFile(dataFile);
    if (loaded.status == LoadResult::Error) {
        messages().error(loaded.message);
        return kNoDocumentStatus;
    }
    if (!loaded.message.isEmpty())
        messages().inform(loaded.message);

    // A PDF made read-only is kept, as a data file or an export file is.
    if (isReadOnlyFile(path)) {
        messages().error(
            fileErrorText(QStringLiteral("Cannot write file"), QFileInfo(path).fileName(), readOnlyReason()));
        return kOutputFailedStatus;
    }

    if (const QString error = writeDocumentPdf(loaded.document, path); !error.isEmpty()) {
        messages().error(error);
        return kOutputFailedStatus;
    }
    return kOkStatus;
}

} // namespace iqx
