#include "document/document.h"

namespace iqx {

QString Document::value(int n) const
{
    if (position(n).isFlag())
        return checked_[n] ? QStringLiteral("1") : QStringLiteral("0");
    return texts_[n];
}

QString Document::printedValue(int n) const
{
    if (position(n).isFlag())
        return checked_[n] ? QStringLiteral("TAK") : QStringLiteral("NIE");
    return texts_[n];
}

bool Document::isEmpty() const
{
    if (checked_.any())
        return false;
    for (const QString &t : texts_)
        if (!t.isEmpty())
            return false;
    return true;
}

QList<int> overlongPositions(const Document &doc)
{
    QList<int> out;
    for (const Position &p : positionTable())
        if (p.typingLimit > 0 && doc.text(p.number).size() > p.typingLimit)
            out << p.number;
    return out;
}

} // namespace iqx
