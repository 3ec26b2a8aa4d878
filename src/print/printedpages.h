#pragma once
#include <QList>

class QObject;

namespace iqx {
class Document;
namespace report {
class ReportPage;
}

// Creates the printed pages TStrona1 ... TStrona6 in order.
QList<report::ReportPage *> createPrintedPages(QObject *owner);

// Every print slot P<n> of `pages` receives position n's value from `doc`:
// the text unchanged, or "TAK"/"NIE" for a flag.
void fillPrintSlots(const Document &doc, const QList<report::ReportPage *> &pages);

} // namespace iqx
