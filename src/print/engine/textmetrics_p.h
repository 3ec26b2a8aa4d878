#pragma once
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>

// Inside the engine: the reference fonts and shaped texts that measuring
// and painting share, so that a text is drawn from the glyphs it was
// measured with.
namespace iqx::report::detail {

// Text is laid out with fonts of 100 pixels per point, a 7200 dpi
// reference: every whole point size is then a whole pixel size, which the
// font engine uses unrounded, and unhinted advances scale linearly. Each
// device draws the same glyph run scaled down, so a caption has the same
// width in millimetres on screen, paper and PDF.
inline constexpr int kPixelsPerPoint = 100;
inline constexpr double kReferenceDpi = 72.0 * kPixelsPerPoint;

// A report font: unhinted outlines without kerning; "Arial" is drawn with
// Liberation Sans, which has the same metrics.
QFont makeFont(const QString &family, int pointSize, bool bold);
// The font at the reference size.
QFont referenceFont(QFont font);
// Height of one text line ("W") without the design pixel, 0.1 mm.
double textHeightTenths(const QFont &font);

struct ShapedText {
    double advance = 0;       // reference pixels
    QList<quint32> glyphs;    // empty: draw as text (a character the face lacks)
    QList<QPointF> positions; // reference pixels, growing from 0
};
// `text` in a reference-size font, shaped once and kept.
const ShapedText &shapedText(const QFont &referenceFont, const QString &text);
// The raw font the glyphs of a reference-size font come from.
const QRawFont &rawFontOf(const QFont &referenceFont);

} // namespace iqx::report::detail
