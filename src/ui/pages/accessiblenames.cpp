#include "ui/pages/accessiblenames.h"

#include "document/descriptions.h"

#include <QWidget>

namespace iqx::ui {

void nameForScreenReaders(QWidget *box, int n)
{
    box->setAccessibleName(accessibleNameOf(n));
    box->setAccessibleDescription(accessibleDescriptionOf(n));
}

} // namespace iqx::ui
