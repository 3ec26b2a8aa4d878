// The desktop's "Aktualizuj rejestr gmin" (informacja --user-folder
// --import-register without a file): the file dialog, then the summary or
// the refusal in a message box, through the real widgets.
#include "app/commandline.h"
#include "app/registercommand.h"
#include "support/boxclerk.h"
#include "support/filesystem.h"
#include "support/envoverride.h"
#include "storage/registerimport.h"
#include "storage/terc.h"
#include "support/tercsamples.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using testfs::readFile;
using testfs::writeFile;

// Answers the file dialog as the clerk would: notes how it came up, then
// types `file` into its name box and presses Open, or with an empty `file`
// presses Cancel. (QFileDialog::selectFile() leaves a name box that has
// the focus alone, so the name is typed.)
class DialogClerk : public QObject {
public:
    explicit DialogClerk(QString file) : file_(std::move(file))
    {
        connect(&timer_, &QTimer::timeout, this, &DialogClerk::look);
        timer_.start(20);
    }
    QString title, folder;
    QStringList filters;

private:
    void look()
    {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        if (title.isEmpty()) {
            title = dialog->windowTitle();
            folder = dialog->directory().absolutePath();
            filters = dialog->nameFilters();
        }
        if (file_.isEmpty()) {
            dialog->reject();
            return;
        }
        auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        name->setText(file_);
        static_cast<QDialog *>(dialog)->accept(); // QFileDialog::accept, public in QDialog
    }
    QString file_;
    QTimer timer_;
};

} // namespace

class TestRegisterDialog : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        // Qt's own dialog, whose widgets the test can reach, wherever the
        // system has one of its own.
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }

    void desktopAction_data()
    {
        QTest::addColumn<QString>("pick"); // "today", "SIMC", or nothing: Cancel
        QTest::addColumn<bool>("office");  // the folder holds an office's own register of one line
        QTest::addColumn<int>("status");
        QTest::addColumn<QStringList>("box");
        QTest::newRow("a TERC zip: the summary")
            << "today" << false << 0
            << QStringList{"Informacja QX: Zaktualizowano rejestr gmin",
                           "Gmin: 2479, stan na 2026-01-01.",
                           "GMINY-poprzedni-",
                           "Zmiany względem poprzedniego rejestru: 16",
                           "\n  dodano: 1207132 Szczawa (limanowski, małopolskie)",
                           "\n  zmieniono kod: 0614052 → 0614053 Końskowola (puławski, lubelskie), gmina "
                           "miejsko-wiejska"};
        QTest::newRow("many changes: the box holds the first 25")
            << "today" << true << 0
            << QStringList{"Zmiany względem poprzedniego rejestru: 2481",
                           "\n  … i 2456 dalszych (pełna lista: informacja --import-register <plik> w terminalu)"};
        QTest::newRow("another register: the refusal")
            << "SIMC" << false << 4 << QStringList{"Informacja QX: Nie wczytano pliku TERC", "SIMC.csv", "SIMC"};
        QTest::newRow("Cancel: nothing") << QString() << false << 0 << QStringList{};
    }
    void desktopAction()
    {
        QFETCH(QString, pick);
        QFETCH(bool, office);
        QFETCH(int, status);
        QFETCH(QStringList, box);
        QTemporaryDir tmp;
        const QString home = tmp.filePath("home");
        const QString folder = home + "/Dokumenty/Informacja QX";
        const QString downloads = home + "/Pobrane";
        QVERIFY(QDir().mkpath(folder) && QDir().mkpath(downloads) && QDir().mkpath(home + "/.config"));
#if defined(Q_OS_WIN)
        // The documents and downloads folders are the Windows shell's, which
        // no variable redirects: the import works in the current folder, as
        // the command without --user-folder does, and the dialog opens in
        // the shell's downloads folder.
        const QStringList args{"informacja", "--import-register"};
        const QString previous = QDir::currentPath();
        QDir::setCurrent(folder);
        QString opensIn = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
        if (opensIn.isEmpty() || !QFileInfo(opensIn).isDir())
            opensIn = QDir::homePath();
#else
        QVERIFY(writeFile(home + "/.config/user-dirs.dirs",
                          "XDG_DOCUMENTS_DIR=\"$HOME/Dokumenty\"\nXDG_DOWNLOAD_DIR=\"$HOME/Pobrane\"\n"));
        const EnvOverride h("HOME", home), c("XDG_CONFIG_HOME", home + "/.config");
        // No installed register for the folder to be compared with.
        const EnvOverride d("XDG_DATA_DIRS", tmp.filePath("none")), dh("XDG_DATA_HOME", tmp.filePath("none"));
        const QStringList args{"informacja", "--user-folder", "--import-register"};
        const QString previous = QDir::currentPath();
        const QString opensIn = downloads;
#endif
        // The office's register, and GUS's TERC of today's gminas.
        const QByteArray shipped = readFile(qEnvironmentVariable("IQX_SOURCE_DIR") + "/data/GMINY.txt");
        const iqx::TercRows rows2024 = iqx::readTerc(tercsamples::gusCsv());
        const QByteArray before = office ? QByteArray("0201011;V;C;M;GM\r\n")
                                         : iqx::registerFileBytes(iqx::tercRegister(rows2024.rows).lines).value();
        QVERIFY(writeFile(folder + "/GMINY.txt", before));
        const QString today = downloads + "/TERC_Urzedowy_2026-01-02.zip";
        QVERIFY(writeFile(today, tercsamples::zipOf({{"TERC_Urzedowy_2026-01-02.csv",
                                                      tercsamples::tercCsvOf(shipped, "2026-01-01")}})));
        QVERIFY(writeFile(downloads + "/SIMC.csv", tercsamples::refusedFiles().first().bytes));

        guitest::RealBoxes boxes;
        guitest::BoxClerk boxClerk(box.isEmpty() ? QStringList{} : QStringList{"OK"});
        DialogClerk dialogClerk(pick == "today" ? today : pick.isEmpty() ? QString() : downloads + "/SIMC.csv");
        const iqx::CommandLine cmd = iqx::parseCommandLine(args);
        QCOMPARE(cmd.mode, iqx::CommandLine::Mode::ImportRegister);
        const int result = iqx::importRegisterWithDialog(cmd);
        QDir::setCurrent(previous);

        QCOMPARE(result, status);
        QCOMPARE(dialogClerk.title, QStringLiteral("Aktualizuj rejestr gmin"));
        QCOMPARE(QDir(dialogClerk.folder), QDir(opensIn));
        QCOMPARE(dialogClerk.filters.first(), QStringLiteral("Pliki TERC (*.csv *.xml *.zip)"));
        QCOMPARE(boxClerk.seen.size(), box.isEmpty() ? 0 : 1);
        if (!box.isEmpty())
            QVERIFY(boxClerk.seen.first().count(u'\n') <= 5 + 26); // a box that fits on the screen
        for (const QString &s : box)
            QVERIFY2(boxClerk.seen.first().contains(s), qPrintable(boxClerk.seen.first()));
        QVERIFY(readFile(folder + "/GMINY.txt") == (pick == "today" ? shipped : before));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), pick == "today" ? 2 : 1);
    }
};

QTEST_MAIN(TestRegisterDialog)
#include "tst_registerdialog.moc"
