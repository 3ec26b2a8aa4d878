#include "print/engine/pagemodel.h"

#include "print/engine/textmetrics.h"
#include "print/engine/textmetrics_p.h"
#include "print/engine/units.h"

#include <algorithm>

namespace iqx::report {

namespace {
// The band's top-left corner on the sheet: the 10 mm margins.
constexpr double kMarginMm = 10.0;
} // namespace

// ---------------------------------------------------------------- elements

ReportLabel::ReportLabel(const LabelRow &row, ReportBand *band)
    : QObject(band), caption_(QString::fromUtf8(row.caption)), leftTenths_(tenthsFromMm(row.xMm)),
      topTenths_(tenthsFromMm(row.yMm)), widthTenths_(tenthsFromMm(row.widthMm)),
      heightTenths_(tenthsFromMm(row.heightMm)), align_(row.align), position_(row.position)
{
    setObjectName(QString::fromUtf8(row.name));
    const int size = row.pointSize > 0 ? row.pointSize : band->fontPointSize() > 0 ? band->fontPointSize() : 10;
    font_ = labelFont(size, row.bold);
    format();
}

void ReportLabel::setCaption(const QString &caption)
{
    caption_ = caption;
    format();
}

QStringList ReportLabel::lines() const
{
    QString text = caption_;
    text.remove(QLatin1Char('\n'));
    return text.split(QLatin1Char('\r'));
}

void ReportLabel::format()
{
    double widest = 0;
    for (const QString &line : lines())
        widest = std::max(widest, textWidthTenths(font_, line));
    const double newWidth = widest + kDesignPixelTenths;
    switch (align_) {
    case Align::Left:
        break;
    case Align::Right:
        leftTenths_ += widthTenths_ - newWidth;
        break;
    case Align::Center:
        leftTenths_ += (widthTenths_ - newWidth) / 2.0;
        break;
    }
    widthTenths_ = newWidth;
    heightTenths_ = std::max(heightTenths_, lineHeightTenths(font_));
}

ReportShape::ReportShape(const ShapeRow &row, ReportBand *band)
    : QObject(band), leftTenths_(tenthsFromMm(row.xMm)), topTenths_(tenthsFromMm(row.yMm)),
      widthTenths_(tenthsFromMm(row.widthMm)), heightTenths_(tenthsFromMm(row.heightMm))
{
    setObjectName(QString::fromUtf8(row.name));
}

ReportBand::ReportBand(const PageTable &table, QObject *page)
    : QObject(page), widthTenths_(tenthsFromMm(table.bandWidthMm)), heightTenths_(tenthsFromMm(table.bandHeightMm)),
      fontPointSize_(table.bandFontPointSize)
{
    setObjectName(QString::fromUtf8(table.bandName));
    for (const LabelRow &row : table.labels)
        new ReportLabel(row, this);
    for (const ShapeRow &row : table.shapes)
        new ReportShape(row, this);
}

QList<QObject *> ReportBand::elements() const
{
    QList<QObject *> out;
    for (QObject *child : children())
        if (qobject_cast<ReportLabel *>(child) || qobject_cast<ReportShape *>(child))
            out << child;
    return out;
}

ReportPage::ReportPage(const PageTable &table, QObject *parent)
    : QObject(parent), instance_(QString::fromUtf8(table.instanceName))
{
    setObjectName(QString::fromUtf8(table.pageName));
    band_ = new ReportBand(table, this);
}

ReportLabel *ReportPage::label(const QString &name) const
{
    return band_->findChild<ReportLabel *>(name, Qt::FindDirectChildrenOnly);
}

QList<ReportLabel *> ReportPage::printSlots() const
{
    QList<ReportLabel *> out;
    for (QObject *element : band_->elements())
        if (auto *label = qobject_cast<ReportLabel *>(element); label && label->position() >= 0)
            out << label;
    return out;
}

// ---------------------------------------------------------------- sheets

PreparedPage preparePage(const ReportPage &page)
{
    PreparedPage sheet;
    const ReportBand *band = page.band();
    auto box = [](PreparedItem::Kind kind, double leftTenths, double topTenths, double widthTenths,
                  double heightTenths) {
        PreparedItem item;
        item.kind = kind;
        item.xMm = kMarginMm + mmFromTenths(leftTenths);
        item.yMm = kMarginMm + mmFromTenths(topTenths);
        item.widthMm = mmFromTenths(widthTenths);
        item.heightMm = mmFromTenths(heightTenths);
        return item;
    };
    // The band prints whole, also where it runs into the bottom margin.
    sheet.items << box(PreparedItem::Box, 0, 0, band->widthTenths(), band->heightTenths());

    QList<const ReportLabel *> labels;
    QList<const ReportShape *> shapes;
    for (QObject *element : band->elements()) {
        if (auto *label = qobject_cast<const ReportLabel *>(element))
            labels << label;
        else if (auto *shape = qobject_cast<const ReportShape *>(element))
            shapes << shape;
    }
    // All boxes first, then the rules, then all texts: a box never trims
    // the descenders of a stacked line painted before it.
    for (const ReportLabel *l : labels)
        sheet.items << box(PreparedItem::Box, l->leftTenths(), l->topTenths(), l->widthTenths(), l->heightTenths());
    for (const ReportShape *s : shapes)
        sheet.items << box(PreparedItem::Shape, s->leftTenths(), s->topTenths(), s->widthTenths(), s->heightTenths());
    for (const ReportLabel *l : labels) {
        const QStringList lines = l->lines();
        const double stepTenths = detail::textHeightTenths(l->font());
        for (int i = 0; i < lines.size(); ++i) {
            // Further lines only while they end within the box (+0.1 mm).
            if (i > 0 && (i + 1) * stepTenths > l->heightTenths() + 1.0)
                break;
            if (lines[i].isEmpty())
                continue;
            PreparedItem item =
                box(PreparedItem::Text, l->leftTenths(), l->topTenths(), l->widthTenths(), l->heightTenths());
            item.align = l->alignment();
            item.text = lines[i];
            item.family = l->font().family();
            item.pointSize = qRound(l->font().pointSizeF());
            item.bold = l->font().bold();
            item.line = i;
            sheet.items << item;
        }
    }
    return sheet;
}

PreparedDocument prepareDocument(const QList<ReportPage *> &pages)
{
    PreparedDocument doc;
    for (const ReportPage *page : pages)
        if (page)
            doc.pages << preparePage(*page);
    return doc;
}

PageRun::PageRun(const QList<ReportPage *> &pages) : total_(int(pages.size()))
{
    for (ReportPage *page : pages)
        pending_ << page;
}

PreparedPage PageRun::next()
{
    if (pending_.isEmpty())
        return {};
    const QPointer<ReportPage> page = pending_.takeFirst();
    return page ? preparePage(*page) : PreparedPage{};
}

} // namespace iqx::report
