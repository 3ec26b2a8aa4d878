#pragma once
#include "export/exportentry.h"

#include <QString>

namespace iqx {

// Writes the document of `entry` to `path` in the format its extension
// names (documentJson, documentCsv), through a temporary file that replaces
// the old one. Empty on success, else a user-facing reason.
QString writeDocumentExport(const QString &path, const ExportEntry &entry);

} // namespace iqx
