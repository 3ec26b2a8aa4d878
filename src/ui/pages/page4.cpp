// Entry page 4 (TabSheet4).
#include "ui/pages/entrytable.h"

namespace iqx::ui {

const EntryPageTable &entryPage4()
{
    static const EntryPageTable page{"TabSheet4", " Strona 4", {}};
    return page;
}

} // namespace iqx::ui
