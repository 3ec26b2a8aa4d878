// Start-up, closing, focus movement and exit checks of the main window.
#include "app/application.h"
#include "app/commandline.h"
#include "print/engine/preview.h"
#include "print/engine/composite.h"
#include "storage/cp1250.h"
#include "support/boxclerk.h"
#include "storage/registerfile.h"
#include "support/guitest.h"
#include "ui/messagebox.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QGroupBox>
#include <QProcess>
#include <QPushButton>
#include <QTabBar>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTabWidget>
#include <QtTest>

#include "storage/platform.h"
#include "support/filesystem.h"

#if !defined(Q_OS_WIN)
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace iqx;
using guitest::focusName;
using guitest::press;
using guitest::settle;

namespace {

const QString kNoRegister =
    QStringLiteral("Brak pliku GMINY.txt - musi znajdowac sie w tym samym katalogu co uruchamiany program");

// A data file whose first five fields are the identity block of Bolesławiec.
QByteArray dataLine(const QString &id, int extraFields = 218)
{
    QString line = QStringLiteral("miejska;%1;Bolesławiec;bolesławiecki;dolnośląskie;").arg(id);
    for (int i = 0; i < extraFields; ++i)
        line += QStringLiteral("1,5;");
    return *cp1250::encode(line);
}

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void startWithoutRegisterEndsWithMessage()
    {
        WorkDir dir(false);
        RecordingSink rec;
        ScopedMessages guard(&rec);
        MainWindow w(WorkFolder(dir.path()));
        QVERIFY(!w.runFirstActivation());
        QCOMPARE(rec.texts(), QStringList{kNoRegister});
        w.close(); // no save question after the fatal message
        QCOMPARE(rec.entries.size(), 1);
        QVERIFY(QDir(dir.path()).entryList({QStringLiteral("*.iqx")}).isEmpty());
    }

    void startWithoutDataFileFocusesIdentifier()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QCOMPARE(f.w.pageTabs()->currentIndex(), 0);
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
        QVERIFY(f.edit(1)->text().isEmpty());
        QVERIFY(f.sink.entries.isEmpty());
    }

    void startWithDataFileLoadsAndFocusesFirstRate()
    {
        guitest::Window f;
        f.dir.write(QStringLiteral("InfoQX0201011.iqx"), dataLine(QStringLiteral("0201011")));
        QVERIFY(f.show());
        QCOMPARE(f.w.pageTabs()->currentIndex(), 0);
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
        QCOMPARE(f.w.findChild<QLabel *>(QStringLiteral("NazGmi"))->text(), QStringLiteral("Bolesławiec"));
        QCOMPARE(f.w.findChild<QLabel *>(QStringLiteral("TypGmi"))->text(), QStringLiteral("miejska"));
        QCOMPARE(f.edit(5)->text(), QStringLiteral("1,5"));
        QVERIFY(f.sink.entries.isEmpty());
    }

    void startWithIncompleteFileSaysSoAndKeepsWhatWasRead()
    {
        guitest::Window f;
        f.dir.write(QStringLiteral("InfoQX0201011.iqx"), dataLine(QStringLiteral("0201011"), 10));
        QVERIFY(f.show());
        QCOMPARE(f.sink.entries.size(), 1);
        QVERIFY(f.sink.entries[0].text.contains(QStringLiteral("InfoQX0201011.iqx")));
        QCOMPARE(f.edit(14)->text(), QStringLiteral("1,5"));
        QVERIFY(f.edit(15)->text().isEmpty());
        QVERIFY(!f.checkBox(52)->isChecked());
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
    }

    void startWithShortIdentifierFocusesIdentifier()
    {
        guitest::Window f;
        f.dir.write(QStringLiteral("InfoQX020101.iqx"), dataLine(QStringLiteral("020101")));
        QVERIFY(f.show());
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
    }

    void closeAsksOnlyWithWholeIdentifierAndName_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("asked");
        QTest::newRow("complete") << "0201011"
                                  << "Bolesławiec" << true;
        QTest::newRow("six digits") << "020101"
                                    << "Bolesławiec" << false;
        QTest::newRow("no name") << "0201011"
                                 << "" << false;
        QTest::newRow("empty") << ""
                               << "" << false;
    }
    void closeAsksOnlyWithWholeIdentifierAndName()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(bool, asked);
        guitest::Window f;
        f.sink.answer = true;
        f.edit(1)->setText(id);
        f.edit(2)->setText(name);
        f.edit(8)->setText(QStringLiteral("12"));
        f.w.offerSaveOnClose();
        const QString file = QStringLiteral("InfoQX%1.iqx").arg(id);
        if (!asked) {
            QVERIFY(f.sink.entries.isEmpty());
            QVERIFY(!QFile::exists(f.dir.filePath(file)));
            return;
        }
        const auto &rec = f.sink.entries;
        QCOMPARE(rec.size(), 2);
        QCOMPARE(rec[0].kind, RecordingSink::Entry::Confirm);
        QCOMPARE(rec[0].title, QStringLiteral("Confirm"));
        QCOMPARE(rec[0].text, QStringLiteral("Zapisać dane do pliku?"));
        QCOMPARE(rec[1].text, QStringLiteral("Dane zostały zapisane do pliku ") + file);
        QVERIFY(f.dir.read(file).startsWith(
            *cp1250::encode(QLatin1Char(';') + id + QLatin1Char(';') + name + QLatin1Char(';'))));
    }

    void closeAnsweredNoLeavesFileUnchanged()
    {
        guitest::Window f;
        const QByteArray before = dataLine(QStringLiteral("0201011"));
        f.dir.write(QStringLiteral("InfoQX0201011.iqx"), before);
        QVERIFY(f.w.runFirstActivation());
        f.edit(8)->setText(QStringLiteral("999"));
        f.w.offerSaveOnClose();
        QCOMPARE(f.sink.entries.size(), 1);
        QCOMPARE(f.dir.read(QStringLiteral("InfoQX0201011.iqx")), before);
    }

    void closeSaveWritesWhatWasLoaded()
    {
        // A document loaded and saved unchanged gives the same bytes.
        guitest::Window f;
        f.sink.answer = true;
        f.edit(0)->setText(QStringLiteral("miejsko-wiejska"));
        f.edit(1)->setText(QStringLiteral("0201043"));
        f.edit(2)->setText(QStringLiteral("Nowogrodziec"));
        f.edit(7)->setText(QStringLiteral("0,66"));
        QVERIFY(f.w.saveDocument());
        const QByteArray full = f.dir.read(QStringLiteral("InfoQX0201043.iqx"));
        QVERIFY(full.endsWith(';'));
        MainWindow again(f.folder());
        QVERIFY(again.runFirstActivation());
        again.offerSaveOnClose();
        QCOMPARE(f.dir.read(QStringLiteral("InfoQX0201043.iqx")), full);
    }

    void enterAndTabMoveOn()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QVERIFY(f.focus(f.edit(5)));
        QTest::keyClicks(f.edit(5), QStringLiteral("12.5"));
        QCOMPARE(f.edit(5)->text(), QStringLiteral("12,5"));
        press(Qt::Key_Return);
        QCOMPARE(focusName(), QStringLiteral("Edit6"));
        QCOMPARE(f.edit(5)->text(), QStringLiteral("12,5"));
        QTest::keyClicks(f.edit(6), QStringLiteral("3,"));
        QCOMPARE(f.edit(6)->text(), QStringLiteral("3"));
        press(Qt::Key_Tab);
        QCOMPARE(focusName(), QStringLiteral("Edit7"));
        QTest::keyClicks(f.edit(7), QStringLiteral("0,5"));
        press(Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("Edit6"));
        QVERIFY(!f.edit(6)->hasSelectedText()); // nothing is preselected on entry
        QVERIFY(f.sink.entries.isEmpty());
    }

    void refusedValueKeepsFocusWithOneMessage()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QVERIFY(f.focus(f.edit(8)));
        QTest::keyClicks(f.edit(8), QStringLiteral("1,2345"));
        press(Qt::Key_Tab);
        QCOMPARE(f.sink.texts(), QStringList{QStringLiteral("Za duzo miejsc po przecinku")});
        QCOMPARE(focusName(), QStringLiteral("Edit8"));
        // Refocusing did not run the exit check of the box the Tab reached.
        f.edit(9)->setText(QStringLiteral("x"));
        settle();
        QCOMPARE(f.sink.entries.size(), 1);
    }

    void negativeValueIsEmptiedAndMinusZeroBecomesZero()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QVERIFY(f.focus(f.edit(8)));
        QTest::keyClicks(f.edit(8), QStringLiteral("-5"));
        press(Qt::Key_Tab);
        QCOMPARE(f.sink.texts(), QStringList{QStringLiteral("Wartości ujemna są nie dopuszczalne")});
        QCOMPARE(f.edit(8)->text(), QString());
        QCOMPARE(focusName(), QStringLiteral("Edit8"));
        QTest::keyClicks(f.edit(8), QStringLiteral("-0"));
        press(Qt::Key_Tab);
        QCOMPARE(f.sink.entries.size(), 1);
        QCOMPARE(f.edit(8)->text(), QStringLiteral("0"));
        QCOMPARE(focusName(), QStringLiteral("Edit8"));
    }

    void losingActivationRunsNoExitCheck()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QVERIFY(f.focus(f.edit(7)));
        QTest::keyClicks(f.edit(7), QStringLiteral("9"));
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        settle();
        QApplication::setActiveWindow(&f.w);
        QVERIFY(QTest::qWaitForWindowActive(&f.w));
        settle();
        QVERIFY(f.sink.entries.isEmpty());
        QCOMPARE(focusName(), QStringLiteral("Edit7"));
        press(Qt::Key_Tab); // leaving it now runs the check: 9 > 0,66
        QCOMPARE(f.sink.texts(), QStringList{QStringLiteral("Maksymalna stawka to 0,66 zł")});
        QCOMPARE(focusName(), QStringLiteral("Edit8"));
    }

    void identifierLookupAndUnknownIdentifierReverts()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
        QTest::keyClicks(f.edit(1), QStringLiteral("1465011x"));
        QCOMPARE(f.edit(1)->text(), QStringLiteral("1465011"));
        press(Qt::Key_Tab);
        QVERIFY(f.sink.entries.isEmpty());
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
        QCOMPARE(f.edit(2)->text(), QStringLiteral("Warszawa"));
        QCOMPARE(f.edit(4)->text(), QStringLiteral("mazowieckie"));
        QCOMPARE(f.edit(0)->text(), QStringLiteral("miejska"));

        // Back into the box: the identifier is remembered; an unknown one is
        // replaced by it and the names stay.
        press(Qt::Key_Backtab);
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
        f.edit(1)->clear();
        QTest::keyClicks(f.edit(1), QStringLiteral("9999999"));
        press(Qt::Key_Tab);
        QCOMPARE(f.sink.texts(), QStringList{QStringLiteral("Wprowadzono nierozpoznany kod gminy :9999999")});
        QCOMPARE(f.edit(1)->text(), QStringLiteral("1465011"));
        QCOMPARE(f.edit(2)->text(), QStringLiteral("Warszawa"));
        QCOMPARE(focusName(), QStringLiteral("Edit1"));

        f.sink.clear();
        f.edit(1)->setText(QStringLiteral("146501"));
        press(Qt::Key_Tab);
        QCOMPARE(
            f.sink.texts(),
            QStringList{QStringLiteral(
                "ID gminy powinien mieć 7 znaków; pierwsze 2 to nr woj.,następne 2 to nr pow. reszta to nr gminy")});
        QCOMPARE(focusName(), QStringLiteral("Edit1"));
    }

    void registerVanishedAfterStart()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QVERIFY(QFile::remove(f.dir.filePath(QStringLiteral("GMINY.txt"))));
        QTest::keyClicks(f.edit(1), QStringLiteral("0201011"));
        press(Qt::Key_Tab);
        QCOMPARE(f.sink.entries.size(), 1);
        QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Error);
        QVERIFY(f.sink.entries[0].text.contains(QStringLiteral("GMINY.txt")));
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
        QVERIFY(f.edit(2)->text().isEmpty());
    }

    void sumCheckConversionErrorSkipsNumberCheck()
    {
        guitest::Window f;
        QVERIFY(f.show());
        for (int n : {8, 18, 23, 28, 33, 38, 43, 48})
            f.edit(n)->setText(QStringLiteral("1"));
        QVERIFY(f.focus(f.edit(50)));
        QTest::keyClicks(f.edit(50), QStringLiteral("8,12345"));
        press(Qt::Key_Tab);
        QCOMPARE(f.sink.entries.size(), 1);
        QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Error);
        QCOMPARE(f.sink.entries[0].text, QStringLiteral("'' is not a valid floating point value"));
        QCOMPARE(focusName(), QStringLiteral("Edit51"));
    }

    // Editing keys keep their usual effect in filtered boxes, whatever text
    // the platform attaches to them (X11 sends Delete as "\x7f"); the
    // Ctrl+letter characters stay swallowed.
    void editingKeysWorkInFilteredBoxes_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QString>(
            "keys"); // H Home, E End, L Left, S Shift+End, D Delete, K keypad Delete, V Ctrl+V, X Escape
        QTest::addColumn<QString>("result");
        for (int n : {1, 5, 6}) {
            const QByteArray box = QByteArray::number(n);
            QTest::addRow("%s: Home, Delete", box.constData()) << n << "HD"
                                                               << "23";
            QTest::addRow("%s: Home, Shift+End, Delete", box.constData()) << n << "HSD"
                                                                          << "";
            QTest::addRow("%s: End, Left, Delete", box.constData()) << n << "ELD"
                                                                    << "12";
            QTest::addRow("%s: keypad Delete", box.constData()) << n << "HK"
                                                                << "23";
            QTest::addRow("%s: Ctrl+V and Escape type nothing", box.constData()) << n << "VX"
                                                                                 << "123";
        }
    }
    void editingKeysWorkInFilteredBoxes()
    {
        QFETCH(int, n);
        QFETCH(QString, keys);
        QFETCH(QString, result);
        guitest::Window f;
        QVERIFY(f.show());
        QApplication::clipboard()->setText(QStringLiteral("99"));
        QLineEdit *box = f.edit(n);
        QVERIFY(f.focus(box));
        QTest::keyClicks(box, QStringLiteral("123"));
        for (QChar k : keys) {
            switch (k.unicode()) {
            case 'H':
                QTest::keyClick(box, Qt::Key_Home);
                break;
            case 'E':
                QTest::keyClick(box, Qt::Key_End);
                break;
            case 'L':
                QTest::keyClick(box, Qt::Key_Left);
                break;
            case 'S':
                QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
                break;
            case 'D':
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
                break;
            case 'K':
                QTest::keyClick(box, Qt::Key_Delete, Qt::KeypadModifier);
                break;
            case 'V':
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
                break;
            case 'X':
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_Escape, QString(QChar(0x1b)), Qt::NoModifier);
                break;
            }
        }
        QCOMPARE(box->text(), result);
    }

    // A click on a page's tab leaves the focus on the tab bar; it moves into
    // no box of the page shown, so no box the clerk never entered is checked.
    void clickingTabsLeavesTheFocusOnTheTabBar()
    {
        guitest::Window f;
        f.dir.write(QStringLiteral("InfoQX0201011.iqx"), dataLine(QStringLiteral("0201011"), 0));
        QVERIFY(f.show());
        f.sink.clear(); // the file is incomplete on purpose: every box empty
        QCOMPARE(focusName(), QStringLiteral("Edit5"));
        QTabBar *tabs = f.w.pageTabs()->tabBar();
        for (int page : {4, 5, 6, 1, 4, 2}) {
            QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(page - 1).center());
            settle();
            QCOMPARE(f.w.pageTabs()->currentIndex(), page - 1);
            QCOMPARE(QApplication::focusWidget(), tabs);
        }
        QVERIFY(f.sink.entries.isEmpty());
    }

    // Leaving a page's last box turns to the page after the box's own page,
    // also when it is left by clicking another page's tab.
    void pageTurnCountsFromTheBoxLeft_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("focus");
        QTest::newRow("85, click page 5") << "CheckBox85" << 5 << 3 << "Edit86";
        QTest::newRow("119, click page 6") << "Edit119" << 6 << 4 << "Edit120";
        QTest::newRow("180, click page 1") << "Edit180" << 1 << 5 << "Edit181";
        QTest::newRow("206, click page 2") << "Edit206" << 2 << 6 << "Edit207";
    }
    void pageTurnCountsFromTheBoxLeft()
    {
        QFETCH(QString, box);
        QFETCH(int, clicked);
        QFETCH(int, page);
        QFETCH(QString, focus);
        guitest::Window f;
        QVERIFY(f.show());
        QVERIFY(f.focus(f.w.findChild<QWidget *>(box)));
        QTabBar *tabs = f.w.pageTabs()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(clicked - 1).center());
        settle();
        QCOMPARE(f.w.pageTabs()->currentIndex(), page - 1);
        QCOMPARE(focusName(), focus);
        QVERIFY(f.sink.entries.isEmpty());
    }

    // Loading never changes a value: a text longer than a box takes by
    // typing is shown whole, the clerk is told, and it is never written
    // back shortened.
    void longValuesLoadWhole()
    {
        guitest::Window f;
        f.sink.answer = true;
        QString line = QStringLiteral("miejska;02010111;Bolesławiec;bolesławiecki;dolnośląskie;");
        const QString longText(40000, u'x');
        for (int n = 5; n <= 222; ++n)
            line += (n == 190 ? longText : QString()) + QLatin1Char(';');
        const QByteArray bytes = *cp1250::encode(line);
        f.dir.write(QStringLiteral("InfoQX0201011.iqx"), bytes);
        QVERIFY(f.show());
        QCOMPARE(f.edit(1)->text(), QStringLiteral("02010111"));
        QCOMPARE(f.edit(190)->text(), longText);
        QCOMPARE(f.sink.entries.size(), 1);
        QVERIFY(f.sink.entries[0].text.contains(QStringLiteral("pozycji 1 ")));
        QCOMPARE(focusName(), QStringLiteral("Edit1"));

        // Not 7 characters: closing asks nothing and writes nothing.
        f.sink.clear();
        f.w.offerSaveOnClose();
        QVERIFY(f.sink.entries.isEmpty());
        QCOMPARE(QDir(f.dir.path()).entryList({QStringLiteral("*.iqx")}), QStringList{"InfoQX0201011.iqx"});

        // Once shortened by the clerk, typing is limited to 7 again.
        QTest::keyClick(f.edit(1), Qt::Key_End);
        QTest::keyClick(f.edit(1), Qt::Key_Backspace);
        QTest::keyClicks(f.edit(1), QStringLiteral("12"));
        QCOMPARE(f.edit(1)->text(), QStringLiteral("0201011"));

        // Saved, the long free text comes back byte for byte.
        QVERIFY(f.w.saveDocument());
        QVERIFY(f.dir.read(QStringLiteral("InfoQX0201011.iqx")).contains(longText.toLatin1() + ';'));
    }

    // One window at a time on a folder's documents: a second is told and
    // ends, so it can never replace what the first one saves; a lock left
    // by a program that ended is taken over; stale temporary files of an
    // interrupted save are cleared at start.
    void secondWindowOnTheFolderIsRefused()
    {
        guitest::Window f;
        f.dir.write(QStringLiteral("InfoQX0201011.iqx.zapis-Ab12Cd"), "half");
        // The clerk's own copies only look like temporary files.
        const QStringList own{"InfoQX0201032.iqx.backup", "InfoQX0201032.iqx.kopia1", "InfoQX0201032.iqx.stara1"};
        for (const QString &name : own)
            f.dir.write(name, "own");
        QVERIFY(f.w.runFirstActivation());
        QVERIFY(!QFile::exists(f.dir.filePath(QStringLiteral("InfoQX0201011.iqx.zapis-Ab12Cd"))));
        for (const QString &name : own)
            QCOMPARE(f.dir.read(name), QByteArray("own"));
        {
            MainWindow second(f.folder());
            QVERIFY(!second.runFirstActivation());
            QCOMPARE(f.sink.entries.size(), 1);
            QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Error);
            QVERIFY(f.sink.entries[0].text.contains(QString::number(QCoreApplication::applicationPid())));
            second.close(); // no save question: the window ends
            QCOMPARE(f.sink.entries.size(), 1);
        }
    }

    void lockOfAnEndedProgramIsTakenOver()
    {
        guitest::Window f;
        // A program that took the folder and was killed: its lock stays.
#if defined(Q_OS_WIN)
        // (Windows has no fork(): the lock as such a program leaves it,
        // naming a process that no longer runs.)
        f.dir.write(QStringLiteral(".informacja.lock"), "999999999\ninformacja\n\n");
#else
        const pid_t child = fork();
        if (child == 0) {
            QLockFile lock(f.dir.filePath(QStringLiteral(".informacja.lock")));
            _exit(lock.tryLock(0) ? 0 : 1);
        }
        int status = -1;
        waitpid(child, &status, 0);
        QCOMPARE(WEXITSTATUS(status), 0);
#endif
        QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral(".informacja.lock"))));
        QVERIFY(f.w.runFirstActivation());
        QVERIFY(f.sink.entries.isEmpty());
    }

    // The lock of a program ended by a power cut names a process id that
    // the system has given again: to this very program (Windows and Wine
    // do, Linux after a reboot), or to one that started after the lock was
    // written. Such a lock is taken over; one that a live process holds,
    // whatever its time, is not.
    void lockOfAReusedProcessId_data()
    {
        QTest::addColumn<QString>("process");
        QTest::addColumn<bool>("takenOver");
        QTest::newRow("this very process") << "self" << true;
        QTest::newRow("same program name, started after the lock") << "after" << true;
        QTest::newRow("another program") << "other" << true;
        QTest::newRow("same program name, started before the lock") << "before" << false;
        QTest::newRow("held by a live process") << "holder" << false;
    }
    void lockOfAReusedProcessId()
    {
        QFETCH(QString, process);
        QFETCH(bool, takenOver);
        guitest::Window f;
        const QString path = f.dir.filePath(QStringLiteral(".informacja.lock"));
        // What QLockFile writes: process id, program name, computer, and the
        // machine's and the boot's identifiers.
        const auto writeLock = [&path](qint64 pid, const QString &program) {
#if defined(Q_OS_WIN)
            const QString host = qEnvironmentVariable("COMPUTERNAME");
#else
            const QString host = QSysInfo::machineHostName();
#endif
            QFile lock(path);
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write(QByteArray::number(pid) + '\n' + program.toUtf8() + '\n' + host.toUtf8() + '\n'
                       + QSysInfo::machineUniqueId() + '\n' + QSysInfo::bootUniqueId() + '\n');
        };
        const QFileInfo program(QCoreApplication::applicationFilePath());
        QProcess child;
#if !defined(Q_OS_WIN)
        int ready[2] = {-1, -1}, release[2] = {-1, -1};
        pid_t holder = 0;
        const auto endHolder = qScopeGuard([&] {
            if (holder > 0) {
                ::close(release[1]);
                waitpid(holder, nullptr, 0);
            }
        });
#endif
        qint64 pid = QCoreApplication::applicationPid();
        if (process == u"self") {
#if defined(Q_OS_WIN)
            writeLock(pid, program.completeBaseName());
#else
            writeLock(pid, program.fileName());
#endif
        } else {
#if defined(Q_OS_WIN)
            QSKIP("the other processes of this test are Linux programs");
#else
            if (process == u"holder") {
                // A live process that took the folder's lock and keeps it.
                QVERIFY(::pipe(ready) == 0 && ::pipe(release) == 0);
                holder = fork();
                if (holder == 0) {
                    ::close(release[1]); // the test's end: closed there, the read below returns
                    QLockFile lock(path);
                    lock.setStaleLockTime(0);
                    const char taken = lock.tryLock(0) ? 'y' : 'n';
                    char end = 0;
                    if (::write(ready[1], &taken, 1) == 1)
                        while (::read(release[0], &end, 1) < 0 && errno == EINTR) {
                        }
                    _exit(0);
                }
                ::close(release[0]);
                ::close(ready[1]);
                char taken = 0;
                const bool locked = ::read(ready[0], &taken, 1) == 1 && taken == 'y';
                ::close(ready[0]);
                QVERIFY(locked);
                pid = holder;
            } else {
                child.start(QStringLiteral("sleep"), {QStringLiteral("60")});
                QVERIFY(child.waitForStarted());
                pid = child.processId();
                QTest::qWait(50);
                writeLock(pid, process == u"other" ? QStringLiteral("informacja") : QStringLiteral("sleep"));
            }
#endif
        }
        // Written before the power cut, long before the process of that id
        // started; "before": just now, after it started.
        if (process != u"before") {
            QFile lock(path);
            QVERIFY(lock.open(QIODevice::ReadWrite));
            QVERIFY(
                lock.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-3600), QFileDevice::FileModificationTime));
        }
        const QByteArray before = f.dir.read(QStringLiteral(".informacja.lock"));

        QCOMPARE(f.w.runFirstActivation(), takenOver);
        if (takenOver) {
            QCOMPARE(f.sink.texts(), QStringList());
            QCOMPARE(f.dir.read(QStringLiteral(".informacja.lock")).split('\n').value(0).toLongLong(),
                     QCoreApplication::applicationPid());
        } else {
            QCOMPARE(f.sink.entries.size(), 1);
            QVERIFY2(f.sink.entries[0].text.contains(QStringLiteral("(proces %1 ").arg(pid)),
                     qPrintable(f.sink.entries[0].text));
            QCOMPARE(f.dir.read(QStringLiteral(".informacja.lock")), before);
        }
        if (child.state() != QProcess::NotRunning) {
            child.kill();
            child.waitForFinished();
        }
    }

    // What a crash or a power cut leaves in the lock's place is taken over
    // when it names no process; anything but a regular file is never read
    // (a FIFO would wait, a link to a device read without end): the start is
    // refused at once with a message naming the file, and it stays as it is.
    void lockLeftInTheFolder_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("refusedAs"); // empty: taken over
        QTest::newRow("empty (power cut before writing)") << "empty"
                                                          << "";
        QTest::newRow("zeros (power cut while writing)") << "zeros"
                                                         << "";
        QTest::newRow("no process named") << "garbage"
                                          << "";
        QTest::newRow("FIFO") << "fifo"
                              << "kolejka FIFO";
        QTest::newRow("link to a device") << "/dev/zero"
                                          << "dowiązanie symboliczne";
        QTest::newRow("link to an ended program's lock") << "link"
                                                         << "dowiązanie symboliczne";
        QTest::newRow("folder") << "folder"
                                << "folder, a nie";
    }
    void lockLeftInTheFolder()
    {
        const QByteArray kEndedLock("999999999\ninformacja\n\n");
        QFETCH(QString, place);
        QFETCH(QString, refusedAs);
        guitest::Window f;
        const QString lock = f.dir.filePath(QStringLiteral(".informacja.lock"));
        const platform::NativePath name = platform::nativePath(lock);
#if defined(Q_OS_WIN)
        if (place == u"fifo" || place.startsWith(u'/'))
            QSKIP("a Windows folder holds no FIFO and no device file");
#endif
        if (place == u"empty" || place == u"zeros" || place == u"garbage")
            f.dir.write(QStringLiteral(".informacja.lock"), place == u"empty"   ? QByteArray()
                                                            : place == u"zeros" ? QByteArray(120, '\0')
                                                                                : QByteArray("informacja\n"));
#if !defined(Q_OS_WIN)
        else if (place == u"fifo")
            QCOMPARE(mkfifo(name.constData(), 0644), 0);
#endif
        else if (place == u"folder")
            QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral(".informacja.lock")));
        else if (place == u"link") {
            f.dir.write(QStringLiteral("stara-blokada"), kEndedLock);
            if (!testfs::makeSymbolicLink(f.dir.filePath(QStringLiteral("stara-blokada")), lock))
                QSKIP("this system does not let the test make a symbolic link");
        } else
            QVERIFY(testfs::makeSymbolicLink(place, lock));
        const platform::Status before = platform::statusOf(name);
        QVERIFY(before.kind != platform::Status::Missing);

        QElapsedTimer clock;
        clock.start();
        const bool started = f.w.runFirstActivation();
        // Whatever stands there is never waited on or read through; the
        // bound is a hang's, far beyond a slow machine, a sanitizer or Wine.
        QVERIFY2(clock.elapsed() < 30000, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(started, refusedAs.isEmpty());
        if (started) {
            QVERIFY(f.sink.entries.isEmpty());
            QCOMPARE(f.dir.read(QStringLiteral(".informacja.lock")).split('\n').value(0).toLongLong(),
                     QCoreApplication::applicationPid());
            return;
        }
        QCOMPARE(f.sink.entries.size(), 1);
        QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Error);
        QVERIFY2(f.sink.entries[0].text.contains(QDir::toNativeSeparators(lock))
                     && f.sink.entries[0].text.contains(refusedAs),
                 qPrintable(f.sink.entries[0].text));
        const platform::Status after = platform::statusOf(name);
        QCOMPARE(after.kind, before.kind);
        QVERIFY(after.sameFileAs(before));
        QCOMPARE(f.dir.read(QStringLiteral("stara-blokada")), place == u"link" ? kEndedLock : QByteArray());
    }

    // A second copy on a folder another window holds shows its message
    // alone: no window of its own is created or shown.
    void secondCopyIsRefusedBeforeAnyWindow()
    {
        struct ShownAtMessage : RecordingSink {
            QStringList shown;
            void error(const QString &text) override
            {
                for (const QWidget *w : QApplication::topLevelWidgets())
                    if (w->isVisible())
                        shown << w->objectName();
                RecordingSink::error(text);
            }
        };
        guitest::Window first;
        QVERIFY(first.w.runFirstActivation());
        const CurrentDir startedIn(first.dir.path());
        ShownAtMessage sink;
        ScopedMessages scoped(&sink);
        bool created = false;
        QCOMPARE(runMainWindow(CommandLine{}, [&created](MainWindow &) { created = true; }), 1);
        QVERIFY(!created);
        QCOMPARE(sink.entries.size(), 1);
        QVERIFY(sink.entries[0].text.contains(QString::number(QCoreApplication::applicationPid())));
        QCOMPARE(sink.shown, QStringList());
    }

    // The window's start: Qt's own texts (here a box's context menu) are
    // Polish, while the texts the program gives itself stay as they are: the
    // message boxes' buttons and the print preview's English texts.
    void windowSpeaksPolishInQtTextsOnly()
    {
        WorkDir dir;
        const CurrentDir startedIn(dir.path());
        ui::MessageBoxSink boxes;
        ScopedMessages scoped(&boxes);
        QStringList menu, buttons, preview;
        auto pressLast = [&buttons](int which) {
            QTimer::singleShot(50, [&buttons, which] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box)
                    return;
                const QList<QAbstractButton *> all = box->buttons();
                for (QAbstractButton *b : all)
                    buttons << b->text();
                all.value(which)->click();
            });
        };
        const int status = runMainWindow(CommandLine{}, [&](MainWindow &w) {
            QTimer::singleShot(400, &w, [&] {
                std::unique_ptr<QMenu> m(w.textBox(1)->createStandardContextMenu());
                for (const QAction *a : m->actions())
                    if (!a->isSeparator())
                        menu << a->text().section(QLatin1Char('\t'), 0, 0);
                pressLast(0);
                messages().inform(QStringLiteral("x"));
                pressLast(1);
                messages().confirm(QStringLiteral("Confirm"), QStringLiteral("y"));
                QTimer::singleShot(0, &w, [&] {
                    QMainWindow *p = w.compositeReport()->openPreview();
                    preview << p->windowTitle();
                    for (const QAction *a : p->findChildren<QAction *>())
                        preview << a->text();
                    p->close();
                });
                w.compositeReport()->preview();
                w.close();
            });
        });
        QCOMPARE(status, 0);
        QCOMPARE(menu,
                 (QStringList{"&Cofnij", "&Przywróć", "W&ytnij", "S&kopiuj", "&Wklej", "Usuń", "Zaznacz wszystko"}));
        QCOMPARE(buttons, (QStringList{"OK", "&Yes", "&No"}));
        for (const char *english : {"Print Preview", "Print", "Printer setup", "Zoom to fit", "&Close"})
            QVERIFY2(preview.contains(QLatin1String(english)), qPrintable(preview.join(u'|')));
    }

    // Started from the launcher without a register, the program names the
    // folder it looked in, not its own folder.
    void missingRegisterInTheUserFolderNamesIt()
    {
        WorkDir dir(false);
        // The launcher's start enters the per-user folder: the current
        // directory comes back afterwards.
        const CurrentDir startedIn(dir.path());
#if defined(Q_OS_WIN)
        // The documents folder comes from the Windows shell, which no
        // variable redirects: the test works in it and removes what it made.
        const QString home = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        const QString made = QDir(home).filePath(QStringLiteral("Informacja QX"));
        if (QFileInfo::exists(made))
            QSKIP("the documents folder already holds an \"Informacja QX\" folder, which the test leaves alone");
        const auto removeMade = qScopeGuard([&made] { QDir(made).removeRecursively(); });
#else
        const QString home = dir.filePath(QStringLiteral("dom"));
#endif
        QVERIFY(QDir().mkpath(home));
        const QByteArray saved[] = {qgetenv("HOME"), qgetenv("XDG_DATA_HOME"), qgetenv("XDG_DATA_DIRS")};
        qputenv("HOME", QFile::encodeName(home));
        qputenv("XDG_DATA_HOME", QFile::encodeName(home));
        qputenv("XDG_DATA_DIRS", QFile::encodeName(home));
        RecordingSink sink;
        ScopedMessages scoped(&sink);
        CommandLine launcher;
        launcher.userFolder = true;
        const int status = runMainWindow(launcher);
        const QString folder = QDir::currentPath();
        qputenv("HOME", saved[0]);
        qputenv("XDG_DATA_HOME", saved[1]);
        qputenv("XDG_DATA_DIRS", saved[2]);
        QCOMPARE(status, 1);
        QVERIFY(folder.startsWith(QDir::fromNativeSeparators(home)));
        QCOMPARE(sink.texts().value(1), QStringLiteral("Brak pliku GMINY.txt - musi znajdować się w folderze ")
                                            + QDir::toNativeSeparators(folder));
    }

    // A click on "Drukowanie" straight from the identifier box: the lookup
    // of the box it left runs before the document is saved and printed.
    void printClickChecksTheBoxItLeft()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QTest::keyClicks(f.edit(1), QStringLiteral("0201011"));
        QTimer::singleShot(0, &f.w, [&f] {
            if (QMainWindow *preview = f.w.compositeReport()->openPreview())
                preview->close();
        });
        QTest::mouseClick(f.w.printButton(), Qt::LeftButton);
        settle();
        QVERIFY(f.sink.entries.isEmpty());
        QVERIFY(f.dir.read(QStringLiteral("InfoQX0201011.iqx"))
                    .startsWith(
                        *cp1250::encode(QStringLiteral("miejska;0201011;Bolesławiec;bolesławiecki;dolnośląskie;"))));
    }

    // A save that cannot be written: printing stops with the error box and
    // opens no preview; closing shows it and the window still closes.
    void failedSaveAtPrintAndClose()
    {
        guitest::Window f;
        f.sink.answer = true;
        QVERIFY(f.show());
        QVERIFY(QDir(f.dir.path()).mkdir(QStringLiteral("InfoQX0201011.iqx")));
        QTest::keyClicks(f.edit(1), QStringLiteral("0201011"));
        press(Qt::Key_Tab);
        f.w.printButton()->click();
        settle();
        QCOMPARE(f.sink.entries.size(), 1);
        QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Error);
        QVERIFY(f.sink.entries[0].text.contains(QStringLiteral("InfoQX0201011.iqx")));
        QVERIFY(!f.w.compositeReport()->openPreview());
        f.sink.clear();
        QVERIFY(f.w.close());
        QCOMPARE(f.sink.entries.size(), 2); // the question, then the error
        QCOMPARE(f.sink.entries[1].kind, RecordingSink::Entry::Error);
        QVERIFY(!f.w.isVisible());
    }

    // The focused "Drukowanie" button is pressed with Enter as with Space.
    void focusedPrintButtonTakesEnter_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void focusedPrintButtonTakesEnter()
    {
        QFETCH(int, key);
        guitest::Window f;
        QVERIFY(f.show());
        QTest::keyClicks(f.edit(1), QStringLiteral("0201011"));
        press(Qt::Key_Tab);
        QVERIFY(f.focus(f.w.printButton()));
        bool previewed = false;
        QTimer::singleShot(0, &f.w, [&] {
            if (QMainWindow *preview = f.w.compositeReport()->openPreview()) {
                previewed = true;
                preview->close();
            }
        });
        press(Qt::Key(key));
        QVERIFY(previewed);
        QVERIFY(QFile::exists(f.dir.filePath(QStringLiteral("InfoQX0201011.iqx"))));
    }

    // A box that is minimized, alone or with the window under it (as a
    // window manager may do), comes straight back, over the window it
    // belongs to: the clerk is never left with nothing on the screen.
    void minimizedBoxComesBack_data()
    {
        QTest::addColumn<bool>("question"); // the close question, else a message
        QTest::addColumn<bool>("withWindow");
        QTest::newRow("message") << false << false;
        QTest::newRow("message and window") << false << true;
        QTest::newRow("question and window") << true << true;
    }
    void minimizedBoxComesBack()
    {
        QFETCH(bool, question);
        QFETCH(bool, withWindow);
        guitest::Window f;
        QVERIFY(f.show());
        QTest::keyClicks(f.edit(1), QStringLiteral("0201011"));
        press(Qt::Key_Tab);
        guitest::RealBoxes boxes;
        QWindow *owner = nullptr;
        bool minimized = false;
        bool back = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, &f.w, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || minimized)
                return;
            minimized = true;
            QWindow *boxWindow = box->windowHandle();
            owner = boxWindow->transientParent();
            boxWindow->showMinimized();
            if (withWindow)
                f.w.windowHandle()->showMinimized();
            auto onScreen = [&] {
                return !(boxWindow->windowStates() & Qt::WindowMinimized)
                       && !(f.w.windowHandle()->windowStates() & Qt::WindowMinimized) && box->isVisible();
            };
            back = QTest::qWaitFor(onScreen, 2000);
            QTest::qWait(50);
            back = back && onScreen();
            for (QAbstractButton *b : box->buttons())
                if (b->text() == (question ? QStringLiteral("&No") : QStringLiteral("OK")))
                    b->click();
        });
        poll.start(20);
        if (question) {
            f.w.close();
        } else {
            QVERIFY(f.focus(f.edit(8)));
            QTest::keyClicks(f.edit(8), QStringLiteral("1,2345"));
            press(Qt::Key_Tab);
        }
        QVERIFY(minimized);
        QCOMPARE(owner, f.w.windowHandle());
        QVERIFY(back);
    }

    // Closing with the focus in a box whose check would refuse: the window
    // is destroyed without running it on a half-destroyed window.
    void destroyedWithFocusInABox()
    {
        RecordingSink sink;
        ScopedMessages scoped(&sink);
        WorkDir dir;
        auto *w = new MainWindow(WorkFolder(dir.path()));
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->placeFocus(w->textBox(7));
        QTest::keyClicks(w->textBox(7), QStringLiteral("9,99999"));
        delete w;
        settle();
        QVERIFY(sink.entries.isEmpty());
    }

    void textBoxesRefuseSeparatorAndForeignCharacters()
    {
        guitest::Window f;
        QLineEdit *free = f.edit(2); // an identity name: free text
        free->setEnabled(true);
        free->setVisible(true);
        free->insert(QStringLiteral("Łódź"));
        free->insert(QStringLiteral("a;b"));   // pasted text with the separator
        free->insert(QStringLiteral("a\nb"));  // or a line end
        free->insert(QStringLiteral("€uro→")); // an arrow has no Windows-1250 byte
        QCOMPARE(free->text(), QStringLiteral("Łódź"));
    }
    // What the preview cannot do reaches the clerk as every other message:
    // a missing report as a plain message, an unreadable one as an error.
    void previewFailuresReachTheClerk()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QTest::keyClicks(f.edit(1), QStringLiteral("0201011"));
        press(Qt::Key_Tab);
        f.dir.write(QStringLiteral("obcy.iqr"), "not a saved report");
        QTimer::singleShot(0, &f.w, [&] {
            auto *preview = qobject_cast<report::PreviewWindow *>(f.w.compositeReport()->openPreview());
            QVERIFY(preview);
            preview->loadReport(f.dir.filePath(QStringLiteral("nie-ma.iqr")));
            preview->loadReport(f.dir.filePath(QStringLiteral("obcy.iqr")));
            preview->close();
        });
        f.w.printButton()->click();
        QVERIFY2(f.sink.entries.size() == 2, qPrintable(f.sink.texts().join(u'|')));
        QCOMPARE(f.sink.entries[0].kind, RecordingSink::Entry::Inform);
        QCOMPARE(f.sink.entries[0].text, QStringLiteral("File does not exist"));
        QCOMPARE(f.sink.entries[1].kind, RecordingSink::Entry::Error);
        QVERIFY2(f.sink.entries[1].text.endsWith(QLatin1String("The file is not a saved report.")),
                 qPrintable(f.sink.entries[1].text));
    }

    // "Export" in the preview writes the document that is being printed,
    // with the findings of the whole-document check, to the file chosen.
    void previewExportsThePrintedDocument()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QTest::keyClicks(f.edit(1), QStringLiteral("0201011"));
        press(Qt::Key_Tab);
        f.edit(7)->setText(QStringLiteral("0,67"));
        f.checkBox(52)->setChecked(true);
        QString filter;
        QTimer::singleShot(0, &f.w, [&] {
            auto *preview = qobject_cast<report::PreviewWindow *>(f.w.compositeReport()->openPreview());
            QVERIFY(preview);
            QTRY_VERIFY(preview->isPrepared());
            preview->saveFileName = [&](const QString &, const QString &offered, const QString &) {
                filter = offered;
                return f.dir.filePath(QStringLiteral("dla-urzedu"));
            };
            QAction *action = preview->findChild<QAction *>(QStringLiteral("actionExport"));
            QVERIFY(action && action->isEnabled());
            action->trigger();
            preview->close();
        });
        f.w.printButton()->click();
        QCOMPARE(filter, QStringLiteral("JSON (*.json);;CSV (*.csv)"));
        const QJsonObject o = QJsonDocument::fromJson(f.dir.read(QStringLiteral("dla-urzedu.json"))).object();
        QCOMPARE(o[u"file"].toString(), QStringLiteral("InfoQX0201011.iqx"));
        QCOMPARE(o[u"identity"].toObject()[u"municipality"].toString(), QStringLiteral("Bolesławiec"));
        const QJsonArray positions = o[u"positions"].toArray();
        QCOMPARE(positions[7].toObject()[u"value"].toString(), QStringLiteral("0,67"));
        QCOMPARE(positions[52].toObject()[u"value"].toBool(), true);
        const QJsonArray findings = o[u"findings"].toArray();
        QVERIFY(std::any_of(findings.begin(), findings.end(), [](const QJsonValue &v) {
            return v.toObject()[u"message"].toString() == QStringLiteral("Maksymalna stawka to 0,66 zł");
        }));
    }

    // Every "Drukowanie" is a whole print run, also with the preview open:
    // the file is written again and the open preview shows the new pages.
    // Above them stand the findings of the whole-document check as --check
    // words them; saving offers the data file's name and says where the
    // file went; closing the preview puts the focus back in the box left.
    void printRunsWithThePreviewOpen()
    {
        guitest::Window f;
        QVERIFY(f.show());
        QTest::keyClicks(f.edit(1), QStringLiteral("0201011"));
        press(Qt::Key_Tab);
        // A value typing could not give, as an earlier data file may hold.
        f.edit(119)->setText(QStringLiteral("1,12345"));
        QVERIFY(f.focus(f.edit(7)));
        QStringList shownRemarks, checkLines, offered, notices;
        QString remarksAfter;
        bool samePreview = false, freshPages = false;
        QTimer::singleShot(0, &f.w, [&] {
            auto *preview = qobject_cast<report::PreviewWindow *>(f.w.compositeReport()->openPreview());
            QVERIFY(preview);
            QTRY_VERIFY(preview->isPrepared());
            if (preview->findChild<QGroupBox *>(QStringLiteral("remarksBox"))->isHidden() == false)
                shownRemarks = preview->findChild<QLabel *>(QStringLiteral("remarks"))->text().split(u'\n');
            QProcess check;
            check.setWorkingDirectory(f.dir.path());
            check.start(qEnvironmentVariable("IQX_BINARY"), {QStringLiteral("--check")});
            QVERIFY(check.waitForFinished(60000));
            checkLines = QString::fromUtf8(check.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);

            preview->saveFileName = [&](const QString &, const QString &, const QString &proposed) {
                offered << QFileInfo(proposed).fileName();
                return proposed;
            };
            for (const char *action : {"actionSaveReport", "actionSavePdf", "actionExport"}) {
                preview->findChild<QAction *>(QString::fromLatin1(action))->trigger();
                notices << preview->findChild<QLabel *>(QStringLiteral("noticePanel"))->text();
            }

            // Back in the main window, the clerk corrects 119, types a rate
            // and prints again.
            QApplication::setActiveWindow(&f.w);
            QVERIFY(QTest::qWaitForWindowActive(&f.w));
            f.edit(119)->setText(QStringLiteral("1,12"));
            QVERIFY(f.focus(f.edit(8)));
            QVERIFY(f.focus(f.edit(7)));
            QTest::keyClicks(f.edit(7), QStringLiteral("0,44"));
            QTest::mouseClick(f.w.printButton(), Qt::LeftButton);
            samePreview = f.w.compositeReport()->openPreview() == preview;
            QTRY_VERIFY(preview->isPrepared());
            for (const report::PreparedItem &item : preview->document().pages[0].items)
                freshPages = freshPages || item.text == QLatin1String("0,44");
            remarksAfter = preview->findChild<QLabel *>(QStringLiteral("remarks"))->text();
            preview->close();
        });
        QTest::mouseClick(f.w.printButton(), Qt::LeftButton);
        settle();

        QVERIFY2(shownRemarks.contains(QStringLiteral("poz. 119: Za duzo miejsc po przecinku")),
                 qPrintable(shownRemarks.join(u'|')));
        QCOMPARE(shownRemarks, checkLines);
        QCOMPARE(offered, (QStringList{"InfoQX0201011.iqr", "InfoQX0201011.pdf", "InfoQX0201011.json"}));
        const QString base = QDir::toNativeSeparators(f.dir.filePath(QStringLiteral("InfoQX0201011")));
        QCOMPARE(notices, (QStringList{"Report saved to " + base + ".iqr", "PDF saved to " + base + ".pdf",
                                       "Data exported to " + base + ".json"}));
        QVERIFY(QFileInfo(base + ".pdf").size() > 1000);
        QVERIFY(samePreview);
        QVERIFY(freshPages);
        QVERIFY(!remarksAfter.contains(QLatin1String("poz. 119")) && remarksAfter.contains(QLatin1String("poz. 50")));
        const QList<QByteArray> fields = f.dir.read(QStringLiteral("InfoQX0201011.iqx")).split(';');
        QCOMPARE(fields.value(7), QByteArray("0,44"));
        QCOMPARE(fields.value(119), QByteArray("1,12"));
        QCOMPARE(f.w.focusWidget(), f.edit(7));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
