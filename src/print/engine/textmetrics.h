#pragma once

class QFont;
class QString;

// Text measured in the font of a label, as the report pages lay it out.
// Widths are measured on a fixed high-resolution reference, so that
// screen, paper and PDF agree.
namespace iqx::report {

// The Arial font of a label row.
QFont labelFont(int pointSize, bool bold);
// The width of `text` in `font` at 100 % zoom, in tenths of a millimetre.
double textWidthTenths(const QFont &font, const QString &text);
// Height of one line ("W" plus one design pixel), tenths of a millimetre.
double lineHeightTenths(const QFont &font);

} // namespace iqx::report
