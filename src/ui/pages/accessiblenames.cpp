#include "ui/pages/accessiblenames.h"

#include "document/descriptions.h"
#include "document/positions.h"

#include <QWidget>

namespace iqx::ui {

void nameForScreenReaders(QWidget *w)
{
    const auto n = positionNumber(w);
    if (!n || *n >= kPositionCount)
        return;
    w->setAccessibleName(accessibleNameOf(*n));
    w->setAccessibleDescription(accessibleDescriptionOf(*n));
}

} // namespace iqx::ui
