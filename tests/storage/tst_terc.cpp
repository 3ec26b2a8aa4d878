// GUS's TERC made into the municipality register: the forms GUS publishes it
// in and the forms a clerk may hold it in, what is refused, the changes the
// clerk is told, and the register of a folder replaced (by an import, or at
// start when an earlier version shipped it).
#include "document/registerchanges.h"
#include "storage/registerimport.h"
#include "storage/registerupgrade.h"
#include "storage/terc.h"

#include "support/filesystem.h"
#include "support/tercsamples.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#if !defined(Q_OS_WIN)
#include <sys/stat.h>
#endif

using namespace iqx;
Q_DECLARE_METATYPE(iqx::RegisterLine)

namespace {

using testfs::readFile;
using testfs::writeFile;

QByteArray shippedRegister()
{
    QFile f(qEnvironmentVariable("IQX_SOURCE_DIR") + QStringLiteral("/data/GMINY.txt"));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The register of TERC bytes, or the refusal.
struct Made {
    QByteArray bytes;
    TercRegister reg;
    QString form;
    QString error;
};

Made make(const QByteArray &terc)
{
    Made m;
    const TercRows rows = readTerc(terc);
    m.form = rows.form;
    m.error = rows.error;
    if (!m.error.isEmpty())
        return m;
    m.reg = tercRegister(rows.rows);
    m.error = m.reg.error;
    if (m.error.isEmpty())
        m.bytes = registerFileBytes(m.reg.lines).value_or(QByteArray());
    return m;
}

// The register of 2024-01-01, which the first version shipped, made from
// GUS's CSV of that date.
QByteArray register2024() { return make(tercsamples::gusCsv()).bytes; }

QStringList namesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

RegisterLine line(const char *id, const char *municipality, const char *county = "C", const char *type = "GW")
{
    return {QString::fromUtf8(id),
            {QStringLiteral("V"), QString::fromUtf8(county), QString::fromUtf8(municipality), QString::fromUtf8(type)}};
}

const QDate kToday(2026, 1, 15);

} // namespace

class TestTerc : public QObject {
    Q_OBJECT
private slots:
    // Every form of GUS's TERC of 2024-01-01 gives the register the first
    // version shipped, byte for byte (its digest is the one the upgrade at
    // start knows).
    void gusFormsGiveTheShippedRegister_data()
    {
        using tercsamples::zipOf;
        QTest::addColumn<QByteArray>("terc");
        QTest::addColumn<QString>("form");
        const QByteArray csv = tercsamples::gusCsv(), xml = tercsamples::gusXml();
        QTest::newRow("CSV as GUS serves it") << csv << "CSV";
        QTest::newRow("XML as GUS lays it out") << xml << "XML";
        QTest::newRow("CSV saved again by a spreadsheet") << tercsamples::spreadsheetCsv() << "CSV";
        QTest::newRow("CSV in UTF-8 without a mark, LF") << csv.mid(3).replace("\r\n", "\n") << "CSV";
        QTest::newRow("CSV without its empty last line") << csv.chopped(2) << "CSV";
        QTest::newRow("zip of both: the CSV is read")
            << zipOf({{"TERC_Urzedowy_2024-01-01.xml", xml}, {"TERC_Urzedowy_2024-01-01.csv", csv}})
            << "CSV z archiwum ZIP: TERC_Urzedowy_2024-01-01.csv";
        QTest::newRow("zip of the XML alone, in a folder")
            << zipOf({{"TERC/TERC.XML", xml}, {"TERC/opis.txt", "x"}}) << "XML z archiwum ZIP: TERC/TERC.XML";
    }
    void gusFormsGiveTheShippedRegister()
    {
        QFETCH(QByteArray, terc);
        QFETCH(QString, form);
        const Made m = make(terc);
        QVERIFY2(m.error.isEmpty(), qPrintable(m.error));
        QCOMPARE(m.form, form);
        QCOMPARE(m.reg.lines.size(), 2477);
        QCOMPARE(m.reg.stateDate, QStringLiteral("2024-01-01"));
        QVERIFY(isEarlierShippedRegister(m.bytes));
        QCOMPARE(m.reg.lines[461 - 1], (RegisterLine{"0614052", {"lubelskie", "puławski", "Końskowola", "GW"}}));
    }

    // A TERC of today's gminas gives today's shipped register back.
    void todaysRegisterFromItsTerc()
    {
        const QByteArray today = shippedRegister();
        QVERIFY(!today.isEmpty());
        const Made m = make(tercsamples::tercCsvOf(today, QStringLiteral("2026-01-01")));
        QVERIFY2(m.error.isEmpty(), qPrintable(m.error));
        QCOMPARE(m.reg.lines.size(), 2479);
        QVERIFY(m.bytes == today);
        QVERIFY(!isEarlierShippedRegister(today));
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("terc");
        QTest::addColumn<QString>("says");
        for (const tercsamples::Refused &r : tercsamples::refusedFiles())
            QTest::newRow(r.name) << r.bytes << r.says;
    }
    void refusals()
    {
        QFETCH(QByteArray, terc);
        QFETCH(QString, says);
        const Made m = make(terc);
        QVERIFY2(m.error.contains(says), qPrintable(m.error));
        QVERIFY(m.bytes.isEmpty());
    }

    // What the clerk is told changed between the register of 2024-01-01 and
    // today's: two gminas created, thirteen that became urban-rural, one
    // renamed.
    void changesSince2024()
    {
        const auto before = registerFileLines(register2024());
        const auto after = registerFileLines(shippedRegister());
        QVERIFY(before && after);
        const QStringList changes = describeRegisterChanges(*before, *after);
        QCOMPARE(changes.size(), 16);
        QCOMPARE(changes.filter(QRegularExpression("^dodano: ")),
                 (QStringList{"dodano: 1207132 Szczawa (limanowski, małopolskie)",
                              "dodano: 2002162 Grabówka (białostocki, podlaskie)"}));
        QCOMPARE(changes.filter(QRegularExpression("^zmieniono kod: ")).size(), 13);
        QVERIFY(changes.contains(
            "zmieniono kod: 0614052 → 0614053 Końskowola (puławski, lubelskie), gmina miejsko-wiejska"));
        QCOMPARE(changes.last(),
                 QStringLiteral("zmieniono nazwę: 2812052 Nowe Miasto Lubawskie → Bratian (nowomiejski, "
                                "warmińsko-mazurskie)"));
        QVERIFY(describeRegisterChanges(*after, *after).isEmpty());
    }

    void changes_data()
    {
        QTest::addColumn<QList<RegisterLine>>("before");
        QTest::addColumn<QList<RegisterLine>>("after");
        QTest::addColumn<QStringList>("changes");
        QTest::newRow("two of one name and six digits: no guess")
            << QList<RegisterLine>{line("1111011", "A", "C", "GM"), line("1111012", "A")}
            << QList<RegisterLine>{line("1111013", "A", "C", "MW")}
            << QStringList{"dodano: 1111013 A (C, V)", "usunięto: 1111011 A (C, V)", "usunięto: 1111012 A (C, V)"};
        QTest::newRow("new kind digit and a new name: removed and added")
            << QList<RegisterLine>{line("1111012", "A")} << QList<RegisterLine>{line("1111013", "B", "C", "MW")}
            << QStringList{"dodano: 1111013 B (C, V)", "usunięto: 1111012 A (C, V)"};
        QTest::newRow("county and type of one identifier")
            << QList<RegisterLine>{line("1111012", "A", "C", "GW")}
            << QList<RegisterLine>{line("1111012", "A", "D", "MW")}
            << QStringList{"zmieniono powiat: 1111012 A: C → D", "zmieniono typ: 1111012 A: GW → MW"};
        QTest::newRow("an identifier twice: its last line counts")
            << QList<RegisterLine>{line("1111012", "A"), line("1111012", "B")}
            << QList<RegisterLine>{line("1111012", "B")} << QStringList{};
    }
    void changes()
    {
        QFETCH(QList<RegisterLine>, before);
        QFETCH(QList<RegisterLine>, after);
        QFETCH(QStringList, changes);
        QCOMPARE(describeRegisterChanges(before, after), changes);
    }

    void registerFileText()
    {
        const QByteArray bytes = register2024();
        const auto lines = registerFileLines(bytes);
        QVERIFY(lines);
        QCOMPARE(registerFileBytes(*lines), std::optional<QByteArray>(bytes));
        // LF, blank lines and a last line without its end read the same.
        QByteArray edited = bytes;
        edited.replace("\r\n", "\n").prepend("\n\n").chop(1);
        QCOMPARE(registerFileLines(edited), lines);
        QVERIFY(!registerFileLines(QStringLiteral("0201011;dolnośląskie;bolesławiecki;Bolesławiec;GM\r\n").toUtf8()));
        QVERIFY(!registerFileLines("0201011;V;C;M\x98;GM\r\n"));
        QVERIFY(!registerFileBytes({line("1111011", "Ж")}));
    }

    // An import into a folder: the register replaced, the old one kept
    // under a name of its own, the clerk told what changed; the same file
    // again changes nothing.
    void importReplacesAndKeeps()
    {
        QTemporaryDir dir;
        const QString reg = dir.filePath("GMINY.txt");
        const QByteArray old = register2024();
        QVERIFY(writeFile(reg, old));
        QVERIFY(writeFile(dir.filePath("terc.csv"), tercsamples::tercCsvOf(shippedRegister(), "2026-01-01")));

        RegisterImport r = importRegister(dir.filePath("terc.csv"), QDir(dir.path()), kToday);
        QCOMPARE(r.outcome, RegisterImport::Replaced);
        QVERIFY(readFile(reg) == shippedRegister());
        QVERIFY(readFile(dir.filePath("GMINY-poprzedni-2026-01-15.txt")) == old);
        const QString summary = r.summary.join('\n');
        for (const QString &s : {QStringLiteral("Gmin: 2479, stan na 2026-01-01."),
                                 QDir::toNativeSeparators(dir.filePath("GMINY-poprzedni-2026-01-15.txt")),
                                 QStringLiteral("Zmiany względem poprzedniego rejestru: 16")})
            QVERIFY2(summary.contains(s), qPrintable(summary));
        QCOMPARE(r.changes.size(), 16);
        QCOMPARE(namesIn(dir.path()), (QStringList{"GMINY-poprzedni-2026-01-15.txt", "GMINY.txt", "terc.csv"}));

        r = importRegister(dir.filePath("terc.csv"), QDir(dir.path()), kToday);
        QCOMPARE(r.outcome, RegisterImport::Unchanged);
        QVERIFY2(r.summary.join('\n').contains("Niczego nie zmieniono"), qPrintable(r.summary.join('\n')));
        QCOMPARE(namesIn(dir.path()).size(), 3);
        // Up to date is no failure, even where the register could not be
        // written.
        QVERIFY(QFile::setPermissions(reg, QFileDevice::ReadOwner));
        QCOMPARE(importRegister(dir.filePath("terc.csv"), QDir(dir.path()), kToday).outcome, RegisterImport::Unchanged);
        QVERIFY(QFile::setPermissions(reg, QFileDevice::ReadOwner | QFileDevice::WriteOwner));

        // Back to 2024 on the same day: the first copy stays, the next one
        // gets a number.
        QVERIFY(writeFile(dir.filePath("terc.csv"), tercsamples::gusCsv()));
        r = importRegister(dir.filePath("terc.csv"), QDir(dir.path()), kToday);
        QCOMPARE(r.outcome, RegisterImport::Replaced);
        QVERIFY(readFile(reg) == old);
        QVERIFY(readFile(dir.filePath("GMINY-poprzedni-2026-01-15.txt")) == old);
        QVERIFY(readFile(dir.filePath("GMINY-poprzedni-2026-01-15-2.txt")) == shippedRegister());
    }

    void importIntoAFolderWithoutARegister()
    {
        QTemporaryDir dir;
        QVERIFY(writeFile(dir.filePath("terc.xml"), tercsamples::gusXml()));
        const RegisterImport r = importRegister(dir.filePath("terc.xml"), QDir(dir.path()), kToday);
        QCOMPARE(r.outcome, RegisterImport::Replaced);
        QVERIFY(r.changes.isEmpty());
        QVERIFY(r.summary.join('\n').contains("nie było rejestru"));
        QVERIFY(isEarlierShippedRegister(readFile(dir.filePath("GMINY.txt"))));
        QCOMPARE(namesIn(dir.path()), (QStringList{"GMINY.txt", "terc.xml"}));
    }

    // What stands in the file's place or the register's: refused with the
    // file named, and the folder exactly as it was.
    void importRefusedLeavesEverything_data()
    {
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("says");
        QTest::newRow("a missing file") << "missing" << int(RegisterImport::BadInput) << "plik nie istnieje";
        QTest::newRow("a folder") << "folder" << int(RegisterImport::BadInput) << "to folder";
        QTest::newRow("a FIFO") << "fifo" << int(RegisterImport::BadInput) << "nie jest zwykły plik";
        QTest::newRow("a link to a TERC file") << "link" << int(RegisterImport::BadInput) << "dowiązanie";
        QTest::newRow("a read-only register")
            << "read-only register" << int(RegisterImport::NotWritten) << "tylko do odczytu";
        QTest::newRow("a link as the register")
            << "register link" << int(RegisterImport::NotWritten) << "dowiązanie symboliczne";
        QTest::newRow("a folder as the register")
            << "register folder" << int(RegisterImport::NotWritten) << "folder albo plik specjalny";
    }
    void importRefusedLeavesEverything()
    {
        QFETCH(QString, obstacle);
        QFETCH(int, outcome);
        QFETCH(QString, says);
        QTemporaryDir dir, outside;
        const QString terc = dir.filePath("TERC.csv");
        const QString reg = dir.filePath("GMINY.txt");
        QVERIFY(writeFile(outside.filePath("TERC.csv"), tercsamples::tercCsvOf(shippedRegister(), "2026-01-01")));
        // The TERC file, or what stands in its place.
        if (obstacle == "folder") {
            QVERIFY(QDir().mkdir(terc));
        } else if (obstacle == "fifo") {
#if defined(Q_OS_WIN)
            QSKIP("a Windows folder holds no FIFO");
#else
            QCOMPARE(mkfifo(QFile::encodeName(terc).constData(), 0644), 0);
#endif
        } else if (obstacle == "link") {
            if (!testfs::makeSymbolicLink(outside.filePath("TERC.csv"), terc))
                QSKIP("this system does not let the test make a symbolic link");
        } else if (obstacle != "missing") {
            QVERIFY(QFile::copy(outside.filePath("TERC.csv"), terc));
        }
        // The register, or what stands in its place.
        if (obstacle == "register folder") {
            QVERIFY(QDir().mkdir(reg));
        } else if (obstacle == "register link") {
            if (!testfs::makeSymbolicLink(outside.filePath("x"), reg))
                QSKIP("this system does not let the test make a symbolic link");
        } else {
            QVERIFY(writeFile(reg, register2024()));
        }
        if (obstacle == "read-only register")
            QVERIFY(QFile::setPermissions(reg, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const QStringList before = namesIn(dir.path());
        const QByteArray registerBefore = readFile(reg);

        const RegisterImport r = importRegister(terc, QDir(dir.path()), kToday);
        QCOMPARE(int(r.outcome), outcome);
        QVERIFY2(r.error.contains(says)
                     && r.error.contains(QDir::toNativeSeparators(outcome == RegisterImport::BadInput ? terc : reg)),
                 qPrintable(r.error));
        QCOMPARE(namesIn(dir.path()), before);
        QVERIFY(readFile(reg) == registerBefore);
        QVERIFY(!QFile::exists(outside.filePath("x")));
    }

    // At start, a folder's register that an earlier version shipped is
    // replaced by the installed one and kept beside it; any other stays.
    void upgradeAtStart_data()
    {
        QTest::addColumn<QString>("folder");    // the folder's register
        QTest::addColumn<QString>("installed"); // the installed one
        QTest::addColumn<bool>("replaced");
        QTest::newRow("the register of 2024") << "2024"
                                              << "today" << true;
        QTest::newRow("the register of 2024, a copy of it kept already") << "2024, kept"
                                                                         << "today" << true;
        QTest::newRow("edited by the office") << "2024 edited"
                                              << "today" << false;
        QTest::newRow("imported by the office") << "imported"
                                                << "today" << false;
        QTest::newRow("made read-only") << "2024 read-only"
                                        << "today" << false;
        QTest::newRow("a link to the register of 2024") << "link"
                                                        << "today" << false;
        QTest::newRow("the installed one is the same") << "2024"
                                                       << "2024" << false;
        QTest::newRow("the installed one is unreadable") << "2024"
                                                         << "missing" << false;
        QTest::newRow("the installed one is no register") << "2024"
                                                          << "garbage" << false;
    }
    void upgradeAtStart()
    {
        QFETCH(QString, folder);
        QFETCH(QString, installed);
        QFETCH(bool, replaced);
        QTemporaryDir dir, outside;
        const QString reg = dir.filePath("GMINY.txt");
        const QByteArray old = register2024();
        const QByteArray today = shippedRegister();
        QByteArray edited = old;
        edited.replace("Gromadka;GW", "Gromadka;MW");
        const QString source = outside.filePath("GMINY.txt");
        if (installed != "missing")
            QVERIFY(writeFile(source, installed == "today"  ? today
                                      : installed == "2024" ? old
                                                            : QByteArray("\xEF\xBB\xBF?")));
        if (folder == "link") {
            QVERIFY(writeFile(outside.filePath("old.txt"), old));
            if (!testfs::makeSymbolicLink(outside.filePath("old.txt"), reg))
                QSKIP("this system does not let the test make a symbolic link");
        } else {
            QVERIFY(writeFile(reg, folder == "2024 edited" ? edited : folder == "imported" ? today.left(5000) : old));
        }
        if (folder == "2024, kept")
            QVERIFY(writeFile(dir.filePath("GMINY-poprzedni-2026-01-15.txt"), "kept"));
        if (folder == "2024 read-only")
            QVERIFY(QFile::setPermissions(reg, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const QByteArray before = readFile(reg);
        const QStringList names = namesIn(dir.path());

        const RegisterUpgrade u = upgradeShippedRegister(QDir(dir.path()), source, kToday);
        QVERIFY2(u.error.isEmpty(), qPrintable(u.error));
        QCOMPARE(u.replaced, replaced);
        if (!replaced) {
            QVERIFY(readFile(reg) == before);
            QCOMPARE(namesIn(dir.path()), names);
            return;
        }
        QVERIFY(readFile(reg) == today);
        QCOMPARE(u.count, 2479);
        const QString kept = folder == "2024" ? "GMINY-poprzedni-2026-01-15.txt" : "GMINY-poprzedni-2026-01-15-2.txt";
        QCOMPARE(u.keptAs, kept);
        QVERIFY(readFile(dir.filePath(kept)) == old);
        QCOMPARE(namesIn(dir.path()).size(), names.size() + 1);
        // Once: the register is today's now.
        QVERIFY(!upgradeShippedRegister(QDir(dir.path()), source, kToday).replaced);
    }
};

QTEST_GUILESS_MAIN(TestTerc)
#include "tst_terc.moc"
