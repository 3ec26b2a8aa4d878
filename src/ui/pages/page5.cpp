// Entry page 5 (TabSheet5).
#include "ui/pages/entrytable.h"

namespace iqx::ui {

const EntryPageTable &entryPage5()
{
    static const EntryPageTable page{"TabSheet5", " Strona 5", {}};
    return page;
}

} // namespace iqx::ui
