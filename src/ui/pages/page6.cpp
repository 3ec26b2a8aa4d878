// Entry page 6 (TabSheet6).
#include "ui/pages/entrytable.h"

namespace iqx::ui {

const EntryPageTable &entryPage6()
{
    static const EntryPageTable page{"TabSheet6", " Strona 6", {}};
    return page;
}

} // namespace iqx::ui
