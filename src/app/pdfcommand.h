#pragma once
#include <QByteArray>
#include <QString>

namespace iqx {

class WorkFolder;

// informacja --pdf: in the work folder `folder`, checks the register, loads
// the data file at `dataFile` (its path in the system's own bytes, which
// open it even when its name is not valid in the system's encoding;
// `dataFileName` is what messages call it), or without one the first data
// file of the folder as the first activation does, fills the print slots
// and writes the six pages to `pdfPath` as one PDF. Problems go to the
// message sink. Returns the process exit status (exitstatus.h): kOkStatus,
// kNoRegisterStatus, kNoDocumentStatus or kOutputFailedStatus.
int writePdfFromDataFile(const WorkFolder &folder, const QString &pdfPath, const QByteArray &dataFile = {},
                         const QString &dataFileName = {});

} // namespace iqx
