#include "app/messages.h"
#include "storage/cp1250.h"
#include "storage/datacodec.h"
#include "storage/datafile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <sys/resource.h>

using namespace iqx;

namespace {

// A small document: text positions 0-4, 6, 9 and flag positions 5, 7, 8,
// created out of order and partly nested, as the entry pages do.
class Document {
public:
    Document()
    {
        auto *page = new QWidget(&root);
        for (int n : {9, 3, 0, 6, 1, 4, 2})
            edits[n] = makeEdit(n, n < 5 ? static_cast<QWidget *>(&root) : page);
        for (int n : {8, 5, 7})
            checks[n] = makeCheck(n, page);
    }
    QStringList values() const
    {
        QStringList v;
        for (int n = 0; n <= 9; ++n)
            v << (edits.contains(n) ? edits[n]->text() : (checks[n]->isChecked() ? "1" : "0"));
        return v;
    }
    void fill(const QStringList &v)
    {
        for (int n = 0; n <= 9; ++n)
            if (edits.contains(n))
                edits[n]->setText(v[n]);
            else
                checks[n]->setChecked(v[n] == QLatin1String("1"));
    }

    QWidget root;
    QMap<int, QLineEdit *> edits;
    QMap<int, QCheckBox *> checks;

private:
    static QLineEdit *makeEdit(int n, QWidget *parent)
    {
        auto *e = new QLineEdit(parent);
        e->setObjectName(QStringLiteral("Edit%1").arg(n));
        return e;
    }
    static QCheckBox *makeCheck(int n, QWidget *parent)
    {
        auto *c = new QCheckBox(QStringLiteral("TAK"), parent);
        c->setObjectName(QStringLiteral("CheckBox%1").arg(n));
        return c;
    }
};

const QStringList kSample{"miejsko-wiejska", "0201011", "Bolesławiec", "bolesławiecki", "dolnośląskie",
                          "1", "0,66", "0", "1", "Zażółć gęślą jaźń"};

QByteArray sampleBytes()
{
    return *cp1250::encode(kSample.join(u';') + u';');
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
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
    void roundTrip();
    void shortFile();
    void presentEmptyFlagIsTicked();
    void longFile();
    void firstFileByName();
    void unreadableOrUndecodableChangesNothing();
    void unsafeIdentifierWritesNothing();
    void unwritableTextKeepsOldFile_data();
    void unwritableTextKeepsOldFile();
    void failedWriteKeepsOldFile();
    void directoryInTheWay();
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
    QTest::newRow("after the line is never decoded") << QByteArray("\xb3;\n\x81") << 1 << true
                                                     << QStringList{QString::fromUtf8("ł")} << 0;
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

void TestDataFile::roundTrip()
{
    QTemporaryDir tmp;
    QVERIFY(tmp.isValid());
    Document doc;
    doc.fill(kSample);
    const SaveResult first = saveDocument(&doc.root, QDir(tmp.path()));
    QVERIFY2(first.ok, qPrintable(first.error));
    QCOMPARE(first.fileName, QStringLiteral("InfoQX0201011.iqx"));
    const QString path = tmp.filePath(first.fileName);
    QCOMPARE(readFile(path), sampleBytes());

    QVERIFY(saveDocument(&doc.root, QDir(tmp.path())).ok);
    QCOMPARE(readFile(path), sampleBytes());
    QCOMPARE(entries(tmp.path()), QStringList{first.fileName}); // no temporary left behind

    Document copy;
    copy.fill({"x", "x", "x", "x", "x", "0", "x", "1", "0", "x"});
    const LoadResult loaded = loadDocument(&copy.root, QDir(tmp.path()));
    QCOMPARE(loaded.status, LoadResult::Loaded);
    QCOMPARE(loaded.fileName, first.fileName);
    QCOMPARE(loaded.missingFields, 0);
    QCOMPARE(copy.values(), kSample);

    // A document without an identifier is stored as "InfoQX.iqx" and found again.
    QVERIFY(QFile::remove(path));
    doc.edits[1]->clear();
    const SaveResult unnamed = saveDocument(&doc.root, QDir(tmp.path()));
    QVERIFY(unnamed.ok);
    QCOMPARE(unnamed.fileName, QStringLiteral("InfoQX.iqx"));
    QCOMPARE(loadDocument(&copy.root, QDir(tmp.path())).fileName, QStringLiteral("InfoQX.iqx"));
    QCOMPARE(copy.values(), doc.values());
}

void TestDataFile::shortFile()
{
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.filePath("InfoQX0201011.iqx"), "wiejska;0201011;Gmina;"));
    Document doc;
    doc.fill({"a", "b", "c", "d", "e", "1", "f", "1", "1", "g"});
    const LoadResult r = loadDocument(&doc.root, QDir(tmp.path()));
    QCOMPARE(r.status, LoadResult::Incomplete);
    QCOMPARE(r.missingFields, 7);
    QCOMPARE(doc.values(), (QStringList{"wiejska", "0201011", "Gmina", "", "", "0", "", "0", "0", ""}));
    QCOMPARE(r.message, QStringLiteral("Plik InfoQX0201011.iqx jest niekompletny: brakuje 7 pól. "
                                       "Brakujące pozycje pozostały puste."));

    QVERIFY(writeFile(tmp.filePath("InfoQX0201011.iqx"), "a;b;c;d;e;1;f;1;1;"));
    const LoadResult one = loadDocument(&doc.root, QDir(tmp.path()));
    QCOMPARE(one.missingFields, 1);
    QCOMPARE(one.message, QStringLiteral("Plik InfoQX0201011.iqx jest niekompletny: brakuje 1 pola. "
                                         "Brakująca pozycja pozostała pusta."));
}

void TestDataFile::presentEmptyFlagIsTicked()
{
    // Only a field of exactly "0" unticks: an empty field that is present
    // ticks the box, as it always has.
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.filePath("InfoQX.iqx"), "a;b;c;d;e;;f;00;x;g;"));
    Document doc;
    QCOMPARE(loadDocument(&doc.root, QDir(tmp.path())).status, LoadResult::Loaded);
    QCOMPARE(doc.values(), (QStringList{"a", "b", "c", "d", "e", "1", "f", "1", "1", "g"}));
}

void TestDataFile::longFile()
{
    QTemporaryDir tmp;
    QVERIFY(writeFile(tmp.filePath("InfoQX0201011.iqx"), sampleBytes() + "surplus;1;0;\r\nsecond line;"));
    Document doc;
    const LoadResult r = loadDocument(&doc.root, QDir(tmp.path()));
    QCOMPARE(r.status, LoadResult::Loaded);
    QCOMPARE(doc.values(), kSample);
}

void TestDataFile::firstFileByName()
{
    QTemporaryDir tmp;
    Document doc;
    QCOMPARE(loadDocument(&doc.root, QDir(tmp.path())).status, LoadResult::NoFile);
    QVERIFY(writeFile(tmp.filePath("InfoQX1.txt"), "t;"));
    QVERIFY(writeFile(tmp.filePath("Info1.iqx"), "t;"));
    QCOMPARE(loadDocument(&doc.root, QDir(tmp.path())).status, LoadResult::NoFile);
    QCOMPARE(doc.edits[0]->text(), QString());

    QVERIFY(writeFile(tmp.filePath("InfoQX2.iqx"), "two;"));
    QVERIFY(writeFile(tmp.filePath("InfoQX10.iqx"), "ten;"));
    QCOMPARE(loadDocument(&doc.root, QDir(tmp.path())).fileName, QStringLiteral("InfoQX10.iqx"));
    QCOMPARE(doc.edits[0]->text(), QStringLiteral("ten"));

    QVERIFY(writeFile(tmp.filePath("InfoQX.iqx"), "none;"));
    QCOMPARE(loadDocument(&doc.root, QDir(tmp.path())).fileName, QStringLiteral("InfoQX.iqx"));
    QCOMPARE(doc.edits[0]->text(), QStringLiteral("none"));
}

void TestDataFile::unreadableOrUndecodableChangesNothing()
{
    QTemporaryDir tmp;
    Document doc;
    doc.fill(kSample);

    QVERIFY(writeFile(tmp.filePath("InfoQX1.iqx"), "a;b;\x81;"));
    LoadResult r = loadDocument(&doc.root, QDir(tmp.path()));
    QCOMPARE(r.status, LoadResult::Error);
    QCOMPARE(r.fileName, QStringLiteral("InfoQX1.iqx"));
    QVERIFY2(r.message.contains("InfoQX1.iqx"), qPrintable(r.message));
    QCOMPARE(doc.values(), kSample);

    // A directory that is first by name is taken and cannot be read.
    QVERIFY(QDir(tmp.path()).mkdir("InfoQX0.iqx"));
    r = loadDocument(&doc.root, QDir(tmp.path()));
    QCOMPARE(r.status, LoadResult::Error);
    QCOMPARE(r.fileName, QStringLiteral("InfoQX0.iqx"));
    QVERIFY2(r.message.startsWith(fileErrorText("Cannot open file", "InfoQX0.iqx", QString())), qPrintable(r.message));
    QCOMPARE(doc.values(), kSample);
}

void TestDataFile::unsafeIdentifierWritesNothing()
{
    QTemporaryDir tmp;
    const QString inner = tmp.filePath("program");
    QVERIFY(QDir().mkpath(inner));
    Document doc;
    doc.fill(kSample);
    for (const QString id : {"../x", "12a", "/tmp/x"}) {
        doc.edits[1]->setText(id);
        const SaveResult r = saveDocument(&doc.root, QDir(inner));
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
    QTest::newRow("outside the code page") << 9 << QString::fromUtf8("Ж");
}

void TestDataFile::unwritableTextKeepsOldFile()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QTemporaryDir tmp;
    Document doc;
    doc.fill(kSample);
    QVERIFY(saveDocument(&doc.root, QDir(tmp.path())).ok);

    doc.edits[position]->setText(text);
    const SaveResult r = saveDocument(&doc.root, QDir(tmp.path()));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("InfoQX0201011.iqx") && r.error.contains(QString::number(position)),
             qPrintable(r.error));
    QCOMPARE(readFile(tmp.filePath("InfoQX0201011.iqx")), sampleBytes());
    QCOMPARE(entries(tmp.path()), QStringList{"InfoQX0201011.iqx"});
}

void TestDataFile::failedWriteKeepsOldFile()
{
    // A file size limit makes the write itself fail halfway, also for root.
    QTemporaryDir tmp;
    const QString path = tmp.filePath("InfoQX0201011.iqx");
    QVERIFY(writeFile(path, "old;"));
    Document doc;
    doc.fill(kSample);

    rlimit saved{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 16;
    QVERIFY(setrlimit(RLIMIT_FSIZE, &tight) == 0);
    const SaveResult r = saveDocument(&doc.root, QDir(tmp.path()));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("InfoQX0201011.iqx"), qPrintable(r.error));
    QCOMPARE(readFile(path), QByteArray("old;"));
    QCOMPARE(entries(tmp.path()), QStringList{"InfoQX0201011.iqx"});
}

void TestDataFile::directoryInTheWay()
{
    QTemporaryDir tmp;
    QVERIFY(QDir(tmp.path()).mkdir("InfoQX0201011.iqx"));
    Document doc;
    doc.fill(kSample);
    const SaveResult r = saveDocument(&doc.root, QDir(tmp.path()));
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains("InfoQX0201011.iqx"), qPrintable(r.error));
    QVERIFY(QFileInfo(tmp.filePath("InfoQX0201011.iqx")).isDir());
    QCOMPARE(entries(tmp.path()), QStringList{"InfoQX0201011.iqx"});
}

QTEST_MAIN(TestDataFile)
#include "tst_datafile.moc"
