#pragma once
#include "print/engine/prepared.h"
#include "print/engine/reporttable.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

// The page model: report pages built from the page tables, each one band
// of labels and rectangles in tenths of a millimetre, and their layout as
// prepared sheets.
namespace iqx::report {

class ReportBand;

// A text element. Geometry in tenths of a millimetre relative to the band.
class ReportLabel : public QObject {
    Q_OBJECT
public:
    ReportLabel(const LabelRow &row, ReportBand *band);

    QString caption() const { return caption_; }
    // Stores the caption and reformats the label at once: line feeds
    // removed, lines split at carriage returns, width from the widest line
    // at 100 % zoom, the anchor edge kept, height raised to one line.
    void setCaption(const QString &caption);
    // The position a print slot shows; -1 for a caption of the page.
    int position() const { return position_; }

    double leftTenths() const { return leftTenths_; }
    double topTenths() const { return topTenths_; }
    double widthTenths() const { return widthTenths_; }
    double heightTenths() const { return heightTenths_; }
    Align alignment() const { return align_; }
    const QFont &font() const { return font_; }
    QStringList lines() const;

private:
    void format();
    QString caption_;
    double leftTenths_, topTenths_, widthTenths_, heightTenths_;
    Align align_;
    int position_;
    QFont font_;
};

// A rectangle with a one-device-pixel black outline and a white inside.
class ReportShape : public QObject {
    Q_OBJECT
public:
    ReportShape(const ShapeRow &row, ReportBand *band);
    double leftTenths() const { return leftTenths_; }
    double topTenths() const { return topTenths_; }
    double widthTenths() const { return widthTenths_; }
    double heightTenths() const { return heightTenths_; }

private:
    double leftTenths_, topTenths_, widthTenths_, heightTenths_;
};

// The page's one detail band; its children are the elements in stored order.
class ReportBand : public QObject {
    Q_OBJECT
public:
    // Creates the elements of `table`: labels first, then shapes.
    ReportBand(const PageTable &table, QObject *page);
    double widthTenths() const { return widthTenths_; }
    double heightTenths() const { return heightTenths_; }
    QList<QObject *> elements() const;                   // labels and shapes, stored order
    int fontPointSize() const { return fontPointSize_; } // 0: none of its own
private:
    double widthTenths_, heightTenths_;
    int fontPointSize_;
};

// A report page: A4 portrait, 10 mm margins, one band printed once.
class ReportPage : public QObject {
    Q_OBJECT
public:
    explicit ReportPage(const PageTable &table, QObject *parent = nullptr);
    ReportBand *band() const { return band_; }
    QString instanceName() const { return instance_; }
    // The label of that name on this page, or nullptr.
    ReportLabel *label(const QString &name) const;
    // The print slots of this page (labels with a position), stored order.
    QList<ReportLabel *> printSlots() const;

private:
    ReportBand *band_;
    QString instance_;
};

// Lays out one report page as a sheet (band at the margins' corner).
PreparedPage preparePage(const ReportPage &page);
// Lays out `pages` in order.
PreparedDocument prepareDocument(const QList<ReportPage *> &pages);

// The pages of one run, laid out one at a time, so that a window shows the
// first sheet while the others wait their turn. A page deleted before its
// turn gives an empty sheet.
class PageRun {
public:
    PageRun() = default;
    explicit PageRun(const QList<ReportPage *> &pages);
    int pageCount() const { return total_; }
    bool atEnd() const { return pending_.isEmpty(); }
    // The next page's sheet; an empty sheet at the end.
    PreparedPage next();
    void stop() { pending_.clear(); }

private:
    QList<QPointer<ReportPage>> pending_;
    int total_ = 0;
};

} // namespace iqx::report
