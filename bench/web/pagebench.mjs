// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the browser edition in headless Chromium and prints a table: the
// file's size, the time to the first frame, CPU while idle and while a target
// crosses, and with --crossing one full crossing on the real clock. It only
// measures; it never fails on a figure.
//
//   node bench/web/pagebench.mjs [--crossing] [path/to/clayrange.html]

import {mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import path from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';
import {gzipSync} from 'node:zlib';

import {chromium} from '../../tests/web/node_modules/playwright/index.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const args = process.argv.slice(2);
const crossing = args.includes('--crossing');
const file =
    args.find((arg) => !arg.startsWith('--')) ?? path.join(here, '../../build/web/clayrange.html');
const url = pathToFileURL(file).href;
const Loads = 7;

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

function row(measure, value, target = '') { console.log(`| ${measure} | ${value} | ${target} |`); }

// CPU time of every Chromium process, in seconds, by process type.
async function cpuTimes(browser) {
    const session = await browser.newBrowserCDPSession();
    const {processInfo} = await session.send('SystemInfo.getProcessInfo');
    await session.detach();
    const times = {total: 0};
    for (const {type, cpuTime} of processInfo) {
        times[type] = (times[type] ?? 0) + cpuTime;
        times.total += cpuTime;
    }
    return times;
}

async function cpuShare(browser, page, seconds) {
    const before = await cpuTimes(browser);
    await page.waitForTimeout(seconds * 1000);
    const after = await cpuTimes(browser);
    const share = (type) =>
        `${(((after[type] ?? 0) - (before[type] ?? 0)) / seconds * 100).toFixed(2)} %`;
    return `${share('renderer')} renderer, ${share('total')} all processes`;
}

const browser =
    await chromium.launch({executablePath: process.env.CLAYRANGE_CHROMIUM ?? '/usr/bin/chromium'});

const bytes = readFileSync(file);
console.log('| measure | value | target |');
console.log('|---|---|---|');
row('file size, raw / gzip -9', `${bytes.length} B / ${gzipSync(bytes, {level: 9}).length} B`,
    '≤ 60 KB gzipped');

// First frame: the first contentful paint, which is the reset state painted
// from the page's own markup. A page of one line of text shows what Chromium
// itself needs; the two load in turn, each in a fresh tab, so that a busy
// machine weighs on both alike.
const Pairs = 21;
async function firstPaint(pageUrl, ready) {
    const page = await browser.newPage({viewport: {width: 1024, height: 768}});
    await page.goto(pageUrl);
    await ready(page);
    const paint = await page.evaluate(() => new Promise((resolve) => {
                                          new PerformanceObserver((list) => {
                                              const entry = list.getEntriesByName(
                                                  'first-contentful-paint')[0];
                                              if (entry)
                                                  resolve(entry.startTime);
                                          }).observe({type: 'paint', buffered: true});
                                      }));
    await page.close();
    return paint;
}

const reference = path.join(mkdtempSync(path.join(tmpdir(), 'pagebench-')), 'line.html');
writeFileSync(reference, '<!DOCTYPE html><html lang="bg"><title>-</title><p>Паничка</p></html>');
const paints = {
    page: [],
    line: []
};
// Each pair starts with the other page in turn, so that neither always
// follows the other's closing tab.
const loads = {
    page: () => firstPaint(url, (page) => page.getByRole('button', {name: 'Чисти'}).waitFor()),
    line: () =>
        firstPaint(pathToFileURL(reference).href, (page) => page.getByText('Паничка').waitFor()),
};
for (let i = 0; i < Pairs; ++i) {
    for (const which of i % 2 ? ['line', 'page'] : ['page', 'line'])
        paints[which].push(await loads[which]());
}
const spread = (values) => `${median(values).toFixed(1)} ms (${Math.min(...values).toFixed(1)}–${
    Math.max(...values).toFixed(1)})`;
row(`first contentful paint, median of ${Pairs} alternating pairs`, spread(paints.page));
row('the same for a page of one line', spread(paints.line));
row('first frame against the page of one line',
    `${(median(paints.page) / median(paints.line)).toFixed(2)} ×`, '≤ 1.15 ×');

// What Chromium itself spends on a page that does nothing, to set against
// the idle figure.
const blank = await browser.newPage();
await blank.goto('about:blank');
await blank.waitForTimeout(1000);
row('CPU of a blank page, 5 s', await cpuShare(browser, blank, 5));
await blank.close();

const page = await browser.newPage({viewport: {width: 1024, height: 768}});
await page.goto(url);
await page.getByRole('button', {name: 'Чисти'}).waitFor();
await page.waitForTimeout(1000);
row('CPU while idle, 5 s', await cpuShare(browser, page, 5), '0');
await page.getByRole('button', {name: 'Паничка', exact: true}).click();
await page.getByRole('button', {name: 'Изстрел 6'}).click();
row('CPU during a crossing, 10 s', await cpuShare(browser, page, 10));
await page.getByRole('button', {name: 'Чисти'}).click();

if (crossing) {
    const seconds = await page.evaluate(
        () => new Promise((resolve) => {
            const client = document.querySelector('.client');
            const launch =
                [...document.querySelectorAll('button')].find((b) => b.textContent === 'Паничка');
            let start = 0;
            new MutationObserver(() => {
                if (start && client.dataset.clock === 'stopped')
                    resolve((performance.now() - start) / 1000);
            }).observe(client, {attributes: true, attributeFilter: ['data-clock']});
            launch.addEventListener('click', () => { start = performance.now(); }, {capture: true});
            launch.click();
        }));
    const off = ((seconds / 79.35 - 1) * 100).toFixed(3);
    row('full crossing on the real clock',
        `${seconds.toFixed(3)} s, ${off.startsWith('-') ? '' : '+'}${off} %`,
        'within 0.2 % of 79.35 s');
}
await browser.close();
