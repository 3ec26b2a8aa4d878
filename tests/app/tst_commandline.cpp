// `informacja --pdf FILE`: failures are reported and end with a non-zero
// status; nothing is written where the export did not succeed.
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

namespace {

struct Run {
    int status = -1;
    QString err;
};

Run runProgram(const QString &dir, const QStringList &args)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("IQX_BINARY"), args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit)
        return {};
    return {p.exitCode(), QString::fromLocal8Bit(p.readAllStandardError())};
}

void copyRegister(const QTemporaryDir &dir)
{
    QFile::copy(qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/data/GMINY.txt"),
                dir.filePath(QStringLiteral("GMINY.txt")));
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
        QTest::newRow("a folder as the data file") << true << QStringLiteral("dir")
                                                   << QStringList{"--pdf", "out.pdf"} << 4
                                                   << QStringLiteral("InfoQX1234567.iqx");
        QTest::newRow("a FIFO as the data file: refused, never waited on")
            << true << QStringLiteral("fifo") << QStringList{"--pdf", "out.pdf"} << 4
            << QStringLiteral("InfoQX1234567.iqx");
        QTest::newRow("a link as the data file: not followed")
            << true << QStringLiteral("link") << QStringList{"--pdf", "out.pdf"} << 4
            << QStringLiteral("symbolic link");
        QTest::newRow("folder that cannot take the PDF")
            << true << QString() << QStringList{"--pdf", "missing/folder/out.pdf"} << 5 << QStringLiteral("out.pdf");
        QTest::newRow("unknown argument") << true << QString() << QStringList{"--print"} << 2
                                          << QStringLiteral("Użycie:");
        QTest::newRow("--pdf without a file") << true << QString() << QStringList{"--pdf"} << 2
                                              << QStringLiteral("Użycie:");
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
        else if (obstacle == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(data).constData(), 0644), 0);
        else if (obstacle == QLatin1String("link")) {
            QFile target(outside.filePath(QStringLiteral("secret.txt")));
            QVERIFY(target.open(QIODevice::WriteOnly) && target.write("miejska;0201011;Tajne;") > 0);
            target.close();
            QVERIFY(QFile::link(target.fileName(), data));
        }
        const Run r = runProgram(dir.path(), args);
        QCOMPARE(r.status, status);
        QVERIFY2(r.err.contains(says), qPrintable(r.err));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("out.pdf"))));
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
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
