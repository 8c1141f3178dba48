// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {readFileSync, writeFileSync} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {isDeepStrictEqual} from 'node:util';

// The checks every engine runs: rows of steps and what the page must show
// after them. The steps that need real input (clicks, taps, keys) are the
// driver's; everything else runs in the page, in the script below, so that the
// three drivers stay thin.

const Caption = 'Физическо възпитание - спортна стрелба';
const CrossingTicks = 529;

// Where each control stands, [left, top, width, height] in pixels of the
// window's client area: its twips over 15.
const Rects = {
    title: [72, 0, 305, 25],
    field: [40, 40, 361, 185],
    target: [42, 50, 9, 41],
    'shot:0': [162, 218, 9, 9],
    'shot:5': [282, 218, 9, 9],
    'shot:6': [298, 218, 9, 9],
    'shot:11': [378, 218, 9, 9],
    launch: [8, 232, 73, 25],
    attempts: [152, 232, 49, 27],
    hits: [304, 232, 49, 27],
    clear: [368, 232, 73, 25],
    panel: [8, 264, 433, 153],
};
const mouse = {
    input: 'mouse'
};
const touch = {
    input: 'touch'
};
// A tablet: its coarse pointer makes the page scale the window, here to two
// device pixels a pixel.
const tablet = {
    input: 'touch',
    coarse: true,
    viewport: [1000, 900]
};

// Each row: a name, how the page is opened, steps, and what must hold after
// them: `state` as a part of rangeChecks.state(), `rects`, `focus` (the
// control that holds it after each Tab), `heard` (the live region's news).
export const cases = [
    {
        name: 'the window: caption and every control in place',
        open: mouse,
        rects: Rects,
        state: {title: `www.clayrange.example ${Caption}`, attempts: '0', hits: '0', panelShown: 1}
    },
    {name: 'the window at device scale 2', open: {...mouse, scale: 2}, rects: Rects},
    // Two thirds of a pixel per tick: the target lands on the nearest device pixel.
    {
        name: 'one tick at scale 1',
        open: mouse,
        steps: ['click launch', 'tick 1'],
        state: {target: 1}
    },
    {
        name: 'one tick at scale 2',
        open: {...mouse, scale: 2},
        steps: ['click launch', 'tick 1'],
        state: {target: 0.5}
    },
    {
        name: 'launch launch',
        open: mouse,
        steps: ['click launch', 'click launch'],
        state: {attempts: '1', hits: '0', clock: 'running'}
    },
    {
        name: 'launch, tick, clear',
        open: mouse,
        steps: ['click launch', 'tick 5', 'click clear'],
        state: {attempts: '0', clock: 'stopped', target: 0}
    },
    {
        name: 'the crossing ends on its 529th tick',
        open: mouse,
        steps: ['click launch', `tick ${CrossingTicks - 1}`],
        state: {clock: 'running', target: 352}
    },
    {
        name: 'launch after a crossing',
        open: mouse,
        steps: ['click launch', `tick ${CrossingTicks}`, 'click launch'],
        state: {attempts: '2', clock: 'running', target: 0}
    },
    // From the core's table: fired after tick 60 shot 0 hits on tick 167,
    // after 100 it misses; shot 11 fired after 400 hits on 496.
    {
        name: 'shot 0 after tick 60: no hit on tick 166',
        open: mouse,
        steps: ['click launch', 'tick 60', 'click shot:0', 'tick 106'],
        state: {hits: '0', activeShot: 0}
    },
    {
        name: 'shot 0 after tick 60 hits on tick 167',
        open: mouse,
        steps: ['click launch', 'tick 60', 'click shot:0', 'tick 107'],
        state: {hits: '1'}
    },
    {
        name: 'shot 0 after tick 100 misses',
        open: mouse,
        steps: ['click launch', 'tick 100', 'click shot:0', `tick ${CrossingTicks - 100}`],
        state: {hits: '0', attempts: '1', clock: 'stopped'}
    },
    {
        name: 'shot 11 after tick 400 hits on tick 496',
        open: mouse,
        steps: ['click launch', 'tick 400', 'click shot:11', 'tick 95', 'check hits 0', 'tick 1'],
        state: {hits: '1'}
    },
    {
        name: 'a click on a disabled shot does nothing',
        open: mouse,
        steps: ['click shot:2', 'click shot:4', 'click launch', 'tick 1'],
        state: {activeShot: 2, shotTops: {2: 175, 4: 176}}
    },
    {
        name: 'a click on a resting shot\'s hidden rows does nothing',
        open: mouse,
        steps: ['click shot:3@centre', 'click shot:3@below'],
        state: {activeShot: -1}
    },
    // The shot's visible rows moved by a scroll would stay moved until reload.
    {
        name: 'the field cannot be scrolled',
        open: mouse,
        steps: ['scroll shot:6'],
        state: {shotTops: {0: 176, 6: 176, 11: 176}, fieldScroll: 0}
    },
    {
        name: 'the tab order, starting in the exercise text',
        open: mouse,
        focus: ['panel', 'field', 'launch', 'clear', 'attempts', 'hits']
    },
    {
        name: 'a click on a shot leaves the focus where it was',
        open: mouse,
        steps: ['click shot:2'],
        focus: ['panel']
    },
    {
        name: 'each attempt and hit is announced once, again after a clear',
        open: mouse,
        steps: [
            'click launch', 'tick 80', 'click shot:0', 'tick 96', 'click clear', 'click launch',
            `tick ${CrossingTicks}`
        ],
        heard: ['Опити: 1', 'Попадения: 1', 'Опити: 1']
    },
    {
        name: 'a tap launches, fires and clears',
        open: touch,
        steps: ['tap launch', 'tap shot:4', 'tick 1', 'check attempts 1', 'tap clear'],
        state: {attempts: '0', hits: '0', shotTops: {4: 176}, selection: ''}
    },
    {
        name: 'a tap on a disabled shot does nothing',
        open: touch,
        steps: ['tap shot:2', 'tap shot:4', 'tap launch', 'tick 1'],
        state: {activeShot: 2, shotTops: {2: 175, 4: 176}}
    },
    {
        name: 'two quick taps fire and launch',
        open: touch,
        steps: ['tap shot:7', 'tap launch'],
        state: {attempts: '1', activeShot: 7, selection: ''}
    },
    {
        name: 'on a tablet the window is scaled whole, on the pixel grid',
        open: tablet,
        steps: ['tap launch', 'tick 1'],
        state: {client: [49, 26, 902, 848], target: 0.5}
    },
    // Half way to shot 4's column and 15 pixels above the shot's visible rows.
    {
        name: 'on a tablet a resting shot takes taps around it',
        open: tablet,
        steps: ['tap shot:3@beside'],
        state: {activeShot: 3}
    },
    {
        name: 'with a mouse the same point is no shot',
        open: mouse,
        steps: ['click shot:3@beside'],
        state: {activeShot: -1}
    },
];

// Runs in the page before anything else: a clock the checks drive by hand,
// and the readings the rows compare.
function pageSide() {
    let now = 0;
    let nextTimer = 1;
    const timers = new Map();
    performance.now = () => now;
    window.setTimeout = (callback, delay = 0) => {
        timers.set(nextTimer, {at: now + Math.max(0, Number(delay) || 0), callback});
        return nextTimer++;
    };
    window.clearTimeout = (id) => timers.delete(id);
    const runFor = (ms) => {
        const end = now + ms;
        for (;;) {
            const [id, timer] = [...timers].reduce(
                (soonest, entry) =>
                    (entry[1].at <= end && entry[1].at < (soonest[1]?.at ?? Infinity) ? entry
                                                                                      : soonest),
                [null, null]);
            if (!timer)
                break;
            timers.delete(id);
            now = timer.at;
            timer.callback();
        }
        now = end;
    };

    const client = () => document.querySelector('.client');
    const button =
        (text) => [...client().querySelectorAll('button')].find((b) => b.textContent === text);
    const labelled = (text) => [...client().querySelectorAll('input')].find(
        (box) =>
            document.getElementById(box.getAttribute('aria-labelledby'))?.textContent === text);
    const elements = {
        title: () => [...client().querySelectorAll('div')].find(
            (d) => d.textContent === 'Физическо възпитание - спортна стрелба'),
        field: () => client().querySelector('[role=group]'),
        target: () => client().querySelector('[role=img]'),
        shot: (i) => client().querySelector(`[aria-label="Изстрел ${Number(i) + 1}"]`),
        launch: () => button('Паничка'),
        clear: () => button('Чисти'),
        attempts: () => labelled('Опити:'),
        hits: () => labelled('Попадения:'),
        panel: () => client().querySelector('textarea'),
    };
    const element = (name) => {
        const [kind, index] = name.split(':');
        return elements[kind](index);
    };
    const nameOf = (target) =>
        Object.keys(elements).find((kind) => kind !== 'shot' && elements[kind]() === target) ??
        (target.matches('[role=button]')
             ? `shot:${target.getAttribute('aria-label').split(' ')[1] - 1}`
             : target.tagName);
    // The client box's pixels on the screen, scaled or not.
    const scale = () => client().getBoundingClientRect().width / 451;
    const box = (target) => {
        const outer = client().getBoundingClientRect();
        const r = target.getBoundingClientRect();
        const s = scale();
        return [r.left - outer.left, r.top - outer.top, r.width, r.height].map((v) => v / s);
    };
    const heard = [];

    window.rangeChecks = {
        ready() {
            const field = elements.field();
            if (!client()?.dataset.clock || !field)
                return false;
            const region = client().querySelector('[role=status]');
            if (region && !region.observed) {
                region.observed = true;
                new MutationObserver(() => heard.push(region.textContent))
                    .observe(region, {childList: true, subtree: true, characterData: true});
            }
            return true;
        },
        tick(count) { runFor(150 * count); },
        // A point in the viewport: a shot's visible rows by default, its box's
        // centre, just below the field, or beside it in the gap to shot 4.
        point(name, where) {
            const r = element(name).getBoundingClientRect();
            const s = scale();
            const at = {
                visible: [r.width / 2, 2 * s],
                centre: [r.width / 2, r.height / 2],
                below: [r.width / 2, 7 * s],
                beside: [r.width + 6 * s, -15 * s],
            }[name.startsWith('shot') ? where ?? 'visible' : 'centre'];
            return {x: Math.round(r.left + at[0]), y: Math.round(r.top + at[1])};
        },
        scroll(name) { element(name).scrollIntoView(); },
        state() {
            const field = elements.field();
            const inner = field.firstElementChild.getBoundingClientRect();
            const s = scale();
            const shots =
                [...Array(12).keys()].map((i) => elements.shot(i).getBoundingClientRect().top);
            const outer = client().getBoundingClientRect();
            return {
                title: document.title,
                attempts: elements.attempts().value,
                hits: elements.hits().value,
                clock: client().dataset.clock,
                activeShot: Number(field.dataset.activeShot),
                target: (elements.target().getBoundingClientRect().left - inner.left) / s,
                shotTops: Object.fromEntries(shots.map((top, i) => [i, (top - inner.top) / s])),
                fieldScroll: field.firstElementChild.scrollTop,
                panelShown: client().querySelectorAll('textarea').length,
                selection: String(getSelection()),
                client: [outer.left, outer.top, outer.width, outer.height],
            };
        },
        rects(
            names) { return Object.fromEntries(names.map((name) => [name, box(element(name))])); },
        focused() { return nameOf(document.activeElement); },
        heard() { return heard; },
    };
}

// The built page with the script above put first, in a file of its own.
export function pageUnderTest() {
    const here = path.dirname(fileURLToPath(import.meta.url));
    const built =
        process.env.CLAYRANGE_PAGE ?? path.join(here, '../../../build/web/clayrange.html');
    const html = readFileSync(built, 'utf8');
    const file = path.join(os.tmpdir(), `clayrange-checks-${process.pid}.html`);
    writeFileSync(file, html.replace('<head>', `<head>\n<script>(${pageSide})();</script>`));
    return pathToFileURL(file).href;
}

// Deep equality of the parts that `expected` names; numbers to a hundredth.
function mismatch(actual, expected, where = '') {
    if (typeof expected === 'number')
        return Math.abs(actual - expected) < 0.01 ? null : `${where}: ${actual}, not ${expected}`;
    if (expected && typeof expected === 'object' && !Array.isArray(expected)) {
        for (const key of Object.keys(expected)) {
            const found = mismatch(actual?.[key], expected[key], `${where}.${key}`);
            if (found)
                return found;
        }
        return null;
    }
    const close = Array.isArray(expected) && Array.isArray(actual) &&
                  actual.length === expected.length &&
                  actual.every((v, i) => (typeof v === 'number' ? Math.abs(v - expected[i]) < 0.01
                                                                : v === expected[i]));
    return close || isDeepStrictEqual(actual, expected)
               ? null
               : `${where}: ${JSON.stringify(actual)}, not ${JSON.stringify(expected)}`;
}

async function runCase(driver, url, row) {
    await driver.open(url, row.open);
    const call = (name, ...args) => driver.call(name, args);
    for (let tries = 0; !(await call('ready')); ++tries) {
        if (tries > 100)
            throw new Error('the page never became ready');
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    const expect = (actual, expected, what) => {
        const found = mismatch(actual, expected, what);
        if (found)
            throw new Error(found);
    };
    for (const step of row.steps ?? []) {
        const [verb, argument, value] = step.split(' ');
        const [name, where] = (argument ?? '').split('@');
        if (verb === 'click' || verb === 'tap')
            await driver[verb](await call('point', name, where));
        else if (verb === 'tick') {
            // In short runs: WebKit's own script timeout runs on the page's
            // clock, which would otherwise reach it.
            for (let left = Number(argument); left > 0; left -= 100)
                await call('tick', Math.min(left, 100));
        } else if (verb === 'scroll')
            await call('scroll', name);
        else if (verb === 'check')
            expect((await call('state'))[name], value, `${step}: ${name}`);
        else
            throw new Error(`no step ${verb}`);
    }
    if (row.state)
        expect(await call('state'), row.state, 'state');
    if (row.rects)
        expect(await call('rects', Object.keys(row.rects)), row.rects, 'rects');
    if (row.heard)
        expect(await call('heard'), row.heard, 'heard');
    if (row.focus) {
        const seen = [await call('focused')];
        for (let i = 1; i < row.focus.length; ++i) {
            await driver.press('Tab');
            seen.push(await call('focused'));
        }
        expect(seen, row.focus, 'focus');
    }
    await driver.afterCase?.(row);
}

// Runs every row in the driver's engine and says how each went. A row that the
// engine cannot run (no touch, no coarse pointer) is a skip, never a pass.
export async function runChecks(driver) {
    const url = pageUnderTest();
    const counts = {passed: 0, failed: 0, skipped: 0};
    const only = process.env.CLAYRANGE_CHECK;
    try {
        for (const row of cases) {
            if (only && !row.name.includes(only))
                continue;
            const why = driver.cannot(row.open);
            if (why) {
                ++counts.skipped;
                console.log(`skip     ${row.name}: ${why}`);
                continue;
            }
            try {
                await runCase(driver, url, row);
                ++counts.passed;
                console.log(`ok       ${row.name}`);
            } catch (error) {
                ++counts.failed;
                console.log(`FAILED   ${row.name}: ${error.message}`);
            }
        }
    } finally {
        await driver.close();
    }
    console.log(`${driver.name}: ${counts.passed} passed, ${counts.failed} failed, ${
        counts.skipped} skipped`);
    process.exitCode = counts.failed || !counts.passed ? 1 : 0;
}
