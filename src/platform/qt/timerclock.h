// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/timer.h"

#include <QObject>
#include <QTimer>

namespace platform {

// Runs a QTimer exactly while its Timer model is enabled and hands each
// timeout to the model: the first one interval after the start, none after
// the stop.
class TimerClock : public QObject
{
    Q_OBJECT

public:
    explicit TimerClock(Timer &timer, QObject *parent = nullptr);

    bool running() const { return m_clock.isActive(); }

private:
    void follow(bool enabled);

    Timer &m_timer;
    QTimer m_clock;
    Connection m_enabled;
};

} // namespace platform
