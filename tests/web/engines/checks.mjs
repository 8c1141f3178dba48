// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {readFileSync, rmSync, writeFileSync} from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {isDeepStrictEqual} from 'node:util';

// The checks every engine runs: rows of steps and the part of the page's state
// that must hold after them. Clicks, taps and keys are the driver's; the rest
// runs in the page, in the script below, so that the three drivers stay thin.

const Title = 'www.clayrange.example Физическо възпитание - спортна стрелба';
// [left, top, width, height] in pixels of the client area: twips over 15.
const Rects = {
    title: [72, 0, 305, 25],
    field: [40, 40, 361, 185],
    target: [42, 50, 9, 41],
    'shot:0': [162, 218, 9, 9],
    'shot:6': [298, 218, 9, 9],
    'shot:11': [378, 218, 9, 9],
    launch: [8, 232, 73, 25],
    attempts: [152, 232, 49, 27],
    hits: [304, 232, 49, 27],
    clear: [368, 232, 73, 25],
    panel: [8, 264, 433, 153],
};
// A tablet's coarse pointer makes the page scale the window, here to two
// device pixels a pixel.
export const Opens = {
    mouse: {input: 'mouse'},
    'mouse 2': {input: 'mouse', scale: 2},
    touch: {input: 'touch'},
    tablet: {input: 'touch', coarse: true, viewport: [1000, 900]},
};
const only = (shot) => [...Array(12).keys()].map((i) => shot === undefined || i === shot);

// [name, how the page opens, steps, what then holds]. Points on a shot are on
// its visible rows unless named: @centre of its box, @below the field's edge,
// @beside it (6 px into the gap to the next, 15 px up); @x,y from an element's corner.
// From the core's table: fired after tick 60 shot 0 hits on tick 167, after
// 100 it misses; shot 11 fired after 400 hits on 496. A crossing is 529 ticks.
// clang-format off
export const rows = [
    ['the window: caption and controls in place', 'mouse', '', {title: Title, attempts: '0', hits: '0', panels: 1, rects: Rects}],
    ['the window at device scale 2', 'mouse 2', '', {rects: Rects}],
    ['one tick at scale 1 lands on the nearest pixel', 'mouse', 'click launch, tick 1', {target: 1}],
    ['one tick at scale 2 lands on the nearest device pixel', 'mouse 2', 'click launch, tick 1', {target: 0.5}],
    ['launch launch counts one attempt', 'mouse', 'click launch, click launch', {attempts: '1', clock: 'running'}],
    ['clear stops and zeroes', 'mouse', 'click launch, tick 5, click clear', {attempts: '0', clock: 'stopped', target: 0}],
    ['the crossing runs 529 ticks', 'mouse', 'click launch, tick 528, check clock running, tick 1', {clock: 'stopped', target: 0}],
    ['launch after a crossing', 'mouse', 'click launch, tick 529, click launch', {attempts: '2', clock: 'running'}],
    ['shot 0 after tick 60 hits on tick 167', 'mouse', 'click launch, tick 60, click shot:0, tick 106, check hits 0, tick 1', {hits: '1'}],
    ['shot 0 after tick 100 misses', 'mouse', 'click launch, tick 100, click shot:0, tick 429', {hits: '0', clock: 'stopped'}],
    ['shot 11 after tick 400 hits on tick 496', 'mouse', 'click launch, tick 400, click shot:11, tick 95, check hits 0, tick 1', {hits: '1'}],
    ['a flying shot disables the others', 'mouse', 'click launch, click shot:3, tick 125', {enabled: only(3)}],
    ['all are enabled when it is back at rest', 'mouse', 'click launch, click shot:3, tick 126', {enabled: only()}],
    ['a click on a disabled shot does nothing', 'mouse', 'click shot:2, click shot:4, click launch, tick 1', {activeShot: 2, shotTops: {2: 175, 4: 176}}],
    ['a click on a shot\'s hidden rows does nothing', 'mouse', 'click shot:3@centre, click shot:3@below', {activeShot: -1}],
    ['clicks on field, target, caption, counter and text do nothing', 'mouse',
     'click launch, click shot:1, tick 5, click field@160,20, click target, click title, click hits, click panel@100,50',
     {activeShot: 1, attempts: '1', hits: '0', target: 3, enabled: only(1)}],
    ['the field cannot be scrolled', 'mouse', 'scroll shot:6', {shotTops: {0: 176, 6: 176}, fieldScroll: 0}],
    ['Tab follows the window\'s order from the exercise text', 'mouse', 'press Tab, press Tab, press Tab, press Tab, press Tab',
     {focus: ['panel', 'field', 'launch', 'clear', 'attempts', 'hits']}],
    ['a click on a shot leaves the focus where it was', 'mouse', 'click shot:2', {focus: ['panel']}],
    ['space and enter press the focused button', 'mouse', 'focus launch, press Space, check attempts 1, focus clear, press Enter', {attempts: '0'}],
    ['each attempt and hit is announced, again after a clear', 'mouse',
     'click launch, tick 80, click shot:0, tick 96, click clear, click launch, tick 529', {heard: ['Опити: 1', 'Попадения: 1', 'Опити: 1']}],
    ['a tap launches, fires and clears', 'touch', 'tap launch, tap shot:4, check activeShot 4, tap clear', {attempts: '0', selection: ''}],
    ['a tap on a disabled shot does nothing', 'touch', 'tap shot:2, tap shot:4, tap launch, tick 1', {activeShot: 2, shotTops: {2: 175, 4: 176}}],
    ['two quick taps fire and launch', 'touch', 'tap shot:7, tap launch', {attempts: '1', activeShot: 7, selection: ''}],
    ['on a tablet the window scales whole, on the pixel grid', 'tablet', 'tap launch, tick 1', {client: [49, 26, 902, 848], target: 0.5}],
    ['on a tablet a resting shot takes taps around it', 'tablet', 'tap shot:3@beside', {activeShot: 3}],
    ['with a mouse the same point is no shot', 'mouse', 'click shot:3@beside', {activeShot: -1}],
];
// clang-format on

// Runs in the page before anything else: a clock the checks drive by hand,
// and the readings the rows compare, in pixels of the window however scaled.
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
        for (const end = now + ms;;) {
            const due =
                [...timers].filter(([, t]) => t.at <= end).sort((a, b) => a[1].at - b[1].at)[0];
            if (!due) {
                now = end;
                return;
            }
            timers.delete(due[0]);
            now = due[1].at;
            due[1].callback();
        }
    };

    const client = () => document.querySelector('.client');
    const find = (selector, text) => [...client().querySelectorAll(selector)].find(
        (e) => e.textContent === text);
    const elements = {
        title: () => find('div', 'Физическо възпитание - спортна стрелба'),
        field: () => client().querySelector('[role=group]'),
        target: () => client().querySelector('[role=img]'),
        shot: (i) => client().querySelector(`[aria-label="Изстрел ${Number(i) + 1}"]`),
        launch: () => find('button', 'Паничка'),
        clear: () => find('button', 'Чисти'),
        attempts: () => document.getElementById('Text2-0'),
        hits: () => document.getElementById('Text2-1'),
        panel: () => client().querySelector('textarea'),
    };
    const element = (name) => elements[name.split(':')[0]](name.split(':')[1]);
    const nameOf = (target) =>
        Object.keys(elements).find((name) => name !== 'shot' && elements[name]() === target) ??
        target.getAttribute('aria-label');
    const scale = () => client().getBoundingClientRect().width / 451;
    const rect = (target, from = client()) => {
        const [r, o, s] = [target.getBoundingClientRect(), from.getBoundingClientRect(), scale()];
        return [r.left - o.left, r.top - o.top, r.width, r.height].map(
            (v) => Math.round((v / s) * 100) / 100);
    };
    const heard = [];
    const focus = [];

    window.rangeChecks = {
        ready() {
            if (!client()?.dataset.clock)
                return false;
            if (!focus.length) {
                focus.push(nameOf(document.activeElement));
                addEventListener('focusin', (event) => focus.push(nameOf(event.target)));
                const region = client().querySelector('[role=status]');
                new MutationObserver(() => heard.push(region.textContent))
                    .observe(region, {childList: true, subtree: true, characterData: true});
            }
            return true;
        },
        tick(count) { runFor(150 * count); },
        focus(name) { element(name).focus(); },
        scroll(name) { element(name).scrollIntoView(); },
        // A point in the viewport, in whole CSS pixels.
        point(name, where) {
            const [r, s] = [element(name).getBoundingClientRect(), scale()];
            const [x, y] = where?.includes(',') ? where.split(',').map((v) => v * s)
                           : !name.startsWith('shot') || where === 'centre'
                               ? [r.width / 2, r.height / 2]
                           : where === 'below'  ? [r.width / 2, 7 * s]
                           : where === 'beside' ? [r.width + 6 * s, -15 * s]
                                                : [r.width / 2, 2 * s];
            return {x: Math.round(r.left + x), y: Math.round(r.top + y)};
        },
        state() {
            const field = elements.field();
            const shots = [...Array(12).keys()].map(elements.shot);
            const outer = client().getBoundingClientRect();
            return {
                title: document.title,
                attempts: elements.attempts().value,
                hits: elements.hits().value,
                clock: client().dataset.clock,
                activeShot: Number(field.dataset.activeShot),
                target: rect(elements.target(), field.firstElementChild)[0],
                shotTops: Object.fromEntries(
                    shots.map((shot, i) => [i, rect(shot, field.firstElementChild)[1]])),
                enabled: shots.map((shot) => shot.getAttribute('aria-disabled') === 'false'),
                fieldScroll: field.firstElementChild.scrollTop,
                panels: client().querySelectorAll('textarea').length,
                selection: String(getSelection()),
                client: [outer.left, outer.top, outer.width, outer.height],
                rects: Object.fromEntries(Object.keys(elements).flatMap(
                    (name) => (name === 'shot' ? [0, 6, 11].map((i) => `shot:${i}`) : [name])
                                  .map((n) => [n, rect(element(n))]))),
                focus,
                heard,
            };
        },
    };
}

// The built page with the script above put first, in a file of its own.
function pageUnderTest() {
    const here = path.dirname(fileURLToPath(import.meta.url));
    const built =
        process.env.CLAYRANGE_PAGE ?? path.join(here, '../../../build/web/clayrange.html');
    const file = path.join(os.tmpdir(), `clayrange-checks-${process.pid}.html`);
    writeFileSync(
        file,
        readFileSync(built, 'utf8').replace('<head>', `<head>\n<script>(${pageSide})();</script>`));
    return pathToFileURL(file).href;
}

// The parts of actual that expected names.
const part = (actual, expected) =>
    expected && typeof expected === 'object' && !Array.isArray(expected)
        ? Object.fromEntries(
              Object.keys(expected).map((key) => [key, part(actual?.[key], expected[key])]))
        : actual;

async function run(driver, url, [, open, steps, expected]) {
    await driver.open(url, Opens[open]);
    const call = (name, ...args) => driver.call(name, args);
    for (let tries = 0; !(await call('ready')); ++tries) {
        if (tries > 100)
            throw new Error('the page never became ready');
        await new Promise((resolve) => setTimeout(resolve, 50));
    }
    for (const step of steps ? steps.split(', ') : []) {
        const [verb, argument, value] = step.split(' ');
        const [name, where] = argument.split('@');
        if (verb === 'click' || verb === 'tap')
            await driver[verb](await call('point', name, where));
        else if (verb === 'press')
            await driver.press(argument);
        else if (verb === 'check' && String((await call('state'))[name]) !== value)
            throw new Error(`${step}: ${(await call('state'))[name]}`);
        else if (verb !== 'tick' && verb !== 'check')
            await call(verb, name);
        // Ticks in short runs: WebKit's own script timeout runs on the page's clock.
        for (let left = verb === 'tick' ? Number(argument) : 0; left > 0; left -= 100)
            await call('tick', Math.min(left, 100));
    }
    const found = part(await call('state'), expected);
    if (!isDeepStrictEqual(found, expected))
        throw new Error(`${JSON.stringify(found)}, not ${JSON.stringify(expected)}`);
}

// Runs every row in the driver's engine and says how each went. A row that the
// engine cannot run (no touch, no coarse pointer) is a skip, never a pass.
export async function runChecks(driver) {
    const url = pageUnderTest();
    const counts = {passed: 0, failed: 0, skipped: 0};
    try {
        for (const row of rows.filter(([name]) =>
                                          name.includes(process.env.CLAYRANGE_CHECK ?? ''))) {
            const why = driver.cannot(Opens[row[1]]);
            try {
                if (!why)
                    await run(driver, url, row);
                ++counts[why ? 'skipped' : 'passed'];
                console.log(why ? `skip     ${row[0]}: ${why}` : `ok       ${row[0]}`);
            } catch (error) {
                ++counts.failed;
                console.log(`FAILED   ${row[0]}: ${error.message}`);
            }
        }
    } finally {
        await driver.close();
        rmSync(fileURLToPath(url), {force: true});
    }
    console.log(`${driver.name}: ${counts.passed} passed, ${counts.failed} failed, ${
        counts.skipped} skipped`);
    process.exitCode = counts.failed || !counts.passed ? 1 : 0;
}
