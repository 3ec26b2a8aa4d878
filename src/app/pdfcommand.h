#pragma once
#include <QString>

namespace iqx {

// The command-line export: in the current directory, checks the register,
// loads `dataFile` (without one, the first data file, as the first
// activation does), fills the print slots and writes the six pages to
// `path` as one PDF. Problems go to the message sink. Returns the process
// exit status (exitstatus.h): kOkStatus, kNoRegisterStatus,
// kNoDocumentStatus or kOutputFailedStatus.
int exportDocumentPdf(const QString &path, const QString &dataFile = {});

} // namespace iqx
