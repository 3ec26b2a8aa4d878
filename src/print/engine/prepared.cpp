#include "print/engine/prepared.h"

#include "storage/cp1250.h"
#include "storage/safefile.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDataStream>
#include <QPainter>
#include <QPdfWriter>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <cmath>

// Prepared-report file:
//   8 bytes  magic "IQXREPRT"
//   quint16  format version
//   quint32  payload length
//   32 bytes SHA-256 of the payload
//   payload  QDataStream (Qt 6.0, big-endian): page count, then per page
//            its size and items.
// The checksum rejects damaged files before anything is parsed; the parser
// still bounds every count, size and value, so a file that was forged with
// a matching checksum cannot make the reader allocate or draw nonsense, nor
// keep the window busy drawing more than a real report holds: what costs
// time to draw is a font not met before (each face and size is loaded
// afresh), a character that the font lacks (drawn through a slow
// fallback), large letters (drawn as outlines) and paint over the whole
// sheet, so these are bounded too. The reader
// takes only what the writer writes, so loading and saving again gives the
// same bytes.
namespace iqx::report {

namespace {

constexpr char kMagic[8] = {'I', 'Q', 'X', 'R', 'E', 'P', 'R', 'T'};
constexpr quint16 kVersion = 1;
constexpr int kHashSize = 32;
constexpr int kHeaderSize = 8 + 2 + 4 + kHashSize;
// A full document prints six pages of 1060 elements in all, the busiest
// page 255, with every box and check box filled. A text is one line of a
// label, at most what one entry box holds (32767 characters). The whole
// payload of a document whose every box is full stays near 10 MiB.
constexpr quint32 kMaxPayload = 16u << 20;
constexpr quint32 kMaxPages = 64;
constexpr quint32 kMaxItems = 1024;
constexpr quint32 kMaxItemsInAll = 8192;
constexpr qsizetype kMaxText = 32767;
constexpr qsizetype kMaxFamily = 200;
constexpr double kMaxMm = 10000.0;
// The pages print Arial of 7, 9, 10 and 12 pt, regular and bold: eight
// fonts. A text is Windows-1250, the document's character set, which the
// font has whole. A page's boxes and rules cover its band and the labels'
// boxes, about one and a half sheets; painted area beyond the sheet
// costs nothing and is not counted.
constexpr int kMaxPointSize = 16;
constexpr qsizetype kMaxFonts = 16;
constexpr double kMaxCoveredSheets = 4.0;
// No page carries more than 61 positions: at most 64 full boxes of text a
// page, which is what the time to lay the texts out grows with.
constexpr qsizetype kMaxPageText = 64 * kMaxText;

QString tr(const char *text) { return QCoreApplication::translate("PreparedReport", text); }

QByteArray sha256(const QByteArray &data) { return QCryptographicHash::hash(data, QCryptographicHash::Sha256); }

// Writes all of `bytes`. A write cut short (a full disk, a file-size limit)
// is retried with the rest, so that the next attempt fails with the
// system's reason in the device's error string instead of none at all.
bool writeAll(QIODevice &out, const QByteArray &bytes)
{
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = out.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool validLength(double v) { return std::isfinite(v) && v >= 0 && v <= kMaxMm; }
bool validCoordinate(double v) { return std::isfinite(v) && std::fabs(v) <= kMaxMm; }

bool readItem(QDataStream &in, PreparedItem &item)
{
    quint8 kind = 0, align = 0, bold = 0;
    qint32 pointSize = 0, line = 0;
    in >> kind >> item.xMm >> item.yMm >> item.widthMm >> item.heightMm >> align >> item.text >> item.family
        >> pointSize >> bold >> line;
    if (in.status() != QDataStream::Ok || kind > PreparedItem::Text || align > quint8(Align::Center) || bold > 1)
        return false;
    if (!validCoordinate(item.xMm) || !validCoordinate(item.yMm) || !validLength(item.widthMm)
        || !validLength(item.heightMm))
        return false;
    if (item.family.size() > kMaxFamily)
        return false;
    if (kind == PreparedItem::Text && (pointSize < 1 || pointSize > kMaxPointSize || line < 0 || line > 1000))
        return false;
    item.kind = PreparedItem::Kind(kind);
    item.align = Align(align);
    item.pointSize = pointSize;
    item.bold = bold;
    item.line = line;
    return true;
}

} // namespace

bool savePrepared(const PreparedDocument &doc, QIODevice &out)
{
    QByteArray payload;
    {
        QDataStream s(&payload, QIODevice::WriteOnly);
        s.setVersion(QDataStream::Qt_6_0);
        s << quint32(doc.pages.size());
        for (const PreparedPage &page : doc.pages) {
            s << page.widthMm << page.heightMm << quint32(page.items.size());
            for (const PreparedItem &i : page.items)
                s << quint8(i.kind) << i.xMm << i.yMm << i.widthMm << i.heightMm << quint8(i.align) << i.text
                  << i.family << qint32(i.pointSize) << i.bold << qint32(i.line);
        }
    }
    QByteArray header(kMagic, sizeof kMagic);
    {
        QDataStream s(&header, QIODevice::Append);
        s << kVersion << quint32(payload.size());
    }
    header += sha256(payload);
    return writeAll(out, header) && writeAll(out, payload);
}

namespace {

// Reads the header and the payload it guards. Empty on success, else why
// the file is refused.
QString readPayload(QIODevice &in, QByteArray *payload)
{
    const QByteArray header = in.read(kHeaderSize);
    if (header.size() < int(sizeof kMagic) || !header.startsWith(QByteArray(kMagic, sizeof kMagic)))
        return tr("The file is not a saved report.");
    if (header.size() < kHeaderSize)
        return tr("The saved report is incomplete.");
    quint16 version = 0;
    quint32 length = 0;
    {
        QDataStream s(header.mid(sizeof kMagic, 6));
        s >> version >> length;
    }
    if (version != kVersion)
        return tr("The saved report has format version %1, which this program cannot read.").arg(version);
    if (length > kMaxPayload)
        return tr("The saved report is damaged.");
    *payload = in.read(length);
    if (payload->size() < qsizetype(length))
        return tr("The saved report is incomplete.");
    if (sha256(*payload) != header.right(kHashSize) || !in.read(1).isEmpty())
        return tr("The saved report is damaged.");
    return {};
}

// What the painting bounds count while one report is read.
struct Budget {
    double coveredMm2 = 0;    // of the current page, within its sheet
    qsizetype characters = 0; // of the current page
    QSet<QString> fonts;      // of the whole report
};

// Empty when `item`, on page `p` (0-based), keeps within the bounds, else
// why the report is refused.
QString checkItem(const PreparedItem &item, const PreparedPage &page, quint32 p, Budget &budget)
{
    if (item.kind != PreparedItem::Text) {
        const double w = std::min(item.xMm + item.widthMm, page.widthMm) - std::max(item.xMm, 0.0);
        const double h = std::min(item.yMm + item.heightMm, page.heightMm) - std::max(item.yMm, 0.0);
        budget.coveredMm2 += std::max(w, 0.0) * std::max(h, 0.0);
        if (budget.coveredMm2 > kMaxCoveredSheets * page.widthMm * page.heightMm)
            return tr("Page %1 of the saved report paints over its sheet more than %2 times.")
                .arg(p + 1)
                .arg(kMaxCoveredSheets);
    }
    if (item.text.size() > kMaxText)
        return tr("Page %1 of the saved report holds a text of %2 characters; a text has at most %3.")
            .arg(p + 1)
            .arg(item.text.size())
            .arg(kMaxText);
    if (item.kind != PreparedItem::Text)
        return {};
    budget.characters += item.text.size();
    if (budget.characters > kMaxPageText)
        return tr("Page %1 of the saved report holds more than %2 characters; a page holds at most %2.")
            .arg(p + 1)
            .arg(kMaxPageText);
    const bool control =
        std::any_of(item.text.begin(), item.text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (control || !iqx::cp1250::representable(item.text))
        return tr("Page %1 of the saved report holds a character that a report does not print.").arg(p + 1);
    budget.fonts.insert(QStringLiteral("%1/%2/%3").arg(item.family).arg(item.pointSize).arg(item.bold));
    if (budget.fonts.size() > kMaxFonts)
        return tr("The saved report uses more than %1 fonts; a report uses at most %1.").arg(kMaxFonts);
    return {};
}

} // namespace

bool loadPrepared(QIODevice &in, PreparedDocument *doc, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QByteArray payload;
    if (const QString why = readPayload(in, &payload); !why.isEmpty())
        return fail(why);

    QDataStream s(payload);
    s.setVersion(QDataStream::Qt_6_0);
    PreparedDocument result;
    quint32 pages = 0;
    s >> pages;
    if (s.status() != QDataStream::Ok)
        return fail(tr("The saved report is damaged."));
    if (pages > kMaxPages)
        return fail(tr("The saved report has %1 pages; a report has at most %2.").arg(pages).arg(kMaxPages));
    quint32 itemsInAll = 0;
    Budget budget;
    for (quint32 p = 0; p < pages; ++p) {
        PreparedPage page;
        quint32 items = 0;
        s >> page.widthMm >> page.heightMm >> items;
        if (s.status() != QDataStream::Ok || !validLength(page.widthMm) || !validLength(page.heightMm)
            || page.widthMm <= 0 || page.heightMm <= 0)
            return fail(tr("The saved report is damaged."));
        if (items > kMaxItems)
            return fail(tr("Page %1 of the saved report has %2 elements; a page has at most %3.")
                            .arg(p + 1)
                            .arg(items)
                            .arg(kMaxItems));
        itemsInAll += items;
        if (itemsInAll > kMaxItemsInAll)
            return fail(tr("The saved report has more than %1 elements; a report has at most %1.").arg(kMaxItemsInAll));
        page.items.resize(items);
        budget.coveredMm2 = 0;
        budget.characters = 0;
        for (PreparedItem &item : page.items) {
            if (!readItem(s, item))
                return fail(tr("The saved report is damaged."));
            if (const QString why = checkItem(item, page, p, budget); !why.isEmpty())
                return fail(why);
        }
        result.pages << page;
    }
    if (!s.atEnd())
        return fail(tr("The saved report is damaged."));
    if (doc)
        *doc = std::move(result);
    return true;
}

bool writePdf(const PreparedDocument &doc, const QString &path, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (doc.pages.isEmpty())
        return fail(tr("The report has no pages."));
    // The pages stream into the program's safe writer: a temporary file
    // beside the target that replaces it only once it is whole and on the
    // disk. The PDF writer ignores failed writes; the file keeps the first
    // one's reason and reports it on commit.
    const QFileInfo target(path);
    AtomicFileDevice file(target.absoluteDir(), target.fileName());
    bool painted = false;
    {
        constexpr int kDpi = 1200;
        QPdfWriter writer(&file);
        writer.setResolution(kDpi);
        writer.setCreator(QStringLiteral("Informacja QX"));
        writer.setTitle(QStringLiteral("Informacja"));
        // No margins: the sheets carry their own, the band sits at 10 mm.
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (painter.begin(&writer)) {
            for (qsizetype i = 0; i < doc.pages.size(); ++i) {
                if (i > 0)
                    writer.newPage();
                doc.paintPage(painter, int(i), kDpi);
            }
            painted = painter.end();
        }
    }
    if (painted && file.commit().isEmpty())
        return true;
    if (file.writer().refused())
        return fail(file.writer().error());
    const QString reason = file.writer().reason();
    if (reason.isEmpty())
        return fail(tr("Cannot write the file \"%1\".").arg(QDir::toNativeSeparators(path)));
    return fail(tr("Cannot write the file \"%1\": %2").arg(QDir::toNativeSeparators(path), reason));
}

} // namespace iqx::report
