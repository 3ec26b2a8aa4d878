#include "base/messages.h"
#include "print/engine/composite.h"
#include "print/engine/pagemodel.h"
#include "print/engine/prepared.h"
#include "support/recordingsink.h"
#include "print/engine/preview.h"
#include "print/engine/printing.h"
#include "print/engine/textmetrics.h"
#include "print/pages.h"
#include "support/filesystem.h"
#include "support/pdfcheck.h"

#include <QAccessible>
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QtTest>

#include <condition_variable>
#include <mutex>
#include <numeric>
#include <thread>
#if !defined(Q_OS_WIN)
#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace iqx;
using namespace iqx::report;

namespace {

constexpr double kPixel = 254.0 / 96.0; // design pixel, 0.1 mm
// What a test waits before it calls a step hung: far beyond any slow
// machine, sanitizer or Wine. How fast the steps are is measured in bench/.
constexpr qint64 kHungMs = 30000;

// A page in the shape of the printed ones: a header, slots of both
// alignments (names one digit apart in one column), a rule and a footer.
PageTable samplePage(int n)
{
    static QList<QByteArray> footers;
    while (footers.size() < n)
        footers << QStringLiteral("Strona %1/6").arg(footers.size() + 1).toUtf8();
    return PageTable{
        "TStronaX",
        "StronaX",
        "QRBand1",
        189.97,
        276.49,
        7,
        {
            {"QRLabel1", 53.18, 19.05, 0, 0, "w sprawie podatków i opłat lokalnych", 12, true},
            {"P1", 49.21, 29.90, 4.50, 4.50, "P1", 10, true},
            {"P5", 73.82, 110.60, 3.17, 3.70, "P5", 7, false, Align::Right},
            {"P10", 73.82, 123.83, 4.50, 3.70, "P10", 7, false, Align::Right},
            {"QRLabel2", 80.0, 150.0, 40.0, 4.0, "Środek", 9, false, Align::Center},
            {"QRLabel10", 174.36, 269.35, 0, 0, footers[n - 1].constData(), 7},
        },
        {{"QRShape1", 5.29, 73.55, 180.71, 0.26}},
    };
}

// Six numbered pages of one composite report, in order.
struct SixPages {
    CompositeReport report;
    QList<ReportPage *> pages;
    SixPages()
    {
        for (int i = 1; i <= 6; ++i) {
            pages << new ReportPage(samplePage(i), &report);
            pages.last()->setObjectName(QStringLiteral("TStrona%1").arg(i));
        }
        report.setPages(pages);
    }
};

// A preview of the six pages whose messages go to the installed sink, as
// the print run has them shown.
struct SixPagePreview : PreviewWindow {
    explicit SixPagePreview(SixPages &six) : PreviewWindow(PageRun(six.pages), six.report.printerSettings())
    {
        connect(this, &PreviewWindow::failed, this, [](const QString &text) { messages().error(text); });
        connect(this, &PreviewWindow::informed, this, [](const QString &text) { messages().inform(text); });
    }
};

QString footerOf(const PreparedPage &page)
{
    for (const PreparedItem &i : page.items)
        if (i.kind == PreparedItem::Text && i.text.startsWith(QLatin1String("Strona")))
            return i.text;
    return {};
}

PreparedDocument sampleDocument()
{
    SixPages six;
    six.pages[0]->label("P1")->setCaption(QStringLiteral("0201011 zażółć"));
    return six.report.run();
}

QByteArray saved(const PreparedDocument &doc)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    savePrepared(doc, buffer);
    return buffer.data();
}

bool load(const QByteArray &bytes, PreparedDocument *doc, QString *error)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return loadPrepared(buffer, doc, error);
}

// A prepared-report file around `payload`, its checksum valid.
QByteArray withHeader(const QByteArray &payload)
{
    QByteArray file("IQXREPRT");
    QDataStream(&file, QIODevice::Append) << quint16(1) << quint32(payload.size());
    return file + QCryptographicHash::hash(payload, QCryptographicHash::Sha256) + payload;
}

// `pages` sheets of `items` text elements each, every text `length` long.
QByteArray forged(int pages, int items, int length)
{
    PreparedPage page;
    PreparedItem text{PreparedItem::Text, 10, 10, 50, 4, Align::Left, QString(length, u'W'), "Arial", 7};
    page.items.fill(text, items);
    PreparedDocument doc;
    doc.pages.fill(page, pages);
    return saved(doc);
}

// Printers standing in for the system's, installed for their lifetime, so
// that no test reaches a real printer whatever the machine has: `names`
// installed, `defaultName` the default, and every job written to `pdf`.
class StandInPrinters : public PrintDestination {
public:
    explicit StandInPrinters(QStringList names = {}, QString defaultName = {}, QString pdf = {})
        : names_(std::move(names)), default_(std::move(defaultName)), pdf_(std::move(pdf)),
          previous_(setPrintDestination(this))
    {}
    ~StandInPrinters() override { setPrintDestination(previous_); }
    StandInPrinters(const StandInPrinters &) = delete;
    StandInPrinters &operator=(const StandInPrinters &) = delete;

    QStringList printerNames() const override { return names_; }
    QString defaultPrinterName() const override { return default_; }
    void select(QPrinter &printer, const QString &) const override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf_);
    }

private:
    QStringList names_;
    QString default_, pdf_;
    const PrintDestination *previous_;
};

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    void captionKeepsAnchor_data();
    void captionKeepsAnchor();
    void captionLinesAndHeight();
    void widthsMatchShapedText();
    void designedRightEdges();
    void pageStructure();
    void printSlotsCarryPositions_data();
    void printSlotsCarryPositions();
    void everyPositionPrintedOnce();
    void preparedSheet();
    void paintsOnImage_data();
    void paintsOnImage();
    void compositeRuns();
    void preparedRoundTrip();
    void damagedFilesRefused();
    void forgedReportsBounded_data();
    void forgedReportsBounded();
    void forgedReportsPaintQuickly_data();
    void forgedReportsPaintQuickly();
    void pdfOutput();
    void printingChoosesThePrinter();
    void previewWindow();
    void remarksReadByAScreenReader();
    void previewLoadAndSetup();
    void previewCall();
    void failedWritesExplained_data();
    void failedWritesExplained();
};

void TestReport::captionKeepsAnchor_data()
{
    QTest::addColumn<int>("align");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("width");
    QTest::addColumn<QString>("caption");
    const QString longValue = QStringLiteral("Bardzo długa nazwa województwa, znacznie szersza niż pole 4,50 mm");
    for (auto [name, align] : {std::pair{"left", Align::Left}, {"right", Align::Right}, {"centre", Align::Center}}) {
        const int a = int(align);
        QTest::addRow("%s value", name) << a << 73.82 << 4.50 << QStringLiteral("12345,67");
        QTest::addRow("%s empty", name) << a << 73.82 << 4.50 << QString();
        QTest::addRow("%s far wider", name) << a << 49.21 << 3.17 << longValue;
        QTest::addRow("%s two lines", name) << a << 10.0 << 20.0 << QStringLiteral("ab\r\nlonger line");
    }
}

// The anchor edge stays at its designed place through any number of
// caption changes; the width follows the widest line.
void TestReport::captionKeepsAnchor()
{
    QFETCH(int, align);
    QFETCH(double, x);
    QFETCH(double, width);
    QFETCH(QString, caption);
    const Align a = Align(align);
    PageTable t = samplePage(1);
    t.labels = {{"P7", x, 50.0, width, 3.7, "P7", 7, false, a}};
    ReportPage page(t);
    ReportLabel *label = page.label(QStringLiteral("P7"));
    QVERIFY(label);
    auto anchor = [&] {
        return a == Align::Left    ? label->leftTenths()
               : a == Align::Right ? label->leftTenths() + label->widthTenths()
                                   : label->leftTenths() + label->widthTenths() / 2;
    };
    const double designed = a == Align::Left ? x * 10 : a == Align::Right ? (x + width) * 10 : (x + width / 2) * 10;
    QCOMPARE(anchor(), designed);
    for (int round = 0; round < 50; ++round) {
        label->setCaption(round % 2 ? caption : QStringLiteral("P7 %1").arg(round));
        QVERIFY(std::fabs(anchor() - designed) < 1e-9);
    }
    double widest = 0;
    for (const QString &line : label->lines())
        widest = std::max(widest, textWidthTenths(label->font(), line));
    QCOMPARE(label->widthTenths(), widest + kPixel);
    QCOMPARE(label->lines().size(), caption.count(QLatin1Char('\r')) + 1);
    if (caption.isEmpty())
        QCOMPARE(label->widthTenths(), kPixel);
}

// Widths are summed from glyph advances measured once per glyph; they must
// equal the width the text engine gives the whole text at the reference
// size (7200 dpi: 100 pixels per point), or the printed positions move.
void TestReport::widthsMatchShapedText()
{
    QStringList texts{"TAK",
                      "NIE",
                      "12345,678",
                      "fi fl ffi ffl",
                      "AVATAR Tj To",
                      "Zażółć gęślą jaźń",
                      "„cudzysłów” – — … ‰ € § ©",
                      "Brzeszcze-Jawiszowice",
                      "\u4e2d x"};
    for (const PageTable *t : {&print::printedPage1(), &print::printedPage2(), &print::printedPage3(),
                               &print::printedPage4(), &print::printedPage5(), &print::printedPage6()})
        for (const LabelRow &row : t->labels)
            texts << QString::fromUtf8(row.caption);
    for (int size : {7, 9, 10, 12})
        for (bool bold : {false, true}) {
            const QFont font = labelFont(size, bold);
            QFont reference = font;
            reference.setPixelSize(size * 100);
            const QFontMetricsF metrics(reference);
            for (const QString &text : texts)
                QVERIFY2(textWidthTenths(font, text) == metrics.horizontalAdvance(text) * 254.0 / 7200.0,
                         qPrintable(QStringLiteral("%1 pt%2: %3").arg(size).arg(bold ? " bold" : "").arg(text)));
        }
}

void TestReport::captionLinesAndHeight()
{
    PageTable t = samplePage(1);
    t.labels = {{"A", 10, 10, 0, 0, "A", 10}, {"B", 10, 30, 30, 12.0, "B", 10}};
    ReportPage page(t);
    ReportLabel *a = page.label(QStringLiteral("A"));
    ReportLabel *b = page.label(QStringLiteral("B"));

    a->setCaption(QStringLiteral("a\nb\r\nc\rd"));
    QCOMPARE(a->lines(), (QStringList{QStringLiteral("ab"), QStringLiteral("c"), QStringLiteral("d")}));
    a->setCaption(QStringLiteral("jeden\n"));
    QCOMPARE(a->lines(), QStringList{QStringLiteral("jeden")});

    // A zero height is raised to one line; a taller box is never lowered.
    QCOMPARE(a->heightTenths(), lineHeightTenths(a->font()));
    QVERIFY(a->heightTenths() > 30 && a->heightTenths() < 60); // 10 pt: about 4.2 mm
    b->setCaption(QString());
    QCOMPARE(b->heightTenths(), 120.0);
}

// Slots of one column designed with the same left edge and names one
// digit apart end their values 1.32 mm apart, whatever the values.
void TestReport::designedRightEdges()
{
    ReportPage page(samplePage(1));
    ReportLabel *p5 = page.label(QStringLiteral("P5"));
    ReportLabel *p10 = page.label(QStringLiteral("P10"));
    for (const QString &value : {QStringLiteral("1"), QStringLiteral("123456789,00"), QString()}) {
        p5->setCaption(value);
        p10->setCaption(value);
        QVERIFY(std::fabs(p5->leftTenths() + p5->widthTenths() - 769.9) < 1e-9);
        QVERIFY(std::fabs(p10->leftTenths() + p10->widthTenths() - 783.2) < 1e-9);
    }
}

void TestReport::pageStructure()
{
    PageTable t = samplePage(1);
    t.pageName = "TStrona1";
    t.bandFontPointSize = 9;
    t.labels << LabelRow{"QRLabel99", 1, 1, 0, 0, "bez rozmiaru", 0};
    ReportPage page(t);
    QCOMPARE(page.objectName(), QStringLiteral("TStrona1"));
    QCOMPARE(page.instanceName(), QStringLiteral("StronaX"));
    QCOMPARE(page.band()->objectName(), QStringLiteral("QRBand1"));
    QCOMPARE(page.band()->widthTenths(), 1899.7);
    QStringList names;
    for (QObject *e : page.band()->elements())
        names << e->objectName();
    QCOMPARE(names, (QStringList{"QRLabel1", "P1", "P5", "P10", "QRLabel2", "QRLabel10", "QRLabel99", "QRShape1"}));
    QVERIFY(!page.label(QStringLiteral("QRShape1")));
    QVERIFY(!page.label(QStringLiteral("P2")));
    QCOMPARE(page.label(QStringLiteral("P1"))->caption(), QStringLiteral("P1"));
    QCOMPARE(page.label(QStringLiteral("QRLabel99"))->font().pointSize(), 9); // the band's font
}

QList<const PageTable *> printedPageTables()
{
    return {&print::printedPage1(), &print::printedPage2(), &print::printedPage3(),
            &print::printedPage4(), &print::printedPage5(), &print::printedPage6()};
}

void TestReport::printSlotsCarryPositions_data()
{
    QTest::addColumn<int>("page");
    for (int page = 1; page <= 6; ++page)
        QTest::addRow("page %d", page) << page;
}

// Each slot P<n> of a printed page shows position n, and no other label
// shows a position: a row with a mistyped number would print another
// position's value in its place.
void TestReport::printSlotsCarryPositions()
{
    QFETCH(int, page);
    const PageTable &table = *printedPageTables()[page - 1];
    QStringList expected;
    for (const LabelRow &row : table.labels) {
        const QString name = QString::fromUtf8(row.name);
        if (row.position < 0) {
            QVERIFY2(!QRegularExpression(QStringLiteral("^P\\d+$")).match(name).hasMatch(), row.name);
            continue;
        }
        QCOMPARE(name, QStringLiteral("P%1").arg(row.position));
        QCOMPARE(QString::fromUtf8(row.caption), name);
        expected << name;
    }
    QVERIFY(!expected.isEmpty());
    ReportPage built(table);
    QStringList slotNames;
    for (const ReportLabel *slot : built.printSlots())
        slotNames << slot->objectName();
    QCOMPARE(slotNames, expected);
}

// Every position has exactly one slot in all six pages: none printed twice,
// none left out.
void TestReport::everyPositionPrintedOnce()
{
    QList<int> positions;
    for (const PageTable *table : printedPageTables())
        for (const LabelRow &row : table->labels)
            if (row.position >= 0)
                positions << row.position;
    std::sort(positions.begin(), positions.end());
    QList<int> all(223);
    std::iota(all.begin(), all.end(), 0);
    QCOMPARE(positions, all);
}

void TestReport::preparedSheet()
{
    PageTable t = samplePage(1);
    t.labels << LabelRow{"Multi", 20, 200, 0, 0, "raz\rdwa", 7};
    ReportPage page(t);
    page.label(QStringLiteral("P5"))->setCaption(QString()); // prints nothing
    const PreparedPage sheet = preparePage(page);
    QCOMPARE(sheet.widthMm, 210.0);
    // The band at the margins' corner, printed whole.
    QCOMPARE(sheet.items[0].kind, PreparedItem::Box);
    QCOMPARE(sheet.items[0].xMm, 10.0);
    QCOMPARE(sheet.items[0].yMm, 10.0);
    QCOMPARE(sheet.items[0].heightMm, 276.49);
    // Every box before every rule before every text.
    QList<int> kinds;
    for (const PreparedItem &i : sheet.items)
        kinds << int(i.kind);
    QVERIFY(std::is_sorted(kinds.begin(), kinds.end()));
    QCOMPARE(kinds.count(int(PreparedItem::Box)), 1 + 7);
    QCOMPARE(kinds.count(int(PreparedItem::Shape)), 1);
    QStringList texts;
    for (const PreparedItem &i : sheet.items)
        if (i.kind == PreparedItem::Text)
            texts << i.text;
    QVERIFY(!texts.contains(QStringLiteral("P5")));
    // The box is one line high: the second line is dropped.
    QVERIFY(texts.contains(QStringLiteral("raz")));
    QVERIFY(!texts.contains(QStringLiteral("dwa")));

    // A box tall enough keeps both lines, the second one line lower.
    t.labels.last().heightMm = 10;
    ReportPage tall(t);
    int second = 0;
    for (const PreparedItem &i : preparePage(tall).items)
        if (i.text == QLatin1String("dwa"))
            second = i.line;
    QCOMPARE(second, 1);
}

void TestReport::paintsOnImage_data()
{
    QTest::addColumn<double>("dpi");
    QTest::newRow("72 dpi") << 72.0;
    QTest::newRow("150 dpi") << 150.0;
    QTest::newRow("300 dpi") << 300.0;
}

// Pixels of a sheet painted on an image: white band, the rule's outline,
// a right-justified value ending at its anchor edge, a left-justified
// caption as wide in millimetres as it measures, whatever the resolution.
void TestReport::paintsOnImage()
{
    QFETCH(double, dpi);
    const double k = dpi / 25.4;
    ReportPage page(samplePage(1));
    page.label(QStringLiteral("P10"))->setCaption(QStringLiteral("888888"));
    ReportLabel *caption = page.label(QStringLiteral("QRLabel1"));
    caption->setCaption(QStringLiteral("WYKAZ NIERUCHOMOŚCI ZAJĘTYCH NA DZIAŁALNOŚĆ W"));
    QImage image(qRound(210 * k), qRound(297 * k), QImage::Format_RGB32);
    image.fill(Qt::gray);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    {
        QPainter painter(&image);
        paintPage(painter, preparePage(page), dpi);
    }
    auto dark = [&](double xmm, double ymm) { return qGray(image.pixel(int(xmm * k), int(ymm * k))) < 128; };
    QCOMPARE(image.pixelColor(int(15 * k), int(200 * k)), QColor(Qt::white));
    QCOMPARE(image.pixelColor(int(5 * k), int(5 * k)), QColor(Qt::gray)); // outside the band
    bool rule = false;                                                    // the rule's top edge, within a pixel
    for (double y = 10 + 73.55 - 1 / k; y <= 10 + 73.55 + 1 / k; y += 0.5 / k)
        rule |= dark(100, y);
    QVERIFY(rule);
    QVERIFY(!dark(100, 10 + 73.55 - 0.6));
    QVERIFY(!dark(100, 10 + 73.55 + 0.9));

    // Horizontal extent of the ink between two heights (mm), in mm.
    auto ink = [&](double top, double height, double from, double to) {
        int left = image.width(), right = -1;
        for (int y = int(top * k); y <= int((top + height) * k); ++y)
            for (int x = int(from * k); x < int(to * k); ++x)
                if (qGray(image.pixel(x, y)) < 160) {
                    left = std::min(left, x);
                    right = std::max(right, x + 1);
                }
        return std::pair{left / k, right / k};
    };
    const double tolerance = 0.15 + 1.0 / k; // glyph side bearings and a pixel
    // The digits of P10 end at x = 10 + 78.32 mm.
    const auto [digitsLeft, digitsRight] = ink(10 + 123.83, 3.0, 60, 100);
    QVERIFY2(std::fabs(digitsRight - (10 + 78.32)) < tolerance, qPrintable(QString::number(digitsRight)));
    QVERIFY(digitsLeft < 10 + 78.32 - 8); // six 7 pt digits: about 9.3 mm
    const auto [textLeft, textRight] = ink(10 + 19.05, 4.0, 0, 210);
    QVERIFY2(std::fabs(textLeft - (10 + 53.18)) < tolerance, qPrintable(QString::number(textLeft)));
    const double measured = 10 + (caption->leftTenths() + caption->widthTenths() - 254.0 / 96.0) / 10;
    QVERIFY2(std::fabs(textRight - measured) < tolerance,
             qPrintable(QStringLiteral("%1 vs %2").arg(textRight).arg(measured)));
}

void TestReport::compositeRuns()
{
    SixPages six;
    const PreparedDocument first = six.report.run();
    QCOMPARE(first.pages.size(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(footerOf(first.pages[i]), QStringLiteral("Strona %1/6").arg(i + 1));

    six.report.printerSettings().copies = 3;
    six.report.printerSettings().printerName = QStringLiteral("Biuro");
    six.pages[0]->label(QStringLiteral("P1"))->setCaption(QStringLiteral("0201011"));
    const PreparedDocument second = six.report.run();
    QCOMPARE(six.report.pages().size(), 6); // the same pages, not appended
    QCOMPARE(second.pages.size(), 6);
    QCOMPARE(six.report.printerSettings().copies, 3);
    QCOMPARE(six.report.printerSettings().printerName, QStringLiteral("Biuro"));
    bool found = false;
    for (const PreparedItem &i : second.pages[0].items)
        found |= i.text == QLatin1String("0201011");
    QVERIFY(found);

    // A page deleted meanwhile is left out, not run.
    delete six.pages.takeLast();
    QCOMPARE(six.report.run().pages.size(), 5);

    CompositeReport empty;
    QVERIFY(empty.run().pages.isEmpty());
}

void TestReport::preparedRoundTrip()
{
    const PreparedDocument original = sampleDocument();
    PreparedDocument doc;
    QString error;
    QVERIFY2(load(saved(original), &doc, &error), qPrintable(error));
    QCOMPARE(doc.pages.size(), original.pages.size());
    for (int p = 0; p < doc.pages.size(); ++p) {
        QCOMPARE(doc.pages[p].items.size(), original.pages[p].items.size());
        for (int i = 0; i < doc.pages[p].items.size(); ++i) {
            const PreparedItem &a = doc.pages[p].items[i], &b = original.pages[p].items[i];
            QVERIFY(a.kind == b.kind && a.xMm == b.xMm && a.yMm == b.yMm && a.widthMm == b.widthMm
                    && a.heightMm == b.heightMm && a.align == b.align && a.text == b.text && a.family == b.family
                    && a.pointSize == b.pointSize && a.bold == b.bold && a.line == b.line);
        }
    }
}

// Truncated, flipped, foreign and empty files are refused with a reason.
void TestReport::damagedFilesRefused()
{
    const QByteArray good = saved(sampleDocument());
    PreparedDocument doc;
    doc.pages << PreparedPage{}; // must stay untouched on failure
    QString error;
    for (qsizetype n = 0; n < good.size(); n += n < 64 ? 1 : 97) {
        error.clear();
        QVERIFY2(!load(good.left(n), &doc, &error), qPrintable(QString::number(n)));
        QVERIFY(!error.isEmpty());
    }
    for (qsizetype i = 0; i < good.size(); i += i < 64 ? 1 : 13) {
        QByteArray bad = good;
        bad[i] = char(bad[i] ^ 0x5a);
        error.clear();
        QVERIFY2(!load(bad, &doc, &error), qPrintable(QString::number(i)));
        QVERIFY(!error.isEmpty());
    }
    QVERIFY(!load(good + "x", &doc, &error));
    QVERIFY(!load(QByteArray("%PDF-1.4\n%\xe2\xe3\xcf\xd3\n1 0 obj"), &doc, &error));
    QCOMPARE(error, QStringLiteral("The file is not a saved report."));
    QByteArray newer = good;
    newer[9] = 7; // version 7
    QVERIFY(!load(newer, &doc, &error));
    QVERIFY(error.contains(QLatin1String("version 7")));
    QCOMPARE(doc.pages.size(), 1);
}

// A file with a valid checksum is still held to what a real report can
// hold (six pages of at most a few hundred elements), and refused at once.
void TestReport::forgedReportsBounded_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal"); // empty: the file loads

    QTest::newRow("at the limits") << forged(8, 1024, 32) << QString();
    QTest::newRow("longest text") << forged(1, 1, 32767) << QString();
    QTest::newRow("65 pages") << forged(65, 1, 1) << "The saved report has 65 pages; a report has at most 64.";
    QTest::newRow("1000 heavy pages") << forged(1000, 30, 100)
                                      << "The saved report has 1000 pages; a report has at most 64.";
    QTest::newRow("crowded report") << forged(9, 1024, 1)
                                    << "The saved report has more than 8192 elements; a report has at most 8192.";
    QTest::newRow("crowded page") << forged(2, 1025, 1)
                                  << "Page 1 of the saved report has 1025 elements; a page has at most 1024.";
    QTest::newRow("overlong text") << forged(
        1, 1, 32768) << "Page 1 of the saved report holds a text of 32768 characters; a text has at most 32767.";
    QTest::newRow("empty payload") << withHeader({}) << "The saved report is damaged.";
}

void TestReport::forgedReportsBounded()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    PreparedDocument doc;
    QString error;
    QElapsedTimer clock;
    clock.start();
    const bool loaded = load(file, &doc, &error);
    QVERIFY2(clock.elapsed() < kHungMs, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(loaded, refusal.isEmpty());
    QCOMPARE(error, refusal);
    if (loaded)
        QCOMPARE(saved(doc), file); // what loads saves back byte for byte
}

// The worst a loadable file can ask of the painter, built to the bounds:
// each loads and paints a page at the preview's size, or is refused; one
// step beyond a bound is refused. How fast the worst of them paints is a
// figure of bench/bench_table; here a page that never ends painting fails.
namespace {
QByteArray page(int items, const std::function<PreparedItem(int)> &item)
{
    PreparedDocument doc;
    doc.pages << PreparedPage{};
    for (int i = 0; i < items; ++i)
        doc.pages[0].items << item(i);
    return saved(doc);
}
PreparedItem text(const QString &t, int pointSize, const QString &family = QStringLiteral("Arial"))
{
    return {PreparedItem::Text, 10, 10, 50, 4, Align::Left, t, family, pointSize};
}
} // namespace

void TestReport::forgedReportsPaintQuickly_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("refusal"); // empty: the file loads

    const auto longText = [](int i) {
        QString t(32767, u'W');
        t[0] = QChar(u'a' + i % 26);
        t[1] = QChar(u'a' + i / 26);
        return t;
    };
    QTest::newRow("longest texts") << page(64, [&](int i) { return text(longText(i), 7); }) << QString();
    QTest::newRow("longest texts, right-justified") << page(64, [&](int i) {
        PreparedItem t = text(longText(i), 7);
        t.align = Align::Right;
        return t;
    }) << QString();
    QTest::newRow("too much text on a page")
        << page(65, [&](int i) { return text(longText(i), 7); })
        << "Page 1 of the saved report holds more than 2097088 characters; a page holds at most 2097088.";
    QTest::newRow("largest letters") << page(1024, [](int i) { return text(QString(300, u'W'), 9 + i % 8); })
                                     << QString();
    QTest::newRow("letters too large") << page(1, [](int) { return text(QStringLiteral("W"), 17); })
                                       << "The saved report is damaged.";
    QTest::newRow("sixteen fonts") << page(1024, [](int i) {
        return text(QString(300, u'W'), 16, QStringLiteral("Font%1").arg(i % 16));
    }) << QString();
    QTest::newRow("seventeen fonts") << page(17, [](int i) { return text(QStringLiteral("W"), 7, QString::number(i)); })
                                     << "The saved report uses more than 16 fonts; a report uses at most 16.";
    QTest::newRow("characters the font lacks")
        << page(64, [](int) { return text(QString(32767, QChar(0x4e00)), 7); })
        << "Page 1 of the saved report holds a character that a report does not print.";
    QTest::newRow("control characters") << page(1, [](int) { return text(QStringLiteral("a\tb"), 7); })
                                        << "Page 1 of the saved report holds a character that a report does not print.";
    const auto shape = [](double x, double w) {
        PreparedItem item;
        item.kind = PreparedItem::Shape;
        item.xMm = x;
        item.widthMm = item.heightMm = w;
        return item;
    };
    QTest::newRow("sheet painted over four times")
        << page(1024, [&](int i) { return i < 4 ? shape(-5, 10000) : shape(0, 0); }) << QString();
    QTest::newRow("sheet painted over 1024 times")
        << page(1024, [&](int) { return shape(0, 300); })
        << "Page 1 of the saved report paints over its sheet more than 4 times.";
}

void TestReport::forgedReportsPaintQuickly()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, refusal);
    PreparedDocument doc;
    QString error;
    QCOMPARE(load(file, &doc, &error), refusal.isEmpty());
    QCOMPARE(error, refusal);
    if (!refusal.isEmpty())
        return;
    // The sheet as the preview shows it zoomed to a wide screen's width.
    QImage image(1300, 1840, QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 2; ++pass) { // the first also meets the fonts
        QElapsedTimer clock;
        clock.start();
        QPainter painter(&image);
        painter.scale(1300 / (210 * 96 / 25.4), 1300 / (210 * 96 / 25.4));
        paintPage(painter, doc.pages[0], 96);
        painter.end();
        QVERIFY2(clock.elapsed() < kHungMs,
                 qPrintable(QStringLiteral("pass %1: %2 ms").arg(pass).arg(clock.elapsed())));
    }
}

void TestReport::pdfOutput()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("poppler-utils are not installed");
    QTemporaryDir dir;
    SixPages six;
    // Fill the pages up to the size of the real ones: about 150 labels.
    for (ReportPage *page : six.pages)
        for (int i = 0; i < 150; ++i) {
            const QByteArray name = "Extra" + QByteArray::number(i);
            LabelRow row{name.constData(), 2.0 + (i % 3) * 60, 80.0 + (i / 3) * 3.5, 0, 0, "", 7};
            auto *label = new ReportLabel(row, page->band());
            label->setCaption(QStringLiteral("Budynki lub ich części związane z %1").arg(i));
        }
    ReportPage *first = six.pages[0];
    first->label(QStringLiteral("P1"))->setCaption(QStringLiteral("Zażółć gęślą jaźń ŻÓŁW"));
    first->label(QStringLiteral("P10"))->setCaption(QStringLiteral("1234,56"));
    first->label(QStringLiteral("P5"))->setCaption(QStringLiteral("7,5"));

    const QString path = dir.filePath(QStringLiteral("raport.pdf"));
    const PreparedDocument doc = six.report.run();
    QElapsedTimer timer;
    timer.start();
    QString error;
    QVERIFY2(writePdf(doc, path, &error), qPrintable(error));
    qInfo("six pages written in %lld ms, %lld bytes", timer.elapsed(), QFileInfo(path).size());
    QVERIFY(QFileInfo(path).size() < 200 * 1024);
    const QList<pdfcheck::PageWords> pages = pdfcheck::readPdf(path); // words in mm
    QCOMPARE(pages.size(), 6);

    auto word = [&](const QString &text) {
        for (const pdfcheck::Word &w : pages[0])
            if (w.text == text)
                return w;
        return pdfcheck::Word{};
    };
    const pdfcheck::Word left = word(QStringLiteral("Zażółć")), right = word(QStringLiteral("1234,56")),
                         p5 = word(QStringLiteral("7,5"));
    QCOMPARE(word(QStringLiteral("ŻÓŁW")).text, QStringLiteral("ŻÓŁW"));
    QCOMPARE(word(QStringLiteral("gęślą")).text, QStringLiteral("gęślą"));
    QVERIFY2(std::fabs(left.xMin - (10 + 49.21)) < 0.1, qPrintable(QString::number(left.xMin)));
    QVERIFY2(std::fabs(left.yMin - (10 + 29.90)) < 0.3, qPrintable(QString::number(left.yMin)));
    QVERIFY2(std::fabs(right.xMax - (10 + 78.32)) < 0.1, qPrintable(QString::number(right.xMax)));
    QVERIFY2(std::fabs(p5.xMax - (10 + 76.99)) < 0.1, qPrintable(QString::number(p5.xMax)));
    QVERIFY2(std::fabs(right.yMin - (10 + 123.83)) < 0.3, qPrintable(QString::number(right.yMin)));
    QCOMPARE(word(QStringLiteral("6/6")).text, QString()); // page 1 carries its own footer
    QCOMPARE(pages[5].last().text, QStringLiteral("6/6"));

    QVERIFY(!writePdf(PreparedDocument{}, dir.filePath(QStringLiteral("empty.pdf")), &error));
    QVERIFY(!writePdf(doc, dir.filePath(QStringLiteral("missing/dir/x.pdf")), &error));
    QVERIFY(error.contains(QLatin1String("missing/dir/x.pdf")));
}

// A job goes to the printer the settings name, else the default one, and
// the range and copies it asks for; without a printer to take it, printing
// says why. The printers stand in for the system's.
void TestReport::printingChoosesThePrinter()
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("druk.pdf"));
    SixPages six;
    QString error;
    PrintedJob job;
    {
        StandInPrinters none;
        QVERIFY(!six.report.print(&error));
        QCOMPARE(error, QStringLiteral("No printer is installed. Install a printer, or save the report as PDF."));
    }
    {
        StandInPrinters noDefault({QStringLiteral("Testowa")}, {}, pdf);
        QVERIFY(!six.report.print(&error));
        QCOMPARE(error, QStringLiteral("No default printer is set. Choose a printer in Printer setup."));
        six.report.printerSettings().printerName = QStringLiteral("Zdjęta");
        QVERIFY(!six.report.print(&error));
        QCOMPARE(error, QStringLiteral("The printer \"Zdjęta\" is not available. Choose another printer in "
                                       "Printer setup."));
        six.report.printerSettings().printerName = QStringLiteral("Testowa");
        QVERIFY2(six.report.print(&error, &job), qPrintable(error));
        QCOMPARE(job.printerName, QStringLiteral("Testowa"));
        QCOMPARE(job.pages, 6);
    }
    StandInPrinters printers({QStringLiteral("Testowa")}, QStringLiteral("Testowa"), pdf);
    PrinterSettings &settings = six.report.printerSettings();
    settings = PrinterSettings{};
    settings.fromPage = 2;
    settings.toPage = 9; // the part of the range that exists
    settings.copies = 2;
    QVERIFY2(six.report.print(&error, &job), qPrintable(error));
    QCOMPARE(job.pages, 5);
    QCOMPARE(job.copies, 2);
    if (!QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty()) {
        const QList<pdfcheck::PageWords> pages = pdfcheck::readPdf(pdf);
        QVERIFY(pages.size() >= 5); // a printer may repeat the sheets for the copies itself
        QCOMPARE(pages[0].last().text, QStringLiteral("2/6"));
        QCOMPARE(pages[4].last().text, QStringLiteral("6/6"));
    }
    settings.fromPage = settings.toPage = 7;
    QVERIFY(!six.report.print(&error));
    QCOMPARE(error, QStringLiteral("The page range 7 to 7 contains no page of the report."));

    CompositeReport empty;
    QVERIFY(!empty.print(&error));
    QVERIFY(!error.isEmpty());
}

void TestReport::previewWindow()
{
    RecordingSink sink;
    ScopedMessages guard(&sink);
    SixPages six;
    SixPagePreview w(six);
    QCOMPARE(w.windowTitle(), QStringLiteral("Print Preview"));
    auto action = [&](const char *name) { return w.findChild<QAction *>(QString::fromLatin1(name)); };
    QVERIFY(!action("actionPrint")->isEnabled());
    QVERIFY(!action("actionPrinterSetup")->isEnabled());

    QStringList hints;
    for (QAction *a : w.findChild<QToolBar *>()->actions())
        if (!a->isSeparator())
            hints << (a->objectName() == QLatin1String("actionClose") ? a->text() : a->toolTip());
    QCOMPARE(hints,
             (QStringList{"Zoom to fit", "100%", "Zoom to width", "First page", "Previous page", "Next page",
                          "Last page", "Printer setup", "Print", "Save Report", "Load Report", "Save PDF", "&Close"}));

    w.resize(1000, 800);
    w.show();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    QTRY_VERIFY(w.isPrepared());
    auto *pagePanel = w.findChild<QLabel *>(QStringLiteral("pagePanel"));
    QCOMPARE(pagePanel->text(), QStringLiteral("Page 1 of 6"));
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("progressPanel"))->text(), QString());
    QVERIFY(action("actionPrint")->isEnabled());
    QVERIFY(action("actionPrinterSetup")->isEnabled());

    // Zoom: to width on opening; fixed values only within 2 ... 2000 %.
    QVERIFY(action("actionZoomWidth")->isChecked());
    const int widthZoom = w.zoom();
    QVERIFY(widthZoom > 20 && widthZoom < 200);
    QVERIFY(!w.setZoom(1));
    QVERIFY(!w.setZoom(2001));
    QCOMPARE(w.zoom(), widthZoom);
    QVERIFY(w.setZoom(2));
    QVERIFY(w.setZoom(2000));
    action("actionZoom100")->trigger();
    QCOMPARE(w.zoom(), 100);
    action("actionZoomFit")->trigger();
    QVERIFY(w.zoom() < widthZoom);

    // Keys.
    struct Step {
        int key;
        Qt::KeyboardModifiers mods;
        int page;
    };
    for (const Step &s :
         {Step{Qt::Key_PageDown, {}, 2}, Step{Qt::Key_End, {}, 6}, Step{Qt::Key_PageDown, {}, 6},
          Step{Qt::Key_PageUp, {}, 5}, Step{Qt::Key_Home, {}, 1}, Step{Qt::Key_PageUp, {}, 1},
          Step{Qt::Key_PageDown, Qt::ControlModifier, 6}, Step{Qt::Key_PageUp, Qt::ControlModifier, 1}}) {
        QTest::keyClick(&w, Qt::Key(s.key), s.mods);
        QCOMPARE(w.currentPage(), s.page);
    }
    action("actionLastPage")->trigger();
    QCOMPARE(pagePanel->text(), QStringLiteral("Page 6 of 6"));
    QVERIFY(!w.goToPage(7));
    QVERIFY(!w.goToPage(0));
    QCOMPARE(w.currentPage(), 6);

    // Print goes to the (missing) printer and says why it failed.
    StandInPrinters none;
    action("actionPrint")->trigger();
    QCOMPARE(sink.texts().size(), 1);
    QVERIFY(sink.texts().first().startsWith(QLatin1String("No printer is installed")));

    QSignalSpy closed(&w, &PreviewWindow::closed);
    QTest::keyClick(&w, Qt::Key_Escape);
    QCOMPARE(closed.count(), 1);
    QVERIFY(!w.isVisible());

    // Closing before the pages are ready stops the preparation.
    SixPagePreview early(six);
    early.close();
    QTest::qWait(20);
    QCOMPARE(early.pageCount(), 0);
    QVERIFY(!early.isPrepared());
}

// What the check found is read out: the box's name is the heading, the
// label's name its lines (a name of its own would hide them), and the
// label sits in the box in the tree a screen reader walks.
void TestReport::remarksReadByAScreenReader()
{
    SixPages six;
    SixPagePreview w(six);
    const QStringList lines{QStringLiteral("poz. 7: Maksymalna stawka to 0,66 zł"),
                            QStringLiteral("poz. 50: Niepoprawna wartość w polu 50 (błąd sumowania)")};
    w.setRemarks(lines);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QAccessibleInterface *box =
        QAccessible::queryAccessibleInterface(w.findChild<QGroupBox *>(QStringLiteral("remarksBox")));
    QAccessibleInterface *label =
        QAccessible::queryAccessibleInterface(w.findChild<QLabel *>(QStringLiteral("remarks")));
    QVERIFY(box && label);
    QCOMPARE(box->text(QAccessible::Name), QStringLiteral("Document check"));
    QCOMPARE(label->role(), QAccessible::StaticText);
    QCOMPARE(label->text(QAccessible::Name), lines.join(u'\n'));
    QVERIFY(!label->state().invisible);
    QAccessibleInterface *up = label->parent();
    while (up && up != box)
        up = up->parent();
    QVERIFY(up == box);

    // A fresh run says nothing until its own findings come.
    w.setRemarks({});
    QVERIFY(box->state().invisible);
    QCOMPARE(label->text(QAccessible::Name), QString());
}

void TestReport::previewLoadAndSetup()
{
    RecordingSink sink;
    ScopedMessages guard(&sink);
    QTemporaryDir dir;
    SixPages six;
    SixPagePreview w(six);
    QTRY_VERIFY(w.isPrepared());

    // Printer setup: OK stores the choice, Cancel keeps the settings.
    w.printDialog = [](QPrinter &printer, int count) {
        if (count != 6 || printer.printRange() != QPrinter::AllPages || printer.copyCount() != 1)
            return false;
        printer.setCopyCount(2);
        printer.setPageOrientation(QPageLayout::Landscape);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 4);
        return true;
    };
    w.findChild<QAction *>(QStringLiteral("actionPrinterSetup"))->trigger();
    PrinterSettings &s = six.report.printerSettings();
    QCOMPARE(s.copies, 2);
    QCOMPARE(s.orientation, QPageLayout::Landscape);
    QCOMPARE(s.fromPage, 2);
    QCOMPARE(s.toPage, 4);
    w.printDialog = [](QPrinter &printer, int) {
        printer.setCopyCount(9);
        return false;
    };
    w.printerSetup();
    QCOMPARE(s.copies, 2);

    // Save through the dialog hook; the extension is added.
    const QString savedPath = dir.filePath(QStringLiteral("raport"));
    w.saveFileName = [&](const QString &title, const QString &, const QString &) {
        return title == QLatin1String("Save report") ? savedPath : QString();
    };
    w.findChild<QAction *>(QStringLiteral("actionSaveReport"))->trigger();
    QVERIFY(QFile::exists(savedPath + ".iqr"));

    // A missing file and a damaged file leave the window as it was.
    w.goToPage(3);
    QString asked;
    w.openFileName = [&](const QString &title, const QString &) {
        asked = title;
        return dir.filePath(QStringLiteral("nie-ma.iqr"));
    };
    w.findChild<QAction *>(QStringLiteral("actionLoadReport"))->trigger();
    QCOMPARE(asked, QStringLiteral("Load report"));
    QCOMPARE(sink.texts(), QStringList{QStringLiteral("File does not exist")});
    QCOMPARE(w.currentPage(), 3);
    QFile damaged(dir.filePath(QStringLiteral("damaged.iqr")));
    QVERIFY(damaged.open(QIODevice::WriteOnly));
    damaged.write(saved(sampleDocument()).left(300));
    damaged.close();
    QVERIFY(!w.loadReport(damaged.fileName()));
    QCOMPARE(sink.entries.last().kind, RecordingSink::Entry::Error);
    QVERIFY(sink.texts().last().contains(QLatin1String("incomplete")));
    QCOMPARE(w.pageCount(), 6);
    QCOMPARE(w.currentPage(), 3);

#if !defined(Q_OS_WIN) // a Windows folder holds no FIFO
    // A FIFO in a report's place is refused at once, not waited on. Should
    // the load wait, a writer ends the wait only after kHungMs, and says so.
    const QByteArray fifo = QFile::encodeName(dir.filePath(QStringLiteral("fifo.iqr")));
    QCOMPARE(mkfifo(fifo.constData(), 0600), 0);
    std::mutex mutex;
    std::condition_variable done;
    bool returned = false, waitedOn = false;
    std::thread writer([&] {
        std::unique_lock lock(mutex);
        if (done.wait_for(lock, std::chrono::milliseconds(kHungMs), [&] { return returned; }))
            return;
        waitedOn = true;
        if (const int fd = ::open(fifo.constData(), O_WRONLY | O_NONBLOCK); fd >= 0)
            ::close(fd);
    });
    const bool fifoLoaded = w.loadReport(QFile::decodeName(fifo));
    {
        std::lock_guard lock(mutex);
        returned = true;
    }
    done.notify_one();
    writer.join();
    QVERIFY(!waitedOn);
    QVERIFY(!fifoLoaded);
    QVERIFY(sink.texts().last().contains(QLatin1String("not a regular file")));
    QCOMPARE(w.windowTitle(), QStringLiteral("Print Preview"));
#endif

    // A good file: its page 1 on show, its name in the title, Print on,
    // Printer setup off.
    QVERIFY(w.loadReport(savedPath + ".iqr"));
    QCOMPARE(w.windowTitle(), QStringLiteral("Print Preview - raport.iqr"));
    QCOMPARE(w.currentPage(), 1);
    QCOMPARE(w.pageCount(), 6);
    QVERIFY(w.findChild<QAction *>(QStringLiteral("actionPrint"))->isEnabled());
    QVERIFY(!w.findChild<QAction *>(QStringLiteral("actionPrinterSetup"))->isEnabled());

    // Without an export handler there is nothing to export.
    QVERIFY(!w.findChild<QAction *>(QStringLiteral("actionExport")));

    // Save PDF writes what is on show, offered beside the loaded file.
    QString offered;
    w.saveFileName = [&](const QString &, const QString &, const QString &proposed) {
        offered = proposed;
        return dir.filePath(QStringLiteral("kopia"));
    };
    w.findChild<QAction *>(QStringLiteral("actionSavePdf"))->trigger();
    QCOMPARE(offered, savedPath + ".pdf");
    QVERIFY(QFileInfo(dir.filePath(QStringLiteral("kopia.pdf"))).size() > 1000);
    QCOMPARE(w.findChild<QLabel *>(QStringLiteral("noticePanel"))->text(),
             "PDF saved to " + QDir::toNativeSeparators(dir.filePath(QStringLiteral("kopia.pdf"))));
}

// preview() waits for the window to close while events keep flowing; a
// second call during the wait shows a fresh run in the open window.
void TestReport::previewCall()
{
    SixPages six;
    bool secondReturned = false, freshRun = false;
    int pagesSeen = 0;
    QTimer::singleShot(0, &six.report, [&] {
        auto *open = qobject_cast<PreviewWindow *>(six.report.openPreview());
        QVERIFY(open);
        QTRY_VERIFY(open->isPrepared());
        six.pages[0]->label(QStringLiteral("P1"))->setCaption(QStringLiteral("0201011"));
        six.report.preview();
        secondReturned = six.report.openPreview() == open;
        QTRY_VERIFY(open->isPrepared());
        pagesSeen = open->pageCount();
        for (const PreparedItem &item : open->document().pages[0].items)
            freshRun = freshRun || item.text == QLatin1String("0201011");
        open->close();
    });
    six.report.preview();
    QVERIFY(secondReturned);
    QCOMPARE(pagesSeen, 6);
    QVERIFY(freshRun);
    QVERIFY(!six.report.openPreview()); // deleted after closing

    CompositeReport empty; // no pages: no window, no wait
    empty.preview();
    QVERIFY(!empty.openPreview());
}

// A write that fails, cut short (a file-size limit stands in for a full
// disk) or refused (a PDF or a saved report the clerk made read-only is
// kept, by root too, as a data file is), is reported with the file's name
// and the reason, and the file that was there before stays as it was.
void TestReport::failedWritesExplained_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<int>("limit"); // bytes a file may grow to; -1: no limit, the file is read-only

    QTest::newRow("report, nothing fits") << false << 0;
    QTest::newRow("report, cut in the payload") << false << 200;
    QTest::newRow("PDF, nothing fits") << true << 0;
    QTest::newRow("PDF, cut part-way") << true << 5000;
    QTest::newRow("Save PDF over a read-only file") << true << -1;
    QTest::newRow("Save Report over a read-only file") << false << -1;
}

void TestReport::failedWritesExplained()
{
    QFETCH(bool, pdf);
    QFETCH(int, limit);
    const bool readOnly = limit < 0;
#if defined(Q_OS_WIN)
    if (!readOnly)
        QSKIP("Windows has no per-process file size limit to make a write fail part-way");
#endif
    RecordingSink sink;
    ScopedMessages guard(&sink);
    QTemporaryDir dir;
    SixPages six;
    SixPagePreview w(six);
    QTRY_VERIFY(w.isPrepared());
    const QString path = dir.filePath(pdf ? QStringLiteral("wynik.pdf") : QStringLiteral("raport.iqr"));
    QFile earlier(path);
    QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("earlier") == 7);
    earlier.close();
    if (readOnly)
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));

    bool written;
    {
#if !defined(Q_OS_WIN)
        std::optional<testfs::FileSizeLimit> cap;
        if (!readOnly)
            cap.emplace(limit);
#endif
        written = pdf ? w.writePdf(path) : w.saveReport(path);
    }
    QVERIFY(!written);
    QCOMPARE(sink.entries.size(), 1);
    QCOMPARE(sink.entries[0].kind, RecordingSink::Entry::Error);
    const QString &text = sink.entries[0].text;
    if (readOnly)
        QVERIFY2(text.contains(QStringLiteral("\"%1\"").arg(QFileInfo(path).fileName()))
                     && text.contains(QLatin1String("read-only")),
                 qPrintable(text));
    else
        QVERIFY2(text.contains(path) && text.contains(QLatin1String("File too large")), qPrintable(text));
    QVERIFY(earlier.open(QIODevice::ReadOnly) && earlier.readAll() == "earlier");
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QFileInfo(path).fileName()});
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    // Whatever the machine has installed, no test prints on it.
    StandInPrinters none;
    TestReport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_report.moc"
