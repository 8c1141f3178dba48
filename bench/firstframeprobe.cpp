// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Linked into copies of the program and of the bare window for the start-up
// benchmark: once the first frame is on screen it prints the moment (on the
// monotonic clock) and the peak resident memory, then quits.

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <ctime>

namespace {

long peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

class FirstFrameProbe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWindow *>(watched);
        if (m_seen || event->type() != QEvent::Expose || !window)
            return false;
        // Deliver the first expose here, so that the moment taken after it is
        // the moment its frame was painted and flushed.
        m_seen = true;
        QCoreApplication::sendEvent(window, event);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        std::printf("frame %lld rss %ld\n", now.tv_sec * 1'000'000'000LL + now.tv_nsec,
                    peakResidentKiB());
        std::fflush(stdout);
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return true;
    }

private:
    bool m_seen = false;
};

void installProbe()
{
    qApp->installEventFilter(new FirstFrameProbe(qApp));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(installProbe)
