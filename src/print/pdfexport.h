#pragma once
#include <QString>

namespace iqx {

class Document;

// Writes the six printed pages of `doc` to `path` as one A4 PDF, without
// any widget. Empty on success, else a text naming the file and the reason.
QString writeDocumentPdf(const Document &doc, const QString &path);

} // namespace iqx
