// The window's timings, one process per measurement, as the clerk meets
// them (run by bench_table; prints one figure in nanoseconds):
//   bench_gui start   the monotonic clock when the main window has been
//                     painted for the first time (the parent took the clock
//                     before starting this process)
//   bench_gui print   from the click on "Drukowanie" to page 1 of the
//                     preview painted, in the document of the current folder
#include "app/application.h"
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "print/engine/preview.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <cstring>

namespace {

qint64 monotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

[[noreturn]] void report(qint64 ns)
{
    std::printf("%lld\n", static_cast<long long>(ns));
    std::fflush(stdout);
    std::_Exit(0); // the teardown is not part of any figure
}

// Calls `done` once the first paint of a widget that `belongs` has been
// delivered and the rest of that paint pass has run.
class FirstPaint : public QObject {
public:
    FirstPaint(std::function<bool(QWidget *)> belongs, std::function<void()> done)
        : belongs_(std::move(belongs)), done_(std::move(done))
    {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType()
            && belongs_(static_cast<QWidget *>(watched))) {
            seen_ = true;
            QTimer::singleShot(0, done_);
        }
        return false;
    }

private:
    std::function<bool(QWidget *)> belongs_;
    std::function<void()> done_;
    bool seen_ = false;
};

} // namespace

int main(int argc, char **argv)
{
    const bool print = argc > 1 && std::strcmp(argv[1], "print") == 0;
    const iqx::CommandLine cmd; // the window in the current folder
    return iqx::runWindow(argc, argv, cmd, [print](iqx::MainWindow &window) {
        if (!print) {
            auto *filter =
                new FirstPaint([&window](QWidget *w) { return w->window() == &window; }, [] { report(monotonicNs()); });
            qApp->installEventFilter(filter);
            return;
        }
        // After the first activation has loaded the document: click.
        QTimer::singleShot(300, &window, [&window] {
            static qint64 clicked = 0;
            auto *filter = new FirstPaint(
                [](QWidget *w) {
                    const auto *preview = qobject_cast<iqx::report::PreviewWindow *>(w->window());
                    return preview && w->objectName() == QLatin1String("pageView") && preview->currentPage() == 1;
                },
                [] { report(monotonicNs() - clicked); });
            qApp->installEventFilter(filter);
            clicked = monotonicNs();
            window.printButton()->click();
        });
    });
}
