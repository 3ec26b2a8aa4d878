#include "export/documentexport.h"

#include "export/csvexport.h"
#include "export/exportentry.h"
#include "export/jsonexport.h"
#include "storage/safefile.h"

#include <QFileInfo>

namespace iqx {

QString writeDocumentExport(const QString &path, const ExportEntry &entry)
{
    const std::optional<ExportFormat> format = exportFormatOf(path);
    if (!format)
        return unknownExportFormatText(path);
    const QFileInfo info(path);
    return writeFileAtomically(info.absoluteDir(), info.fileName(),
                               *format == ExportFormat::Json ? documentJson(entry) : documentCsv(entry));
}

} // namespace iqx
