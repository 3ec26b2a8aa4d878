#include "print/engine/report.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QHash>
#include <QPainter>
#include <algorithm>

namespace iqx::report {

namespace {

// Text is laid out with fonts of 100 pixels per point, a 7200 dpi
// reference: every whole point size is then a whole pixel size, which the
// font engine uses unrounded, and unhinted advances scale linearly. Each
// device draws the same glyph run scaled down, so a caption has the same
// width in millimetres on screen, paper and PDF.
constexpr int kPixelsPerPoint = 100;
constexpr double kReferenceDpi = 72.0 * kPixelsPerPoint;
// One pixel of the 96 dpi grid the pages were designed on, in 0.1 mm.
constexpr double kDesignPixel = 254.0 / 96.0;
// The band's top-left corner on the sheet: the 10 mm margins.
constexpr double kMarginMm = 10.0;

// Reference pixels to tenths of a millimetre.
double toTenths(double px) { return px * 254.0 / kReferenceDpi; }

QFont makeFont(const QString &family, int pointSize, bool bold)
{
    // "Arial" is the designed font; Liberation Sans has the same metrics.
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
    QFont font(family);
    font.setPointSize(pointSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

// The font at the reference size.
QFont referenceFont(QFont font)
{
    font.setPixelSize(qRound(font.pointSizeF() * kPixelsPerPoint));
    return font;
}

// Height of one text line ("W") without the allowance, 0.1 mm.
double textHeight(const QFont &font) { return toTenths(QFontMetricsF(referenceFont(font)).height()); }

// Text at the reference size, measured once per font and text and drawn
// from the same glyphs. At 100 pixels per point a glyph is far larger than
// the font engine caches, so every measurement and every drawing would load
// its glyphs afresh. Here each glyph's advance is loaded once per face, a
// text's width is the sum of its glyphs' advances (kerning is off and the
// texts are Latin, so shaping only maps characters to glyphs), and the
// same glyphs and positions are drawn.
struct FaceKey {
    QString family;
    int pixelSize;
    bool bold;
    friend bool operator==(const FaceKey &a, const FaceKey &b)
    {
        return a.pixelSize == b.pixelSize && a.bold == b.bold && a.family == b.family;
    }
};
size_t qHash(const FaceKey &key, size_t seed = 0) { return qHashMulti(seed, key.family, key.pixelSize, key.bold); }

struct Face {
    QFont font;
    QRawFont raw;
    QHash<quint32, qreal> advances; // by glyph index
};

struct Shaped {
    double advance = 0; // reference pixels
    QList<quint32> glyphs; // empty: draw as text (a character the face lacks)
    QList<QPointF> positions;
};

Face &faceOf(const QFont &font)
{
    static QHash<FaceKey, Face> faces;
    const FaceKey key{font.family(), font.pixelSize(), font.bold()};
    auto it = faces.find(key);
    if (it == faces.end())
        it = faces.insert(key, Face{font, QRawFont::fromFont(font), {}});
    return *it;
}

struct ShapedKey {
    FaceKey face;
    QString text;
    friend bool operator==(const ShapedKey &a, const ShapedKey &b) { return a.face == b.face && a.text == b.text; }
};
size_t qHash(const ShapedKey &key, size_t seed = 0) { return qHashMulti(seed, key.face, key.text); }

const Shaped &shaped(const QFont &font, const QString &text)
{
    static QHash<ShapedKey, Shaped> cache;
    ShapedKey key{{font.family(), font.pixelSize(), font.bold()}, text};
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    if (cache.size() > 100000) // a bound for pathological documents
        cache.clear();

    Face &face = faceOf(font);
    Shaped out;
    const QList<quint32> glyphs = face.raw.isValid() ? face.raw.glyphIndexesForString(text) : QList<quint32>();
    const bool simple = face.raw.isValid() && glyphs.size() == text.size()
                        && std::none_of(glyphs.begin(), glyphs.end(), [](quint32 g) { return g == 0; });
    if (simple) {
        QList<quint32> missing;
        for (quint32 g : glyphs)
            if (!face.advances.contains(g) && !missing.contains(g))
                missing << g;
        if (!missing.isEmpty()) {
            const QList<QPointF> advances = face.raw.advancesForGlyphIndexes(missing);
            for (qsizetype i = 0; i < missing.size(); ++i)
                face.advances.insert(missing[i], advances[i].x());
        }
        out.glyphs = glyphs;
        out.positions.reserve(glyphs.size());
        qreal x = 0;
        for (quint32 g : glyphs) {
            out.positions << QPointF(x, 0);
            x += face.advances.value(g);
        }
        out.advance = x;
    } else {
        out.advance = QFontMetricsF(font).horizontalAdvance(text);
    }
    return *cache.insert(std::move(key), std::move(out));
}

double referenceAdvance(const QFont &font, const QString &text) { return shaped(font, text).advance; }

} // namespace

QFont labelFont(int pointSize, bool bold) { return makeFont(QStringLiteral("Arial"), pointSize, bold); }

double measureText(const QFont &font, const QString &text)
{
    return toTenths(referenceAdvance(referenceFont(font), text));
}

double lineHeight(const QFont &font) { return textHeight(font) + kDesignPixel; }

// ---------------------------------------------------------------- elements

ReportLabel::ReportLabel(const LabelRow &row, ReportBand *band)
    : QObject(band), caption_(QString::fromUtf8(row.caption)), left_(row.x * 10.0),
      top_(row.y * 10.0), width_(row.width * 10.0), height_(row.height * 10.0), align_(row.align)
{
    setObjectName(QString::fromUtf8(row.name));
    const int size = row.pointSize > 0 ? row.pointSize
                     : band->fontPointSize() > 0 ? band->fontPointSize()
                                                 : 10;
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
        widest = std::max(widest, measureText(font_, line));
    const double newWidth = widest + kDesignPixel;
    switch (align_) {
    case Align::Left: break;
    case Align::Right: left_ += width_ - newWidth; break;
    case Align::Center: left_ += (width_ - newWidth) / 2.0; break;
    }
    width_ = newWidth;
    height_ = std::max(height_, lineHeight(font_));
}

ReportShape::ReportShape(const ShapeRow &row, ReportBand *band)
    : QObject(band), left_(row.x * 10.0), top_(row.y * 10.0), width_(row.width * 10.0),
      height_(row.height * 10.0)
{
    setObjectName(QString::fromUtf8(row.name));
}

ReportBand::ReportBand(const PageTable &table, QObject *page)
    : QObject(page), width_(table.bandWidth * 10.0), height_(table.bandHeight * 10.0),
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

// ---------------------------------------------------------------- sheets

PreparedPage preparePage(const ReportPage &page)
{
    PreparedPage sheet;
    const ReportBand *band = page.band();
    auto box = [](PreparedItem::Kind kind, double left, double top, double width, double height) {
        PreparedItem item;
        item.kind = kind;
        item.x = kMarginMm + left / 10.0;
        item.y = kMarginMm + top / 10.0;
        item.w = width / 10.0;
        item.h = height / 10.0;
        return item;
    };
    // The band prints whole, also where it runs into the bottom margin.
    sheet.items << box(PreparedItem::Box, 0, 0, band->width(), band->height());

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
        sheet.items << box(PreparedItem::Box, l->left(), l->top(), l->width(), l->height());
    for (const ReportShape *s : shapes)
        sheet.items << box(PreparedItem::Shape, s->left(), s->top(), s->width(), s->height());
    for (const ReportLabel *l : labels) {
        const QStringList lines = l->lines();
        const double step = textHeight(l->font());
        for (int i = 0; i < lines.size(); ++i) {
            // Further lines only while they end within the box (+0.1 mm).
            if (i > 0 && (i + 1) * step > l->height() + 1.0)
                break;
            if (lines[i].isEmpty())
                continue;
            PreparedItem item = box(PreparedItem::Text, l->left(), l->top(), l->width(), l->height());
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

void paintPage(QPainter &painter, const PreparedPage &page, double dpi)
{
    const double k = dpi / 25.4; // device pixels per mm
    auto rect = [k](const PreparedItem &item) {
        return QRectF(item.x * k, item.y * k, item.w * k, item.h * k);
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
            const Shaped &glyphs = shaped(it->font, item.text);
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
            if (baseline + em < 0 || baseline - em > sheet.height() || x - em > sheet.width()
                || x + advance + em < 0)
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
                const qsizetype first
                    = std::lower_bound(glyphs.positions.begin(), glyphs.positions.end(), from, byX)
                      - glyphs.positions.begin();
                const qsizetype last
                    = std::lower_bound(glyphs.positions.begin() + first, glyphs.positions.end(), to, byX)
                      - glyphs.positions.begin();
                QGlyphRun run;
                run.setRawFont(faceOf(it->font).raw);
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
