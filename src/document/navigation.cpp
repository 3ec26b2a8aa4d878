#include "document/navigation.h"

namespace iqx {

QString firstBoxName(int page)
{
    switch (page) {
    case 2: return QStringLiteral("CheckBox52");
    case 3: return QStringLiteral("Edit86");
    case 4: return QStringLiteral("Edit120");
    case 5: return QStringLiteral("Edit181");
    case 6: return QStringLiteral("Edit207");
    default: return {};
    }
}

} // namespace iqx
