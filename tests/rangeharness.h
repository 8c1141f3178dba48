// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/rangeform.h"

#include <cstdlib>

// A started window without widgets, with the short hands and the range's
// rules that the suites of both test frameworks share.
struct RangeHarness {
    RangeHarness() { form.Form_Load(); }

    const RangeControls &controls() const { return form.controls(); }
    const RangeState &state() const { return form.range().state(); }
    platform::Label &target() const { return controls().Label2; }
    platform::Label &shot(int index) const { return *controls().Label3[std::size_t(index)]; }
    bool timerOn() const { return controls().Timer1.enabled(); }

    void launch() { form.Command1_Click(0); }
    void clear() { form.Command1_Click(1); }
    void fire(int index) { form.Label3_Click(index); }
    // The manual clock: ticks arrive through the timer, as the real clock's
    // do, so none gets through while it is off.
    void tick(int count = 1)
    {
        for (int i = 0; i < count; ++i)
            controls().Timer1.deliverTick();
    }

    // A launch, and shot 0 fired after tick 80: it meets the target and scores
    // on tick 176 of the crossing, the 96th of its flight, where this stops.
    void launchAndHit()
    {
        launch();
        tick(80);
        fire(0);
        tick(96);
    }

    // The shots that would answer a click, as a bit set: bit i for shot i.
    unsigned enabledShots() const
    {
        unsigned bits = 0;
        for (int i = 0; i < ShotCount; ++i)
            bits |= shot(i).enabled() ? 1u << i : 0u;
        return bits;
    }

    // The first of the range's rules that the present state breaks, or none:
    // what holds after any event, whatever came before it. columns: where
    // each shot stood at the start.
    const char *brokenRule(const float (&columns)[ShotCount]) const
    {
        const int active = state().ActiveShot;
        if (active < -1 || active >= ShotCount)
            return "ActiveShot is valid";
        if (enabledShots() != (active < 0 ? AllShots : 1u << active))
            return "only the chosen shot is enabled";
        for (int i = 0; i < ShotCount; ++i) {
            const platform::Label &shot = this->shot(i);
            if (shot.left() != columns[i])
                return "no shot leaves its column";
            if (shot.top() < shot.height() || shot.top() > RestTop)
                return "a shot stays between its highest point and its rest";
            if (i != active && shot.top() != RestTop)
                return "only the chosen shot leaves its rest";
        }
        return nullptr;
    }

    // A random run's seed: CLAYRANGE_SEED replays one.
    static unsigned seedFromEnvironment()
    {
        const char *seed = std::getenv("CLAYRANGE_SEED");
        return seed ? unsigned(std::strtoul(seed, nullptr, 10)) : 20261209u;
    }

    static constexpr unsigned AllShots = (1u << ShotCount) - 1;
    static constexpr float RestTop = 2775 - 135;

    RangeForm form;
};
