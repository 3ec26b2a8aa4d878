// Entry page 2 (TabSheet2).
#include "ui/pages/entrytable.h"

namespace iqx::ui {

const EntryPageTable &entryPage2()
{
    static const EntryPageTable page{"TabSheet2", "Strona 2", {}};
    return page;
}

} // namespace iqx::ui
