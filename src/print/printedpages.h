#pragma once
#include <QList>

class QObject;

namespace iqx {
namespace report { class ReportPage; }

// Creates the printed pages TStrona1 ... TStrona6 in order.
QList<report::ReportPage *> createPrintedPages(QObject *owner);

} // namespace iqx
