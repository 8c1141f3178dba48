// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {test} from '@playwright/test';

import {CrossingTicks, pixels, RangePage, ShotColumns} from './rangepage.mjs';

// Seeded random clicks anywhere on the window and random runs of ticks, with
// the range's invariants checked from the DOM after every event. A failure
// names its seed; CLAYRANGE_SEED=<seed> replays it.

const firstSeed = Number(process.env.CLAYRANGE_SEED ?? Math.floor(Math.random() * 2 ** 31));
// Two runs of 5,000 events, one per worker; a replay runs only the seed given.
const seeds = process.env.CLAYRANGE_SEED ? [ firstSeed ] : [ firstSeed, firstSeed + 1 ];
const events = Number(process.env.CLAYRANGE_MONKEY_EVENTS ?? 5000);

function random(state)
{
    // mulberry32: small, and the same sequence on every Node.
    return () => {
        state = (state + 0x6d2b79f5) | 0;
        let t = Math.imul(state ^ (state >>> 15), 1 | state);
        t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
        return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
    };
}

// Everything an event is checked against, and what lies at the next click.
function observe(point)
{
    const client = document.querySelector('.client');
    const inner = document.querySelector('.field-inner').getBoundingClientRect();
    const field = document.querySelector('[role=group]');
    const shots = [...field.querySelectorAll('[role=button]') ];
    const placeOf = (element) => {
        const r = element.getBoundingClientRect();
        return {x : r.left - inner.left, y : r.top - inner.top};
    };
    const boxes = [...document.querySelectorAll('input') ];
    let at = null;
    if (point) {
        const element = document.elementFromPoint(point.x, point.y);
        const shot = shots.indexOf(element);
        if (shot >= 0)
            at = {shot, enabled : element.getAttribute('aria-disabled') !== 'true'};
        else if (element?.closest('button'))
            at = {button : element.closest('button').textContent};
    }
    const box = client.getBoundingClientRect();
    const targets =
        [...client.querySelectorAll('button, input, textarea, [role=img], [role=button]') ];
    const rects = targets.map((element) => {
        const r = element.getBoundingClientRect();
        return {x : r.left - box.left, y : r.top - box.top, width : r.width, height : r.height};
    });
    return {
        at,
        rects,
        clock : client.dataset.clock,
        activeShot : Number(field.dataset.activeShot),
        target : placeOf(field.querySelector('[role=img]')),
        shots : shots.map(
            (shot) =>
                ({...placeOf(shot), enabled : shot.getAttribute('aria-disabled') !== 'true'})),
        attempts : boxes[0].value,
        hits : boxes[1].value,
    };
}

// Plain comparisons: Playwright's expect records a step per call, which
// would cost more than the events themselves.
function check(state, model, errors)
{
    const same = (actual, expected, what) => {
        if (JSON.stringify(actual) !== JSON.stringify(expected))
            throw new Error(
                `${what}: ${JSON.stringify(actual)}, expected ${JSON.stringify(expected)}`);
    };
    same(errors, [], 'console errors');
    const {activeShot, shots} = state;
    same(Number.isInteger(activeShot) && activeShot >= -1 && activeShot < 12, true,
         `ActiveShot ${activeShot}`);
    same(shots.map((shot) => shot.enabled),
         shots.map((_, i) => activeShot === -1 || i === activeShot),
         `enabled shots with ActiveShot ${activeShot}`);
    same(shots.map((shot) => shot.x), ShotColumns.map((left) => pixels(left)), 'shot columns');
    shots.forEach((shot, i) => {
        if (i !== activeShot)
            same(shot.y, pixels(2640), `shot ${i} at rest`);
    });
    same(state.clock === 'running', model.crossing,
         'the clock runs exactly while a target crosses');
    same(state.target.x, model.crossing ? pixels(10 * model.ticks) : 0, 'target');
    same(state.attempts, String(model.launches), 'attempts = launches');
    same(/^\d+$/.test(state.hits), true, `hits ${state.hits} a count`);
    same(Number(state.hits) <= model.fired, true,
         `hits ${state.hits} ≤ ${model.fired} shots fired`);
}

for (const seed of seeds) {
    test(`random clicks and ticks keep the range whole, run ${seeds.indexOf(seed) + 1}`,
         async ({page}) => {
             test.setTimeout(15 * 60_000);
             const range = await RangePage.open(page);
             const next = random(seed);
             const model = {crossing : false, ticks : 0, launches : 0, fired : 0};
             let state = await page.evaluate(observe, null);
             let event = 0;
             try {
                 for (; event < events; ++event) {
                     if (next() < 0.5) {
                         const count = 1 + Math.floor(next() * 8);
                         await range.tick(count);
                         if (model.crossing) {
                             model.ticks += count;
                             if (model.ticks >= CrossingTicks)
                                 model.crossing = false;
                         }
                         state = await page.evaluate(observe, null);
                     } else {
                         // Half anywhere on the window, half on something that might react.
                         let area = {x : 0, y : 0, width : 451, height : 424};
                         if (next() < 0.5)
                             area = state.rects[Math.floor(next() * state.rects.length)];
                         const point = {
                             x : area.x + next() * area.width,
                             y : area.y + next() * area.height
                         };
                         const before = await page.evaluate(observe, point);
                         await page.mouse.click(point.x, point.y);
                         const {at} = before;
                         if (at?.button === 'Паничка' && !model.crossing) {
                             model.crossing = true;
                             model.ticks = 0;
                             model.launches += 1;
                         } else if (at?.button === 'Чисти') {
                             model.crossing = false;
                             model.launches = 0;
                             model.fired = 0;
                         } else if (at?.shot >= 0 && at.enabled && before.activeShot !== at.shot) {
                             model.fired += 1;
                         }
                         state = await page.evaluate(observe, null);
                     }
                     check(state, model, range.errors);
                 }
             } catch (error) {
                 error.message =
                     `monkey seed ${seed} (replay: CLAYRANGE_SEED=${seed}), event ${event}:\n`
                     + error.message;
                 throw error;
             }
             console.log(`monkey seed ${seed}: ${events} events, ${
                 model.launches} launches since the last clear`);
         });
}
