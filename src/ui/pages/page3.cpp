// Entry page 3 (TabSheet3).
#include "ui/pages/entrytable.h"

namespace iqx::ui {

const EntryPageTable &entryPage3()
{
    static const EntryPageTable page{"TabSheet3", "Strona 3", {}};
    return page;
}

} // namespace iqx::ui
