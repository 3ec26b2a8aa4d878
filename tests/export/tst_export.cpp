// The structured export read back: every position of a full data file comes
// out with its number, key and exact text, in JSON and in CSV, together with
// the findings; a file that cannot be written is reported, never half made.
#include "document/descriptions.h"
#include "storage/cp1250.h"
#include "export/documentexport.h"
#include "export/summaryexport.h"
#include "storage/datafile.h"
#include "support/csvreader.h"
#include "support/filesystem.h"
#include "support/workdir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using namespace iqx;

namespace {

// Every text position filled with what its box could hold, a quote and
// Polish letters in the free texts, and every other flag ticked.
Document fullDocument()
{
    Document doc;
    for (const Position &p : positionTable()) {
        if (p.isFlag())
            doc.setChecked(p.number, p.number % 2);
        else if (p.kind == PositionKind::FreeText)
            doc.setText(p.number, QStringLiteral("Zażółć \"gęślą\" jaźń, tel. 22 555 01 01"));
        else if (p.kind == PositionKind::Whole)
            doc.setText(p.number, QString::number(p.number * 7));
        else
            doc.setText(p.number, QStringLiteral("%1,%2").arg(p.number).arg(p.number % 4 ? "05" : ""));
    }
    const QStringList identity{"miejsko-wiejska", "0201011", "Bolesławiec", "bolesławiecki", "dolnośląskie"};
    for (int n = 0; n < 5; ++n)
        doc.setText(n, identity[n]);
    return doc;
}

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("JSON") << QStringLiteral("dane.json");
        QTest::newRow("CSV") << QStringLiteral("dane.csv");
    }
    void roundTrip()
    {
        QFETCH(QString, name);
        WorkDir dir;
        QVERIFY(saveDocument(fullDocument(), QDir(dir.path())).ok);
        const QString dataFile = QStringLiteral("InfoQX0201011.iqx");
        const LoadResult loaded = loadDocumentFile(dir.filePath(dataFile));
        QCOMPARE(loaded.status, LoadResult::Loaded);
        const QList<Finding> findings{{7, QStringLiteral("Maksymalna stawka to 0,66 zł")},
                                      {50, QStringLiteral("Niepoprawna wartość w polu 50 (błąd sumowania)")}};
        QCOMPARE(writeDocumentExport(dir.filePath(name), {dataFile, &loaded.document, 0, {}, findings}), QString());

        // What the data file holds, field by field, read apart from the program's reader.
        const QStringList fields = cp1250::decode(dir.read(dataFile))->split(u';');
        QCOMPARE(fields.size(), kPositionCount + 1);
        auto expected = [&](int n) {
            return position(n).isFlag() ? QString(fields[n] == QLatin1String("1") ? "true" : "false") : fields[n];
        };
        const QByteArray bytes = dir.read(name);
        if (name.endsWith(QLatin1String(".json"))) {
            QJsonParseError error;
            const QJsonObject o = QJsonDocument::fromJson(bytes, &error).object();
            QCOMPARE(error.error, QJsonParseError::NoError);
            QCOMPARE(o[u"format"].toString(), QStringLiteral("informacja-qx"));
            QCOMPARE(o[u"version"].toInt(), 1);
            QCOMPARE(o[u"file"].toString(), dataFile);
            const QJsonObject id = o[u"identity"].toObject();
            QCOMPARE(id[u"identifier"].toString(), fields[1]);
            QCOMPARE(id[u"type"].toString(), fields[0]);
            QCOMPARE(id[u"municipality"].toString(), fields[2]);
            QCOMPARE(id[u"county"].toString(), fields[3]);
            QCOMPARE(id[u"voivodeship"].toString(), fields[4]);
            const QJsonArray positions = o[u"positions"].toArray();
            QCOMPARE(positions.size(), kPositionCount);
            for (int n = 0; n < kPositionCount; ++n) {
                const QJsonObject p = positions[n].toObject();
                QCOMPARE(p[u"number"].toInt(), n);
                QCOMPARE(p[u"key"].toString(), QString::fromUtf8(positionDescription(n).key));
                QCOMPARE(p[u"description"].toString(), QString::fromUtf8(positionDescription(n).description));
                const QJsonValue v = p[u"value"];
                QCOMPARE(v.isBool(), position(n).isFlag());
                QCOMPARE(v.isBool() ? QString(v.toBool() ? "true" : "false") : v.toString(), expected(n));
            }
            const QJsonArray f = o[u"findings"].toArray();
            QCOMPARE(f.size(), 2);
            QCOMPARE(f[1].toObject()[u"position"].toInt(), 50);
            QCOMPARE(f[1].toObject()[u"message"].toString(), findings[1].message);
        } else {
            QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
            const QList<QStringList> rows = readCsv(bytes);
            QCOMPARE(rows.size(), kPositionCount + 1);
            QCOMPARE(rows[0].join(u';'), QStringLiteral("numer;klucz;sekcja;opis;jednostka;wartość;uwagi"));
            for (int n = 0; n < kPositionCount; ++n) {
                const QStringList &r = rows[n + 1];
                QCOMPARE(r.size(), 7);
                QCOMPARE(r[0], QString::number(n));
                QCOMPARE(r[1], QString::fromUtf8(positionDescription(n).key));
                QCOMPARE(r[4], QString::fromUtf8(positionDescription(n).unit));
                QCOMPARE(r[5], expected(n));
                QCOMPARE(r[6], n == 7 ? findings[0].message : n == 50 ? findings[1].message : QString());
            }
        }
    }

    // The output goes through a temporary file: a write that fails (a full
    // disk; on Windows a file another program holds open) leaves the old file
    // whole and no temporary file behind, for one document and for a summary
    // written entry by entry.
    void failedWriteKeepsTheOldFile_data()
    {
        QTest::addColumn<bool>("summary");
        QTest::newRow("one document") << false;
        QTest::newRow("summary") << true;
    }
    void failedWriteKeepsTheOldFile()
    {
        QFETCH(bool, summary);
        WorkDir dir;
        const Document doc = fullDocument();
        const QString path = dir.filePath(QStringLiteral("dane.csv"));
        dir.write(QStringLiteral("dane.csv"), "stare");
        QString error;
        {
#if defined(Q_OS_WIN)
            const testfs::HeldOpen held(path);
            QVERIFY(held.isOpen());
#else
            const testfs::FileSizeLimit cap(1000); // a full document's CSV is tens of kilobytes
#endif
            if (summary) {
                SummaryExport out(path);
                for (int i = 0; i < 3; ++i)
                    out.add({"x", &doc, 0, {}, {}});
                error = out.commit();
            } else {
                error = writeDocumentExport(path, {"x", &doc, 0, {}, {}});
            }
        }
        QVERIFY2(error.contains(QLatin1String("\"dane.csv\"")), qPrintable(error));
        QCOMPARE(dir.read(QStringLiteral("dane.csv")), QByteArray("stare"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{"GMINY.txt", "dane.csv"}));
    }

    // What cannot take an export is refused, and nothing is left behind: a
    // folder in the file's place, an unknown format, a missing folder.
    void unwritableTargetsAreRefused()
    {
        WorkDir dir;
        const Document doc = fullDocument();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dane.json")));
        QVERIFY(!writeDocumentExport(dir.filePath(QStringLiteral("dane.json")), {"x", &doc, 0, {}, {}}).isEmpty());
        QVERIFY(writeDocumentExport(dir.filePath(QStringLiteral("dane.txt")), {"x", &doc, 0, {}, {}})
                    .contains(QLatin1String(".json albo .csv")));
        SummaryExport summary(dir.filePath(QStringLiteral("brak/dane.csv")));
        summary.add({"x", &doc, 0, {}, {}});
        QVERIFY(!summary.commit().isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{"GMINY.txt", "dane.json"}));
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_export.moc"
