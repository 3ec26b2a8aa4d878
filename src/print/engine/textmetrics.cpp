#include "print/engine/textmetrics.h"
#include "print/engine/textmetrics_p.h"
#include "print/engine/units.h"

#include <QFontMetricsF>
#include <QHash>
#include <algorithm>

namespace iqx::report {

namespace detail {

QFont makeFont(const QString &family, int pointSize, bool bold)
{
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

QFont referenceFont(QFont font)
{
    font.setPixelSize(qRound(font.pointSizeF() * kPixelsPerPoint));
    return font;
}

double textHeightTenths(const QFont &font)
{
    return tenthsFromPx(QFontMetricsF(referenceFont(font)).height(), kReferenceDpi);
}

namespace {

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

} // namespace

const QRawFont &rawFontOf(const QFont &referenceFont) { return faceOf(referenceFont).raw; }

const ShapedText &shapedText(const QFont &font, const QString &text)
{
    static QHash<ShapedKey, ShapedText> cache;
    ShapedKey key{{font.family(), font.pixelSize(), font.bold()}, text};
    if (const auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    if (cache.size() > 100000) // a bound for pathological documents
        cache.clear();

    Face &face = faceOf(font);
    ShapedText out;
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

} // namespace detail

QFont labelFont(int pointSize, bool bold) { return detail::makeFont(QStringLiteral("Arial"), pointSize, bold); }

double textWidthTenths(const QFont &font, const QString &text)
{
    return tenthsFromPx(detail::shapedText(detail::referenceFont(font), text).advance, detail::kReferenceDpi);
}

double lineHeightTenths(const QFont &font) { return detail::textHeightTenths(font) + kDesignPixelTenths; }

} // namespace iqx::report
