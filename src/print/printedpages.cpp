#include "print/printedpages.h"

#include "document/document.h"
#include "document/positions.h"
#include "print/engine/pagemodel.h"
#include "print/pages.h"

namespace iqx {

QList<report::ReportPage *> createPrintedPages(QObject *owner)
{
    using namespace iqx::print;
    QList<report::ReportPage *> pages;
    for (const report::PageTable *t :
         {&printedPage1(), &printedPage2(), &printedPage3(), &printedPage4(), &printedPage5(), &printedPage6()})
        pages.append(new report::ReportPage(*t, owner));
    return pages;
}

void fillPrintSlots(const Document &doc, const QList<report::ReportPage *> &pages)
{
    // Each slot shows the position its table row names.
    for (report::ReportPage *page : pages)
        for (report::ReportLabel *slot : page->printSlots())
            if (slot->position() < kPositionCount)
                slot->setCaption(doc.printedValue(slot->position()));
}

} // namespace iqx
