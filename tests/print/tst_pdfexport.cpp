// The command-line export runs without any widget: under a plain GUI
// application object, where constructing a QWidget is fatal, it writes the
// six pages of the document in its work folder.
#include "support/recordingsink.h"
#include "app/pdfcommand.h"
#include "app/workfolder.h"
#include "support/pdfcheck.h"
#include "support/workdir.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QtTest>

class TestPdfExport : public QObject {
    Q_OBJECT
private slots:
    void exportsWithoutWidgets()
    {
        QVERIFY(!qobject_cast<QApplication *>(QCoreApplication::instance()));
        WorkDir dir;
        dir.write(QStringLiteral("InfoQX0201011.iqx"), "miejska;0201011;Boles\xb3"
                                                       "awiec;boles\xb3"
                                                       "awiecki;dolno\x9cl\xb9skie;0,5;");
        iqx::RecordingSink sink;
        iqx::ScopedMessages scoped(&sink);
        QCOMPARE(iqx::writePdfFromDataFile(iqx::WorkFolder(dir.path()), dir.filePath(QStringLiteral("out.pdf"))), 0);
        QVERIFY(QApplication::allWidgets().isEmpty());
        QCOMPARE(sink.entries.size(), 1); // the file is incomplete, and the clerk is told
        QVERIFY(QFileInfo(dir.filePath(QStringLiteral("out.pdf"))).size() > 0);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not here to read the PDF back (the Windows build's pages are read on the Linux side)");
        const QList<pdfcheck::PageWords> pages = pdfcheck::readPdf(dir.filePath(QStringLiteral("out.pdf")));
        QCOMPARE(pages.size(), 6);
        const auto hasWord = [&](const QString &w) {
            return std::any_of(pages[0].begin(), pages[0].end(), [&](const pdfcheck::Word &x) { return x.text == w; });
        };
        QVERIFY(hasWord(QStringLiteral("Bolesławiec")));
        QVERIFY(hasWord(QStringLiteral("0,5")));
    }
};

int main(int argc, char *argv[])
{
    // Drawn without a window, on the platform the program's --pdf uses.
#if defined(Q_OS_WIN)
    qputenv("QT_QPA_PLATFORM", "windows");
#else
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    QGuiApplication app(argc, argv);
    TestPdfExport test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_pdfexport.moc"
