// What happens before the main window: reading the command line and
// preparing the per-user folder the desktop launcher works in.
#include "app/commandline.h"
#include "support/recordingsink.h"
#include "app/workfolder.h"
#include "support/filesystem.h"
#include "support/envoverride.h"
#include "support/tercsamples.h"
#include "storage/registerimport.h"
#include "storage/terc.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using iqx::CommandLine;
Q_DECLARE_METATYPE(CommandLine::Mode)

namespace {

using testfs::readFile;
using testfs::writeFile;

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<CommandLine::Mode>("mode");
        QTest::addColumn<QString>("path"); // --pdf's file, or --import-register's
        QTest::addColumn<bool>("userFolder");
        QTest::addColumn<QStringList>("says");
        using M = CommandLine::Mode;
        QTest::newRow("nothing") << QStringList{} << M::Window << QString() << false << QStringList{};
        QTest::newRow("launcher") << QStringList{"--user-folder"} << M::Window << QString() << true << QStringList{};
        QTest::newRow("export") << QStringList{"--pdf", "a b.pdf"} << M::Pdf << "a b.pdf" << false << QStringList{};
        QTest::newRow("export in the user's folder")
            << QStringList{"--pdf=x.pdf", "--user-folder"} << M::Pdf << "x.pdf" << true << QStringList{};
        QTest::newRow("help") << QStringList{"-h"} << M::Help << QString() << false
                              << QStringList{"Użycie:", "--pdf <plik>", "--user-folder", "Informacja QX"};
        QTest::newRow("help wins over the rest")
            << QStringList{"--pdf", "x.pdf", "--help"} << M::Help << QString() << false << QStringList{"--version"};
        QTest::newRow("version") << QStringList{"--version"} << M::Version << QString() << false
                                 << QStringList{"Informacja QX " + iqx::programVersion()};
        QTest::newRow("unknown option") << QStringList{"--print"} << M::Error << QString() << false
                                        << QStringList{"--print", "Użycie:"};
        QTest::newRow("--pdf without a file")
            << QStringList{"--pdf"} << M::Error << QString() << false << QStringList{"pdf", "Użycie:"};
        QTest::newRow("empty file name") << QStringList{"--pdf", ""} << M::Error << QString() << false
                                         << QStringList{"Użycie:"};
        QTest::newRow("two files") << QStringList{"--pdf", "a.pdf", "--pdf", "b.pdf"} << M::Error << QString() << false
                                   << QStringList{"Użycie:"};
        QTest::newRow("stray argument") << QStringList{"out.pdf"} << M::Error << QString() << false
                                        << QStringList{"out.pdf", "Użycie:"};
        // --import-register takes a file or none (then a dialog asks for
        // one), and no other mode or file beside it; "path" is its file.
        QTest::newRow("import, a file") << QStringList{"--import-register", "TERC.zip"} << M::ImportRegister
                                        << "TERC.zip" << false << QStringList{};
        QTest::newRow("import, a file after =")
            << QStringList{"--import-register=a b.csv"} << M::ImportRegister << "a b.csv" << false << QStringList{};
        QTest::newRow("import, the desktop action") << QStringList{"--user-folder", "--import-register"}
                                                    << M::ImportRegister << QString() << true << QStringList{};
        QTest::newRow("import, no file, another option after")
            << QStringList{"--import-register", "--user-folder"} << M::ImportRegister << QString() << true
            << QStringList{};
        QTest::newRow("import, a file, then the user's folder")
            << QStringList{"--import-register", "x.xml", "--user-folder"} << M::ImportRegister << "x.xml" << true
            << QStringList{};
        QTest::newRow("import, two files") << QStringList{"--import-register", "a.csv", "b.csv"} << M::Error
                                           << QString() << false << QStringList{"Użycie:"};
        QTest::newRow("import with --check") << QStringList{"--import-register", "a.csv", "--check"} << M::Error
                                             << QString() << false << QStringList{"Użycie:"};
        QTest::newRow("import with --data") << QStringList{"--import-register", "--data", "a.iqx"} << M::Error
                                            << QString() << false << QStringList{"Użycie:"};
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(CommandLine::Mode, mode);
        QFETCH(QString, path);
        QFETCH(bool, userFolder);
        QFETCH(QStringList, says);
        const CommandLine c = iqx::parseCommandLine(QStringList{QStringLiteral("informacja")} + args);
        QCOMPARE(c.mode, mode);
        QCOMPARE(args.join(' ').contains(QLatin1String("--import-register")) ? c.importPath : c.pdfPath, path);
        QCOMPARE(c.userFolder, userFolder);
        for (const QString &s : says)
            QVERIFY2(c.text.contains(s), qPrintable(c.text));
    }

    void prepareWorkFolder_data()
    {
        QTest::addColumn<QString>("before"); // what stands at the folder or its register
        QTest::addColumn<bool>("withSource");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("created");
        QTest::addColumn<QByteArray>("registerAfter");
        QTest::newRow("first start") << "nothing" << true << true << true << QByteArray("shipped");
        QTest::newRow("office's own register kept") << "own register" << true << true << false << QByteArray("own");
        QTest::newRow("register deleted by the user")
            << "empty folder" << true << true << false << QByteArray("shipped");
        QTest::newRow("no shipped register") << "nothing" << false << true << true << QByteArray();
        QTest::newRow("link in place of the register") << "dangling link" << true << true << false << QByteArray();
        QTest::newRow("a file in place of the folder") << "file" << true << false << false << QByteArray();
    }
    void prepareWorkFolder()
    {
        QFETCH(QString, before);
        QFETCH(bool, withSource);
        QFETCH(bool, ok);
        QFETCH(bool, created);
        QFETCH(QByteArray, registerAfter);
        QTemporaryDir tmp;
        const QString source = tmp.filePath(QStringLiteral("shipped.txt"));
        QVERIFY(writeFile(source, "shipped"));
        const QString folder = tmp.filePath(QStringLiteral("Dokumenty/Informacja QX"));
        const QString reg = folder + QStringLiteral("/GMINY.txt");
        const QString linkTarget = tmp.filePath(QStringLiteral("elsewhere.txt"));
        if (before == QLatin1String("file")) {
            QVERIFY(QDir().mkpath(tmp.filePath(QStringLiteral("Dokumenty"))));
            QVERIFY(writeFile(folder, "x"));
        } else if (before != QLatin1String("nothing")) {
            QVERIFY(QDir().mkpath(folder));
            if (before == QLatin1String("own register"))
                QVERIFY(writeFile(reg, "own"));
            if (before == QLatin1String("dangling link"))
                if (!testfs::makeSymbolicLink(linkTarget, reg))
                    QSKIP("this system does not let the test make a symbolic link");
        }

        const iqx::WorkFolderResult r = iqx::prepareWorkFolder(folder, withSource ? source : QString());
        QCOMPARE(r.ok, ok);
        QCOMPARE(r.created, created);
        QCOMPARE(r.error.isEmpty(), ok);
        QCOMPARE(readAll(reg), registerAfter);
        QVERIFY(!QFile::exists(linkTarget)); // nothing written through a link
        // No temporary file is left beside the register.
        if (ok)
            QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System).size(),
                     registerAfter.isEmpty() && before != QLatin1String("dangling link") ? 0 : 1);
    }

    void installedRegisterBesideTheProgramFirst()
    {
#if defined(Q_OS_WIN)
        // Installed on Windows, the register lies under the program's own
        // folder, and no other copy is taken.
        QTemporaryDir tmp;
        const QString program = tmp.filePath(QStringLiteral("Informacja QX"));
        QVERIFY(QDir().mkpath(program + QStringLiteral("/data/informacja")));
        QCOMPARE(iqx::installedRegister(program), QString());
        QVERIFY(writeFile(program + QStringLiteral("/data/informacja/GMINY.txt"), "installed"));
        QCOMPARE(iqx::installedRegister(program), program + QStringLiteral("/data/informacja/GMINY.txt"));
#else
        QTemporaryDir tmp;
        QVERIFY(QDir().mkpath(tmp.filePath(QStringLiteral("usr/bin"))));
        QVERIFY(QDir().mkpath(tmp.filePath(QStringLiteral("usr/share/informacja"))));
        QVERIFY(QDir().mkpath(tmp.filePath(QStringLiteral("data/informacja"))));
        QVERIFY(writeFile(tmp.filePath(QStringLiteral("data/informacja/GMINY.txt")), "system"));
        const EnvOverride dataHome("XDG_DATA_HOME", tmp.filePath(QStringLiteral("nohome")));
        const EnvOverride dataDirs("XDG_DATA_DIRS", tmp.filePath(QStringLiteral("data")));
        const QString bin = tmp.filePath(QStringLiteral("usr/bin"));
        QCOMPARE(iqx::installedRegister(bin), tmp.filePath(QStringLiteral("data/informacja/GMINY.txt")));
        QVERIFY(writeFile(tmp.filePath(QStringLiteral("usr/share/informacja/GMINY.txt")), "beside"));
        QCOMPARE(iqx::installedRegister(bin), tmp.filePath(QStringLiteral("usr/share/informacja/GMINY.txt")));
#endif
    }

    // The launcher's start: the folder named by the desktop's documents
    // setting becomes the current one; only its creation is announced.
    void enterUserWorkFolder()
    {
        QTemporaryDir tmp;
#if defined(Q_OS_WIN)
        // The documents folder is the Windows shell's, which no variable
        // redirects: the test works in it and removes what it made.
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Informacja QX");
        if (QFileInfo::exists(folder))
            QSKIP("the documents folder already holds an \"Informacja QX\" folder, which the test leaves alone");
        const auto removeMade = qScopeGuard([&folder] { QDir(folder).removeRecursively(); });
        const QString program = tmp.filePath(QStringLiteral("usr/bin"));
        QVERIFY(QDir().mkpath(program + QStringLiteral("/data/informacja")));
        QVERIFY(writeFile(program + QStringLiteral("/data/informacja/GMINY.txt"), "shipped"));
#else
        const QString home = tmp.filePath(QStringLiteral("home"));
        QVERIFY(QDir().mkpath(home + QStringLiteral("/.config")));
        QVERIFY(writeFile(home + QStringLiteral("/.config/user-dirs.dirs"), "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\n"));
        QVERIFY(QDir().mkpath(tmp.filePath(QStringLiteral("usr/bin"))));
        QVERIFY(QDir().mkpath(tmp.filePath(QStringLiteral("usr/share/informacja"))));
        QVERIFY(writeFile(tmp.filePath(QStringLiteral("usr/share/informacja/GMINY.txt")), "shipped"));
        const EnvOverride h("HOME", home);
        const EnvOverride c("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
        const QString folder = home + QStringLiteral("/Dokumenty/Informacja QX");
#endif
        QCOMPARE(iqx::userWorkFolder(), folder);

        const QString previous = QDir::currentPath();
        iqx::RecordingSink sink;
        const iqx::ScopedMessages scoped(&sink);
        for (int run = 0; run < 2; ++run) {
            QVERIFY(iqx::enterUserWorkFolder(tmp.filePath(QStringLiteral("usr/bin"))));
            QCOMPARE(QDir::currentPath(), folder);
            QCOMPARE(readAll(QStringLiteral("GMINY.txt")), QByteArray("shipped"));
        }
        QDir::setCurrent(previous);
        QCOMPARE(sink.entries.size(), 1);
        QVERIFY(sink.entries[0].text.contains(QDir::toNativeSeparators(folder)));
    }

    // The launcher's start in a folder that still holds the register an
    // earlier version copied there: it gets the installed one, the old one
    // stays beside it, and the clerk is told once. An edited one stays.
    void registerOfAnEarlierVersionReplacedAtStart_data()
    {
        QTest::addColumn<bool>("edited");
        QTest::newRow("as shipped in 2024") << false;
        QTest::newRow("edited by the office") << true;
    }
    void registerOfAnEarlierVersionReplacedAtStart()
    {
        QFETCH(bool, edited);
        QTemporaryDir tmp;
        const QString folder = tmp.filePath(QStringLiteral("Informacja QX"));
        QVERIFY(QDir().mkpath(folder));
        const QByteArray installed =
            readAll(qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/data/GMINY.txt"));
        const iqx::TercRows rows = iqx::readTerc(tercsamples::gusCsv());
        QByteArray old = iqx::registerFileBytes(iqx::tercRegister(rows.rows).lines).value_or(QByteArray());
        if (edited)
            old.replace("0201011;", "0201011 ;");
        QVERIFY(writeFile(folder + QStringLiteral("/GMINY.txt"), old));
        const QString source = tmp.filePath(QStringLiteral("GMINY.txt"));
        QVERIFY(writeFile(source, installed));

        for (int run = 0; run < 2; ++run) {
            const iqx::WorkFolderResult r = iqx::prepareWorkFolder(folder, source);
            QVERIFY(r.ok);
            if (run == 0 && !edited) {
                QVERIFY2(r.registerNotice.contains(QStringLiteral("(gmin: 2479)"))
                             && r.registerNotice.contains(QDir::toNativeSeparators(folder + "/GMINY-poprzedni-")),
                         qPrintable(r.registerNotice));
            } else {
                QCOMPARE(r.registerNotice, QString());
            }
        }
        QVERIFY(readAll(folder + QStringLiteral("/GMINY.txt")) == (edited ? old : installed));
        const QStringList kept = QDir(folder).entryList({QStringLiteral("GMINY-poprzedni-*.txt")});
        QCOMPARE(kept.size(), edited ? 0 : 1);
        if (!edited)
            QVERIFY(readAll(folder + u'/' + kept.first()) == old);
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
