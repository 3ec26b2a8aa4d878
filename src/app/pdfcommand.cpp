#include "app/pdfcommand.h"

#include "app/exitstatus.h"
#include "app/workfolder.h"
#include "base/messages.h"
#include "print/pdfexport.h"
#include "storage/datafile.h"

#include <QDir>

namespace iqx {

int writePdfFromDataFile(const WorkFolder &folder, const QString &pdfPath, const QByteArray &dataFile,
                         const QString &dataFileName)
{
    if (!folder.hasRegister()) {
        messages().error(folder.missingRegisterMessage());
        return kNoRegisterStatus;
    }
    const LoadResult loaded =
        dataFile.isEmpty() ? loadDocument(folder.dir()) : loadDocumentFile(dataFile, dataFileName);
    if (loaded.status == LoadResult::Error) {
        messages().error(loaded.message);
        return kNoDocumentStatus;
    }
    if (!loaded.message.isEmpty())
        messages().inform(loaded.message);

    // The PDF goes through the safe writer, which also keeps a PDF made
    // read-only, as it keeps a data file or an export file.
    if (const QString error = writeDocumentPdf(loaded.document, pdfPath); !error.isEmpty()) {
        messages().error(error);
        return kOutputFailedStatus;
    }
    return kOkStatus;
}

} // namespace iqx
