#include "print/printedpages.h"

#include "print/engine/report.h"
#include "print/pages.h"

namespace iqx {

QList<report::ReportPage *> createPrintedPages(QObject *owner)
{
    using namespace iqx::print;
    QList<report::ReportPage *> pages;
    for (const report::PageTable *t : {&printedPage1(), &printedPage2(), &printedPage3(),
                                       &printedPage4(), &printedPage5(), &printedPage6()})
        pages.append(new report::ReportPage(*t, owner));
    return pages;
}

} // namespace iqx
