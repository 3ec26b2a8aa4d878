#pragma once
#include <QList>

// A printed page described as data: its band and one row per element, in the
// page's stored element order. Geometry in millimetres from the band's
// top-left corner (the report page keeps it in tenths of a millimetre).
namespace iqx::report {

enum class Align { Left, Right, Center };

struct LabelRow {
    const char *name;         // "QRLabel5" or a print slot "P17"
    double xMm, yMm;          // designed left and top edges
    double widthMm, heightMm; // designed size (0 for static captions: measured)
    const char *caption;      // UTF-8; a print slot's caption is its own name
    int pointSize;            // Arial, whole points
    bool bold = false;
    Align align = Align::Left;
    bool centralEurope = false; // font names the Central European character set
    int position = -1;          // a print slot: the position whose value it prints
};

struct ShapeRow {
    const char *name; // "QRShape1"
    double xMm, yMm, widthMm, heightMm;
};

struct PageTable {
    const char *pageName;     // "TStrona1"
    const char *instanceName; // "Strona1"
    const char *bandName;     // "QRBand1"
    double bandWidthMm, bandHeightMm;
    int bandFontPointSize; // 0 when the band has no font of its own
    QList<LabelRow> labels;
    QList<ShapeRow> shapes;
};

} // namespace iqx::report
