#include "document/fields.h"

namespace iqx {

QString takeField(QString &s, QChar sep)
{
    const qsizetype p = s.indexOf(sep);
    if (p < 0) {
        QString field;
        field.swap(s);
        return field;
    }
    QString field = s.left(p);
    s.remove(0, p + 1);
    return field;
}

} // namespace iqx
