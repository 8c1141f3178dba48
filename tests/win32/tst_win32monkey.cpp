// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

#include <random>

// Seeded random clicks anywhere in the window, sent as the mouse sends them to
// whatever control lies under them, mixed with ticks; after each event the
// range keeps the rules the rest of the program relies on.
TEST_F(WindowFixture, randomClicksAndTicksKeepTheRangesRules)
{
    const unsigned seed = seedFromEnvironment();
    std::mt19937 random(seed);
    RECT client;
    GetClientRect(window.hwnd(), &client);
    std::uniform_int_distribution<int> x(0, client.right - 1);
    std::uniform_int_distribution<int> y(0, client.bottom - 1);
    // Most clicks land in the field, where the shots are.
    const RECT fieldPlace = placeOf(field());
    std::uniform_int_distribution<int> fieldX(fieldPlace.left, fieldPlace.right - 1);
    std::uniform_int_distribution<int> fieldY(fieldPlace.top + 150, fieldPlace.bottom - 1);
    std::uniform_int_distribution<int> event(0, 9);
    float columns[ShotCount];
    for (int i = 0; i < ShotCount; ++i)
        columns[i] = shot(i).left();
    long long hits = 0;
    bool scored = false;

    for (int step = 0; step < 10'000; ++step) {
        SCOPED_TRACE("seed " + std::to_string(seed) + ", event " + std::to_string(step)
                     + " (replay with CLAYRANGE_SEED)");
        const int kind = event(random);
        if (kind < 6) {
            tick(1 + kind * 4);
        } else {
            POINT at =
                kind < 9 ? POINT{fieldX(random), fieldY(random)} : POINT{x(random), y(random)};
            HWND target = ChildWindowFromPointEx(window.hwnd(), at, CWP_SKIPINVISIBLE);
            MapWindowPoints(window.hwnd(), target, &at, 1);
            click(target, at);
        }

        const char *broken = brokenRule(columns);
        ASSERT_FALSE(broken) << broken;
        // The timer runs exactly while a target crosses.
        if (!form.controls().Timer1.enabled()) {
            ASSERT_EQ(form.controls().Label2.left(), 0);
        }
        // The boxes show the counts, and only a tick or the clear button
        // changes the hits.
        ASSERT_EQ(textOf(handle("Text2", 0)), std::to_wstring(form.attempts().value()));
        ASSERT_EQ(textOf(handle("Text2", 1)), std::to_wstring(form.hits().value()));
        if (kind >= 6 && form.hits().value() != 0) {
            ASSERT_EQ(form.hits().value(), hits);
        }
        scored = scored || form.hits().value() > hits;
        hits = form.hits().value();
    }
    EXPECT_TRUE(scored);
}
