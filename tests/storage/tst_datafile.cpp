#include "base/messages.h"
#include "storage/cp1250.h"
#include "storage/datacodec.h"
#include "storage/datafile.h"
#include "storage/safefile.h"

#include "support/filesystem.h"

#include <QTemporaryDir>
#include <QTest>
#if !defined(Q_OS_WIN)
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace iqx;

namespace {

using testfs::readFile;
using testfs::writeFile;

// A full sample document: the identity block, then for every later
// position its number with a decimal comma, or a tick on every third flag.
Document sample()
{
    Document doc;
    const QStringList identity{"miejsko-wiejska", "0201011", "Bolesławiec", "bolesławiecki", "dolnośląskie"};
    for (int n = 0; n < kPositionCount; ++n) {
        if (n < 5)
            doc.setText(n, identity[n]);
        else if (position(n).isFlag())
            doc.setChecked(n, n % 3 == 0);
        else
            doc.setText(n, QStringLiteral("%1,5").arg(n));
    }
    doc.setText(190, QStringLiteral("Zażółć gęślą jaźń"));
    return doc;
}

// The same document as the bytes of its file, written out by hand.
QByteArray sampleBytes()
{
    QString line = QStringLiteral("miejsko-wiejska;0201011;Bolesławiec;bolesławiecki;dolnośląskie;");
    for (int n = 5; n < kPositionCount; ++n) {
        if (n == 190)
            line += QStringLiteral("Zażółć gęślą jaźń;");
        else if (position(n).isFlag())
            line += n % 3 == 0 ? QStringLiteral("1;") : QStringLiteral("0;");
        else
            line += QStringLiteral("%1,5;").arg(n);
    }
    return *cp1250::encode(line);
}

QStringList entries(const QString &path)
{
    return QDir(path).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    void fileNames();
    void encodeLine();
    void decodeLine_data();
    void decodeLine();
    void roundTrip_data();
    void roundTrip();
    void shortFile();
    void presentEmptyFlagIsTicked();
    void longFile();
    void firstFileByName();
    void unreadableOrUndecodable();
    void unsafeIdentifierWritesNothing();
    void unwritableTextKeepsOldFile_data();
    void unwritableTextKeepsOldFile();
    void failedWriteKeepsOldFile();
    void directoryInTheWay();
    void hostileFilesAreRefused_data();
    void hostileFilesAreRefused();
    void linkIsNeverWrittenThrough();
    void readOnlyFolderKeepsOldFile();
    void readOnlyFileIsKept();
    void heldOpenFileIsKept();
    void killedSavesLeaveOldOrNew();
    void staleTemporaryFilesOfOursOnly();
};

void TestDataFile::fileNames()
{
    QCOMPARE(dataFileName("0201011"), QStringLiteral("InfoQX0201011.iqx"));
    QCOMPARE(dataFileName(QString()), QStringLiteral("InfoQX.iqx"));
    QVERIFY(identifierUsableInFileName(QString()));
    QVERIFY(identifierUsableInFileName("0201011"));
    QVERIFY(!identifierUsableInFileName("../x"));
    QVERIFY(!identifierUsableInFileName("12 4"));
    QVERIFY(!identifierUsableInFileName(QString::fromUtf8("١٢٣"))); // Arabic-Indic digits
}

void TestDataFile::encodeLine()
{
    const auto ok = datacodec::encodeLine({"miejska", "", "1", "Łódź"});
    QCOMPARE(ok.bytes, std::optional<QByteArray>("miejska;;1;\xa3\xf3\x64\x9f;"));
    QCOMPARE(datacodec::encodeLine({}).bytes, std::optional<QByteArray>(QByteArray()));

    const auto semicolon = datacodec::encodeLine({"a", "b;c", "d"});
    QVERIFY(!semicolon.bytes);
    QCOMPARE(semicolon.badField, 1);
    QCOMPARE(semicolon.badChar, QStringLiteral(";"));

    const auto foreign = datacodec::encodeLine({"a", "b", QString::fromUtf8("ok \xF0\x9F\x98\x80 ж")});
    QVERIFY(!foreign.bytes);
    QCOMPARE(foreign.badField, 2);
    QCOMPARE(foreign.badChar, QString::fromUtf8("\xF0\x9F\x98\x80"));

    // A pasted line break would end the line and lose every later field.
    for (const char *pasted : {"ul. Polna 1\n05-800", "ul. Polna 1\r"}) {
        const auto lineBreak = datacodec::encodeLine({"a", pasted, "d"});
        QVERIFY(!lineBreak.bytes);
        QCOMPARE(lineBreak.badField, 1);
        QCOMPARE(lineBreak.badChar, QString(QChar(pasted[11])));
    }
}

void TestDataFile::decodeLine_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("missing");
    QTest::newRow("exact") << QByteArray("a;b;") << 2 << true << QStringList{"a", "b"} << 0;
    QTest::newRow("no final separator") << QByteArray("a;b") << 2 << true << QStringList{"a", "b"} << 0;
    QTest::newRow("one short") << QByteArray("a;b;") << 3 << true << QStringList{"a", "b"} << 1;
    QTest::newRow("empty field present") << QByteArray("a;;") << 3 << true << QStringList{"a", ""} << 1;
    QTest::newRow("surplus ignored") << QByteArray("a;b;c;d;") << 2 << true << QStringList{"a", "b"} << 0;
    QTest::newRow("empty file") << QByteArray() << 3 << true << QStringList() << 3;
    QTest::newRow("CRLF ends the line") << QByteArray("a;b\r\nc;d;") << 3 << true << QStringList{"a", "b"} << 1;
    QTest::newRow("CR ends the line") << QByteArray("a;\rb;") << 2 << true << QStringList{"a"} << 1;
    QTest::newRow("after the line is never decoded")
        << QByteArray("\xb3;\n\x81") << 1 << true << QStringList{QString::fromUtf8("ł")} << 0;
    QTest::newRow("undefined byte") << QByteArray("a;\x98;") << 2 << false << QStringList() << 0;
}

void TestDataFile::decodeLine()
{
    QFETCH(QByteArray, bytes);
    QFETCH(int, count);
    QFETCH(bool, ok);
    QFETCH(QStringList, fields);
    QFETCH(int, missing);
    const auto line = datacodec::decodeLine(bytes, count);
    QCOMPARE(line.ok, ok);
    QCOMPARE(line.fields, fields);
    QCOMPARE(line.missing, missing);
}

void TestDataFile::roundTrip_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("a plain folder") << QString();
    // Polish letters in every part and more than the 260 characters old
    // Windows calls take.
    QString deep;
    while (deep.size() < 300)
        deep += QStringLiteral("Urząd Gminy Żółkiewka %1/").arg(deep.size());
    QTest::newRow("a deep folder with Polish letters") << deep;
}

void TestDataFile::roundTrip()
{
    QFETCH(QString, folder);
    QTemporaryDir tmpRoot;
    QVERIFY(tmpRoot.isValid());
    const QDir tmp(tmpRoot.filePath(folder));
    QVERIFY(QDir().mkpath(tmp.path()));
    const Document doc = sample();
    const SaveResult first = saveDocument(doc, tmp);
    QVERIFY2(first.ok, qPrintable(first.error));
    QCOMPARE(first.fileName, QStringLiteral("InfoQX0201011.iqx"));
    const QString path = tmp.filePath(first.fileName);
    QCOMPARE(readFile(path), sampleBytes());

    QVERIFY(saveDocument(doc, tmp).ok);
    QCOMPARE(readFile(path), sampleBytes());
    QCOMPARE(entries(tmp.path()), QStringList{first.fileName}); // no temporary left behind

    const LoadResult loaded = loadDocument(tmp);
    QCOMPARE(loaded.status, LoadResult::Loaded);
    QCOMPARE(loaded.fileName, first.fileName);
    QCOMPARE(loaded.missingFields, 0);
    QVERIFY(loaded.document == doc);
    QString reason;
    const auto listed = listDataFiles(tmp.path(), &reason);
    QVERIFY2(listed && listed->size() == 1, qPrintable(reason));
    QVERIFY(loadDocumentFile(listed->first().path, listed->first().name).document == doc);

    // A document without an identifier is stored as "InfoQX.iqx" and found again.
    QVERIFY(QFile::remove(path));
    Document unnamedDoc = doc;
    unnamedDoc.setText(1, QString());
    const SaveResult unnamed = saveDocument(unnamedDoc, tmp);
    QVERIFY(unnamed.ok);
    QCOMPARE(unnamed.fileName, QStringLiteral("InfoQX.iqx"));
    const LoadResult again = loadDocument(tmp);
    QCOMPARE(again.fileName, QStringLiteral("InfoQX.iqx"));
    QVERIFY(again.document == unnamedDoc);
}

void TestDataFile::shortFile()
{
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.filePath("InfoQX0201011.iqx"), "wiejska;0201011;Gmina;;;1;"));
    const LoadResult r = loadDocument(QDir(tmp.path()));
    QCOMPARE(r.status, LoadResult::Incomplete);
    QCOMPARE(r.missingFields, kPositionCount - 6);
    QCOMPARE(r.document.text(2), QStringLiteral("Gmina"));
    QCOMPARE(r.document.text(5), QStringLiteral("1"));
    // Positions the line ran out before are empty and unticked.
    QVERIFY(r.document.text(6).isEmpty());
    QVERIFY(!r.document.isChecked(52));
    QCOMPARE(r.message, QStringLiteral("Plik InfoQX0201011.iqx jest niekompletny: brakuje 217 pól. "
                                       "Brakujące pozycje pozostały puste."));

    QByteArray oneShort = sampleBytes();
    oneShort.chop(oneShort.size() - oneShort.lastIndexOf(';', oneShort.size() - 2) - 1);
    QVERIFY(writeFile(tmp.filePath("InfoQX0201011.iqx"), oneShort));
    const LoadResult one = loadDocument(QDir(tmp.path()));
    QCOMPARE(one.missingFields, 1);
    QCOMPARE(one.message, QStringLiteral("Plik InfoQX0201011.iqx jest niekompletny: brakuje 1 pola. "
                                         "Brakująca pozycja pozostała pusta."));
}

void TestDataFile::presentEmptyFlagIsTicked()
{
    // Only a field of exactly "0" unticks: an empty field that is present
    // ticks the box, as it always has.
    QTemporaryDir tmp;
    QByteArray bytes = "a;b;c;d;e;";
    for (int n = 5; n < kPositionCount; ++n)
        bytes += n == 52 ? ";" : n == 53 ? "00;" : n == 54 ? "0;" : "x;";
    QVERIFY(writeFile(tmp.filePath("InfoQX.iqx"), bytes));
    const LoadResult r = loadDocument(QDir(tmp.path()));
    QCOMPARE(r.status, LoadResult::Loaded);
    QVERIFY(r.document.isChecked(52));
    QVERIFY(r.document.isChecked(53));
    QVERIFY(!r.document.isChecked(54));
    QVERIFY(r.document.isChecked(55));
}

void TestDataFile::longFile()
{
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.filePath("InfoQX0201011.iqx"), sampleBytes() + "surplus;1;0;\r\nsecond line;"));
    const LoadResult r = loadDocument(QDir(tmp.path()));
    QCOMPARE(r.status, LoadResult::Loaded);
    QVERIFY(r.document == sample());
}

void TestDataFile::firstFileByName()
{
    QTemporaryDir tmp;
    QCOMPARE(loadDocument(QDir(tmp.path())).status, LoadResult::NoFile);
    QVERIFY(writeFile(tmp.filePath("InfoQX1.txt"), "t;"));
    QVERIFY(writeFile(tmp.filePath("Info1.iqx"), "t;"));
    QCOMPARE(loadDocument(QDir(tmp.path())).status, LoadResult::NoFile);

    QVERIFY(writeFile(tmp.filePath("InfoQX2.iqx"), "two;"));
    QVERIFY(writeFile(tmp.filePath("InfoQX10.iqx"), "ten;"));
    LoadResult r = loadDocument(QDir(tmp.path()));
    QCOMPARE(r.fileName, QStringLiteral("InfoQX10.iqx"));
    QCOMPARE(r.document.text(0), QStringLiteral("ten"));

    QVERIFY(writeFile(tmp.filePath("InfoQX.iqx"), "none;"));
    r = loadDocument(QDir(tmp.path()));
    QCOMPARE(r.fileName, QStringLiteral("InfoQX.iqx"));
    QCOMPARE(r.document.text(0), QStringLiteral("none"));
}

void TestDataFile::unreadableOrUndecodable()
{
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.filePath("InfoQX1.iqx"), "a;b;\x81;"));
    LoadResult r = loadDocument(QDir(tmp.path()));
    QCOMPARE(r.status, LoadResult::Error);
    QCOMPARE(r.fileName, QStringLiteral("InfoQX1.iqx"));
    QVERIFY2(r.message.contains("InfoQX1.iqx"), qPrintable(r.message));
    QVERIFY(r.document.isEmpty());

    // A directory that is first by name is taken and cannot be read.
    QVERIFY(QDir(tmp.path()).mkdir("InfoQX0.iqx"));
    r = loadDocument(QDir(tmp.path()));
    QCOMPARE(r.status, LoadResult::Error);
    QCOMPARE(r.fileName, QStringLiteral("InfoQX0.iqx"));
    QVERIFY2(r.message.startsWith(fileErrorText("Cannot open file", "InfoQX0.iqx", QString())), qPrintable(r.message));
}

void TestDataFile::unsafeIdentifierWritesNothing()
{
    QTemporaryDir tmp;
    const QString inner = tmp.filePath("program");
    QVERIFY(QDir().mkpath(inner));
    Document doc = sample();
    for (const QString id : {"../x", "12a", "/tmp/x"}) {
        doc.setText(1, id);
        const SaveResult r = saveDocument(doc, QDir(inner));
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(id), qPrintable(r.error));
    }
    QCOMPARE(entries(tmp.path()), QStringList{"program"});
    QCOMPARE(entries(inner), QStringList());
}

void TestDataFile::unwritableTextKeepsOldFile_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("separator in a name") << 2 << "Gmina; druga";
    QTest::newRow("outside the code page") << 190 << QString::fromUtf8("Ж");
}

void TestDataFile::unwritableTextKeepsOldFile()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QTemporaryDir tmp;
    Document doc = sample();
    QVERIFY(saveDocument(doc, QDir(tmp.path())).ok);

    doc.setText(position, text);
    const SaveResult r = saveDocument(doc, QDir(tmp.path()));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("InfoQX0201011.iqx") && r.error.contains(QString::number(position)), qPrintable(r.error));
    QCOMPARE(readFile(tmp.filePath("InfoQX0201011.iqx")), sampleBytes());
    QCOMPARE(entries(tmp.path()), QStringList{"InfoQX0201011.iqx"});
}

void TestDataFile::failedWriteKeepsOldFile()
{
    // A file size limit makes the write itself fail halfway, also for root.
#if defined(Q_OS_WIN)
    QSKIP("Windows has no per-process file size limit to make a write fail halfway; a file held open by "
          "another program is its failure to replace (heldOpenFileIsKept)");
#else
    QTemporaryDir tmp;
    const QString path = tmp.filePath("InfoQX0201011.iqx");
    QVERIFY(writeFile(path, "old;"));

    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 16;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &tight) == 0);
    const SaveResult r = saveDocument(sample(), QDir(tmp.path()));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("InfoQX0201011.iqx"), qPrintable(r.error));
    QCOMPARE(readFile(path), QByteArray("old;"));
    QCOMPARE(entries(tmp.path()), QStringList{"InfoQX0201011.iqx"});
#endif
}

void TestDataFile::directoryInTheWay()
{
    QTemporaryDir tmp;
    QVERIFY(QDir(tmp.path()).mkdir("InfoQX0201011.iqx"));
    const SaveResult r = saveDocument(sample(), QDir(tmp.path()));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("InfoQX0201011.iqx"), qPrintable(r.error));
    QVERIFY(QFileInfo(tmp.filePath("InfoQX0201011.iqx")).isDir());
    QCOMPARE(entries(tmp.path()), QStringList{"InfoQX0201011.iqx"});
}

// What a hostile or unlucky folder puts in a data file's place is refused
// at once with a message naming the file; nothing is waited on, nothing
// followed, and a huge file takes no more memory than the line limit.
void TestDataFile::hostileFilesAreRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("says");
    QTest::newRow("FIFO") << "fifo"
                          << "not a regular file";
    QTest::newRow("link to a file outside") << "link"
                                            << "symbolic link";
    QTest::newRow("one line of 64 MB") << "huge"
                                       << "za duży";
    QTest::newRow("UTF-8 with a byte-order mark") << "bom"
                                                  << "UTF-8";
    QTest::newRow("plain UTF-8") << "utf8"
                                 << "UTF-8";
}

void TestDataFile::hostileFilesAreRefused()
{
    QFETCH(QString, kind);
    QFETCH(QString, says);
    QTemporaryDir tmp, outside;
    const QString path = tmp.filePath("InfoQX0201011.iqx");
    const QByteArray utf8 = QStringLiteral("miejska;0201011;Bolesławiec;bolesławiecki;dolnośląskie;").toUtf8();
    if (kind == "fifo") {
#if defined(Q_OS_WIN)
        QSKIP("a Windows folder holds no FIFO: named pipes live only under \\\\.\\pipe\\");
#else
        QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0644), 0);
#endif
    } else if (kind == "link") {
        QVERIFY(writeFile(outside.filePath("other.txt"), sampleBytes()));
        if (!testfs::makeSymbolicLink(outside.filePath("other.txt"), path))
            QSKIP("this system does not let the test make a symbolic link");
    } else if (kind == "huge") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        const QByteArray chunk(1 << 20, 'x');
        for (int i = 0; i < 64; ++i)
            QCOMPARE(f.write(chunk), chunk.size());
    } else {
        QVERIFY(writeFile(path, (kind == "bom" ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + utf8));
    }
    const qint64 before = testfs::peakMemoryKiB();
    QElapsedTimer timer;
    timer.start();
    const LoadResult r = loadDocument(QDir(tmp.path()));
    // Refused at once: a FIFO is never waited on (a wait would never end,
    // and the test's time-out reports it) and a huge file is not read
    // through; the bound only catches a read that crawls through it all.
    QVERIFY2(timer.elapsed() < 30000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY((testfs::peakMemoryKiB() - before) / 1024 < 4 * kMaxDataLine / (1024 * 1024));
    QCOMPARE(r.status, LoadResult::Error);
    QVERIFY2(r.message.contains("InfoQX0201011.iqx") && r.message.contains(says), qPrintable(r.message));
}

void TestDataFile::linkIsNeverWrittenThrough()
{
    QTemporaryDir tmp, outside;
    const QString target = outside.filePath("other.txt");
    QVERIFY(writeFile(target, "untouched"));
    if (!testfs::makeSymbolicLink(target, tmp.filePath("InfoQX0201011.iqx")))
        QSKIP("this system does not let the test make a symbolic link");
    const SaveResult r = saveDocument(sample(), QDir(tmp.path()));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("InfoQX0201011.iqx") && r.error.contains("symbolic link"), qPrintable(r.error));
    QCOMPARE(readFile(target), QByteArray("untouched"));
    QVERIFY(QFileInfo(tmp.filePath("InfoQX0201011.iqx")).isSymLink());
}

// A folder the program may not write in: the save fails with the reason and
// the old file stays. Run in a child without root's rights when needed.
void TestDataFile::readOnlyFolderKeepsOldFile()
{
#if defined(Q_OS_WIN)
    QSKIP("a read-only attribute on a Windows folder does not stop writing in it; the refusals Windows makes "
          "are a read-only file (readOnlyFileIsKept) and a file held open (heldOpenFileIsKept)");
#else
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.filePath("InfoQX0201011.iqx"), "old;"));
    QVERIFY(QFile::setPermissions(tmp.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther
                                                  | QFile::ReadGroup | QFile::ExeGroup));
    int pipeFd[2];
    QCOMPARE(pipe(pipeFd), 0);
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && setuid(65534) != 0)
            _exit(3);
        const SaveResult r = saveDocument(sample(), QDir(tmp.path()));
        const QByteArray error = r.error.toUtf8();
        const ssize_t written = write(pipeFd[1], error.constData(), size_t(error.size()));
        _exit(r.ok || written < 0 ? 1 : 0);
    }
    close(pipeFd[1]);
    char buffer[1024];
    const ssize_t n = read(pipeFd[0], buffer, sizeof buffer);
    close(pipeFd[0]);
    int status = 0;
    waitpid(child, &status, 0);
    QFile::setPermissions(tmp.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(WEXITSTATUS(status), 0);
    const QString error = QString::fromUtf8(buffer, std::max<ssize_t>(n, 0));
    QVERIFY2(error.contains("InfoQX0201011.iqx") && error.contains("Permission denied"), qPrintable(error));
    QCOMPARE(readFile(tmp.filePath("InfoQX0201011.iqx")), QByteArray("old;"));
#endif
}

// A data file another program has open (a spreadsheet, a backup program)
// cannot be replaced on Windows: the save says so, naming the file, and
// the old file stays whole with no temporary file left beside it. Once the
// other program lets go, the next save goes through.
void TestDataFile::heldOpenFileIsKept()
{
#if !defined(Q_OS_WIN)
    QSKIP("POSIX systems replace a file's name whoever has the file open");
#else
    QTemporaryDir tmp;
    const QString path = tmp.filePath("InfoQX0201011.iqx");
    QVERIFY(writeFile(path, "old;"));
    {
        testfs::HeldOpen other(path);
        QVERIFY(other.isOpen());
        const SaveResult r = saveDocument(sample(), QDir(tmp.path()));
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains("\"InfoQX0201011.iqx\"") && r.error.contains("another program"), qPrintable(r.error));
        QCOMPARE(entries(tmp.path()), QStringList{"InfoQX0201011.iqx"});
    }
    QCOMPARE(readFile(path), QByteArray("old;"));
    QVERIFY(saveDocument(sample(), QDir(tmp.path())).ok);
    QCOMPARE(readFile(path), sampleBytes());
#endif
}

// A data file the clerk made read-only is not replaced, by root neither:
// the save names the file and the old one stays, mode and all.
void TestDataFile::readOnlyFileIsKept()
{
    QTemporaryDir tmp;
    const QString path = tmp.filePath("InfoQX0201011.iqx");
    QVERIFY(writeFile(path, "old;"));
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    QVERIFY(QFile::setPermissions(path, readOnly));
    const SaveResult r = saveDocument(sample(), QDir(tmp.path()));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("\"InfoQX0201011.iqx\"") && r.error.contains("read-only"), qPrintable(r.error));
    QCOMPARE(readFile(path), QByteArray("old;"));
    QVERIFY(!(QFile::permissions(path) & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)));
    QCOMPARE(QDir(tmp.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"InfoQX0201011.iqx"});
}

// Saves killed at any moment leave the file whole: the old document or the
// new one, never a mixture or a cut.
void TestDataFile::killedSavesLeaveOldOrNew()
{
#if defined(Q_OS_WIN)
    QSKIP("the saving child is made with fork(), which Windows lacks; there the replacement is one "
          "MoveFileExW call, which the system makes whole or not at all");
#else
    QTemporaryDir tmp;
    Document a = sample(), b = sample();
    b.setText(190, QString(20000, u'b'));
    QVERIFY(saveDocument(a, QDir(tmp.path())).ok);
    const QByteArray bytesA = readFile(tmp.filePath("InfoQX0201011.iqx"));
    QVERIFY(saveDocument(b, QDir(tmp.path())).ok);
    const QByteArray bytesB = readFile(tmp.filePath("InfoQX0201011.iqx"));
    for (int round = 0; round < 40; ++round) {
        const pid_t child = fork();
        if (child == 0) {
            for (int i = 0;; ++i)
                saveDocument(i % 2 ? a : b, QDir(tmp.path()));
        }
        QTest::qSleep(1 + round % 7);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        const QByteArray now = readFile(tmp.filePath("InfoQX0201011.iqx"));
        QVERIFY2(now == bytesA || now == bytesB,
                 qPrintable(QStringLiteral("round %1: %2 bytes").arg(round).arg(now.size())));
    }
    removeStaleTemporaryFiles(QDir(tmp.path())); // what a kill in the middle left
    QCOMPARE(entries(tmp.path()), QStringList{"InfoQX0201011.iqx"});
#endif
}

void TestDataFile::staleTemporaryFilesOfOursOnly()
{
    QTemporaryDir tmp;
    const QStringList ours{"InfoQX0201011.iqx.zapis-Ab12Cd", "InfoQX.iqx.zapis-xxxxxx", "InfoQX.odzysk.zapis-Zz9Yy8",
                           "GMINY.txt.zapis-Qw3Er4", "GMINY-poprzedni-2026-12-10-2.txt.zapis-a1B2c3"};
    // The clerk's copies with six letters or digits after ".iqx." look like
    // temporary files, but none that this program writes.
    const QStringList theirs{"InfoQX0201011.iqx",
                             "InfoQX.odzysk",
                             "InfoQX0201011.iqx.bak",
                             "notes.txt.Ab12Cd",
                             "InfoQX0201011.iqx.zapis-Ab12Cd.old",
                             "InfoQXabc.iqx.q1W2e3",
                             "InfoQX0201032.iqx.backup",
                             "InfoQX0201032.iqx.kopia1",
                             "InfoQX0201032.iqx.stara1",
                             "InfoQX0201011.iqx.q1W2e3",
                             "GMINY.txt",
                             "GMINY.txt.zapis-Qw3Er4.old",
                             "GMINY-poprzedni-2026-12-10.txt"};
    for (const QString &name : ours + theirs)
        QVERIFY(writeFile(tmp.filePath(name), "x"));
    // Named like ours, but not regular files: not ours either.
    QStringList special{"InfoQX0201011.iqx.zapis-Dir123"};
    QVERIFY(QDir(tmp.path()).mkdir(special.last()));
    const bool linked =
        testfs::makeSymbolicLink(tmp.filePath("InfoQX0201011.iqx"), tmp.filePath("InfoQX0201011.iqx.zapis-Lnk123"));
#if !defined(Q_OS_WIN)
    QVERIFY(linked);
#endif
    if (linked)
        special << "InfoQX0201011.iqx.zapis-Lnk123";
#if !defined(Q_OS_WIN)
    QVERIFY(::mkfifo(QFile::encodeName(tmp.filePath("InfoQX.odzysk.zapis-Fif123")).constData(), 0600) == 0);
    special << "InfoQX.odzysk.zapis-Fif123";
#endif
    QStringList removed = removeStaleTemporaryFiles(QDir(tmp.path()));
    removed.sort();
    QStringList expected = ours;
    expected.sort();
    QCOMPARE(removed, expected);
    QStringList left = theirs + special;
    left.sort();
    QCOMPARE(entries(tmp.path()), left);
}

QTEST_MAIN(TestDataFile)
#include "tst_datafile.moc"
