// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ui/rangeform.h"

#include <QtTest>

// A started window without widgets, and the short hands the suites share.
struct RangeFixture {
    RangeFixture() { form.Form_Load(); }

    const RangeControls &controls() const { return form.controls(); }
    const RangeState &state() { return form.range().state(); }
    platform::Label &target() const { return controls().Label2; }
    platform::Label &shot(int index) const { return *controls().Label3[std::size_t(index)]; }
    bool timerOn() const { return controls().Timer1.enabled(); }
    QString attemptsText() const { return QString::fromStdString(form.Text2(0).text()); }
    QString hitsText() const { return QString::fromStdString(form.Text2(1).text()); }

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

    static constexpr unsigned AllShots = (1u << ShotCount) - 1;
    static constexpr float RestTop = 2775 - 135;

    RangeForm form;
};
