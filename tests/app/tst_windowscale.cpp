// The window on a display set to 150 %: Qt scales it as a whole, the
// preview's "100%" shows the sheet at its real size, and on a small screen
// the window opens with the focused box and "Drukowanie" in view.
#include "print/engine/composite.h"
#include "print/engine/preview.h"
#include "support/guitest.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QScrollArea>
#include <QtTest>

namespace {

constexpr double kScale = 1.5;

// True when `w` lies wholly inside the visible part of `area`.
bool inView(const QScrollArea *area, const QWidget *w)
{
    const QRect r(w->mapTo(area->viewport(), QPoint(0, 0)), w->size());
    return area->viewport()->rect().contains(r);
}

// The longest run of white pixels on row `y` of `image`.
int whiteRun(const QImage &image, int y)
{
    int best = 0, run = 0;
    for (int x = 0; x < image.width(); ++x) {
        run = image.pixel(x, y) == qRgb(255, 255, 255) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

} // namespace

class TestWindowScale : public QObject {
    Q_OBJECT
private slots:
    void windowIsScaledAsAWhole();
    void smallScreenOpensWithPrintButtonInView();
    void actualSizeShowsTheSheetAtItsRealSize();
};

void TestWindowScale::windowIsScaledAsAWhole()
{
    guitest::Window f;
    QVERIFY(f.show());
    QCOMPARE(f.w.devicePixelRatioF(), kScale);
    // The layout stays in 96-dpi pixels; fonts keep their pixel heights.
    QCOMPARE(f.edit(5)->geometry(), QRect(337, 355, 105, 24));
    QCOMPARE(f.w.printButton()->geometry(), QRect(35, 64, 110, 41));
    QCOMPARE(f.edit(5)->font().pixelSize(), 15);
    const QImage shot = f.w.grab().toImage();
    QCOMPARE(shot.width(), qRound(f.w.width() * kScale));
}

// 1366 x 768 at 150 % less a title bar: 911 x 498 pixels of the layout. A
// document is loaded, so the focus goes to position 5, low on page 1.
void TestWindowScale::smallScreenOpensWithPrintButtonInView()
{
    guitest::Window f;
    QVERIFY(QFile::copy(qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/docs/przyklad/InfoQX0201032.iqx"),
                        f.dir.filePath(QStringLiteral("InfoQX0201032.iqx"))));
    f.w.resize(911, 498);
    QVERIFY(f.show());
    QCOMPARE(guitest::focusName(), QStringLiteral("Edit5"));
    const auto *area = f.w.findChild<QScrollArea *>(QStringLiteral("ClientArea"));
    QVERIFY(area);
    QVERIFY(inView(area, f.edit(5)));
    QVERIFY(inView(area, f.w.printButton()));
}

void TestWindowScale::actualSizeShowsTheSheetAtItsRealSize()
{
    guitest::Window f;
    QVERIFY(f.show());
    QTest::keyClicks(f.edit(1), QStringLiteral("0201032"));
    guitest::press(Qt::Key_Tab);
    int white = -1;
    QTimer::singleShot(0, &f.w, [&] {
        auto *preview = qobject_cast<iqx::report::PreviewWindow *>(f.w.compositeReport()->openPreview());
        if (!preview)
            return;
        preview->resize(1000, 700);
        auto *actual = preview->findChild<QAction *>(QStringLiteral("actionZoom100"));
        auto *view = preview->findChild<QWidget *>(QStringLiteral("pageView"));
        if (actual && view && QTest::qWaitFor([preview] { return preview->isPrepared(); }, 20000)) {
            actual->trigger();
            // A row in the sheet's blank top margin, 20 px below its edge.
            if (preview->zoom() == 100)
                white = whiteRun(view->grab().toImage(), qRound((10 + 20) * kScale));
        }
        preview->close();
    });
    f.w.printButton()->click();
    // A4 is 210 mm wide: 1190.55 pixels on a screen of 144 dpi, the 150 %
    // of 96; the sheet's outline takes a pixel of it on either side.
    QVERIFY2(std::abs(white - 1189) <= 2, qPrintable(QString::number(white)));
}

int main(int argc, char *argv[])
{
    // A display set to 150 %, as Windows and the desktop's scale give it.
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    QApplication app(argc, argv);
    TestWindowScale test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowscale.moc"
