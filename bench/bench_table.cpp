// The benchmark table: every figure measured in one run on this machine,
// medians with their spread (min - max), and the ratio to a floor measured
// side by side where a row has one. Usage:
//   bench_table [--runs N] [--smoke] BUILD_DIR
// BUILD_DIR holds informacja, floor_pdf and bench_gui. The GUI rows need a
// display (the bench/run script starts Xvfb); without one they are skipped.
// --smoke runs everything once, small, and asserts nothing about time.
#include "app/mainwindow.h"
#include "app/recovery.h"
#include "document/document.h"
#include "support/recordingsink.h"
#include "document/registry.h"
#include "print/engine/prepared.h"
#include "print/pages.h"
#include "storage/cp1250.h"
#include "storage/datafile.h"
#include "storage/registerfile.h"
#include "ui/pages/entryedit.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

qint64 nowNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

struct Stats {
    double median = 0, min = 0, max = 0;
};

Stats stats(std::vector<double> v)
{
    if (v.empty())
        return {};
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v.front(), v.back()};
}

QString ms(const Stats &s, int decimals = 1)
{
    return QStringLiteral("%1 ms (%2 - %3)")
        .arg(s.median, 0, 'f', decimals)
        .arg(s.min, 0, 'f', decimals)
        .arg(s.max, 0, 'f', decimals);
}

QStringList g_rows;

void row(const QString &figure, const QString &measured, const QString &floor, const QString &ratio,
         const QString &target)
{
    g_rows << QStringLiteral("| %1 | %2 | %3 | %4 | %5 |").arg(figure, measured, floor, ratio, target);
    std::fprintf(stderr, "  %s: %s\n", qPrintable(figure), qPrintable(measured));
}

// One run of a program: wall time from before the fork to its end, its peak
// memory, and what it printed.
struct Run {
    double wallMs = 0;
    double peakMiB = 0;
    int status = -1;
    QByteArray out;
    qint64 startNs = 0;
};

Run runProcess(const QStringList &argv, const QString &dir, const QByteArrayList &env = {})
{
    int pipeFd[2];
    if (pipe(pipeFd) != 0)
        return {};
    Run r;
    r.startNs = nowNs();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(pipeFd[1], 1);
        close(pipeFd[0]);
        close(pipeFd[1]);
        if (chdir(QFile::encodeName(dir).constData()) != 0)
            _exit(127);
        for (const QByteArray &e : env)
            putenv(strdup(e.constData()));
        std::vector<QByteArray> args;
        for (const QString &a : argv)
            args.push_back(QFile::encodeName(a));
        std::vector<char *> cargs;
        for (QByteArray &a : args)
            cargs.push_back(a.data());
        cargs.push_back(nullptr);
        const int devnull = open("/dev/null", O_WRONLY);
        dup2(devnull, 2);
        execv(cargs[0], cargs.data());
        _exit(127);
    }
    close(pipeFd[1]);
    char buffer[4096];
    ssize_t n;
    while ((n = read(pipeFd[0], buffer, sizeof buffer)) > 0)
        r.out.append(buffer, n);
    close(pipeFd[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    r.wallMs = (nowNs() - r.startNs) / 1e6;
    r.peakMiB = usage.ru_maxrss / 1024.0;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

template <typename F>
std::vector<double> timeEach(int runs, F &&body)
{
    std::vector<double> v;
    for (int i = 0; i < runs; ++i) {
        const qint64 t = nowNs();
        body(i);
        v.push_back((nowNs() - t) / 1e6);
    }
    return v;
}

// The heaviest saved reports that "Load Report" still takes, one of each
// kind its bounds allow: the longest texts, the largest letters, the most
// fonts (a page of each, as a saved-report file).
QList<QByteArray> heaviestSavedReports()
{
    using iqx::report::PreparedItem;
    const auto text = [](const QString &t, int pointSize, const QString &family) {
        return PreparedItem{PreparedItem::Text, 10, 10, 50, 4, iqx::report::Align::Left, t, family, pointSize};
    };
    const auto file = [](int items, const std::function<PreparedItem(int)> &item) {
        iqx::report::PreparedDocument doc;
        doc.pages << iqx::report::PreparedPage{};
        for (int i = 0; i < items; ++i)
            doc.pages[0].items << item(i);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        iqx::report::savePrepared(doc, out);
        return out.data();
    };
    const QString arial = QStringLiteral("Arial");
    return {
        file(64,
             [&](int i) {
                 QString t(32767, u'W');
                 t[0] = QChar(u'a' + i % 26);
                 t[1] = QChar(u'a' + i / 26);
                 return text(t, 7, arial);
             }),
        file(1024, [&](int i) { return text(QString(300, u'W'), 9 + i % 8, arial); }),
        file(1024, [&](int i) { return text(QString(300, u'W'), 16, QStringLiteral("Font%1").arg(i % 16)); }),
    };
}

// Loads a saved report and paints its page 1 as the preview shows it
// zoomed to a wide screen's width.
void loadAndPaint(const QByteArray &bytes)
{
    QBuffer in;
    in.setData(bytes);
    in.open(QIODevice::ReadOnly);
    iqx::report::PreparedDocument doc;
    if (!iqx::report::loadPrepared(in, &doc, nullptr) || doc.pages.isEmpty())
        return;
    QImage image(1300, 1840, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.scale(1300 / (210 * 96 / 25.4), 1300 / (210 * 96 / 25.4));
    iqx::report::paintPage(painter, doc.pages[0], 96);
}

// A document with every text position and every flag filled.
iqx::Document fullDocument()
{
    iqx::Document doc;
    for (const iqx::Position &p : iqx::positionTable()) {
        if (p.isFlag())
            doc.setChecked(p.number, p.number % 2);
        else if (p.kind == iqx::PositionKind::FreeText)
            doc.setText(p.number, QStringLiteral("Zażółć gęślą jaźń 22 555 01 01"));
        else
            doc.setText(p.number, QStringLiteral("12345,678"));
    }
    const QStringList identity{"miejsko-wiejska", "0201011", "Brzeszcze-Jawiszowice Łódź", "bolesławiecki",
                               "dolnośląskie"};
    for (int n = 0; n < 5; ++n)
        doc.setText(n, identity[n]);
    return doc;
}

QString registerSource() { return QStringLiteral(IQX_SOURCE_DIR "/data/GMINY.txt"); }

// Writes into `folder` one full data file per municipality of the shipped
// register, the first `count` of them (all when count < 0), with the
// municipality's own identity block. Returns the number written.
int writeDocumentFolder(const QString &folder, const iqx::Document &full, int count)
{
    QDir().mkpath(folder);
    QFile reg(registerSource());
    if (!reg.open(QIODevice::ReadOnly))
        return 0;
    int written = 0;
    for (const QByteArray &raw : reg.readAll().split('\n')) {
        const std::optional<QString> line = iqx::cp1250::decode(raw.trimmed());
        const QStringList f = line ? line->split(u';') : QStringList();
        if (f.size() < 5 || (count >= 0 && written == count))
            continue;
        iqx::Document doc = full;
        doc.setText(0, iqx::translateType(f[4]));
        doc.setText(1, f[0]);
        doc.setText(2, f[3]);
        doc.setText(3, f[2]);
        doc.setText(4, f[1]);
        const QString name = iqx::dataFileName(f[0]);
        const std::optional<QByteArray> bytes = iqx::encodeDocument(doc, name, nullptr);
        QFile out(QDir(folder).filePath(name));
        if (bytes && out.open(QIODevice::WriteOnly) && out.write(*bytes) == bytes->size())
            ++written;
    }
    return written;
}

} // namespace

// bench_table --lookup FILE ID: one lookup; prints its time in ms and the
// growth of the peak memory in MiB.
int lookupOnce(const char *file, const char *id)
{
    rusage before{}, after{};
    getrusage(RUSAGE_SELF, &before);
    const qint64 t = nowNs();
    const iqx::RegisterLookup r = iqx::lookupRegisterFile(QString::fromLocal8Bit(file), QString::fromLatin1(id));
    const double elapsed = (nowNs() - t) / 1e6;
    getrusage(RUSAGE_SELF, &after);
    std::printf("%.3f %.2f\n", elapsed, (after.ru_maxrss - before.ru_maxrss) / 1024.0);
    return r.status == iqx::RegisterLookup::Found ? 0 : 1;
}

int main(int argc, char **argv)
{
    if (argc == 4 && QByteArray(argv[1]) == "--lookup")
        return lookupOnce(argv[2], argv[3]);
    int runs = 21;
    bool smoke = false;
    QString buildDir;
    for (int i = 1; i < argc; ++i) {
        const QByteArray a(argv[i]);
        if (a == "--runs" && i + 1 < argc)
            runs = std::max(1, atoi(argv[++i]));
        else if (a == "--smoke")
            smoke = true;
        else
            buildDir = QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath();
    }
    if (smoke)
        runs = 1;
    const bool display = !qEnvironmentVariableIsEmpty("DISPLAY");
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (buildDir.isEmpty())
        buildDir = QCoreApplication::applicationDirPath();
    iqx::RecordingSink sink;
    iqx::ScopedMessages scoped(&sink);

    QTemporaryDir work;
    QFile::copy(registerSource(), work.filePath(QStringLiteral("GMINY.txt")));
    const iqx::Document doc = fullDocument();
    if (!iqx::saveDocument(doc, QDir(work.path())).ok)
        return 1;
    const QString dataFile = work.filePath(QStringLiteral("InfoQX0201011.iqx"));

    // --pdf of the full document against the floor, in turn.
    {
        std::vector<double> ours, floor, ratio, ourPeak, floorPeak;
        for (int i = 0; i < runs + 1; ++i) {
            const Run a =
                runProcess({buildDir + QStringLiteral("/informacja"), QStringLiteral("--pdf"), QStringLiteral("a.pdf")},
                           work.path());
            const Run b =
                runProcess({buildDir + QStringLiteral("/floor_pdf"), dataFile, QStringLiteral("b.pdf")}, work.path());
            if (a.status != 0 || b.status != 0) {
                std::fprintf(stderr, "the PDF export or the floor failed (%d, %d)\n", a.status, b.status);
                return 1;
            }
            if (i == 0 && !smoke)
                continue; // warm-up
            ours.push_back(a.wallMs);
            floor.push_back(b.wallMs);
            ratio.push_back(a.wallMs / b.wallMs);
            ourPeak.push_back(a.peakMiB);
            floorPeak.push_back(b.peakMiB);
        }
        const Stats r = stats(ratio);
        row(QStringLiteral("`--pdf` of a full document, start to exit"), ms(stats(ours)), ms(stats(floor)),
            QStringLiteral("%1 (%2 - %3)").arg(r.median, 0, 'f', 2).arg(r.min, 0, 'f', 2).arg(r.max, 0, 'f', 2),
            QStringLiteral("≤ 1.2 × floor"));
        row(QStringLiteral("`--pdf` peak memory"), QStringLiteral("%1 MiB").arg(stats(ourPeak).median, 0, 'f', 1),
            QStringLiteral("%1 MiB").arg(stats(floorPeak).median, 0, 'f', 1), QString(), QStringLiteral("≤ 25 MiB"));
    }

    // The department's summary: every municipality of the shipped register
    // as a full data file in one folder, written by the real program into
    // one CSV; and a folder of 10 for the memory it needs at least.
    {
        const QString folder = work.filePath(QStringLiteral("gminy"));
        const QString small = work.filePath(QStringLiteral("gminy10"));
        const int documents = writeDocumentFolder(folder, doc, smoke ? 50 : -1);
        writeDocumentFolder(small, doc, 10);
        std::vector<double> wall, peak, smallPeak;
        for (int i = 0; i < runs + 1; ++i) {
            const Run a = runProcess({buildDir + QStringLiteral("/informacja"), QStringLiteral("--export"),
                                      QStringLiteral("summary.csv"), folder},
                                     work.path());
            const Run b = runProcess({buildDir + QStringLiteral("/informacja"), QStringLiteral("--export"),
                                      QStringLiteral("summary10.csv"), small},
                                     work.path());
            if (a.status != 0 || b.status != 0) {
                std::fprintf(stderr, "the summary export failed (%d, %d)\n", a.status, b.status);
                return 1;
            }
            if (i == 0 && !smoke)
                continue; // warm-up
            wall.push_back(a.wallMs);
            peak.push_back(a.peakMiB);
            smallPeak.push_back(b.peakMiB);
        }
        const double sizeMiB = QFileInfo(work.filePath(QStringLiteral("summary.csv"))).size() / 1048576.0;
        row(QStringLiteral("`--export summary.csv` of a folder of %1 full documents (%2 MiB of CSV)")
                .arg(documents)
                .arg(sizeMiB, 0, 'f', 1),
            ms(stats(wall), 0), {}, {}, QStringLiteral("< 2000 ms"));
        row(QStringLiteral("summary peak memory, %1 documents against 10").arg(documents),
            QStringLiteral("%1 MiB; 10 documents: %2 MiB")
                .arg(stats(peak).median, 0, 'f', 1)
                .arg(stats(smallPeak).median, 0, 'f', 1),
            {}, {}, QStringLiteral("flat: one document at a time"));
    }

    // The window, one process per figure, under the display given (a smoke
    // run without a display uses the offscreen platform).
    if (display || smoke) {
        QByteArrayList env{display ? "QT_QPA_PLATFORM=xcb" : "QT_QPA_PLATFORM=offscreen"};
        std::vector<double> start, floor, ratio, print;
        for (int i = 0; i < runs + 1; ++i) {
            const Run r =
                runProcess({buildDir + QStringLiteral("/bench_gui"), QStringLiteral("start")}, work.path(), env);
            const Run f = runProcess({buildDir + QStringLiteral("/floor_gui")}, work.path(), env);
            if (smoke && (r.status != 0 || f.status != 0)) {
                std::fprintf(stderr, "the window's start-up benchmark failed (%d, %d)\n", r.status, f.status);
                return 1;
            }
            if (r.status == 0 && f.status == 0 && (i > 0 || smoke)) {
                start.push_back((r.out.trimmed().toLongLong() - r.startNs) / 1e6);
                floor.push_back((f.out.trimmed().toLongLong() - f.startNs) / 1e6);
                ratio.push_back(start.back() / floor.back());
            }
            const Run p =
                runProcess({buildDir + QStringLiteral("/bench_gui"), QStringLiteral("print")}, work.path(), env);
            if (smoke && p.status != 0) {
                std::fprintf(stderr, "the print benchmark failed (%d)\n", p.status);
                return 1;
            }
            if (p.status == 0 && (i > 0 || smoke))
                print.push_back(p.out.trimmed().toLongLong() / 1e6);
        }
        const Stats r = stats(ratio);
        row(QStringLiteral("GUI: process start to the main window first painted (Xvfb)"), ms(stats(start)),
            ms(stats(floor)) + QStringLiteral(" (one label)"),
            QStringLiteral("%1 (%2 - %3)").arg(r.median, 0, 'f', 2).arg(r.min, 0, 'f', 2).arg(r.max, 0, 'f', 2),
            QStringLiteral("≤ 60 ms"));
        row(QStringLiteral("\"Drukowanie\" click to page 1 of the preview painted"), ms(stats(print)), QString(),
            QString(), QStringLiteral("≤ 25 ms"));
    } else {
        row(QStringLiteral("GUI rows"), QStringLiteral("skipped: no display"), {}, {}, {});
    }

    // Register lookups in the shipped register: the last line and a miss.
    {
        const QString reg = work.filePath(QStringLiteral("GMINY.txt"));
        QFile f(reg);
        f.open(QIODevice::ReadOnly);
        const QByteArray last = f.readAll().trimmed().split('\n').last().left(7);
        const int n = smoke ? 1 : 201;
        const auto hit = timeEach(n, [&](int) { iqx::lookupRegisterFile(reg, QString::fromLatin1(last)); });
        const auto miss = timeEach(n, [&](int) { iqx::lookupRegisterFile(reg, QStringLiteral("9999999")); });
        row(QStringLiteral("register lookup, shipped register, hit on the last line"), ms(stats(hit), 3), {}, {},
            QStringLiteral("≤ 1 ms"));
        row(QStringLiteral("register lookup, shipped register, a miss"), ms(stats(miss), 3), {}, {},
            QStringLiteral("≤ 1 ms"));
    }

    // A generated register of 1,000,000 lines, looked up in a process of
    // its own so that its peak memory shows.
    {
        const QString big = work.filePath(QStringLiteral("big/GMINY.txt"));
        QDir(work.path()).mkdir(QStringLiteral("big"));
        QFile out(big);
        out.open(QIODevice::WriteOnly);
        const int lines = smoke ? 1000 : 1000000;
        QByteArray chunk;
        for (int i = 0; i < lines; ++i) {
            chunk += QByteArray::number(1000000 + i) + ";mazowieckie;powiat warszawski zachodni;gmina "
                     + QByteArray::number(i) + ";GW\r\n";
            if (chunk.size() > (1 << 20)) {
                out.write(chunk);
                chunk.clear();
            }
        }
        out.write(chunk);
        out.close();
        const double sizeMiB = QFileInfo(big).size() / 1048576.0;
        std::vector<double> t, peak;
        for (int i = 0; i < (smoke ? 1 : 7); ++i) {
            const Run r = runProcess({QCoreApplication::applicationFilePath(), QStringLiteral("--lookup"), big,
                                      QString::number(1000000 + lines - 1)},
                                     work.path());
            t.push_back(r.out.split(' ').value(0).toDouble());
            peak.push_back(r.out.split(' ').value(1).toDouble());
        }
        row(QStringLiteral("register lookup, generated register of %1 lines (%2 MiB)")
                .arg(lines)
                .arg(sizeMiB, 0, 'f', 0),
            ms(stats(t)) + QStringLiteral(", peak growth %1 MiB").arg(stats(peak).median, 0, 'f', 1), {}, {},
            QStringLiteral("≤ 250 ms, memory flat"));
    }

    // Save and load of the full data file. On a memory file system the
    // flush to disk costs nothing; in the working folder it is included.
    {
        const int n = smoke ? 1 : 201;
        QTemporaryDir memory(QStringLiteral("/dev/shm/iqx-bench-XXXXXX"));
        const QDir memoryDir(memory.isValid() ? memory.path() : work.path());
        const auto save = timeEach(n, [&](int) { iqx::saveDocument(doc, memoryDir); });
        const auto load =
            timeEach(n, [&](int) { iqx::loadDocumentFile(memoryDir.filePath(QStringLiteral("InfoQX0201011.iqx"))); });
        const auto flushed = timeEach(smoke ? 1 : 31, [&](int) { iqx::saveDocument(doc, QDir(work.path())); });
        row(QStringLiteral("save of a full data file (without the flush to disk)"), ms(stats(save), 3), {}, {},
            QStringLiteral("≤ 1 ms"));
        row(QStringLiteral("load of a full data file"), ms(stats(load), 3), {}, {}, QStringLiteral("≤ 1 ms"));
        row(QStringLiteral("save with the flush to disk, for reference"), ms(stats(flushed), 2), {}, {}, {});
    }

    // "Load Report" of the heaviest file it takes: the bounds of the file
    // format keep loading and painting a page short, whatever the file asks.
    {
        Stats worst;
        for (const QByteArray &file : heaviestSavedReports()) {
            loadAndPaint(file); // meets the fonts
            const Stats kind = stats(timeEach(smoke ? 1 : 11, [&](int) { loadAndPaint(file); }));
            if (kind.median >= worst.median)
                worst = kind;
        }
        row(QStringLiteral("\"Load Report\" of the heaviest file the format takes, loaded and page 1 painted at the "
                           "preview's size (the worst of three kinds)"),
            ms(worst), {}, {}, QStringLiteral("< 1000 ms"));
    }

    // One keystroke through a key filter, then leaving the box: its exit
    // check runs (the number check), in the real window after its first
    // activation, so that the recovery copy's change handler runs too.
    {
        iqx::MainWindow window(iqx::WorkFolder(work.path()));
        window.show();
        if (!window.runFirstActivation())
            return 1;
        QLineEdit *box = window.textBox(8);
        QLineEdit *next = window.textBox(9);
        window.placeFocus(box);
        QCoreApplication::processEvents();
        const int n = smoke ? 1 : 2001;
        const auto keys = timeEach(n, [&](int i) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + i % 10, Qt::NoModifier, QString(QChar(u'0' + i % 10)));
            QApplication::sendEvent(box, &press);
            next->setFocus(); // leaving the box queues its exit check
            QCoreApplication::processEvents();
            window.placeFocus(box);
            if (box->text().size() > 6)
                box->clear();
        });
        row(QStringLiteral("one keystroke through a key filter plus one exit check"), ms(stats(keys), 4), {}, {},
            QStringLiteral("≤ 0.1 ms"));

        // What the recovery copy's timer does after a change on the main
        // thread (collect the document, hand it to the writer thread), and
        // the writer's whole write with the flush to disk in the working
        // folder, which the main thread does not wait for.
        std::vector<double> queued, written;
        for (int i = 0; i < (smoke ? 1 : 201); ++i) {
            box->setText(QString::number(1000 + i)); // a change, not timed
            qint64 t = nowNs();
            window.recovery()->queueWrite();
            queued.push_back((nowNs() - t) / 1e6);
            window.recovery()->flush(); // waits for that write, not timed
            box->setText(QString::number(2000 + i));
            t = nowNs();
            window.recovery()->flush();
            written.push_back((nowNs() - t) / 1e6);
        }
        row(QStringLiteral("recovery copy after a change: main-thread work (collect the document, queue the write)"),
            ms(stats(queued), 3), {}, {}, QStringLiteral("≤ 2 ms"));
        row(QStringLiteral("recovery copy: the whole write on the writer thread, with the flush to disk"),
            ms(stats(written), 3), {}, {}, QStringLiteral("for reference"));
    }

    // What an office would do instead.
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    const QString officeRow = QStringLiteral("`soffice --headless --convert-to pdf` of a comparable six-page document");
    if (soffice.isEmpty() || smoke) {
        row(officeRow,
            soffice.isEmpty() ? QStringLiteral("skipped: LibreOffice is not installed")
                              : QStringLiteral("skipped in a smoke run"),
            {}, {}, QStringLiteral("report the ratio"));
    } else {
        // The same captions and values as six pages of an HTML document.
        QString html = QStringLiteral("<html><body style=\"font-family: Arial; font-size: 7pt\">");
        for (const iqx::report::PageTable *t :
             {&iqx::print::printedPage1(), &iqx::print::printedPage2(), &iqx::print::printedPage3(),
              &iqx::print::printedPage4(), &iqx::print::printedPage5(), &iqx::print::printedPage6()}) {
            html += QStringLiteral("<div style=\"page-break-after: always\"><table border=\"1\">");
            for (const iqx::report::LabelRow &l : t->labels) {
                const int n = l.name[0] == 'P' ? QByteArray(l.name + 1).toInt() : -1;
                html += QStringLiteral("<tr><td>%1</td></tr>")
                            .arg((n >= 0 ? doc.printedValue(n) : QString::fromUtf8(l.caption)).toHtmlEscaped());
            }
            html += QStringLiteral("</table></div>");
        }
        html += QStringLiteral("</body></html>");
        QFile f(work.filePath(QStringLiteral("office.html")));
        f.open(QIODevice::WriteOnly);
        f.write(html.toUtf8());
        f.close();
        std::vector<double> office;
        for (int i = 0; i < 4; ++i) {
            const Run r = runProcess({soffice, QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                                      QStringLiteral("pdf"), QStringLiteral("office.html")},
                                     work.path(), {"HOME=" + QFile::encodeName(work.path())});
            if (i > 0 && r.status == 0)
                office.push_back(r.wallMs);
        }
        const Run ours = runProcess(
            {buildDir + QStringLiteral("/informacja"), QStringLiteral("--pdf"), QStringLiteral("a.pdf")}, work.path());
        row(officeRow, ms(stats(office), 0), {},
            QStringLiteral("%1 × our `--pdf`").arg(stats(office).median / ours.wallMs, 0, 'f', 0),
            QStringLiteral("report the ratio"));
    }

    std::printf("| Figure | Median (min - max) | Floor | Ratio to the floor | Target |\n|---|---|---|---|---|\n");
    for (const QString &r : g_rows)
        std::printf("%s\n", qPrintable(r));
    return 0;
}
