#pragma once
#include "print/engine/reporttable.h"

#include <QFont>
#include <QList>
#include <QMainWindow>
#include <QObject>
#include <QPageLayout>
#include <QPointer>
#include <QString>
#include <functional>

class QPainter;
class QPaintDevice;
class QIODevice;
class QWidget;

// The report engine: report pages of labels and rectangles on one band,
// the composite report that runs them as one document, and the prepared
// document that the preview shows, prints, exports and saves.
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

    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
    Align alignment() const { return align_; }
    const QFont &font() const { return font_; }
    QStringList lines() const;

private:
    void format();
    QString caption_;
    double left_, top_, width_, height_; // 0.1 mm
    Align align_;
    QFont font_;
};

// A rectangle with a one-device-pixel black outline and a white inside.
class ReportShape : public QObject {
    Q_OBJECT
public:
    ReportShape(const ShapeRow &row, ReportBand *band);
    double left() const { return left_; }
    double top() const { return top_; }
    double width() const { return width_; }
    double height() const { return height_; }
private:
    double left_, top_, width_, height_; // 0.1 mm
};

// The page's one detail band; its children are the elements in stored order.
class ReportBand : public QObject {
    Q_OBJECT
public:
    // Creates the elements of `table`: labels first, then shapes.
    ReportBand(const PageTable &table, QObject *page);
    double width() const { return width_; }   // 0.1 mm
    double height() const { return height_; } // 0.1 mm
    QList<QObject *> elements() const;        // labels and shapes, stored order
    int fontPointSize() const { return fontPointSize_; } // 0: none of its own
private:
    double width_, height_;
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
private:
    ReportBand *band_;
    QString instance_;
};

// The width of `text` in `font` at 100 % zoom, in tenths of a millimetre,
// measured on a fixed high-resolution reference so that screen, paper and
// PDF agree.
double measureText(const QFont &font, const QString &text);
// Height of one line ("W" plus one design pixel), tenths of a millimetre.
double lineHeight(const QFont &font);
// The Arial font of a label row.
QFont labelFont(int pointSize, bool bold);

// One prepared sheet: what a page printed, in paint order, in paper
// coordinates (mm from the sheet's top-left corner).
struct PreparedItem {
    enum Kind { Box, Shape, Text } kind = Box;
    double x = 0, y = 0, w = 0, h = 0; // mm; for Text the label's box
    Align align = Align::Left;         // Text: which edge the line keeps
    QString text;                      // Text: one line
    QString family;                    // Text
    int pointSize = 0;                 // Text
    bool bold = false;                 // Text
    int line = 0;                      // Text: line number within the label
};
struct PreparedPage {
    double widthMm = 210.0, heightMm = 297.0;
    QList<PreparedItem> items;
};
struct PreparedDocument {
    QList<PreparedPage> pages;
};

// Lays out one report page as a sheet (band at the margins' corner).
PreparedPage preparePage(const ReportPage &page);
// Paints a sheet onto a device whose origin is the paper's corner, at
// `dpi` device pixels per inch.
void paintPage(QPainter &painter, const PreparedPage &page, double dpi);

// Prepared-document files ("Save Report"/"Load Report"): versioned, checked.
bool savePrepared(const PreparedDocument &doc, QIODevice &out);
// Returns false with a user-facing reason for a damaged or foreign file.
bool loadPrepared(QIODevice &in, PreparedDocument *doc, QString *error);

// Writes every sheet of `doc` as one A4 PDF.
bool writePdf(const PreparedDocument &doc, const QString &path, QString *error);

// Printer settings of the composite report, kept between runs.
struct PrinterSettings {
    QString printerName; // empty: the system default
    int copies = 1;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    int fromPage = 0, toPage = 0; // 0, 0: all pages
};

// What a print job was handed to: the printer and the sheets sent.
struct PrintedJob {
    QString printerName;
    int pages = 0;  // sheets of one copy
    int copies = 1;
};

class PreviewWindow;

// QRCompositeReport1: joins report pages into one document per run.
class CompositeReport : public QObject {
    Q_OBJECT
public:
    explicit CompositeReport(QObject *parent = nullptr);
    ~CompositeReport() override;

    // Called from the addReports handler.
    void addReport(ReportPage *page);
    QList<ReportPage *> reports() const { return reports_; }

    PrinterSettings &printerSettings() { return settings_; }
    const PrinterSettings &printerSettings() const { return settings_; }

    // Clears the page list and emits addReports(); returns the new list.
    QList<ReportPage *> collectReports();
    // One run: collects the pages, then prepares each one in list order.
    PreparedDocument run();

    // Opens the preview window on a fresh run and returns when it is
    // closed, dispatching events meanwhile. While a preview is open, a
    // further call shows a fresh run in it, brings it to the front and
    // returns at once.
    void preview();
    // The preview window while one is open (a PreviewWindow), else nullptr.
    QMainWindow *openPreview() const { return preview_; }

    // Prints a fresh run straight to the printer with the stored settings.
    // False with a user-facing reason (no printer installed, ...).
    bool print(QString *error, PrintedJob *job = nullptr);
    // Prints `doc` with the stored settings; `job` says where it went.
    bool printDocument(const PreparedDocument &doc, QString *error, PrintedJob *job = nullptr);
    // Writes a fresh run as a PDF.
    bool exportPdf(const QString &path, QString *error);

    // Writes the data behind the pages to `path` (the format chosen by its
    // extension); false with a user-facing reason. Whoever fills the pages
    // sets it before a preview, which then offers "Export"; without one
    // the preview has no such action.
    using ExportHandler = std::function<bool(const QString &path, QString *error)>;
    void setExportHandler(ExportHandler handler) { exportHandler_ = std::move(handler); }
    const ExportHandler &exportHandler() const { return exportHandler_; }

    // The path, without extension, that the preview proposes for a saved
    // report, PDF or export of these pages; empty: none proposed.
    void setProposedPath(const QString &basePath) { proposedPath_ = basePath; }
    const QString &proposedPath() const { return proposedPath_; }
    // Remarks on the data behind the pages, one line each, which the
    // preview shows above them (never on the sheets).
    void setRemarks(const QStringList &lines) { remarks_ = lines; }
    const QStringList &remarks() const { return remarks_; }

signals:
    void addReports();

private:
    QList<ReportPage *> reports_;
    PrinterSettings settings_;
    QPointer<QMainWindow> preview_;
    ExportHandler exportHandler_;
    QString proposedPath_;
    QStringList remarks_;
};

} // namespace iqx::report
