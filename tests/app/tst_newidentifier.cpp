// A document whose identifier the register no longer knows, because GUS
// gave its gmina a new one: the question at the start and the move; and the
// file a document was loaded from, set aside once the document is saved
// under another name, so that the next start opens what was saved.
#include "print/engine/composite.h"
#include "storage/cp1250.h"
#include "storage/datafile.h"
#include "storage/recoveryfile.h"
#include "support/guitest.h"

#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>

using namespace iqx;
using guitest::focusName;
using guitest::press;
using Kind = RecordingSink::Entry::Kind;

Q_DECLARE_METATYPE(iqx::Answer)

namespace {

const QString kOld = QStringLiteral("0614052");
const QString kNew = QStringLiteral("0614053");
const QString kOldFile = QStringLiteral("InfoQX0614052.iqx");
const QString kNewFile = QStringLiteral("InfoQX0614053.iqx");
const QString kQuestion = QStringLiteral(
    "Kod gminy 0614052 nie występuje w rejestrze gmin; gmina Końskowola ma kod 0614053 (miejsko-wiejska).\n\n"
    "Czy przenieść dokument na kod 0614053? Typ i nazwy gminy zostaną wzięte z rejestru, a dane od razu "
    "zapisane do pliku InfoQX0614053.iqx.");

// The shipped register with Końskowola as GUS has it since 2025 (whichever
// of its identifiers the shipped one holds), and `extra` lines after it.
QByteArray registerWithKonskowola(const QByteArray &extra = {})
{
    QFile shipped(WorkDir::registerSource());
    if (!shipped.open(QIODevice::ReadOnly))
        return {};
    QByteArray out;
    for (const QByteArray &line : shipped.readAll().split('\n'))
        if (!line.isEmpty() && !line.startsWith("0614052") && !line.startsWith("0614053"))
            out += line + '\n';
    return out + *cp1250::encode(QStringLiteral("0614053;lubelskie;puławski;Końskowola;MW\r\n")) + extra;
}

// A document as a clerk of `municipality` left it, with a few entries.
Document document(const QString &id, const QString &type = QStringLiteral("wiejska"),
                  const QString &municipality = QStringLiteral("Końskowola"),
                  const QString &county = QStringLiteral("puławski"),
                  const QString &voivodeship = QStringLiteral("lubelskie"))
{
    Document doc;
    doc.setText(kTypePosition, type);
    doc.setText(kIdentifierPosition, id);
    doc.setText(kMunicipalityPosition, municipality);
    doc.setText(kCountyPosition, county);
    doc.setText(kVoivodeshipPosition, voivodeship);
    doc.setText(5, QStringLiteral("1520"));
    doc.setText(8, QStringLiteral("0,5"));
    doc.setChecked(52, true);
    doc.setText(222, QStringLiteral("urząd@konskowola.pl"));
    return doc;
}

QByteArray bytesOf(const Document &doc) { return *encodeDocument(doc, {}, nullptr); }

QStringList iqxFiles(const WorkDir &dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name).filter(QStringLiteral("InfoQX"));
}

// What the next start finds: a new window on a copy of the folder of `f`,
// whose window still holds its own.
std::unique_ptr<guitest::Window> nextStart(const guitest::Window &f)
{
    auto next = std::make_unique<guitest::Window>();
    for (const QString &name : QDir(f.dir.path()).entryList(QDir::Files | QDir::Hidden))
        if (name != u".informacja.lock")
            next->dir.write(name, f.dir.read(name));
    return next;
}

} // namespace

class TestNewIdentifier : public QObject {
    Q_OBJECT
private slots:
    // At the first activation the clerk is asked; Yes moves and saves at
    // once, setting the old file aside; No and a closed question change
    // nothing, files included.
    void moveQuestion_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("newNameTaken"); // a file is at the new name already
        QTest::newRow("Yes") << Answer::Yes << false;
        QTest::newRow("Yes, a file at the new name") << Answer::Yes << true;
        QTest::newRow("No") << Answer::No << false;
        QTest::newRow("closed without an answer") << Answer::Dismissed << false;
    }
    void moveQuestion()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, newNameTaken);
        guitest::Window f;
        f.dir.write(QStringLiteral("GMINY.txt"), registerWithKonskowola());
        const QByteArray before = bytesOf(document(kOld));
        f.dir.write(kOldFile, before);
        if (newNameTaken)
            f.dir.write(kNewFile, "inny dokument");
        f.sink.answers = {answer};
        QVERIFY(f.show());

        QVERIFY(!f.sink.entries.isEmpty());
        QCOMPARE(f.sink.entries[0].kind, Kind::Confirm);
        QCOMPARE(f.sink.entries[0].title, QStringLiteral("Informacja QX"));
        // The clerk is told what Yes would replace.
        QCOMPARE(f.sink.entries[0].text,
                 newNameTaken ? kQuestion + " Plik InfoQX0614053.iqx, który już jest w folderze, zostanie zastąpiony."
                              : kQuestion);
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
        if (answer != Answer::Yes) {
            QCOMPARE(f.sink.entries.size(), 1);
            QCOMPARE(iqxFiles(f.dir), QStringList{kOldFile});
            QCOMPARE(f.dir.read(kOldFile), before);
            QCOMPARE(f.w.document(), document(kOld));
            return;
        }
        // The identity block as the lookup on leaving the box fills it,
        // shown at once; every other value as it was.
        const Document moved = document(kNew, QStringLiteral("miejsko-wiejska"));
        QCOMPARE(f.w.document(), moved);
        QCOMPARE(f.edit(1)->text(), kNew);
        QCOMPARE(f.w.findChild<QLabel *>(QStringLiteral("TypGmi"))->text(), QStringLiteral("miejsko-wiejska"));
        QCOMPARE(f.dir.read(kNewFile), bytesOf(moved));
        // Nothing of the old file is lost: renamed, byte for byte.
        QCOMPARE(iqxFiles(f.dir), (QStringList{kOldFile + ".poprzedni-kod", kNewFile}));
        QCOMPARE(f.dir.read(kOldFile + ".poprzedni-kod"), before);
        QCOMPARE(f.sink.entries.size(), 2);
        QCOMPARE(f.sink.entries[1].kind, Kind::Inform);
        QCOMPARE(f.sink.entries[1].text,
                 QStringLiteral("Dane zostały zapisane do pliku InfoQX0614053.iqx\n\nPoprzedni plik InfoQX0614052.iqx "
                                "zachowano pod nazwą InfoQX0614052.iqx.poprzedni-kod w folderze %1; program nie "
                                "wczytuje go już przy uruchomieniu.")
                     .arg(QDir::toNativeSeparators(QDir(f.dir.path()).absolutePath())));

        // The next start opens the moved document and asks nothing.
        const std::unique_ptr<guitest::Window> next = nextStart(f);
        QVERIFY(next->show());
        QCOMPARE(next->sink.texts(), QStringList());
        QCOMPARE(next->w.document(), moved);
    }

    // Asked only when the register holds exactly one gmina under the first
    // six digits of an identifier it does not know.
    void noQuestion_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QByteArray>("extra");
        QTest::newRow("two gminas with those six digits")
            << kOld << cp1250::encode(QStringLiteral("0614051;lubelskie;puławski;Końskowola;GM\r\n")).value();
        QTest::newRow("the identifier is known") << kNew << QByteArray();
        QTest::newRow("no gmina with those six digits") << QStringLiteral("3299992") << QByteArray();
        QTest::newRow("a longer identifier in the register")
            << QStringLiteral("9999991") << QByteArray("99999923;V;C;M;GW\r\n");
        QTest::newRow("six digits") << QStringLiteral("061405") << QByteArray();
    }
    void noQuestion()
    {
        QFETCH(QString, id);
        QFETCH(QByteArray, extra);
        guitest::Window f;
        f.dir.write(QStringLiteral("GMINY.txt"), registerWithKonskowola(extra));
        f.dir.write(dataFileName(id), bytesOf(document(id)));
        QVERIFY(f.show());
        QCOMPARE(f.sink.texts(), QStringList());
        QCOMPARE(f.w.document(), document(id));
    }

    // Unsaved entries of the old document are offered first; restored and
    // moved, they are saved under the new name, and the copy is gone: the
    // next start offers nothing.
    void recoveryCopyFollowsTheMove()
    {
        guitest::Window f;
        f.dir.write(QStringLiteral("GMINY.txt"), registerWithKonskowola());
        f.dir.write(kOldFile, bytesOf(document(kOld)));
        Document typed = document(kOld);
        typed.setText(8, QStringLiteral("7,25"));
        QCOMPARE(writeRecoveryCopy(QDir(f.dir.path()), typed), QString());
        f.sink.answers = {Answer::Yes, Answer::Yes};
        QVERIFY(f.show());
        QCOMPARE(f.sink.entries.size(), 3);
        QVERIFY(f.sink.entries[0].text.contains(QStringLiteral("niezapisane dane dokumentu InfoQX0614052.iqx")));
        QCOMPARE(f.sink.entries[1].text, kQuestion);
        typed.setText(kIdentifierPosition, kNew);
        typed.setText(kTypePosition, QStringLiteral("miejsko-wiejska"));
        QCOMPARE(f.dir.read(kNewFile), bytesOf(typed));
        QCOMPARE(readRecoveryCopy(QDir(f.dir.path())).status, RecoveryCopy::None);
        QVERIFY(!QFile::exists(f.dir.filePath(kOldFile)));

        const std::unique_ptr<guitest::Window> next = nextStart(f);
        QVERIFY(next->show());
        QCOMPARE(next->sink.texts(), QStringList());
        QCOMPARE(next->w.document(), typed);
    }

    // The identifier corrected by hand and the document saved: the file it
    // was loaded from no longer matches InfoQX*.iqx, nothing of it is lost,
    // and the clerk is told once where it is.
    void previousFileSetAside_data()
    {
        QTest::addColumn<QString>("loaded"); // the file the document is loaded from
        QTest::addColumn<QString>("setup");  // what else the folder holds or does
        QTest::addColumn<QString>("how");    // "close" with Yes, or "print"
        QTest::addColumn<QString>("aside");  // the name it gets; empty: none
        QTest::newRow("corrected, closed with Yes") << "InfoQX0201011.iqx"
                                                    << ""
                                                    << "close"
                                                    << "InfoQX0201011.iqx.poprzedni-kod";
        QTest::newRow("corrected, printed") << "InfoQX0201011.iqx"
                                            << ""
                                            << "print"
                                            << "InfoQX0201011.iqx.poprzedni-kod";
        QTest::newRow("no identifier before") << "InfoQX.iqx"
                                              << ""
                                              << "close"
                                              << "InfoQX.iqx.poprzedni-kod";
        QTest::newRow("that name taken") << "InfoQX0201011.iqx"
                                         << "taken"
                                         << "close"
                                         << "InfoQX0201011.iqx.poprzedni-kod-2";
        QTest::newRow("a file at the new name") << "InfoQX0201011.iqx"
                                                << "target"
                                                << "close"
                                                << "InfoQX0201011.iqx.poprzedni-kod";
        QTest::newRow("loaded file removed meanwhile") << "InfoQX0201011.iqx"
                                                       << "removed"
                                                       << "close"
                                                       << "";
        QTest::newRow("same name") << "InfoQX0201022.iqx"
                                   << ""
                                   << "close"
                                   << "";
        QTest::newRow("rename refused") << "InfoQX" + QString(240, u'0') + ".iqx"
                                        << ""
                                        << "close"
                                        << "";
    }
    void previousFileSetAside()
    {
        QFETCH(QString, loaded);
        QFETCH(QString, setup);
        QFETCH(QString, how);
        QFETCH(QString, aside);
#if defined(Q_OS_WIN)
        if (loaded.size() > 200)
            QSKIP("the test makes this long name with QFile, which Windows' path length limit may refuse");
#endif
        guitest::Window f;
        const QString saved = QStringLiteral("InfoQX0201022.iqx");
        const Document before = loaded == u"InfoQX.iqx" ? Document() : document(QStringLiteral("0201011"));
        const QByteArray beforeBytes = loaded == saved ? bytesOf(document(QStringLiteral("0201022"))) : bytesOf(before);
        f.dir.write(loaded, beforeBytes);
        if (setup == u"taken")
            f.dir.write(loaded + ".poprzedni-kod", "starszy");
        if (setup == u"target")
            f.dir.write(saved, "inny dokument");
        f.sink.answer = true;
        QVERIFY(f.show());
        QVERIFY(f.sink.entries.isEmpty());
        if (setup == u"removed")
            QVERIFY(QFile::remove(f.dir.filePath(loaded)));

        // The identifier typed over, and looked up on leaving the box.
        QVERIFY(f.focus(f.edit(1)));
        f.edit(1)->clear();
        QTest::keyClicks(f.edit(1), QStringLiteral("0201022"));
        press(Qt::Key_Tab);
        QCOMPARE(f.edit(2)->text(), QStringLiteral("Bolesławiec"));
        QCOMPARE(f.sink.entries.size(), 0);
        if (how == u"print") {
            QTimer::singleShot(0, &f.w, [&f] {
                if (QMainWindow *preview = f.w.compositeReport()->openPreview())
                    preview->close();
            });
            f.w.printDocument();
        } else {
            f.w.offerSaveOnClose();
        }

        const QString folder = QDir::toNativeSeparators(QDir(f.dir.path()).absolutePath());
        const QString note = QStringLiteral("Poprzedni plik %1 zachowano pod nazwą %2 w folderze %3; program nie "
                                            "wczytuje go już przy uruchomieniu.")
                                 .arg(loaded, aside, folder);
        const QString savedText = QStringLiteral("Dane zostały zapisane do pliku ") + saved;
        QStringList expected;
        if (how == u"close")
            expected << QStringLiteral("Zapisać dane do pliku?")
                     << (aside.isEmpty() ? savedText : savedText + "\n\n" + note);
        else if (!aside.isEmpty())
            expected << note;
        QStringList texts = f.sink.texts();
        const bool refused = loaded.size() > 200;
        if (refused) {
            // The new file stays; the clerk is told why the old one could not be renamed.
            QCOMPARE(f.sink.entries.last().kind, Kind::Error);
            QVERIFY2(texts.takeLast().startsWith(QStringLiteral("Dane zapisano do pliku InfoQX0201022.iqx, ale nie "
                                                                "udało się zmienić nazwy poprzedniego pliku %1: ")
                                                     .arg(loaded)),
                     qPrintable(f.sink.texts().join(u'|')));
        }
        QCOMPARE(texts, expected);

        QVERIFY(!f.dir.read(saved).isEmpty());
        QCOMPARE(f.dir.read(saved).split(';').value(kIdentifierPosition), QByteArray("0201022"));
        if (!aside.isEmpty()) {
            QVERIFY(!QFile::exists(f.dir.filePath(loaded)));
            QCOMPARE(f.dir.read(aside), beforeBytes);
        }
        if (refused)
            QCOMPARE(f.dir.read(loaded), beforeBytes);
        if (setup == u"taken")
            QCOMPARE(f.dir.read(loaded + ".poprzedni-kod"), QByteArray("starszy"));
        // Only the saved document matches the data files' pattern, unless
        // its old file could not be renamed (the clerk was told).
        QCOMPARE(dataFileNames(QDir(f.dir.path())), refused ? (QStringList{loaded, saved}) : QStringList{saved});

        // Told once: the next save says only that it saved.
        f.sink.clear();
        f.w.offerSaveOnClose();
        QCOMPARE(f.sink.texts(), (QStringList{QStringLiteral("Zapisać dane do pliku?"), savedText}));
    }
};

QTEST_MAIN(TestNewIdentifier)
#include "tst_newidentifier.moc"
