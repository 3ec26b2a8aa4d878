// Start-up, closing, focus movement and exit checks of the main window.
#include "app/mainwindow.h"
#include "app/messages.h"
#include "document/positions.h"
#include "storage/cp1250.h"
#include "support/workdir.h"
#include "ui/pages/entrytable.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QtTest>

using namespace iqx;

namespace {

const QString kNoRegister = QStringLiteral(
    "Brak pliku GMINY.txt - musi znajdowac sie w tym samym katalogu co uruchamiany program");

// A data file whose first five fields are the identity block of Bolesławiec.
QByteArray dataLine(const QString &id, int extraFields = 218)
{
    QString line = QStringLiteral("miejska;%1;Bolesławiec;bolesławiecki;dolnośląskie;").arg(id);
    for (int i = 0; i < extraFields; ++i)
        line += QStringLiteral("1,5;");
    return *cp1250::encode(line);
}

void settle() { QTest::qWait(1); QCoreApplication::processEvents(); QCoreApplication::processEvents(); }

void press(Qt::Key key)
{
    QWidget *w = QApplication::focusWidget();
    QVERIFY(w);
    QTest::keyClick(w, key);
    settle();
}

QString focusName() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

struct Shown {
    TInformacja w;
    Shown()
    {
        w.show();
        QApplication::setActiveWindow(&w);
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("window not active");
        settle(); // the first activation runs here
        settle();
    }
    QLineEdit *edit(int n) { return textPosition(&w, n); }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startWithoutRegisterEndsWithMessage()
    {
        WorkDir dir(false);
        RecordingSink rec;
        ScopedMessages guard(&rec);
        TInformacja w;
        QVERIFY(!w.FormActivate());
        QCOMPARE(rec.texts(), QStringList{kNoRegister});
        w.close(); // no save question after the fatal message
        QCOMPARE(rec.entries.size(), 1);
        QVERIFY(QDir(dir.path()).entryList({QStringLiteral("*.iqx")}).isEmpty());
    }

    void startWithoutDataFileFocusesIdentifier()
    {
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        QCOMPARE(s.w.pageControl()->currentIndex(), 0);
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
        QVERIFY(s.edit(1)->text().isEmpty());
        QVERIFY(rec.entries.isEmpty());
    }

    void startWithDataFileLoadsAndFocusesFirstRate()
    {
        WorkDir dir;
        dir.write(QStringLiteral("InfoQX0201011.iqx"), dataLine(QStringLiteral("0201011")));
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        QCOMPARE(s.w.pageControl()->currentIndex(), 0);
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
        QCOMPARE(s.w.findChild<QLabel *>(QStringLiteral("NazGmi"))->text(), QStringLiteral("Bolesławiec"));
        QCOMPARE(s.w.findChild<QLabel *>(QStringLiteral("TypGmi"))->text(), QStringLiteral("miejska"));
        QCOMPARE(s.edit(5)->text(), QStringLiteral("1,5"));
        QVERIFY(rec.entries.isEmpty());
    }

    void startWithIncompleteFileSaysSoAndKeepsWhatWasRead()
    {
        WorkDir dir;
        dir.write(QStringLiteral("InfoQX0201011.iqx"), dataLine(QStringLiteral("0201011"), 10));
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        QCOMPARE(rec.entries.size(), 1);
        QVERIFY(rec.entries[0].text.contains(QStringLiteral("InfoQX0201011.iqx")));
        QCOMPARE(s.edit(14)->text(), QStringLiteral("1,5"));
        QVERIFY(s.edit(15)->text().isEmpty());
        QVERIFY(!flagPosition(&s.w, 52)->isChecked());
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
    }

    void startWithShortIdentifierFocusesIdentifier()
    {
        WorkDir dir;
        dir.write(QStringLiteral("InfoQX020101.iqx"), dataLine(QStringLiteral("020101")));
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
    }

    void closeAsksOnlyWithWholeIdentifierAndName_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("asked");
        QTest::newRow("complete") << "0201011" << "Bolesławiec" << true;
        QTest::newRow("six digits") << "020101" << "Bolesławiec" << false;
        QTest::newRow("no name") << "0201011" << "" << false;
        QTest::newRow("empty") << "" << "" << false;
    }
    void closeAsksOnlyWithWholeIdentifierAndName()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(bool, asked);
        WorkDir dir;
        RecordingSink rec;
        rec.answer = true;
        ScopedMessages guard(&rec);
        TInformacja w;
        textPosition(&w, 1)->setText(id);
        textPosition(&w, 2)->setText(name);
        textPosition(&w, 8)->setText(QStringLiteral("12"));
        w.FormClose();
        const QString file = QStringLiteral("InfoQX%1.iqx").arg(id);
        if (!asked) {
            QVERIFY(rec.entries.isEmpty());
            QVERIFY(!QFile::exists(dir.filePath(file)));
            return;
        }
        QCOMPARE(rec.entries.size(), 2);
        QCOMPARE(rec.entries[0].kind, RecordingSink::Entry::Confirm);
        QCOMPARE(rec.entries[0].title, QStringLiteral("Confirm"));
        QCOMPARE(rec.entries[0].text, QStringLiteral("Zapisać dane do pliku?"));
        QCOMPARE(rec.entries[1].text, QStringLiteral("Dane zostały zapisane do pliku ") + file);
        QVERIFY(dir.read(file).startsWith(*cp1250::encode(QLatin1Char(';') + id + QLatin1Char(';') + name + QLatin1Char(';'))));
    }

    void closeAnsweredNoLeavesFileUnchanged()
    {
        WorkDir dir;
        const QByteArray before = dataLine(QStringLiteral("0201011"));
        dir.write(QStringLiteral("InfoQX0201011.iqx"), before);
        RecordingSink rec;
        rec.answer = false;
        ScopedMessages guard(&rec);
        TInformacja w;
        QVERIFY(w.FormActivate());
        textPosition(&w, 8)->setText(QStringLiteral("999"));
        w.FormClose();
        QCOMPARE(rec.entries.size(), 1);
        QCOMPARE(dir.read(QStringLiteral("InfoQX0201011.iqx")), before);
    }

    void closeSaveWritesWhatWasLoaded()
    {
        // A document loaded and saved unchanged gives the same bytes.
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        QByteArray full;
        {
            TInformacja w;
            textPosition(&w, 0)->setText(QStringLiteral("miejsko-wiejska"));
            textPosition(&w, 1)->setText(QStringLiteral("0201043"));
            textPosition(&w, 2)->setText(QStringLiteral("Nowogrodziec"));
            textPosition(&w, 7)->setText(QStringLiteral("0,66"));
            QVERIFY(w.ZapiszDane());
            full = dir.read(QStringLiteral("InfoQX0201043.iqx"));
        }
        QVERIFY(full.endsWith(';'));
        TInformacja again;
        QVERIFY(again.FormActivate());
        again.FormClose();
        QCOMPARE(dir.read(QStringLiteral("InfoQX0201043.iqx")), full);
    }

    void enterAndTabMoveOn()
    {
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        s.w.placeFocus(s.edit(5));
        settle();
        QTest::keyClicks(s.edit(5), QStringLiteral("12.5"));
        QCOMPARE(s.edit(5)->text(), QStringLiteral("12,5"));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("Edit6"));
        QCOMPARE(s.edit(5)->text(), QStringLiteral("12,5"));
        QTest::keyClicks(s.edit(6), QStringLiteral("3,"));
        QCOMPARE(s.edit(6)->text(), QStringLiteral("3"));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Edit7"));
        QTest::keyClicks(s.edit(7), QStringLiteral("0,5"));
        press(Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("Edit6"));
        QVERIFY(rec.entries.isEmpty());
    }

    void refusedValueKeepsFocusWithOneMessage()
    {
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        s.w.placeFocus(s.edit(8));
        settle();
        QTest::keyClicks(s.edit(8), QStringLiteral("1,2345"));
        press(Qt::Key_Tab);
        QCOMPARE(rec.texts(), QStringList{QStringLiteral("Za duzo miejsc po przecinku")});
        QCOMPARE(focusName(), QStringLiteral("Edit8"));
        // Refocusing did not run the exit check of the box the Tab reached.
        s.edit(9)->setText(QStringLiteral("x"));
        settle();
        QCOMPARE(rec.entries.size(), 1);
    }

    void negativeValueIsEmptiedAndMinusZeroBecomesZero()
    {
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        s.w.placeFocus(s.edit(8));
        QTest::keyClicks(s.edit(8), QStringLiteral("-5"));
        press(Qt::Key_Tab);
        QCOMPARE(rec.texts(), QStringList{QStringLiteral("Wartości ujemna są nie dopuszczalne")});
        QCOMPARE(s.edit(8)->text(), QString());
        QCOMPARE(focusName(), QStringLiteral("Edit8"));
        QTest::keyClicks(s.edit(8), QStringLiteral("-0"));
        press(Qt::Key_Tab);
        QCOMPARE(rec.entries.size(), 1);
        QCOMPARE(s.edit(8)->text(), QStringLiteral("0"));
        QCOMPARE(focusName(), QStringLiteral("Edit8"));
    }

    void losingActivationRunsNoExitCheck()
    {
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        s.w.placeFocus(s.edit(7));
        settle();
        QTest::keyClicks(s.edit(7), QStringLiteral("9"));
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        settle();
        QApplication::setActiveWindow(&s.w);
        QVERIFY(QTest::qWaitForWindowActive(&s.w));
        settle();
        QVERIFY(rec.entries.isEmpty());
        QCOMPARE(focusName(), QStringLiteral("Edit7"));
        press(Qt::Key_Tab); // leaving it now runs the check: 9 > 0,66
        QCOMPARE(rec.texts(), QStringList{QStringLiteral("Maksymalna stawka to 0,66 zł")});
        QCOMPARE(focusName(), QStringLiteral("Edit8"));
    }

    void identifierLookupAndUnknownIdentifierReverts()
    {
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
        QTest::keyClicks(s.edit(1), QStringLiteral("1465011x"));
        QCOMPARE(s.edit(1)->text(), QStringLiteral("1465011"));
        press(Qt::Key_Tab);
        QVERIFY(rec.entries.isEmpty());
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
        QCOMPARE(s.edit(2)->text(), QStringLiteral("Warszawa"));
        QCOMPARE(s.edit(4)->text(), QStringLiteral("mazowieckie"));
        QCOMPARE(s.edit(0)->text(), QStringLiteral("miejska"));

        // Back into the box: the identifier is remembered; an unknown one is
        // replaced by it and the names stay.
        press(Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
        s.edit(1)->clear();
        QTest::keyClicks(s.edit(1), QStringLiteral("9999999"));
        press(Qt::Key_Tab);
        QCOMPARE(rec.texts(), QStringList{QStringLiteral("Wprowadzono nierozpoznany kod gminy :9999999")});
        QCOMPARE(s.edit(1)->text(), QStringLiteral("1465011"));
        QCOMPARE(s.edit(2)->text(), QStringLiteral("Warszawa"));
        QCOMPARE(focusName(), QStringLiteral("Edit1"));

        rec.clear();
        s.edit(1)->setText(QStringLiteral("146501"));
        press(Qt::Key_Tab);
        QCOMPARE(rec.texts(), QStringList{QStringLiteral(
            "ID gminy powinien mieć 7 znaków; pierwsze 2 to nr woj.,następne 2 to nr pow. reszta to nr gminy")});
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
    }

    void registerVanishedAfterStart()
    {
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        QVERIFY(QFile::remove(dir.filePath(QStringLiteral("GMINY.txt"))));
        QTest::keyClicks(s.edit(1), QStringLiteral("0201011"));
        press(Qt::Key_Tab);
        QCOMPARE(rec.entries.size(), 1);
        QCOMPARE(rec.entries[0].kind, RecordingSink::Entry::Error);
        QVERIFY(rec.entries[0].text.contains(QStringLiteral("GMINY.txt")));
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
        QVERIFY(s.edit(2)->text().isEmpty());
    }

    void sumCheckConversionErrorSkipsNumberCheck()
    {
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        for (int n : {8, 18, 23, 28, 33, 38, 43, 48})
            s.edit(n)->setText(QStringLiteral("1"));
        s.w.placeFocus(s.edit(50));
        settle();
        QTest::keyClicks(s.edit(50), QStringLiteral("8,12345"));
        press(Qt::Key_Tab);
        QCOMPARE(rec.entries.size(), 1);
        QCOMPARE(rec.entries[0].kind, RecordingSink::Entry::Error);
        QCOMPARE(rec.entries[0].text, QStringLiteral("'' is not a valid floating point value"));
        QCOMPARE(focusName(), QStringLiteral("Edit51"));
    }

    void lastBoxTurnsPageEvenAfterRefusal()
    {
        // Boxes of later pages built with the same builder the pages use.
        WorkDir dir;
        RecordingSink rec;
        ScopedMessages guard(&rec);
        Shown s;
        QWidget *sheet3 = s.w.findChild<QWidget *>(QStringLiteral("TabSheet3"));
        QWidget *sheet4 = s.w.findChild<QWidget *>(QStringLiteral("TabSheet4"));
        ui::buildRows(sheet3, {{ui::Kind::Edit, "Edit118", 10, 10, 100, 24, nullptr, 0, false,
                                KeyFilter::Decimal, ui::Exit::ValFloat},
                               {ui::Kind::Edit, "Edit119", 10, 40, 100, 24, nullptr, 0, false,
                                KeyFilter::Decimal, ui::Exit::ValFloatNextPage}});
        ui::buildRows(sheet4, {{ui::Kind::Edit, "Edit120", 10, 10, 100, 24, nullptr, 0, false,
                                KeyFilter::Decimal, ui::Exit::ValFloat}});
        s.w.placeFocus(textPosition(&s.w, 119));
        settle();
        QTest::keyClicks(textPosition(&s.w, 119), QStringLiteral("1,2345"));
        press(Qt::Key_Tab);
        QCOMPARE(rec.texts(), QStringList{QStringLiteral("Za duzo miejsc po przecinku")});
        QCOMPARE(s.w.pageControl()->currentIndex(), 3);
        QCOMPARE(focusName(), QStringLiteral("Edit120"));
        QCOMPARE(textPosition(&s.w, 119)->text(), QStringLiteral("1,2345"));
    }

    void textBoxesRefuseSeparatorAndForeignCharacters()
    {
        WorkDir dir;
        TInformacja w;
        QLineEdit *free = textPosition(&w, 2); // an identity name: free text
        free->setEnabled(true);
        free->setVisible(true);
        free->insert(QStringLiteral("Łódź"));
        free->insert(QStringLiteral("a;b"));    // pasted text with the separator
        free->insert(QStringLiteral("€uro→")); // an arrow has no Windows-1250 byte
        QCOMPARE(free->text(), QStringLiteral("Łódź"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
