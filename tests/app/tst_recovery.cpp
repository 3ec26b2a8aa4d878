// The recovery copy: entries survive a killed process, the copy follows
// saves and closes, and a damaged copy is never loaded.
#include "app/recovery.h"
#include "print/engine/composite.h"
#include "storage/datafile.h"
#include "storage/recoveryfile.h"
#include "support/boxclerk.h"
#include "support/guitest.h"

#include <QApplication>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSessionManager>
#include <QtTest>

#include <chrono>
#include <cstdio>
#include <thread>

using namespace iqx;
using guitest::press;

namespace {

const QString kCopy = QString::fromLatin1(kRecoveryFileName);
const QString kAside = QString::fromLatin1(kDamagedRecoveryFileName);
const QString kDataFile = QStringLiteral("InfoQX1465011.iqx");

Document savedDocument(const QString &id = QStringLiteral("1465011"))
{
    Document doc;
    doc.setText(1, id);
    doc.setText(2, QStringLiteral("Warszawa"));
    doc.setText(5, QStringLiteral("0,5"));
    doc.setChecked(52, true);
    return doc;
}

// The positions whose values differ.
QList<int> differences(const Document &a, const Document &b)
{
    QList<int> out;
    for (int n = 0; n < kPositionCount; ++n)
        if (a.value(n) != b.value(n))
            out << n;
    return out;
}

// A copy's bytes with the header as given and the checks made to match.
QByteArray copyBytes(const QByteArray &version, const QByteArray &name, const QByteArray &line)
{
    return "InformacjaQX-odzysk;" + version + ';' + name + ';' + QByteArray::number(line.size()) + ';'
           + QCryptographicHash::hash(line, QCryptographicHash::Sha256).toHex() + '\n' + line;
}

// tst_recovery --typing-client: a window in the current folder that is
// typed into with key events; once the copy holds what the boxes hold it
// prints "ready <document line in hex>" and waits to be killed.
int runTypingClient(int argc, char **argv)
{
    QApplication app(argc, argv);
    RecordingSink sink;
    sink.answer = false;
    ScopedMessages scoped(&sink);
    MainWindow w(WorkFolder::current());
    w.show();
    QApplication::setActiveWindow(&w);
    if (!QTest::qWaitForWindowActive(&w))
        return 1;
    guitest::settle();
    guitest::settle();
    if (w.textBox(1)->text().isEmpty()) {
        QTest::keyClicks(w.textBox(1), QStringLiteral("1465011"));
        press(Qt::Key_Tab); // the register fills the names
    }
    QTest::keyClicks(w.textBox(5), QStringLiteral("1"));
    w.placeFocus(w.textBox(190));
    guitest::type(w.textBox(190), QStringLiteral("Zażółć gęślą jaźń"));
    auto copyHoldsTheBoxes = [&w] {
        for (int i = 0; i < 200; ++i) {
            QTest::qWait(25);
            const RecoveryCopy copy = readRecoveryCopy(QDir::current());
            if (copy.status == RecoveryCopy::Found && copy.document == w.document())
                return true;
        }
        return false;
    };
    if (!copyHoldsTheBoxes())
        return 1;
    // A tick alone is a change too.
    w.placeFocus(w.checkBox(53));
    press(Qt::Key_Space);
    if (!copyHoldsTheBoxes())
        return 1;
    std::printf("ready %s\n", encodeDocument(w.document(), {}, nullptr)->toHex().constData());
    std::fflush(stdout);
    // Nothing more happens here until the test kills the process.
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}

} // namespace

class TestRecovery : public QObject {
    Q_OBJECT
private slots:
    // Typed, killed, started again: the question names the file and the
    // time; Yes shows every typed value, No drops the copy. The data file
    // is never written by the copy.
    void killedWhileTyping_data()
    {
        QTest::addColumn<bool>("savedBefore");
        QTest::addColumn<bool>("restore");
        QTest::newRow("new document, Yes") << false << true;
        QTest::newRow("new document, No") << false << false;
        QTest::newRow("saved document, Yes") << true << true;
        QTest::newRow("saved document, No") << true << false;
    }
    void killedWhileTyping()
    {
        QFETCH(bool, savedBefore);
        QFETCH(bool, restore);
        guitest::Window f;
        const Document before = savedBefore ? savedDocument() : Document();
        if (savedBefore)
            QVERIFY(saveDocument(before, QDir(f.dir.path())).ok);
        const QByteArray dataBefore = f.dir.read(kDataFile);

        QProcess client;
        client.setWorkingDirectory(f.dir.path());
        client.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--typing-client")});
        QVERIFY(client.waitForStarted());
        while (!client.canReadLine() && client.state() == QProcess::Running)
            client.waitForReadyRead(30000);
        const QByteArray line = client.readLine().trimmed();
        QVERIFY2(line.startsWith("ready "), line.constData());
        client.kill(); // SIGKILL, TerminateProcess on Windows: no chance to clean up
        QVERIFY(client.waitForFinished());
        const Document typed = decodeDocument(QByteArray::fromHex(line.mid(6))).document;
        QCOMPARE(typed.text(2), QStringLiteral("Warszawa"));
        QCOMPARE(typed.text(190), QStringLiteral("Zażółć gęślą jaźń"));
        QVERIFY(typed.isChecked(53));
        QCOMPARE(f.dir.read(kDataFile), dataBefore);

        const QDateTime written = QFileInfo(f.dir.filePath(kCopy)).lastModified();
        f.sink.answer = restore;
        QVERIFY(f.show());
        QCOMPARE(f.sink.entries.size(), 1);
        QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Confirm);
        QCOMPARE(f.sink.entries[0].title, QStringLiteral("Odzyskiwanie danych"));
        QCOMPARE(f.sink.entries[0].text,
                 QStringLiteral("Znaleziono niezapisane dane dokumentu InfoQX1465011.iqx z %1, godz. %2. Czy "
                                "przywrócić niezapisane wpisy?")
                     .arg(written.toString(QStringLiteral("d.M.yyyy")), written.toString(QStringLiteral("HH:mm"))));
        QCOMPARE(differences(f.w.document(), restore ? typed : before), QList<int>{});
        // Kept after Yes until the document is saved: a second crash loses nothing.
        QCOMPARE(QFile::exists(f.dir.filePath(kCopy)), restore);
        QCOMPARE(guitest::focusName(), restore || savedBefore ? QStringLiteral("Edit5") : QStringLiteral("Edit1"));
        QCOMPARE(f.dir.read(kDataFile), dataBefore);
    }

    // After a change the copy exists; what the clerk does next decides
    // whether it stays.
    void copyFollowsTheDocument_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("kept");
        QTest::newRow("print") << "print" << false;
        QTest::newRow("close, Yes") << "yes" << false;
        QTest::newRow("close, No") << "no" << false;
        QTest::newRow("close without the question") << "unasked" << true;
        QTest::newRow("typed back to the saved value") << "undo" << false;
        QTest::newRow("session ends") << "session" << true;
    }
    void copyFollowsTheDocument()
    {
        QFETCH(QString, action);
        QFETCH(bool, kept);
        guitest::Window f;
        const QString id = action == QLatin1String("unasked") ? QStringLiteral("146501") : QStringLiteral("1465011");
        QVERIFY(saveDocument(savedDocument(id), QDir(f.dir.path())).ok);
        const QByteArray dataBefore = f.dir.read(QStringLiteral("InfoQX%1.iqx").arg(id));
        f.sink.answer = action == QLatin1String("yes");
        QVERIFY(f.show());
        QVERIFY(f.focus(f.edit(8)));
        QTest::keyClicks(f.edit(8), QStringLiteral("2"));
        f.w.recovery()->flush();
        QVERIFY(QFile::exists(f.dir.filePath(kCopy)));
        QTest::keyClicks(f.edit(8), QStringLiteral("5")); // not written yet: the timer runs

        if (action == QLatin1String("print")) {
            QTimer::singleShot(200, &f.w, [&f] {
                if (QMainWindow *preview = f.w.compositeReport()->openPreview())
                    preview->close();
            });
            f.w.printButton()->click();
        } else if (action == QLatin1String("undo")) {
            QTest::keyClick(f.edit(8), Qt::Key_Backspace);
            QTest::keyClick(f.edit(8), Qt::Key_Backspace);
            QTest::qWait(Recovery::kDelayMs + 200);
            f.w.recovery()->flush(); // only waits for the writer
        } else if (action == QLatin1String("session")) {
            QSessionManager *manager = qApp->findChild<QSessionManager *>();
            QVERIFY(manager);
            emit qApp->commitDataRequest(*manager);
            QCOMPARE(differences(readRecoveryCopy(QDir(f.dir.path())).document, f.w.document()), QList<int>{});
            f.w.close();
            QVERIFY(f.sink.entries.isEmpty()); // no question on a session that ends
            QCOMPARE(f.dir.read(QStringLiteral("InfoQX%1.iqx").arg(id)), dataBefore);
        } else {
            f.w.close();
        }
        QCOMPARE(QFile::exists(f.dir.filePath(kCopy)), kept);
        if (kept)
            QCOMPARE(differences(readRecoveryCopy(QDir(f.dir.path())).document, f.w.document()), QList<int>{});
    }

    // A copy that fails a check is reported, moved aside unchanged and
    // never loaded, not even in part.
    void damagedCopyIsSetAside_data()
    {
        const QByteArray line = *encodeDocument(savedDocument(), {}, nullptr);
        const QByteArray good = copyBytes("1", kDataFile.toLatin1(), line);
        QByteArray flipped = good;
        flipped[flipped.size() - 3] = 'x';
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("asideName");
        QTest::addColumn<QString>("reason");
        QTest::newRow("not a copy") << "InfoQX;1;\n" + line << kAside << "nie jest kopią danych tego programu";
        QTest::newRow("another version") << copyBytes("2", kDataFile.toLatin1(), line) << kAside
                                         << "pochodzi z innej wersji programu (wersja 2)";
        QTest::newRow("cut short") << good.chopped(40) << kAside << "jest niekompletna";
        QTest::newRow("a byte changed") << flipped << kAside << "ma niezgodną sumę kontrolną";
        QTest::newRow("outside Windows-1250")
            << copyBytes("1", kDataFile.toLatin1(), line + "\x98;") << kAside << "nie zawiera poprawnego dokumentu";
        QTest::newRow("too few fields") << copyBytes("1", kDataFile.toLatin1(), line.chopped(5)) << kAside
                                        << "nie zawiera poprawnego dokumentu";
        QTest::newRow("another file's name")
            << copyBytes("1", "InfoQX9999999.iqx", line) << kAside << "nie zgadza się z nazwą pliku danych";
        QTest::newRow("an earlier one set aside")
            << flipped << kAside + QStringLiteral("-2") << "ma niezgodną sumę kontrolną";
    }
    void damagedCopyIsSetAside()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, asideName);
        QFETCH(QString, reason);
        guitest::Window f;
        if (asideName != kAside)
            f.dir.write(kAside, "earlier");
        f.dir.write(kCopy, bytes);
        QVERIFY(f.show());
        QCOMPARE(f.sink.entries.size(), 1);
        QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Error);
        QVERIFY2(f.sink.entries[0].text.contains(reason), qPrintable(f.sink.entries[0].text));
        QVERIFY(f.sink.entries[0].text.contains(asideName));
        QVERIFY(f.w.document().isEmpty());
        QVERIFY(!QFile::exists(f.dir.filePath(kCopy)));
        QCOMPARE(f.dir.read(asideName), bytes);
        if (asideName != kAside)
            QCOMPARE(f.dir.read(kAside), QByteArray("earlier"));
    }

    // A copy is offered when it holds entries its data file does not,
    // whatever the files' times say (a clock set back, a restored backup);
    // one that only repeats a data file goes without a question.
    void copyIsOfferedWhenItDiffers_data()
    {
        QTest::addColumn<bool>("differs");
        QTest::addColumn<int>("copyAgeSecs");  // against the data file
        QTest::addColumn<bool>("otherLoaded"); // another data file comes first
        QTest::newRow("differs, older than the data file") << true << 60 << false;
        QTest::newRow("same as the data file") << false << -60 << false;
        QTest::newRow("same as its data file, another one loaded") << false << -60 << true;
    }
    void copyIsOfferedWhenItDiffers()
    {
        QFETCH(bool, differs);
        QFETCH(int, copyAgeSecs);
        QFETCH(bool, otherLoaded);
        guitest::Window f;
        f.sink.answer = true;
        QVERIFY(saveDocument(savedDocument(), QDir(f.dir.path())).ok);
        if (otherLoaded)
            QVERIFY(saveDocument(savedDocument(QStringLiteral("0201011")), QDir(f.dir.path())).ok);
        Document copyDoc = savedDocument();
        if (differs)
            copyDoc.setText(6, QStringLiteral("7"));
        QVERIFY(writeRecoveryCopy(QDir(f.dir.path()), copyDoc).isEmpty());
        QFile copy(f.dir.filePath(kCopy));
        QVERIFY(copy.open(QIODevice::ReadWrite));
        const QDateTime dataTime = QFileInfo(f.dir.filePath(kDataFile)).lastModified();
        QVERIFY(copy.setFileTime(dataTime.addSecs(-copyAgeSecs), QFileDevice::FileModificationTime));
        copy.close();

        QVERIFY(f.show());
        if (differs) {
            QCOMPARE(f.sink.entries.size(), 1);
            QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Confirm);
            QVERIFY2(f.sink.entries[0].text.contains(
                         QStringLiteral("Plik InfoQX1465011.iqx ma późniejszą datę zapisu (%1, godz. %2).")
                             .arg(dataTime.toString(QStringLiteral("d.M.yyyy")),
                                  dataTime.toString(QStringLiteral("HH:mm")))),
                     qPrintable(f.sink.entries[0].text));
            QCOMPARE(differences(f.w.document(), copyDoc), QList<int>{});
            QVERIFY(copy.exists()); // until the document is saved
        } else {
            QVERIFY(f.sink.entries.isEmpty());
            QVERIFY(!copy.exists());
        }
    }

    // The recovery question closed without an answer: the data file is
    // shown, and the copy stays exactly as it was, whatever this run does,
    // for the next start to offer again. Only No removes it.
    void recoveryQuestionDismissedKeepsTheCopy_data()
    {
        QTest::addColumn<QStringList>("answers"); // to the question, the note, the close question
        QTest::addColumn<bool>("kept");
        QTest::newRow("Esc") << QStringList{"Esc", "OK", "&No"} << true;
        QTest::newRow("title bar's close button") << QStringList{"close", "OK", "&No"} << true;
        QTest::newRow("No") << QStringList{"&No", "&No"} << false;
    }
    void recoveryQuestionDismissedKeepsTheCopy()
    {
        QFETCH(QStringList, answers);
        QFETCH(bool, kept);
        guitest::Window f;
        QVERIFY(saveDocument(savedDocument(), QDir(f.dir.path())).ok);
        Document unsaved = savedDocument();
        unsaved.setText(6, QStringLiteral("7"));
        QVERIFY(writeRecoveryCopy(QDir(f.dir.path()), unsaved).isEmpty());
        const QByteArray copyBefore = f.dir.read(kCopy);
        const QByteArray dataBefore = f.dir.read(kDataFile);

        guitest::RealBoxes boxes;
        guitest::BoxClerk clerk(answers);
        QVERIFY(f.show());
        QVERIFY(clerk.seen.value(0).startsWith(
            QStringLiteral("Odzyskiwanie danych: Znaleziono niezapisane dane dokumentu InfoQX1465011.iqx")));
        QCOMPARE(differences(f.w.document(), savedDocument()), QList<int>{});
        QApplication::setActiveWindow(&f.w); // as the window manager does when the boxes close
        QVERIFY(f.focus(f.edit(8)));
        QTest::keyClicks(f.edit(8), QStringLiteral("2"));
        f.w.recovery()->flush();
        if (kept)
            QCOMPARE(f.dir.read(kCopy), copyBefore);
        f.w.close();
        QCOMPARE(clerk.seen.size(), answers.size());
        QCOMPARE(clerk.seen.last(), QStringLiteral("Confirm: Zapisać dane do pliku?"));
        QCOMPARE(f.dir.read(kCopy), kept ? copyBefore : QByteArray());
        QCOMPARE(f.dir.read(kDataFile), dataBefore);
    }

    // The close question closed without an answer: the window closes and
    // nothing is written, but the entries stay in the copy for the next
    // start. Only No gives them up.
    void closeQuestionDismissedKeepsTheCopy_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("kept");
        QTest::newRow("Esc") << "Esc" << true;
        QTest::newRow("title bar's close button") << "close" << true;
        QTest::newRow("No") << "&No" << false;
    }
    void closeQuestionDismissedKeepsTheCopy()
    {
        QFETCH(QString, answer);
        QFETCH(bool, kept);
        guitest::Window f;
        QVERIFY(saveDocument(savedDocument(), QDir(f.dir.path())).ok);
        const QByteArray dataBefore = f.dir.read(kDataFile);
        QVERIFY(f.show());
        QVERIFY(f.focus(f.edit(8)));
        QTest::keyClicks(f.edit(8), QStringLiteral("2"));

        guitest::RealBoxes boxes;
        guitest::BoxClerk clerk({answer});
        f.w.close();
        QCOMPARE(clerk.seen, QStringList{QStringLiteral("Confirm: Zapisać dane do pliku?")});
        QVERIFY(!f.w.isVisible());
        QCOMPARE(f.dir.read(kDataFile), dataBefore);
        QCOMPARE(QFile::exists(f.dir.filePath(kCopy)), kept);
        if (kept)
            QCOMPARE(differences(readRecoveryCopy(QDir(f.dir.path())).document, f.w.document()), QList<int>{});
    }

    // A copy that cannot be written is said once, not on every change.
    void failedWriteIsReportedOnce()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QVERIFY(QDir(f.dir.path()).mkdir(kCopy));
        for (const char *text : {"1", "2"}) {
            QTest::keyClicks(f.edit(1), QLatin1String(text));
            f.w.recovery()->flush();
        }
        QCOMPARE(f.sink.entries.size(), 1);
        QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Error);
        QVERIFY(f.sink.entries[0].text.contains(kCopy));
    }
};

int main(int argc, char **argv)
{
    if (argc == 2 && qstrcmp(argv[1], "--typing-client") == 0)
        return runTypingClient(argc, argv);
    QApplication app(argc, argv);
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_recovery.moc"
