// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {expect, test} from '@playwright/test';

import {CrossingTicks, Interval, pixels, RangePage} from './rangepage.mjs';

// The range through the page: clicks, counters, the clock and the hit test,
// each at its exact tick.

let range;
test.beforeEach(async ({page}) => { range = await RangePage.open(page); });
test.afterEach(() => range.expectNoErrors());

test.describe('commands', () => {
    const cases = [
        {
            name : 'a launch counts one attempt',
            steps : [ 'launch' ],
            attempts : '1',
            clock : 'running'
        },
        {
            name : 'two launches in one crossing count one',
            steps : [ 'launch', 'launch' ],
            attempts : '1'
        },
        {
            name : 'clear during a crossing stops it',
            steps : [ 'launch', 'tick', 'clear' ],
            attempts : '0',
            clock : 'stopped'
        },
        {
            name : 'launch after clear counts afresh',
            steps : [ 'launch', 'clear', 'launch' ],
            attempts : '1'
        },
        {
            name : 'a launch after a full crossing counts again',
            steps : [ 'launch', 'cross', 'launch' ],
            attempts : '2'
        },
    ];
    for (const {name, steps, attempts, clock = 'running'} of cases) {
        test(name, async () => {
            for (const step of steps) {
                if (step === 'launch')
                    await range.launch();
                else if (step === 'clear')
                    await range.clear();
                else if (step === 'tick')
                    await range.tick(5);
                else
                    await range.tick(CrossingTicks);
            }
            const state = await range.state();
            expect(state.attempts).toBe(attempts);
            expect(state.hits).toBe('0');
            expect(state.clock).toBe(clock);
        });
    }

    test('clear returns target and shots to rest and zeroes both counters', async () => {
        await range.launch();
        await range.tick(80);
        await range.fire(0);
        await range.tick(100);
        await range.expectCounters('1', '1');
        await range.clear();
        const state = await range.state();
        expect(state.target).toEqual({x : 0, y : 8});
        expect(state.shots.every((shot) => shot.y === 176 && shot.enabled)).toBe(true);
        expect(state.activeShot).toBe(-1);
        await range.expectCounters('0', '0');
    });

    test('a shot chosen with no target crossing waits, then rises with the launch', async () => {
        await range.fire(4);
        let state = await range.state();
        expect(state.activeShot).toBe(4);
        expect(state.shots.map((shot) => shot.enabled)).toEqual(state.shots.map((_, i) => i === 4));
        await range.tick(3);
        expect((await range.state()).shots[4].y).toBe(176);
        await range.launch();
        await range.tick(3);
        state = await range.state();
        expect(state.shots[4].y).toBe(pixels(2640 - 3 * 20));
        expect(state.target.x).toBe(pixels(30));
    });

    test('a click on a disabled shot changes nothing', async () => {
        await range.launch();
        await range.fire(2);
        await range.tick(10);
        const before = await range.state();
        await range.fire(7);
        await range.tick(1);
        const after = await range.state();
        expect(after.activeShot).toBe(2);
        expect(after.shots[7].y).toBe(176);
        expect(before.shots[2].y).toBe(pixels(2640 - 10 * 20));
        expect(after.shots[2].y).toBe(pixels(2640 - 11 * 20));
        expect(after.attempts).toBe('1');
    });
});

test.describe('clock', () => {
    test('the first tick comes one interval after the launch', async () => {
        await range.launch();
        await range.page.clock.runFor(Interval - 1);
        expect((await range.state()).target.x).toBe(0);
        await range.page.clock.runFor(1);
        expect((await range.state()).target.x).toBe(pixels(10));
    });

    test('a crossing is 529 ticks, 79.35 s, and ends in the idle state', async () => {
        await range.launch();
        await range.tick(CrossingTicks - 1);
        let state = await range.state();
        expect(state.target.x).toBe(pixels(5280));
        expect(state.clock).toBe('running');
        await range.page.clock.runFor(Interval - 1);
        expect((await range.state()).clock).toBe('running');
        await range.page.clock.runFor(1);
        state = await range.state();
        expect(state.target.x).toBe(0);
        expect(state.clock).toBe('stopped');
        expect(state.attempts).toBe('1');
    });

    test('ticks that fall due while timers are late all arrive, in order', async () => {
        await range.launch();
        await range.fire(0);
        // As a hidden tab: the timer wakes a second late, once.
        await range.page.clock.fastForward(1000);
        let state = await range.state();
        expect(state.target.x).toBe(pixels(6 * 10));
        expect(state.shots[0].y).toBe(pixels(2640 - 6 * 20));
        await range.tick(4);
        expect((await range.state()).target.x).toBe(pixels(10 * 10));
        // A whole crossing in one late wake-up still ends it on time.
        await range.page.clock.fastForward((CrossingTicks - 10) * Interval);
        state = await range.state();
        expect(state.clock).toBe('stopped');
        expect(state.target.x).toBe(0);
    });

    test('an idle page schedules no timer and no frame', async ({page}) => {
        await page.evaluate(() => {
            window.scheduled = 0;
            for (const name of ['setTimeout', 'setInterval', 'requestAnimationFrame']) {
                const original = window[name].bind(window);
                window[name] = (...args) => {
                    window.scheduled += 1;
                    return original(...args);
                };
            }
        });
        await range.page.clock.runFor(5000);
        expect(await page.evaluate(() => window.scheduled)).toBe(0);
        await range.launch();
        await range.tick(3);
        expect(await page.evaluate(() => window.scheduled)).toBeGreaterThan(0);
        await range.clear();
        const afterClear = await page.evaluate(() => window.scheduled);
        await range.page.clock.runFor(5000);
        expect(await page.evaluate(() => window.scheduled)).toBe(afterClear);
        await range.launch();
        await range.tick(CrossingTicks);
        const afterCrossing = await page.evaluate(() => window.scheduled);
        await range.page.clock.runFor(5000);
        expect(await page.evaluate(() => window.scheduled)).toBe(afterCrossing);
    });
});

test.describe('hit test', () => {
    // From the core's own table: shot 0 overlaps the target across on ticks
    // 167..193 of a crossing, shot 11 on ticks 491..517; a flight from rest
    // overlaps it from its 96th tick until it drops back after the 125th.
    const cases = [
        {name : 'target reaches the shot', shot : 0, fireAfter : 60, hitTick : 167},
        {name : 'shot reaches the target', shot : 0, fireAfter : 80, hitTick : 176},
        {name : 'too late: the target has passed', shot : 0, fireAfter : 100, hitTick : 0},
        {name : 'too early: the shot drops back first', shot : 0, fireAfter : 0, hitTick : 0},
        {name : 'last column, shot reaches target', shot : 11, fireAfter : 400, hitTick : 496},
        {name : 'last column, too late', shot : 11, fireAfter : 425, hitTick : 0},
    ];
    for (const {name, shot, fireAfter, hitTick} of cases) {
        test(name, async () => {
            await range.launch();
            await range.tick(fireAfter);
            await range.fire(shot);
            if (hitTick) {
                await range.tick(hitTick - 1 - fireAfter);
                await range.expectCounters('1', '0');
                await range.tick(1);
                await range.expectCounters('1', '1');
            }
            await range.tick(CrossingTicks - Math.max(hitTick, fireAfter));
            expect((await range.state()).clock).toBe('stopped');
            await range.expectCounters('1', hitTick ? '1' : '0');
        });
    }

    test('choosing the flying shot again cannot score twice', async () => {
        await range.launch();
        await range.tick(80);
        await range.fire(0);
        await range.tick(96);
        await range.expectCounters('1', '1');
        const top = (await range.state()).shots[0].y;
        for (let n = 1; n <= 10; ++n) {
            await range.fire(0);
            await range.tick(1);
            const state = await range.state();
            expect(state.shots[0].y).toBe(top - pixels(20 * n));
            expect(state.activeShot).toBe(0);
        }
        await range.expectCounters('1', '1');
    });

    test('where shot and target overlap, the shot is on top', async ({page}) => {
        await range.launch();
        await range.tick(80);
        await range.fire(0);
        await range.tick(96);
        const box = await range.shot(0).boundingBox();
        const at = await page.evaluate(
            ([ x, y ]) => document.elementFromPoint(x, y).getAttribute('aria-label'),
            [ box.x + 4, box.y + 4 ]);
        expect(at).toBe('Изстрел 1');
    });
});

test('the real clock is wired up', async ({browser}) => {
    const page = await browser.newPage();
    const real = await RangePage.open(page, {realClock : true});
    await real.launch();
    const launched = Date.now();
    await expect.poll(async () => (await real.state()).target.x, {timeout : 5000})
        .toBeGreaterThan(0);
    // Ticks are only ever late, never early.
    expect(Date.now() - launched).toBeGreaterThanOrEqual(Interval - 20);
    await real.clear();
    real.expectNoErrors();
    await page.close();
});
