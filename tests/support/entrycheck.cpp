#include "support/entrycheck.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace entrycheck {

namespace {
QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}
} // namespace

QString controlName(const ExpectedPosition &p)
{
    return (p.flag ? QStringLiteral("CheckBox") : QStringLiteral("Edit")) + QString::number(p.n);
}

QString checkPosition(const QWidget *sheet, const ExpectedPosition &p)
{
    const QString name = controlName(p);
    const QWidget *w = p.flag ? static_cast<QWidget *>(sheet->findChild<QCheckBox *>(name))
                              : static_cast<QWidget *>(sheet->findChild<QLineEdit *>(name));
    if (!w)
        return name + QStringLiteral(" is missing from ") + sheet->objectName();
    const QString other = (p.flag ? QStringLiteral("Edit") : QStringLiteral("CheckBox")) + QString::number(p.n);
    if (sheet->window()->findChild<QWidget *>(other))
        return QStringLiteral("position %1 has both a text box and a check box").arg(p.n);
    if (w->geometry() != p.box)
        return QStringLiteral("%1 at %2, expected %3").arg(name, rectText(w->geometry()), rectText(p.box));
    if (const auto *check = qobject_cast<const QCheckBox *>(w); check && check->text() != QLatin1String("TAK"))
        return QStringLiteral("%1 has caption \"%2\"").arg(name, check->text());
    if (!p.flag && w->property("keyFilter").toString() != QLatin1String(p.keyFilter))
        return QStringLiteral("%1 key filter \"%2\", expected \"%3\"")
            .arg(name, w->property("keyFilter").toString(), QLatin1String(p.keyFilter));
    if (w->property("exitHandler").toString() != QLatin1String(p.exitHandler))
        return QStringLiteral("%1 exit handler \"%2\", expected \"%3\"")
            .arg(name, w->property("exitHandler").toString(), QLatin1String(p.exitHandler));
    if (p.number)
        return checkLabel(sheet, QString::fromUtf8(p.number), p.numberAt);
    return {};
}

const QLabel *labelAt(const QWidget *parent, const QString &text, QPoint at)
{
    for (const QLabel *l : parent->findChildren<QLabel *>())
        if (l->text() == text && l->pos() == at)
            return l;
    return nullptr;
}

QString checkLabel(const QWidget *sheet, const QString &text, QPoint at, int px, bool bold)
{
    if (const QLabel *l = labelAt(sheet, text, at)) {
        if (px > 0 && (l->font().pixelSize() != px || l->font().bold() != bold))
            return QStringLiteral("label \"%1\" is %2 px%3, expected %4 px%5")
                .arg(text)
                .arg(l->font().pixelSize())
                .arg(l->font().bold() ? QStringLiteral(" bold") : QString())
                .arg(px)
                .arg(bold ? QStringLiteral(" bold") : QString());
        return {};
    }
    QStringList near;
    for (const QLabel *l : sheet->findChildren<QLabel *>())
        if (l->text() == text)
            near << QStringLiteral("%1,%2").arg(l->x()).arg(l->y());
    return QStringLiteral("label \"%1\" not at %2,%3 (found at: %4)")
        .arg(text)
        .arg(at.x())
        .arg(at.y())
        .arg(near.isEmpty() ? QStringLiteral("nowhere") : near.join(u' '));
}

int positionCount(const QWidget *sheet)
{
    static const QRegularExpression name(QStringLiteral("^(Edit|CheckBox)\\d+$"));
    int count = 0;
    for (const QWidget *w : sheet->findChildren<QWidget *>())
        if ((qobject_cast<const QLineEdit *>(w) || qobject_cast<const QCheckBox *>(w))
            && name.match(w->objectName()).hasMatch())
            ++count;
    return count;
}

} // namespace entrycheck
