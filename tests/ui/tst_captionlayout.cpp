// The captions of the entry pages and of the title block take the room they
// were laid out for: no caption line runs into another caption or into a
// box. A caption's extent is its text as the label's own font measures it,
// not the label's geometry, so a font engine that sets the text wider than
// the layout allows (hinted advances, a stretch applied differently) fails
// here on the platform where it happens.
//
// IQX_CAPTION_DUMP=<file> also writes there every caption line's extent (left,
// right, top and bottom of its capitals, tab-separated, one line each), so
// that the layouts of two platforms can be compared.
#include "support/guitest.h"
#include "ui/pages/entrytable.h"

#include <QCheckBox>
#include <QFile>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextStream>
#include <QtTest>

#include <memory>

namespace {

// What a caption line covers: from the first to the last letter, and
// vertically the band of the capitals, from the baseline up. Accents and
// descenders are left out: the layout stacks caption lines closer than
// their full line height, as the form does.
struct CaptionLine {
    QString text;
    QPoint labelAt;
    QRectF ink;
};

struct Box {
    QString name;
    QRectF rect;
};

// Ink is counted as touching only from half a pixel on: rounding alone
// never makes two extents meet by more.
constexpr qreal kTolerance = 0.5;

bool shown(const QWidget *w, const QWidget *surface) { return w->isVisibleTo(surface) || !w->isHidden(); }

QList<CaptionLine> captionLines(const QWidget *surface)
{
    QList<CaptionLine> out;
    for (const QLabel *label : surface->findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        if (!shown(label, surface) || label->text().trimmed().isEmpty())
            continue;
        const QFontMetricsF fm(label->font());
        const QRect cr = label->contentsRect().translated(label->pos());
        const QStringList lines = label->text().split(u'\n');
        const qreal textHeight = lines.size() * fm.lineSpacing() - fm.leading();
        const Qt::Alignment align = label->alignment();
        qreal top = cr.top();
        if (align & Qt::AlignVCenter)
            top += (cr.height() - textHeight) / 2;
        else if (align & Qt::AlignBottom)
            top += cr.height() - textHeight;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const QString &line = lines[i];
            const QString letters = line.trimmed();
            if (letters.isEmpty())
                continue;
            const qreal whole = fm.horizontalAdvance(line);
            qreal left = cr.left();
            if (align & Qt::AlignRight)
                left += cr.width() - whole;
            else if (align & Qt::AlignHCenter)
                left += (cr.width() - whole) / 2;
            left += fm.horizontalAdvance(line.left(line.indexOf(letters)));
            const qreal baseline = top + i * fm.lineSpacing() + fm.ascent();
            out.append({letters, label->pos(),
                        QRectF(QPointF(left, baseline - fm.capHeight()),
                               QPointF(left + fm.horizontalAdvance(letters), baseline))});
        }
    }
    return out;
}

QList<Box> boxes(const QWidget *surface)
{
    QList<Box> out;
    for (const QWidget *w : surface->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (!shown(w, surface))
            continue;
        QRectF rect = w->geometry();
        if (const auto *check = qobject_cast<const QCheckBox *>(w))
            // The mark and its "TAK"; the rest of the control's width is empty.
            rect.setWidth(std::min(check->sizeHint().width(), check->width()));
        else if (!qobject_cast<const QLineEdit *>(w) && !qobject_cast<const QPushButton *>(w))
            continue;
        out.append({w->objectName(), rect});
    }
    return out;
}

bool meet(const QRectF &a, const QRectF &b)
{
    const QRectF both = a.intersected(b);
    return both.width() > kTolerance && both.height() > kTolerance;
}

QString describe(const CaptionLine &c)
{
    return QStringLiteral("\"%1\" (label at %2,%3; x %4 to %5)")
        .arg(c.text)
        .arg(c.labelAt.x())
        .arg(c.labelAt.y())
        .arg(c.ink.left(), 0, 'f', 1)
        .arg(c.ink.right(), 0, 'f', 1);
}

// Every caption line that runs into another one or into a box, in words.
QStringList collisions(const QWidget *surface)
{
    const QList<CaptionLine> lines = captionLines(surface);
    const QList<Box> controls = boxes(surface);
    QStringList found;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        for (qsizetype j = i + 1; j < lines.size(); ++j)
            if (meet(lines[i].ink, lines[j].ink))
                found << describe(lines[i]) + QStringLiteral(" runs into ") + describe(lines[j]);
        for (const Box &box : controls)
            if (meet(lines[i].ink, box.rect))
                found << describe(lines[i]) + QStringLiteral(" runs into ") + box.name
                             + QStringLiteral(" (x %1 to %2)").arg(box.rect.left()).arg(box.rect.right());
    }
    return found;
}

void dump(const QString &surfaceName, const QWidget *surface)
{
    const QString path = qEnvironmentVariable("IQX_CAPTION_DUMP");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    const auto number = [](qreal v) { return QString::number(v, 'f', 2); };
    for (const CaptionLine &c : captionLines(surface))
        out << surfaceName << '\t' << number(c.ink.left()) << '\t' << number(c.ink.right()) << '\t'
            << number(c.ink.top()) << '\t' << number(c.ink.bottom()) << '\t' << c.text << '\n';
}

} // namespace

class TestCaptionLayout : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { f_ = std::make_unique<guitest::Window>(); }
    void cleanupTestCase() { f_.reset(); }
    void noCaptionRunsIntoAnother_data();
    void noCaptionRunsIntoAnother();
    void collisionsAreFound();

private:
    std::unique_ptr<guitest::Window> f_;
};

void TestCaptionLayout::noCaptionRunsIntoAnother_data()
{
    QTest::addColumn<QString>("surface");
    QTest::newRow("title block") << QStringLiteral("Panel1");
    for (int page = 1; page <= 6; ++page)
        QTest::addRow("page %d", page) << QStringLiteral("TabSheet%1").arg(page);
}

void TestCaptionLayout::noCaptionRunsIntoAnother()
{
    QFETCH(QString, surface);
    const QWidget *w = f_->w.findChild<QWidget *>(surface);
    QVERIFY2(w, qPrintable(surface));
    QVERIFY2(!captionLines(w).isEmpty(), "the surface has its captions");
    dump(surface, w);
    const QStringList found = collisions(w);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(u'\n')));
}

// The check itself: a caption pushed into its neighbour and one pushed into
// a box are found; the empty room beside a check box's "TAK", a caption just
// under a box and the blanks before a number are no collision.
void TestCaptionLayout::collisionsAreFound()
{
    QWidget surface;
    surface.setFont(iqx::ui::screenFont(15));
    auto *first = new QLabel(QStringLiteral("opodatkowaniu w 2005 r."), &surface);
    first->move(319, 315);
    first->adjustSize();
    auto *second = new QLabel(QStringLiteral("rady gminy w 2005r."), &surface);
    second->adjustSize();
    auto *box = new QLineEdit(&surface);
    box->setObjectName(QStringLiteral("Edit25"));
    box->setGeometry(337, 555, 105, 24);
    auto *check = new QCheckBox(QStringLiteral("TAK"), &surface);
    check->setObjectName(QStringLiteral("CheckBox127"));
    check->setGeometry(345, 475, 120, 17);
    auto *number = new QLabel(QStringLiteral("128."), &surface);
    number->move(420, 475);
    number->adjustSize();
    const auto none = [&surface] {
        const QStringList found = collisions(&surface);
        return found.isEmpty() ? QByteArray() : found.join(u'\n').toUtf8();
    };

    second->move(qRound(first->x() + QFontMetricsF(first->font()).horizontalAdvance(first->text())) + 4, 315);
    QVERIFY2(none().isEmpty(), none().constData());

    second->move(second->x() - 8, 315);
    QStringList found = collisions(&surface);
    QCOMPARE(found.size(), 1);
    QVERIFY2(found[0].startsWith(QStringLiteral("\"opodatkowaniu w 2005 r.\""))
                 && found[0].contains(QStringLiteral("\"rady gminy")),
             qPrintable(found[0]));

    second->move(300, 555 + 24);
    QVERIFY2(none().isEmpty(), none().constData());
    second->move(300, 560);
    found = collisions(&surface);
    QCOMPARE(found.size(), 1);
    QVERIFY2(found[0].endsWith(QStringLiteral("Edit25 (x 337 to 442)")), qPrintable(found[0]));

    second->move(0, 0);
    number->setText(QStringLiteral("          128."));
    number->adjustSize();
    number->move(420, 555);
    QVERIFY2(none().isEmpty(), none().constData());
}

QTEST_MAIN(TestCaptionLayout)
#include "tst_captionlayout.moc"
