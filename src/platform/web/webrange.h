// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/model/tickschedule.h"
#include "ui/rangeform.h"

#include <emscripten/val.h>

#include <vector>

// The window's core as the page sees it: the description to build the page
// from, and every change of a control passed on to a JavaScript listener.
// Controls are named by their place in the description.
class WebRange : private platform::ClockHost
{
public:
    // The listener has moved(id, left, top), enabledChanged(id, enabled),
    // textChanged(id, text), announce(message) and wakeAt(time), the time on
    // performance.now()'s clock in milliseconds at which to call wake(), or -1
    // for never; the window has loaded before it hears anything.
    explicit WebRange(emscripten::val listener);
    WebRange(const WebRange &) = delete;
    WebRange &operator=(const WebRange &) = delete;

    emscripten::val form() const;
    emscripten::val controls() const;

    // A click on the control: it reacts only if it takes clicks now.
    void click(int id);
    int activeShot() const;
    bool clockRunning() const { return m_schedule.running(); }
    void wake() { m_schedule.wake(); }

private:
    void listen(int id, platform::Control &control);
    Time now() override;
    void wakeAt(Time time) override;
    void cancelWake() override;

    RangeForm m_form;
    emscripten::val m_listener;
    std::vector<platform::Connection> m_connections;
    platform::TickSchedule m_schedule;
};
