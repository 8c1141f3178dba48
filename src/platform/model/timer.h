// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

namespace platform {

// The window's clock as the logic sees it: an interval and an Enabled state.
// Its TickSchedule follows that state: it starts when Enabled becomes true,
// calls deliverTick() on a grid of intervals from then on (one tick, not a
// burst, after a stall), and stops when it becomes false.
class Timer : public Control
{
public:
    using Control::Control;

    int interval() const { return properties().interval; }

    // A tick that arrives once the timer is off, say one already queued when
    // it was stopped, is dropped here rather than trusted to every clock.
    void deliverTick()
    {
        if (enabled())
            ticked.notify();
    }

    Signal<> ticked;
};

} // namespace platform
