// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {expect, test} from '@playwright/test';

import {CrossingTicks, Interval, pixels, RangePage} from './rangepage.mjs';

// The range through the page: clicks, counters, the clock and the hit test,
// each at its exact tick.

let range;
test.beforeEach(async ({page}) => { range = await RangePage.open(page); });
test.afterEach(() => range.expectNoErrors());

// The crossing's length is a row of the checks every engine runs.
test('the first tick comes one interval after the launch', async () => {
    await range.launch();
    await range.page.clock.runFor(Interval - 1);
    expect((await range.state()).target.x).toBe(0);
    await range.page.clock.runFor(1);
    expect((await range.state()).target.x).toBe(pixels(10));
});

test('a late timer brings one tick, and the next comes on the grid of the launch', async () => {
    await range.launch();
    await range.tick();
    // As in a hidden tab: the timer wakes a second late. The ticks missed are
    // dropped, and the next is due 8 intervals after the launch. Steps of 10
    // and 20 twips both round to one pixel, so the test starts from tick 1.
    await range.page.clock.fastForward(1000);
    expect((await range.state()).target.x).toBe(pixels(20));
    await range.page.clock.runFor(8 * Interval - 1150 - 1);
    expect((await range.state()).target.x).toBe(pixels(20));
    await range.page.clock.runFor(1);
    expect((await range.state()).target.x).toBe(pixels(30));
});

test('an idle page schedules no timer and no frame', async ({page}) => {
    await page.evaluate(() => {
        window.scheduled = 0;
        for (const name of ['setTimeout', 'setInterval', 'requestAnimationFrame']) {
            const original = window[name].bind(window);
            window[name] = (...args) => (++window.scheduled, original(...args));
        }
    });
    const scheduledOver = async (ms) => {
        const before = await page.evaluate(() => window.scheduled);
        await page.clock.runFor(ms);
        return (await page.evaluate(() => window.scheduled)) - before;
    };
    expect(await scheduledOver(5000)).toBe(0);
    await range.launch();
    expect(await scheduledOver(450)).toBe(3);
    await range.clear();
    expect(await scheduledOver(5000)).toBe(0);
    await range.launch();
    await range.tick(CrossingTicks);
    expect(await scheduledOver(5000)).toBe(0);
});

test('choosing the flying shot again changes nothing, and it stays on top', async ({page}) => {
    await range.launch();
    await range.tick(80);
    await range.fire(0);
    await range.tick(96);
    const top = (await range.state()).shots[0].y;
    for (let n = 1; n <= 5; ++n) {
        await range.fire(0);
        await range.tick();
        const state = await range.state();
        expect([state.shots[0].y, state.activeShot, state.hits]).toEqual([
            top - pixels(20 * n), 0, '1'
        ]);
    }
    // Shot and target overlap here: the shot is drawn over the target.
    const box = await range.shot(0).boundingBox();
    expect((await range.state({x: box.x + 4, y: box.y + 4})).at.shot).toBe(0);
});

test('the real clock is wired up', async ({browser}) => {
    const page = await browser.newPage();
    const real = await RangePage.open(page, {realClock: true});
    // Timed in the page, from the click to the target's first move, so that a
    // slow round trip to the browser cannot make the tick look early.
    await real.target.evaluate((target) => {
        window.timing = {};
        const launch = [...document.querySelectorAll('button')].find(
            (button) => button.textContent === 'Паничка');
        launch.addEventListener('click', () => { window.timing.launched = performance.now(); },
                                {capture: true});
        new MutationObserver(() => { window.timing.moved ??= performance.now(); }).observe(target, {
            attributes: true
        });
    });
    await real.launch();
    await expect.poll(() => page.evaluate(() => window.timing.moved), {timeout: 5000})
        .toBeDefined();
    const {launched, moved} = await page.evaluate(() => window.timing);
    // Ticks come late, never early.
    expect(moved - launched).toBeGreaterThanOrEqual(Interval - 1);
    expect((await real.state()).target.x).toBeGreaterThan(0);
    await real.clear();
    real.expectNoErrors();
    await page.close();
});
