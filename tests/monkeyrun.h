// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rangefixture.h"

#include <QRandomGenerator>

// One seeded random run: it remembers the first broken invariant and names the
// seed that replays it, through CLAYRANGE_SEED.
struct MonkeyRun {
    MonkeyRun()
        : seed(RangeHarness::seedFromEnvironment())
        , random(seed)
    {}

    bool failed() const { return failedAt >= 0; }

    void check(bool condition, const char *what)
    {
        if (condition || failed())
            return;
        failedAt = step;
        qWarning("seed %u: \"%s\" broken at event %d (replay with CLAYRANGE_SEED=%u)", seed, what,
                 step, seed);
    }

    void checkRange(const RangeHarness &range, const float (&columns)[ShotCount])
    {
        const char *broken = range.brokenRule(columns);
        check(!broken, broken);
    }

    const quint32 seed;
    QRandomGenerator random;
    int step = 0;
    int failedAt = -1;
};
