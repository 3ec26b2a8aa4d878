// The floor of the window's start-up: a minimal widget program that shows
// one window with one label and reports, like bench_gui start, the
// monotonic clock when it has been painted for the first time.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>
#include <ctime>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Informacja QX"));
    struct Filter : QObject {
        bool eventFilter(QObject *, QEvent *e) override
        {
            if (e->type() == QEvent::Paint)
                QTimer::singleShot(0, [] {
                    timespec ts{};
                    clock_gettime(CLOCK_MONOTONIC, &ts);
                    std::printf("%lld\n", static_cast<long long>(ts.tv_sec) * 1000000000 + ts.tv_nsec);
                    std::fflush(stdout);
                    std::_Exit(0);
                });
            return false;
        }
    } filter;
    label.installEventFilter(&filter);
    label.showMaximized();
    return app.exec();
}
