// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {test} from '@playwright/test';

import {CrossingTicks, pixels, RangePage, ShotColumns} from './rangepage.mjs';

// Seeded random clicks anywhere on the window and runs of ticks, with the
// range's invariants checked from the DOM after every event. A failure names
// its seed, and CLAYRANGE_SEED=<seed> replays it.

// Drawn once in playwright.config.mjs, so that every worker runs the same seeds.
const firstSeed = Number(process.env.CLAYRANGE_SEED ?? process.env.CLAYRANGE_DRAWN_SEED);
// Two runs of 5,000 events, one per worker; a replay runs the given seed only.
const seeds = process.env.CLAYRANGE_SEED ? [firstSeed] : [firstSeed, firstSeed + 1];
const events = Number(process.env.CLAYRANGE_MONKEY_EVENTS ?? 5000);

// mulberry32: small, and the same sequence on every Node.
function random(seed) {
    return () => {
        seed = (seed + 0x6d2b79f5) | 0;
        let t = Math.imul(seed ^ (seed >>> 15), 1 | seed);
        t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

// Plain comparisons: Playwright's expect records a step for every call, which
// would cost more than the events themselves.
function check(state, model, errors) {
    const same = (actual, expected, what) => {
        if (JSON.stringify(actual) !== JSON.stringify(expected))
            throw new Error(`${what}: ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`);
    };
    const {activeShot, shots} = state;
    same(errors, [], 'console errors');
    same(activeShot >= -1 && activeShot < 12, true, `ActiveShot ${activeShot}`);
    same(shots.map((shot) => shot.enabled),
         shots.map((_, i) => activeShot === -1 || i === activeShot),
         `enabled shots with ActiveShot ${activeShot}`);
    same(shots.map((shot) => shot.x), ShotColumns.map((left) => pixels(left)), 'shot columns');
    same(shots.filter((shot, i) => i !== activeShot && shot.y !== pixels(2640)), [],
         'shots at rest');
    same(state.clock === 'running', model.crossing,
         'the clock runs exactly while a target crosses');
    same(state.target.x, model.crossing ? pixels(10 * model.ticks) : 0, 'target');
    same(state.attempts, String(model.launches), 'attempts = launches');
    same(/^\d+$/.test(state.hits) && Number(state.hits) <= model.fired, true,
         `hits ${state.hits} with ${model.fired} shots fired`);
}

const clickable = 'button, input, textarea, [role=img], [role=button]';

for (const [run, seed] of seeds.entries()) {
    test(`random clicks and ticks keep the range whole, run ${run + 1}`, async ({page}) => {
        test.setTimeout(15 * 60_000);
        const range = await RangePage.open(page);
        // Half the clicks anywhere on the window, half on something that might react.
        const areas = [{x: 0, y: 0, width: 451, height: 424}];
        for (const element of await page.locator(clickable).all())
            areas.push(await element.boundingBox());
        const next = random(seed);
        const model = {crossing: false, ticks: 0, launches: 0, fired: 0};
        let event = 0;
        try {
            for (; event < events; ++event) {
                if (next() < 0.5) {
                    const count = 1 + Math.floor(next() * 8);
                    await range.tick(count);
                    model.ticks += count;
                    model.crossing &&= model.ticks < CrossingTicks;
                } else {
                    const area = next() < 0.5 ? areas[0] : areas[Math.floor(next() * areas.length)];
                    // Whole pixels: at a fraction just inside an edge, the page's
                    // elementFromPoint and Chromium's dispatched click can disagree.
                    const point = {
                        x: Math.floor(area.x + next() * area.width),
                        y: Math.floor(area.y + next() * area.height)
                    };
                    const {at, activeShot, shots} = await range.state(point);
                    await page.mouse.click(point.x, point.y);
                    if (at?.button === 'Паничка' && !model.crossing)
                        Object.assign(model,
                                      {crossing: true, ticks: 0, launches: model.launches + 1});
                    else if (at?.button === 'Чисти')
                        Object.assign(model, {crossing: false, launches: 0, fired: 0});
                    else if (at?.shot >= 0 && shots[at.shot].enabled && at.shot !== activeShot)
                        model.fired += 1;
                }
                check(await range.state(), model, range.errors);
            }
        } catch (error) {
            error.message = `seed ${seed} (CLAYRANGE_SEED=${seed} replays it), event ${event}: ${
                error.message}`;
            throw error;
        }
    });
}
