// The program without its window: `--pdf`, `--export` and `--check` on the
// data files named or found. Failures are reported and end with a non-zero
// status; nothing is written where the export did not succeed.
#include "storage/registerimport.h"
#include "storage/terc.h"
#include "support/csvreader.h"
#include "support/filesystem.h"
#include "support/pdfcheck.h"
#include "support/tercsamples.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#if !defined(Q_OS_WIN)
#include <fcntl.h>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

using testfs::readFile;
using testfs::writeFile;

struct Run {
    int status = -1;
    QString err;
    QString out;
};

struct How {
    bool asUser = false;    // as an ordinary user: root reads and writes what permissions forbid
    QString standardOutput; // a file to write standard output to instead of a pipe
};

Run runProgram(const QString &dir, const QStringList &args, const How &how = {})
{
    QProcess p;
    p.setWorkingDirectory(dir);
#if !defined(Q_OS_WIN)
    if (how.asUser && geteuid() == 0)
        p.setChildProcessModifier([] {
            if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0)
                _exit(126);
        });
#endif
    if (!how.standardOutput.isEmpty())
        p.setStandardOutputFile(how.standardOutput);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("IQX_BINARY"), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardError()), QString::fromUtf8(p.readAllStandardOutput())};
}

void copyRegister(const QTemporaryDir &dir)
{
    QFile::copy(qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/data/GMINY.txt"),
                dir.filePath(QStringLiteral("GMINY.txt")));
}

// The fields of the shipped sample document, a clean one (Windows-1250).
QList<QByteArray> sampleFields()
{
    QFile f(qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/docs/przyklad/InfoQX0201032.iqx"));
    return f.open(QIODevice::ReadOnly) ? f.readAll().split(';') : QList<QByteArray>();
}

} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private slots:
    void failuresEndNonZero_data()
    {
        QTest::addColumn<bool>("withRegister");
        QTest::addColumn<QString>("obstacle"); // what stands where the data file is looked for
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        QTest::newRow("no register") << false << QString() << QStringList{"--pdf", "out.pdf"} << 3
                                     << QStringLiteral("Brak pliku GMINY.txt");
        QTest::newRow("a folder as the data file") << true << QStringLiteral("dir") << QStringList{"--pdf", "out.pdf"}
                                                   << 4 << QStringLiteral("InfoQX1234567.iqx");
        QTest::newRow("a FIFO as the data file: refused, never waited on")
            << true << QStringLiteral("fifo") << QStringList{"--pdf", "out.pdf"} << 4
            << QStringLiteral("InfoQX1234567.iqx");
        QTest::newRow("a link as the data file: not followed")
            << true << QStringLiteral("link") << QStringList{"--pdf", "out.pdf"} << 4
            << QStringLiteral("symbolic link");
        QTest::newRow("folder that cannot take the PDF")
            << true << QString() << QStringList{"--pdf", "missing/folder/out.pdf"} << 5 << QStringLiteral("out.pdf");
        QTest::newRow("unknown argument")
            << true << QString() << QStringList{"--print"} << 2 << QStringLiteral("Użycie:");
        QTest::newRow("--pdf without a file")
            << true << QString() << QStringList{"--pdf"} << 2 << QStringLiteral("Użycie:");
        QTest::newRow("--pdf of a data file named by --data, which is missing")
            << true << QString() << QStringList{"--pdf", "out.pdf", "--data", "InfoQX7.iqx"} << 4
            << QStringLiteral("InfoQX7.iqx");
        QTest::newRow("--pdf of two documents")
            << true << QString() << QStringList{"--pdf", "out.pdf", "a.iqx", "b.iqx"} << 2
            << QStringLiteral("jeden dokument");
        QTest::newRow("two modes at once") << true << QString() << QStringList{"--export", "out.csv", "--check"} << 2
                                           << QStringLiteral("wykluczają się");
        QTest::newRow("--export to an unknown format")
            << true << QStringLiteral("sample") << QStringList{"--export", "out.xml"} << 2
            << QStringLiteral(".json albo .csv");
        QTest::newRow("a data file without anything to do")
            << true << QString() << QStringList{"a.iqx"} << 2 << QStringLiteral("nieoczekiwany argument: a.iqx");
        QTest::newRow("--export without the register, which the findings need")
            << false << QStringLiteral("sample") << QStringList{"--export", "out.json"} << 3
            << QStringLiteral("Brak pliku GMINY.txt");
        QTest::newRow("--check without the register") << false << QStringLiteral("sample") << QStringList{"--check"}
                                                      << 3 << QStringLiteral("Brak pliku GMINY.txt");
        QTest::newRow("--export with no data file")
            << true << QString() << QStringList{"--export", "out.json"} << 4 << QStringLiteral("nie ma pliku danych");
        QTest::newRow("--export of a FIFO") << true << QStringLiteral("fifo") << QStringList{"--export", "out.csv"} << 4
                                            << QStringLiteral("InfoQX1234567.iqx");
        QTest::newRow("--export into a missing folder")
            << true << QStringLiteral("sample") << QStringList{"--export", "missing/out.csv"} << 5
            << QStringLiteral("out.csv");
    }
    void failuresEndNonZero()
    {
        QFETCH(bool, withRegister);
        QFETCH(QString, obstacle);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, says);
        QTemporaryDir dir;
        if (withRegister)
            copyRegister(dir);
        const QString data = dir.filePath(QStringLiteral("InfoQX1234567.iqx"));
        QTemporaryDir outside;
        if (obstacle == QLatin1String("dir"))
            QVERIFY(QDir().mkdir(data));
        else if (obstacle == QLatin1String("fifo")) {
#if defined(Q_OS_WIN)
            QSKIP("a Windows folder holds no FIFO");
#else
            QCOMPARE(mkfifo(QFile::encodeName(data).constData(), 0644), 0);
#endif
        } else if (obstacle == QLatin1String("link")) {
            QFile target(outside.filePath(QStringLiteral("secret.txt")));
            QVERIFY(target.open(QIODevice::WriteOnly) && target.write("miejska;0201011;Tajne;") > 0);
            target.close();
            if (!testfs::makeSymbolicLink(target.fileName(), data))
                QSKIP("this system does not let the test make a symbolic link");
        } else if (obstacle == QLatin1String("sample")) {
            QVERIFY(writeFile(data, sampleFields().join(';')));
        }
        const Run r = runProgram(dir.path(), args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
        QVERIFY(QDir(dir.path()).entryList({QStringLiteral("out.*")}).isEmpty());
    }

    // informacja --import-register FILE refuses a file that is not a whole
    // TERC, or cannot be read, with status 4, and a register it cannot
    // write with status 5: a Polish message on standard error names the
    // file and the reason, nothing goes to standard output, and the folder
    // is as it was, GMINY.txt byte for byte.
    void importRefused_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        for (const tercsamples::Refused &r : tercsamples::refusedFiles())
            QTest::newRow(r.name) << QString() << r.bytes << 4 << r.says;
        QTest::newRow("a FIFO") << "fifo" << QByteArray() << 4 << QStringLiteral("nie jest zwykły plik");
        QTest::newRow("a folder") << "folder" << QByteArray() << 4 << QStringLiteral("to folder");
        QTest::newRow("a missing file") << "missing" << QByteArray() << 4 << QStringLiteral("plik nie istnieje");
        QTest::newRow("a link") << "link" << tercsamples::gusCsv() << 4 << QStringLiteral("dowiązanie symboliczne");
        QTest::newRow("a read-only GMINY.txt")
            << "read-only" << tercsamples::gusCsv() << 5 << QStringLiteral("tylko do odczytu");
    }
    void importRefused()
    {
        QFETCH(QString, obstacle);
        QFETCH(QByteArray, bytes);
        QFETCH(int, status);
        QFETCH(QString, says);
        QTemporaryDir dir, outside;
        copyRegister(dir);
        const QString terc = dir.filePath(QStringLiteral("TERC_Urzedowy.csv"));
        if (obstacle == QLatin1String("fifo")) {
#if defined(Q_OS_WIN)
            QSKIP("a Windows folder holds no FIFO");
#else
            QCOMPARE(mkfifo(QFile::encodeName(terc).constData(), 0644), 0);
#endif
        } else if (obstacle == QLatin1String("folder")) {
            QVERIFY(QDir().mkdir(terc));
        } else if (obstacle == QLatin1String("link")) {
            QVERIFY(writeFile(outside.filePath(QStringLiteral("TERC.csv")), bytes));
            if (!testfs::makeSymbolicLink(outside.filePath(QStringLiteral("TERC.csv")), terc))
                QSKIP("this system does not let the test make a symbolic link");
        } else if (obstacle != QLatin1String("missing")) {
            QVERIFY(writeFile(terc, bytes));
        }
        const QString reg = dir.filePath(QStringLiteral("GMINY.txt"));
        if (obstacle == QLatin1String("read-only"))
            QVERIFY(QFile::setPermissions(reg, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QFile f(reg);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray before = f.readAll();
        f.close();
        const QStringList names = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        const Run r = runProgram(dir.path(), {"--import-register", "TERC_Urzedowy.csv"});
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
        const QString named = QDir::toNativeSeparators(status == 4 ? terc : reg);
        QVERIFY2(r.err.contains(named) && r.err.contains(QStringLiteral("Rejestr")), qPrintable(r.err));
        QCOMPARE(r.out, QString());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.readAll() == before);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), names);
    }

    // The summary on standard output: the register written, the count and
    // the state date, where the old one is kept, one line per change; the
    // same file again says the register is up to date and keeps nothing.
    void importSummary()
    {
        QTemporaryDir dir;
        const iqx::TercRows rows2024 = iqx::readTerc(tercsamples::gusCsv());
        const QByteArray old = iqx::registerFileBytes(iqx::tercRegister(rows2024.rows).lines).value_or(QByteArray());
        QVERIFY(writeFile(dir.filePath(QStringLiteral("GMINY.txt")), old));
        QFile shipped(qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/data/GMINY.txt"));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray today = shipped.readAll();
        const QByteArray csv = tercsamples::tercCsvOf(today, QStringLiteral("2026-01-01"));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("TERC.zip")),
                          tercsamples::zipOf({{QStringLiteral("TERC.csv"), csv}})));

        Run r = runProgram(dir.path(), {"--import-register", "TERC.zip"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.err, QString());
        const QString kept = QStringLiteral("GMINY-poprzedni-%1.txt").arg(QDate::currentDate().toString(Qt::ISODate));
        const QStringList lines = r.out.split(u'\n');
        QCOMPARE(lines.mid(0, 6),
                 (QStringList{QStringLiteral("Zaktualizowano rejestr gmin \"%1\"")
                                  .arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("GMINY.txt")))),
                              QStringLiteral("z pliku \"%1\" (CSV z archiwum ZIP: TERC.csv).")
                                  .arg(QDir::toNativeSeparators(dir.filePath(QStringLiteral("TERC.zip")))),
                              QStringLiteral("Gmin: 2479, stan na 2026-01-01."),
                              QStringLiteral("Poprzedni rejestr zachowano w pliku \"%1\".")
                                  .arg(QDir::toNativeSeparators(dir.filePath(kept))),
                              QStringLiteral("Zmiany względem poprzedniego rejestru: 16"),
                              QStringLiteral("  dodano: 1207132 Szczawa (limanowski, małopolskie)")}));
        QCOMPARE(lines.size(), 5 + 16 + 1);
        QFile reg(dir.filePath(QStringLiteral("GMINY.txt"))), copy(dir.filePath(kept));
        QVERIFY(reg.open(QIODevice::ReadOnly) && copy.open(QIODevice::ReadOnly));
        QVERIFY(reg.readAll() == today);
        QVERIFY(copy.readAll() == old);

        r = runProgram(dir.path(), {"--import-register=TERC.zip"});
        QCOMPARE(r.status, 0);
        QVERIFY2(r.out.contains(QStringLiteral("jest aktualny")), qPrintable(r.out));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 3);
    }

    // Every status the program ends with, here and in the tests below, is
    // explained in --help.
    void helpListsTheStatuses()
    {
        QTemporaryDir dir;
        const Run r = runProgram(dir.path(), {"--help"});
        QCOMPARE(r.status, 0);
        const qsizetype table = r.out.indexOf(QStringLiteral("\nStan zakończenia:\n"));
        QVERIFY2(table >= 0, qPrintable(r.out));
        for (int status = 0; status <= 6; ++status)
            QVERIFY2(r.out.indexOf(QStringLiteral("\n  %1  ").arg(status), table) > table, qPrintable(r.out));
        QVERIFY2(r.out.contains(QStringLiteral("--import-register [<plik>]")), qPrintable(r.out));
    }

    // What cannot be read is an error, never an empty folder or a missing
    // entry: a folder without read permission and a file whose name is not
    // valid UTF-8 (Windows-1250, copied from another system) both get their
    // line or row. Runs as an ordinary user, whom the permissions bind.
    void everythingNamedIsAccountedFor_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // --check: what standard output holds
        QTest::addColumn<QString>("row"); // --export: the row of the entry, its first three cells
        QTest::newRow("--check of an unreadable folder")
            << QStringList{"--check", "a", "b"} << 1
            << QStringLiteral("b: Nie można odczytać folderu b: Permission denied.\n") << QString();
        QTest::newRow("--export of an unreadable folder")
            << QStringList{"--export", "all.csv", "a", "b"} << 6 << QString()
            << QStringLiteral("b|błąd|Nie można odczytać folderu b: Permission denied.");
        QTest::newRow("--check of a Windows-1250 name")
            << QStringList{"--check", "c"} << 1
            << QStringLiteral("c/InfoQX0201022 kopia \\xb3\\xb9ka.iqx: poz. 7: Maksymalna stawka to 0,66 zł\n")
            << QString();
        QTest::newRow("--export of a Windows-1250 name")
            << QStringList{"--export", "all.csv", "a", "c"} << 0 << QString()
            << QStringLiteral("c/InfoQX0201022 kopia \\xb3\\xb9ka.iqx|ok|");
    }
    void everythingNamedIsAccountedFor()
    {
#if defined(Q_OS_WIN)
        QSKIP("Windows names are UTF-16, so no name holds bytes outside its encoding, and a folder's read "
              "permission is not in mode bits the test can take away");
#else
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, row);
        QTemporaryDir dir;
        copyRegister(dir);
        QVERIFY(QFile::setPermissions(dir.path(), QFileDevice::Permissions(0x7777)));
        const QList<QByteArray> good = sampleFields();
        QList<QByteArray> high = good;
        high[7] = "0,67";
        for (const char *folder : {"a", "b", "c"})
            QVERIFY(QDir(dir.path()).mkdir(QString::fromLatin1(folder)));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("a/InfoQX0201032.iqx")), good.join(';')));
        QVERIFY(writeFile(dir.filePath(QStringLiteral("b/InfoQX0201032.iqx")), good.join(';')));
        const QByteArray windowsName =
            QFile::encodeName(dir.filePath(QStringLiteral("c/"))) + "InfoQX0201022 kopia \xb3\xb9ka.iqx";
        QVERIFY(testfs::writeFileByBytes(windowsName, high.join(';')));
        // QTemporaryDir cannot name it to remove it.
        const auto remove = qScopeGuard([&] { ::unlink(windowsName.constData()); });
        QVERIFY(QFile::setPermissions(dir.filePath(QStringLiteral("b")), {}));
        if (geteuid() == 0 && runProgram(dir.path(), {"--version"}, {true, {}}).status != 0)
            QSKIP("the program cannot be run as the user nobody from here");
        const Run r = runProgram(dir.path(), args, {true, {}});
        QFile::setPermissions(dir.filePath(QStringLiteral("b")), QFileDevice::Permissions(0x7700));
        QCOMPARE(r.status, status);
        QVERIFY2(!r.err.contains(QStringLiteral("nie ma plik")), qPrintable(r.err));
        QCOMPARE(r.out, out);
        if (row.isEmpty())
            return;
        QFile csv(dir.filePath(QStringLiteral("all.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QStringList> rows = readCsv(csv.readAll());
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[1].mid(0, 3), (QStringList{"a/InfoQX0201032.iqx", "ok", ""}));
        QCOMPARE(rows[2].mid(0, 3).join(u'|'), row);
#endif
    }

    // --pdf of a folder reads its one data file by its bytes, as --check and
    // --export do: a Windows-1250 name prints that document, never the
    // first one of the current folder in its place.
    void pdfOfAFolderPrintsItsOwnDocument()
    {
#if defined(Q_OS_WIN)
        QSKIP("Windows names are UTF-16, so no name holds bytes outside its encoding");
#else
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        copyRegister(dir);
        QVERIFY(writeFile(dir.filePath(QStringLiteral("InfoQX0201032.iqx")), sampleFields().join(';'))); // Gromadka
        QList<QByteArray> fields = sampleFields();
        fields[0] = "miejska";
        fields[1] = "0201011";
        fields[2] = "Boles\xb3"
                    "awiec";
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("c")));
        const QByteArray windowsName =
            QFile::encodeName(dir.filePath(QStringLiteral("c/"))) + "InfoQX0201011 kopia \xb3\xb9ka.iqx";
        QVERIFY(testfs::writeFileByBytes(windowsName, fields.join(';')));
        // QTemporaryDir cannot name it to remove it.
        const auto remove = qScopeGuard([&] { ::unlink(windowsName.constData()); });
        const Run r = runProgram(dir.path(), {"--pdf", "out.pdf", "c"});
        QCOMPARE(r.status, 0);
        const QList<pdfcheck::PageWords> pages = pdfcheck::readPdf(dir.filePath(QStringLiteral("out.pdf")));
        QCOMPARE(pages.size(), 6);
        QStringList words;
        for (const pdfcheck::Word &w : pages[0])
            words << w.text;
        QVERIFY2(words.contains(QStringLiteral("0201011")) && words.contains(QStringLiteral("Bolesławiec"))
                     && !words.contains(QStringLiteral("Gromadka")),
                 qPrintable(words.join(u' ')));
#endif
    }

    // Findings that cannot be written are not a clean document: the failure
    // is said on standard error, with a status of its own.
    void checkIntoAFullDevice()
    {
        QTemporaryDir dir;
        copyRegister(dir);
        QList<QByteArray> fields = sampleFields();
        fields[7] = "0,67";
        QVERIFY(writeFile(dir.filePath(QStringLiteral("InfoQX0201032.iqx")), fields.join(';')));
#if defined(Q_OS_WIN)
        QSKIP("Windows has no device that is always full");
#endif
        const Run r = runProgram(dir.path(), {"--check"}, {false, QStringLiteral("/dev/full")});
        QCOMPARE(r.status, 5);
        QVERIFY2(r.err.contains(QStringLiteral("Nie można wypisać wyników sprawdzenia na standardowe wyjście: "
                                               "No space left on device")),
                 qPrintable(r.err));
    }

    // A file the clerk made read-only is kept by every writer, for root too.
    void readOnlyOutputIsKept_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QStringList>("args");
        QTest::newRow("--export") << QStringLiteral("out.csv") << QStringList{"--export", "out.csv"};
        QTest::newRow("--export of a summary")
            << QStringLiteral("out.json") << QStringList{"--export", "out.json", "InfoQX0201032.iqx", "."};
        QTest::newRow("--pdf") << QStringLiteral("out.pdf") << QStringList{"--pdf", "out.pdf"};
    }
    void readOnlyOutputIsKept()
    {
        QFETCH(QString, output);
        QFETCH(QStringList, args);
        QTemporaryDir dir;
        copyRegister(dir);
        QVERIFY(writeFile(dir.filePath(QStringLiteral("InfoQX0201032.iqx")), sampleFields().join(';')));
        const QString path = dir.filePath(output);
        QVERIFY(writeFile(path, "stary"));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther));
        const Run r = runProgram(dir.path(), args);
        QCOMPARE(r.status, 5);
        QVERIFY2(r.err.contains(QStringLiteral("\"%1\"").arg(output)) && r.err.contains(QStringLiteral("read-only")),
                 qPrintable(r.err));
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("stary"));
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("out.*")}, QDir::Files | QDir::Hidden),
                 QStringList{output});
    }

    void exportWithoutDataFileGivesSixEmptyPages()
    {
        QTemporaryDir dir;
        copyRegister(dir);
        const Run r = runProgram(dir.path(), {QStringLiteral("--pdf"), QStringLiteral("out.pdf")});
        QCOMPARE(r.status, 0);
        QFile pdf(dir.filePath(QStringLiteral("out.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        // The export never writes a data file.
        QVERIFY(QDir(dir.path()).entryList({QStringLiteral("*.iqx")}).isEmpty());
    }

    // --check runs the rules of the entry pages over a whole document: one
    // line per finding, status 1; a clean document says nothing, status 0.
    void checkFindings_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("finding");
        QTest::newRow("clean") << 5 << QStringLiteral("152340") << QString();
        QTest::newRow("decimal places") << 5 << QStringLiteral("1,2345")
                                        << QStringLiteral("poz. 5: Za duzo miejsc po przecinku");
        QTest::newRow("negative") << 6 << QStringLiteral("-5")
                                  << QStringLiteral("poz. 6: Wartości ujemna są nie dopuszczalne");
        QTest::newRow("minus zero") << 5 << QStringLiteral("-0")
                                    << QStringLiteral("poz. 5: Wartość \"-0\" należy wpisać jako \"0\"");
        QTest::newRow("statutory maximum")
            << 7 << QStringLiteral("0,67") << QStringLiteral("poz. 7: Maksymalna stawka to 0,66 zł");
        QTest::newRow("empty rate") << 7 << QString() << QStringLiteral("poz. 7: Wprowadzono niepoprawną liczbę");
        QTest::newRow("sum of 50") << 50 << QStringLiteral("2025717,61")
                                   << QStringLiteral("poz. 50: Niepoprawna wartość w polu 50 (błąd sumowania)");
        QTest::newRow("sum of 51") << 51 << QStringLiteral("0")
                                   << QStringLiteral("poz. 51: Niepoprawna wartość w polu 51 (błąd sumowania)");
        QTest::newRow("a summand of 50 empty")
            << 13 << QString() << QStringLiteral("poz. 50: '' is not a valid floating point value");
        QTest::newRow("identifier too short")
            << 1 << QStringLiteral("020103")
            << QStringLiteral("poz. 1: ID gminy powinien mieć 7 znaków; pierwsze 2 to nr woj.,następne 2 to nr "
                              "pow. reszta to nr gminy");
        QTest::newRow("identifier not in the register")
            << 1 << QStringLiteral("9999999") << QStringLiteral("poz. 1: Wprowadzono nierozpoznany kod gminy :9999999");
    }
    void checkFindings()
    {
        QFETCH(int, n);
        QFETCH(QString, value);
        QFETCH(QString, finding);
        QTemporaryDir dir;
        copyRegister(dir);
        QList<QByteArray> fields = sampleFields();
        fields[n] = value.toLatin1();
        QVERIFY(writeFile(dir.filePath(QStringLiteral("InfoQX0201032.iqx")), fields.join(';')));
        const Run r = runProgram(dir.path(), {QStringLiteral("--check")});
        QCOMPARE(r.out, finding.isEmpty() ? QString() : finding + u'\n');
        QCOMPARE(r.status, finding.isEmpty() ? 0 : 1);
        QCOMPARE(r.err, QString());
    }

    // A document whose gmina GUS has given a new identifier: the check, and
    // the export's findings with it, name the gmina with its identifier of
    // today; when the register holds several gminas with those six digits,
    // the finding is the one of any unknown identifier.
    void checkNamesTheNewIdentifier_data()
    {
        QTest::addColumn<QByteArray>("extra");
        QTest::addColumn<QString>("finding");
        QTest::newRow("one gmina with those digits")
            << QByteArray()
            << QStringLiteral("kod gminy 0614052 nie występuje w rejestrze gmin; gmina Końskowola ma "
                              "kod 0614053 (miejsko-wiejska)");
        QTest::newRow("two gminas with those digits") << QByteArray("0614051;lubelskie;pulawski;Kazimierz;GM\r\n")
                                                      << QStringLiteral("Wprowadzono nierozpoznany kod gminy :0614052");
    }
    void checkNamesTheNewIdentifier()
    {
        QFETCH(QByteArray, extra);
        QFETCH(QString, finding);
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath(QStringLiteral("GMINY.txt")), QByteArray("0201032;doln\x9cl\xb9skie;boles\xb3"
                                                                                "awiecki;Nowogrodziec;MW\r\n"
                                                                                "0614053;lubelskie;pu\xb3"
                                                                                "awski;Ko\xf1skowola;MW\r\n")
                                                                         + extra));
        QList<QByteArray> fields = sampleFields();
        fields[1] = "0614052";
        QVERIFY(writeFile(dir.filePath(QStringLiteral("InfoQX0614052.iqx")), fields.join(';')));
        const Run check = runProgram(dir.path(), {QStringLiteral("--check")});
        QCOMPARE(check.out, QStringLiteral("poz. 1: ") + finding + u'\n');
        QCOMPARE(check.status, 1);
        const Run exported = runProgram(dir.path(), {QStringLiteral("--export"), QStringLiteral("dane.json")});
        QCOMPARE(exported.status, 0);
        QFile json(dir.filePath(QStringLiteral("dane.json")));
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonArray found = QJsonDocument::fromJson(json.readAll()).object()[u"findings"].toArray();
        QCOMPARE(found.size(), 1);
        QCOMPARE(found[0].toObject()[u"message"].toString(), finding);
    }

    // A folder of many documents: one entry per file in name order, good,
    // damaged and foreign alike; a file that cannot be read carries its
    // error and never stops the files after it.
    void summaryOfAFolder()
    {
        QTemporaryDir dir, outside;
        copyRegister(dir);
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dane")));
        const QString folder = dir.filePath(QStringLiteral("dane"));
        const QList<QByteArray> good = sampleFields();
        QList<QByteArray> second = good;
        second[1] = "0201011"; // in the register too, a different municipality
        second[7] = "0,70";
        QVERIFY(writeFile(folder + "/InfoQX0201011.iqx", second.join(';')));
        QVERIFY(
            writeFile(folder + "/InfoQX0201022.iqx", good.mid(0, 20).join(';') + "\x98;")); // undefined in Windows-1250
        QVERIFY(writeFile(folder + "/InfoQX0201032.iqx", good.join(';')));
        QVERIFY(writeFile(folder + "/InfoQX0201043.iqx", "miejska;0201043;")); // too short
#if defined(Q_OS_WIN)
        // (A Windows folder holds no FIFO: a folder of that name instead.)
        QVERIFY(QDir(folder).mkdir(QStringLiteral("InfoQX0201054.iqx")));
        const char *const special = "Is a directory";
#else
        QCOMPARE(mkfifo(QFile::encodeName(folder + "/InfoQX0201054.iqx").constData(), 0644), 0);
        const char *const special = "not a regular file";
#endif
        QVERIFY(writeFile(outside.filePath(QStringLiteral("cudzy.iqx")), good.join(';')));
        const char *linkError = "symbolic link";
        if (!testfs::makeSymbolicLink(outside.filePath(QStringLiteral("cudzy.iqx")), folder + "/InfoQX0201065.iqx")) {
            // (This system makes no symbolic link: a folder stands there instead.)
            QVERIFY(QDir(folder).mkdir(QStringLiteral("InfoQX0201065.iqx")));
            linkError = "Is a directory";
        }
        QVERIFY(writeFile(folder + "/InfoQX9.iqx", "Lista zakupów: mleko, chleb\n")); // foreign, UTF-8 text
        QVERIFY(writeFile(folder + "/notatki.txt", "nie należy do zestawienia"));

        struct Expected {
            const char *file, *state, *error;
        };
        const Expected expected[] = {
            {"dane/InfoQX0201011.iqx", "ok", ""},
            {"dane/InfoQX0201022.iqx", "błąd", "spoza kodowania Windows-1250"},
            {"dane/InfoQX0201032.iqx", "ok", ""},
            {"dane/InfoQX0201043.iqx", "niekompletny", "brakuje 221 pól"},
            {"dane/InfoQX0201054.iqx", "błąd", special},
            {"dane/InfoQX0201065.iqx", "błąd", linkError},
            {"dane/InfoQX9.iqx", "błąd", "UTF-8"},
        };
        Run r = runProgram(dir.path(), {"--export", "zestawienie.csv", "dane"});
        QCOMPARE(r.status, 6);
        QVERIFY2(r.err.contains(QStringLiteral("4 z 7 plików")), qPrintable(r.err));
        QFile csv(dir.filePath(QStringLiteral("zestawienie.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QStringList> rows = readCsv(csv.readAll());
        QCOMPARE(rows.size(), 1 + 7);
        QCOMPARE(rows[0].mid(0, 5), (QStringList{"plik", "stan", "błąd", "a_typ_gminy", "a_identyfikator_gminy"}));
        QCOMPARE(rows[0].last(), QStringLiteral("uwagi"));
        for (int i = 0; i < 7; ++i) {
            const QStringList &row = rows[i + 1];
            QCOMPARE(row.size(), rows[0].size());
            QCOMPARE(row[0], QString::fromUtf8(expected[i].file));
            QCOMPARE(row[1], QString::fromUtf8(expected[i].state));
            QVERIFY2(row[2].contains(QString::fromUtf8(expected[i].error)), qPrintable(row[2]));
            if (row[1] == QLatin1String("błąd"))
                QVERIFY(row.mid(3).join(QString()).isEmpty());
        }
        // The good rows hold the data file's values; the findings go to "uwagi".
        for (int n = 5; n < 223; ++n)
            if (good[n] != "0" && good[n] != "1")
                QCOMPARE(rows[3][3 + n], QString::fromLatin1(good[n]));
        QCOMPARE(rows[1][3 + 7], QStringLiteral("0,70"));
        QCOMPARE(rows[1].last(), QStringLiteral("poz. 7: Maksymalna stawka to 0,66 zł"));
        QCOMPARE(rows[3].last(), QString());

        r = runProgram(dir.path(), {"--export", "zestawienie.json", "--data", "dane"});
        QCOMPARE(r.status, 6);
        QFile json(dir.filePath(QStringLiteral("zestawienie.json")));
        QVERIFY(json.open(QIODevice::ReadOnly));
        const QJsonArray documents = QJsonDocument::fromJson(json.readAll()).object()[u"documents"].toArray();
        QCOMPARE(documents.size(), 7);
        for (int i = 0; i < 7; ++i) {
            const QJsonObject d = documents[i].toObject();
            QCOMPARE(d[u"file"].toString(), QString::fromUtf8(expected[i].file));
            QCOMPARE(d.contains(u"error"), QByteArray(expected[i].state) == "błąd");
            QCOMPARE(d.contains(u"positions"), !d.contains(u"error"));
        }

        // --check names the file on every line, unreadable ones included.
        // (A folder named there is read as a folder: on Windows the
        // undecodable file stands for the FIFO.)
#if defined(Q_OS_WIN)
        const QString unreadable = QStringLiteral("dane/InfoQX0201022.iqx");
#else
        const QString unreadable = QStringLiteral("dane/InfoQX0201054.iqx");
#endif
        r = runProgram(dir.path(), {"--check", "dane/InfoQX0201011.iqx", unreadable});
        QCOMPARE(r.status, 1);
        const QStringList lines = r.out.split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("dane/InfoQX0201011.iqx: poz. 7: Maksymalna stawka to 0,66 zł"));
        QVERIFY2(lines[1].startsWith(unreadable + QStringLiteral(": ")), qPrintable(lines[1]));
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
