// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/tickschedule.h"

#include <QObject>
#include <QTimer>

#include <optional>

namespace platform::qt {

// The real clock: a single-shot QTimer wakes the Timer model's tick schedule,
// and the monotonic steady clock tells it the time. There is no QTimer running
// while the Timer model is off.
class TimerClock : public QObject, private ClockHost
{
    Q_OBJECT

public:
    explicit TimerClock(Timer &timer, QObject *parent = nullptr);

    bool running() const { return m_schedule->running(); }

private:
    Time now() override;
    void wakeAt(Time time) override;
    void cancelWake() override;

    QTimer m_wake;
    // Made once the QTimer is ready: it may be asked for a wake-up at once.
    std::optional<TickSchedule> m_schedule;
};

} // namespace platform::qt
