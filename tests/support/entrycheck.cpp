#include "support/entrycheck.h"

#include "document/positions.h"
#include "ui/pages/entryedit.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

#include <optional>

namespace entrycheck {

namespace {
QString rectText(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The tables name key filters and exit checks by labels of their own.
std::optional<iqx::KeyFilter> keyFilterOf(QLatin1StringView label)
{
    if (label.isEmpty())
        return iqx::KeyFilter::None;
    if (label == "TylkoLiczbyKeyPress")
        return iqx::KeyFilter::Decimal;
    if (label == "TylkoIntKeyPress")
        return iqx::KeyFilter::Whole;
    if (label == "TylkoInt2KeyPress")
        return iqx::KeyFilter::Identifier;
    return std::nullopt;
}

std::optional<iqx::ExitCheck> exitCheckOf(QLatin1StringView label)
{
    if (label.isEmpty())
        return iqx::ExitCheck::None;
    if (label == "ValFloat")
        return iqx::ExitCheck::Number;
    if (label == "ValFloatNextPage")
        return iqx::ExitCheck::NumberThenNextPage;
    if (label == "Exit50_CheckSum" || label == "Exit51_CheckSum")
        return iqx::ExitCheck::ColumnSum;
    if (label == "CheckIdGminy")
        return iqx::ExitCheck::MunicipalityIdentifier;
    if (label == "NextPage")
        return iqx::ExitCheck::NextPage;
    return std::nullopt;
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
    if (p.n < 0 || p.n >= iqx::kPositionCount || iqx::position(p.n).isFlag() != p.flag)
        return QStringLiteral("%1 is not a position of its kind").arg(name);
    const auto filter = keyFilterOf(QLatin1StringView(p.keyFilter));
    const auto exit = exitCheckOf(QLatin1StringView(p.exitHandler));
    if (!filter || !exit)
        return QStringLiteral("%1: the table names an unknown key filter or exit check").arg(name);
    if (const auto *edit = qobject_cast<const iqx::ui::EntryEdit *>(w); edit && edit->keyFilter() != *filter)
        return QStringLiteral("%1 key filter is not \"%2\"").arg(name, QLatin1String(p.keyFilter));
    if (!p.flag && !qobject_cast<const iqx::ui::EntryEdit *>(w))
        return QStringLiteral("%1 is not an entry box").arg(name);
    if (iqx::position(p.n).exit != *exit)
        return QStringLiteral("%1 exit check is not \"%2\"").arg(name, QLatin1String(p.exitHandler));
    if (!p.number.isNull())
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
