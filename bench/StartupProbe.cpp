// One source, three programs: built with SKARVEL_PROBE_EMPTY it shows an empty Qt
// window of the main window's size; with SKARVEL_PROBE_LABEL the same window with one
// line of text in it, the least a window that shows any text pays; with neither, it
// starts Skarvel's main window exactly as the program's main does. Each writes the
// CLOCK_MONOTONIC time, in nanoseconds, at which the window's first frame has been painted
// and handed to the platform, and its private resident memory at that moment, then
// quits, so that the startup driver can compare them.
#include "MainWindowLayout.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMetaObject>
#include <QWidget>
#include <cstdio>
#include <ctime>

#if !defined(SKARVEL_PROBE_EMPTY) && !defined(SKARVEL_PROBE_LABEL)
#include "SkarvelProgram.h"
#include "skarvelform.h"
#endif

namespace {

// Resident memory of this process alone (heap, stacks, private mappings), in KiB: the
// peak resident set also counts pages of shared libraries and fonts that every program
// using them shares.
long privateKiB() {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr) {
        return -1;
    }
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status) != nullptr) {
        if (std::sscanf(line, "RssAnon: %ld kB", &kib) == 1) {
            break;
        }
    }
    std::fclose(status);
    return kib;
}

// Sees the top-level window's first paint event. The paint, and the flush of the
// backing store that follows it in the same expose or update handling, are done by the
// time a queued call runs, so the time is taken there.
class FirstFrameWatch : public QObject {
public:
    explicit FirstFrameWatch(QWidget& watched)
        : window(watched) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (object == &window && event->type() == QEvent::Paint && !seen) {
            seen = true;
            QMetaObject::invokeMethod(this, &FirstFrameWatch::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("%lld %ld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                    privateKiB());
        std::fflush(stdout);
        QCoreApplication::quit();
    }

    QWidget& window;
    bool seen = false;
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
#if defined(SKARVEL_PROBE_EMPTY) || defined(SKARVEL_PROBE_LABEL)
    QWidget window;
    window.resize(skarvel::mainWindowLayout.client.toPixels().size());
#ifdef SKARVEL_PROBE_LABEL
    QLabel label(QStringLiteral("Skarvel"), &window);
#endif
#else
    skarvel::SkarvelProgram program;
    skarvel::skarvelform& window = program.window();
#endif
    FirstFrameWatch watch(window);
    window.show();
    return QApplication::exec();
}
