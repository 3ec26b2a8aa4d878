#include "print/printedpages.h"

#include "document/document.h"
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

void fillPrintSlots(const Document &doc, const QList<report::ReportPage *> &pages)
{
    // Slots are found by their names, each page's elements walked once.
    for (report::ReportPage *page : pages) {
        for (QObject *element : page->band()->elements()) {
            auto *slot = qobject_cast<report::ReportLabel *>(element);
            const int n = slot ? positionFromName(slot->objectName(), u"P") : -1;
            if (n >= 0)
                slot->setCaption(doc.printedValue(n));
        }
    }
}

} // namespace iqx
