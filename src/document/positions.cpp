#include "document/positions.h"

#include <QCheckBox>
#include <QLineEdit>
#include <algorithm>

namespace iqx {

QString editName(int n) { return QStringLiteral("Edit") + QString::number(n); }
QString checkBoxName(int n) { return QStringLiteral("CheckBox") + QString::number(n); }

QLineEdit *textPosition(const QObject *root, int n)
{
    return root ? root->findChild<QLineEdit *>(editName(n)) : nullptr;
}

QCheckBox *flagPosition(const QObject *root, int n)
{
    return root ? root->findChild<QCheckBox *>(checkBoxName(n)) : nullptr;
}

namespace {
std::optional<int> numberAfter(const QString &name, QLatin1StringView prefix)
{
    if (!name.startsWith(prefix) || name.size() == prefix.size())
        return std::nullopt;
    const QStringView digits = QStringView(name).mid(prefix.size());
    // Decimal without leading zeros: "Edit07" is not a position.
    if (digits.size() > 1 && digits.front() == u'0')
        return std::nullopt;
    for (QChar c : digits)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    if (digits.size() > 6)
        return std::nullopt;
    return digits.toInt();
}
} // namespace

std::optional<int> positionNumber(const QObject *control)
{
    if (!control)
        return std::nullopt;
    if (qobject_cast<const QLineEdit *>(control))
        return numberAfter(control->objectName(), QLatin1StringView("Edit"));
    if (qobject_cast<const QCheckBox *>(control))
        return numberAfter(control->objectName(), QLatin1StringView("CheckBox"));
    return std::nullopt;
}

QList<PositionControl> positionControls(const QObject *root)
{
    QList<PositionControl> out;
    if (!root)
        return out;
    for (QLineEdit *e : root->findChildren<QLineEdit *>())
        if (auto n = positionNumber(e))
            out.append({*n, e, nullptr});
    for (QCheckBox *c : root->findChildren<QCheckBox *>())
        if (auto n = positionNumber(c))
            out.append({*n, nullptr, c});
    std::stable_sort(out.begin(), out.end(), [](const PositionControl &a, const PositionControl &b) {
        if (a.number != b.number)
            return a.number < b.number;
        return a.edit && !b.edit; // text box before check box
    });
    return out;
}

} // namespace iqx
