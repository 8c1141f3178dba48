// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rangefixture.h"

#include <QRandomGenerator>

// One seeded random run: it remembers the first broken invariant and names the
// seed that replays it, through CLAYRANGE_SEED.
struct MonkeyRun {
    MonkeyRun()
        : seed(seedFromEnvironment())
        , random(seed)
    {}

    static quint32 seedFromEnvironment()
    {
        bool ok = false;
        const quint32 seed = qEnvironmentVariable("CLAYRANGE_SEED").toUInt(&ok);
        return ok ? seed : 20261208u;
    }

    bool failed() const { return failedAt >= 0; }

    void check(bool condition, const char *what)
    {
        if (condition || failed())
            return;
        failedAt = step;
        qWarning("seed %u: \"%s\" broken at event %d (replay with CLAYRANGE_SEED=%u)", seed, what,
                 step, seed);
    }

    // What holds after any event, whatever came before it.
    void checkRange(RangeFixture &range, const float (&columns)[ShotCount])
    {
        const RangeState &state = range.form.range().state();
        check(state.ActiveShot >= -1 && state.ActiveShot < ShotCount, "ActiveShot is valid");
        const unsigned enabled = range.enabledShots();
        check(state.ActiveShot < 0 ? enabled == RangeFixture::AllShots
                                   : enabled == 1u << state.ActiveShot,
              "only the chosen shot is enabled");
        for (int i = 0; i < ShotCount; ++i) {
            const platform::Label &shot = range.shot(i);
            check(shot.left() == columns[i], "no shot leaves its column");
            check(shot.top() >= shot.height() && shot.top() <= RangeFixture::RestTop,
                  "a shot stays between its highest point and its rest");
            check(i == state.ActiveShot || shot.top() == RangeFixture::RestTop,
                  "only the chosen shot leaves its rest");
        }
    }

    const quint32 seed;
    QRandomGenerator random;
    int step = 0;
    int failedAt = -1;
};
