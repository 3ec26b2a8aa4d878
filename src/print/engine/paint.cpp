#include "print/engine/prepared.h"

#include "print/engine/textmetrics_p.h"
#include "print/engine/units.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <algorithm>

// The one paint path of the prepared sheets: the preview, the printer and
// the PDF writer all come here, each with its own resolution.
namespace iqx::report {

QSizeF PreparedDocument::pageSizeMm(int index) const
{
    if (index < 0 || index >= pages.size())
        return QSizeF(210.0, 297.0);
    return QSizeF(pages[index].widthMm, pages[index].heightMm);
}

void PreparedDocument::paintPage(QPainter &painter, int index, double dpi) const
{
    if (index >= 0 && index < pages.size())
        report::paintPage(painter, pages[index], dpi);
}

void paintPage(QPainter &painter, const PreparedPage &page, double dpi)
{
    using namespace detail;
    const double k = pxPerMm(dpi);
    auto rect = [k](const PreparedItem &item) {
        return QRectF(item.xMm * k, item.yMm * k, item.widthMm * k, item.heightMm * k);
    };

    const double textScale = dpi / kReferenceDpi; // device px per reference px
    const QRectF sheet(0, 0, page.widthMm * k, page.heightMm * k);
    struct Face {
        QFont font;
        QFontMetricsF metrics;
    };
    QHash<QString, Face> faces;

    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const PreparedItem &item : page.items) {
        switch (item.kind) {
        case PreparedItem::Box:
            painter.fillRect(rect(item), Qt::white);
            break;
        case PreparedItem::Shape:
            painter.setPen(QPen(Qt::black, 0)); // cosmetic: one device pixel
            painter.setBrush(Qt::white);
            painter.drawRect(rect(item));
            break;
        case PreparedItem::Text: {
            const QString key = QStringLiteral("%1/%2/%3").arg(item.family).arg(item.pointSize).arg(item.bold);
            auto it = faces.find(key);
            if (it == faces.end()) {
                const QFont font = referenceFont(makeFont(item.family, item.pointSize, item.bold));
                it = faces.insert(key, Face{font, QFontMetricsF(font)});
            }
            const QFontMetricsF &fm = it->metrics;
            const QRectF r = rect(item);
            const ShapedText &glyphs = shapedText(it->font, item.text);
            const double advance = glyphs.advance * textScale;
            double x = r.left();
            if (item.align == Align::Right)
                x = r.right() - advance;
            else if (item.align == Align::Center)
                x = r.left() + (r.width() - advance) / 2.0;
            // The first line's top at the box's top, further lines one
            // line height lower.
            const double baseline = r.top() + (item.line * fm.height() + fm.ascent()) * textScale;
            // Only what reaches the sheet is drawn, glyph by glyph: a text
            // far longer than the paper is wide (a whole box of characters
            // runs off the page) costs no more than a line across it.
            const double em = it->font.pixelSize() * textScale;
            if (baseline + em < 0 || baseline - em > sheet.height() || x - em > sheet.width() || x + advance + em < 0)
                break;
            painter.save();
            painter.translate(x, baseline);
            painter.scale(textScale, textScale);
            painter.setPen(Qt::black);
            if (glyphs.glyphs.isEmpty()) {
                painter.setFont(it->font);
                painter.drawText(QPointF(0, 0), item.text);
            } else {
                // Positions grow from 0; a glyph drawn whole when any of
                // it may fall within the sheet.
                const double from = (-x - em) / textScale, to = (sheet.width() - x + em) / textScale;
                const auto byX = [](const QPointF &p, double v) { return p.x() < v; };
                const qsizetype first = std::lower_bound(glyphs.positions.begin(), glyphs.positions.end(), from, byX)
                                        - glyphs.positions.begin();
                const qsizetype last =
                    std::lower_bound(glyphs.positions.begin() + first, glyphs.positions.end(), to, byX)
                    - glyphs.positions.begin();
                QGlyphRun run;
                run.setRawFont(rawFontOf(it->font));
                run.setGlyphIndexes(glyphs.glyphs.mid(first, last - first));
                run.setPositions(glyphs.positions.mid(first, last - first));
                painter.drawGlyphRun(QPointF(0, 0), run);
            }
            painter.restore();
            break;
        }
        }
    }
    painter.restore();
}

} // namespace iqx::report
