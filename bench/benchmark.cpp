// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// clayrange-bench: measures what the program costs and prints a table. It is
// not a test; nothing here fails on a timing.

#include "allocationcounter.h"

#include "platform/qt/fieldwidget.h"
#include "platform/qt/formwindow.h"
#include "platform/qt/timerclock.h"
#include "ui/rangeform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QPaintEvent>
#include <QProcess>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

void row(const char *what, const QString &value, const char *target = "")
{
    // Padded by characters, not bytes, so that "µs" keeps the columns straight.
    const QString line = QStringLiteral("| %1 | %2 | %3 |")
                             .arg(QString::fromUtf8(what), -46)
                             .arg(value, -34)
                             .arg(QString::fromUtf8(target), -18);
    std::printf("%s\n", line.toUtf8().constData());
}

qint64 monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_sec * 1'000'000'000LL + now.tv_nsec;
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
           + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double percentile(std::vector<double> values, double p)
{
    std::sort(values.begin(), values.end());
    return values.empty()
               ? 0
               : values[std::min(values.size() - 1, std::size_t(p * double(values.size())))];
}

// Keeps a target crossing and shot 0 in flight. Fired from the start of every
// crossing, shot 0 never meets the target, so every tick runs the full test.
void keepFlying(RangeForm &form)
{
    if (!form.controls().Timer1.enabled())
        form.Command1_Click(0);
    if (form.range().state().ActiveShot < 0)
        form.Label3_Click(0);
}

void coreTick()
{
    RangeForm form;
    form.Form_Load();
    // Every notification a view could follow has a listener, as with a window.
    std::vector<platform::Connection> listeners;
    for (platform::Control *control : form.form().controls()) {
        listeners.push_back(control->moved.connect([](const platform::TwipsRect &) {}));
        listeners.push_back(control->enabledChanged.connect([](bool) {}));
        listeners.push_back(control->textChanged.connect([](const std::string &) {}));
    }
    platform::Timer &timer = form.controls().Timer1;
    constexpr long Ticks = 10'000'000;
    std::size_t allocations = 0;
    QElapsedTimer clock;
    clock.start();
    for (long i = 0; i < Ticks; ++i) {
        keepFlying(form);
        const std::size_t before = AllocationCounter::count();
        timer.deliverTick();
        allocations += AllocationCounter::count() - before;
    }
    const double ns = double(clock.nsecsElapsed()) / double(Ticks);
    row("core tick, shot in flight (10^7 ticks)", QString::asprintf("%.1f ns", ns));
    row("heap allocations per core tick",
        QString::asprintf("%.4f (%zu in all)", double(allocations) / double(Ticks), allocations),
        "0");
}

// Sums the area the field is asked to repaint.
class PaintMeter : public QObject
{
public:
    qint64 area = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                area += qint64(rect.width()) * rect.height();
        }
        return false;
    }
};

void windowTick()
{
    RangeForm form;
    form.Form_Load();
    platform::qt::FormWindow window(form.form());
    window.show();
    QCoreApplication::processEvents();
    auto *field =
        qobject_cast<platform::qt::FieldWidget *>(window.widgetFor(*form.form().find("Picture1")));
    PaintMeter meter;
    field->installEventFilter(&meter);

    constexpr int Ticks = 10'000;
    std::vector<double> micros;
    micros.reserve(Ticks);
    for (int i = 0; i < Ticks; ++i) {
        keepFlying(form);
        QCoreApplication::processEvents();
        QElapsedTimer clock;
        clock.start();
        form.controls().Timer1.deliverTick();
        QCoreApplication::processEvents();
        micros.push_back(double(clock.nsecsElapsed()) / 1000.0);
    }
    row("window tick with its repaint: median", QString::asprintf("%.1f µs", median(micros)));
    row("window tick with its repaint: 99th percentile",
        QString::asprintf("%.1f µs", percentile(micros, 0.99)));
    const double fieldArea = double(field->width()) * field->height();
    const double perTick = double(meter.area) / Ticks;
    row("field area repainted per tick",
        QString::asprintf("%.0f px (%.2f %% of the field)", perTick, 100.0 * perTick / fieldArea),
        "changed rects only");
}

struct Startup {
    double ms = 0;
    double rssKiB = 0;
};

Startup startOnce(const QString &program, const QString &platform)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
    process.setProcessEnvironment(environment);
    const qint64 start = monotonicNs();
    process.start(program, {});
    process.waitForFinished(30'000);
    const QList<QByteArray> words = process.readAllStandardOutput().trimmed().split(' ');
    if (words.size() < 4 || words[0] != "frame")
        return {};
    return {double(words[1].toLongLong() - start) / 1e6, words[3].toDouble()};
}

// Offscreen, and on the X server in DISPLAY if there is one: a real server
// adds the connection, the fonts' hinting and the first expose.
void startupAndMemory()
{
    const QString dir = QCoreApplication::applicationDirPath();
    const QString ours = dir + QStringLiteral("/clayrange-probe");
    const QString bare = dir + QStringLiteral("/clayrange-bare");
    QStringList platforms{QStringLiteral("offscreen")};
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        platforms << QStringLiteral("xcb");
    for (const QString &platform : platforms) {
        std::vector<double> oursMs, bareMs, oursRss, bareRss;
        for (int run = 0; run < 21; ++run) {
            const Startup a = startOnce(ours, platform);
            const Startup b = startOnce(bare, platform);
            oursMs.push_back(a.ms);
            bareMs.push_back(b.ms);
            oursRss.push_back(a.rssKiB);
            bareRss.push_back(b.rssKiB);
        }
        const double ms = median(oursMs), bareMsMedian = median(bareMs);
        const QByteArray on = platform.toUtf8();
        row(("start-up to first frame, " + on + ": clayrange").constData(),
            QString::asprintf("%.1f ms", ms));
        row(("start-up to first frame, " + on + ": bare Qt window").constData(),
            QString::asprintf("%.1f ms", bareMsMedian));
        row(("start-up ratio, " + on + " (median of 21)").constData(),
            QString::asprintf("%.2f x", ms / bareMsMedian),
            platform == u"xcb" ? "<= 1.10 x" : "<= 1.20 x");
        if (platform == u"offscreen") {
            const double rss = median(oursRss), bareRssMedian = median(bareRss);
            row("peak RSS after start-up: clayrange", QString::asprintf("%.0f KiB", rss));
            row("peak RSS after start-up: bare Qt window",
                QString::asprintf("%.0f KiB", bareRssMedian));
            row("peak RSS ratio", QString::asprintf("%.2f x", rss / bareRssMedian), "<= 1.15 x");
        }
    }
}

void runFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Nanoseconds that all threads of a process have spent on a CPU.
qint64 processRunNs(qint64 pid)
{
    qint64 total = 0;
    const QString tasks = QStringLiteral("/proc/%1/task").arg(pid);
    for (const QString &task : QDir(tasks).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(tasks + u'/' + task + QStringLiteral("/schedstat"));
        if (stat.open(QIODevice::ReadOnly))
            total += stat.readAll().split(' ').value(0).toLongLong();
    }
    return total;
}

void cpu()
{
    // Idle: the real program in a process of its own, so that nothing of the
    // benchmark is counted.
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    program.setProcessEnvironment(environment);
    program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/../src/clayrange"), {});
    if (program.waitForStarted()) {
        runFor(1000);
        const qint64 before = processRunNs(program.processId());
        runFor(3000);
        const qint64 spent = processRunNs(program.processId()) - before;
        row("CPU idle over 3 s", QString::asprintf("%.3f %% of a core", double(spent) / 3e9 * 100),
            "0 %");
        program.kill();
        program.waitForFinished();
    }

    // A crossing needs a click, so it runs here, with the window offscreen.
    RangeForm form;
    form.Form_Load();
    platform::qt::TimerClock timer(form.controls().Timer1);
    platform::qt::FormWindow window(form.form());
    window.show();
    runFor(500);

    form.Command1_Click(0);
    form.Label3_Click(5);
    const double before = cpuSeconds();
    runFor(10'000);
    row("CPU during a crossing over 10 s",
        QString::asprintf("%.2f %% of a core", (cpuSeconds() - before) / 10.0 * 100), "< 0.5 %");
}

void crossingTime()
{
    RangeForm form;
    form.Form_Load();
    platform::qt::TimerClock timer(form.controls().Timer1);
    platform::qt::FormWindow window(form.form());
    window.show();
    runFor(200);
    QEventLoop loop;
    const platform::Connection stopped =
        form.controls().Timer1.enabledChanged.connect([&loop](bool on) {
            if (!on)
                loop.quit();
        });
    QElapsedTimer clock;
    clock.start();
    form.Command1_Click(0);
    loop.exec();
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    row("full crossing with the real timer",
        QString::asprintf("%.3f s (%+.3f %% of 79.35 s)", seconds, (seconds / 79.35 - 1) * 100),
        "within 0.2 %");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool crossing = app.arguments().contains(QStringLiteral("--crossing"));

    row("measure", QStringLiteral("value"), "target");
    std::printf("|%s|%s|%s|\n", QByteArray(48, '-').constData(), QByteArray(36, '-').constData(),
                QByteArray(20, '-').constData());
    // First, while nothing else has run in this process yet.
    cpu();
    coreTick();
    windowTick();
    startupAndMemory();
    if (crossing)
        crossingTime();
    else
        row("full crossing with the real timer", QStringLiteral("run with --crossing (80 s)"));
    return 0;
}
