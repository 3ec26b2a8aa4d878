#pragma once

// The units of the report engine, and the one place where each becomes
// another. Page tables are designed in millimetres (mm); report pages keep
// their elements in tenths of a millimetre (tenths); prepared sheets are in
// millimetres from the paper's corner; devices paint in pixels (px) at a
// resolution in dots per inch (dpi).
namespace iqx::report {

inline constexpr double kMmPerInch = 25.4;

constexpr double tenthsFromMm(double mm) { return mm * 10.0; }
constexpr double mmFromTenths(double tenths) { return tenths / 10.0; }
// Device pixels per millimetre at `dpi`.
constexpr double pxPerMm(double dpi) { return dpi / kMmPerInch; }
// A length of `px` pixels at `dpi`, in tenths of a millimetre.
constexpr double tenthsFromPx(double px, double dpi) { return px * 254.0 / dpi; }

// One pixel of the 96 dpi grid the pages were designed on, in 0.1 mm: the
// allowance a label adds to its measured width and its line height.
inline constexpr double kDesignPixelTenths = tenthsFromPx(1.0, 96.0);

} // namespace iqx::report
