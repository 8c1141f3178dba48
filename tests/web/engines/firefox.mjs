// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import puppeteer from 'puppeteer-core';

import {runChecks} from './checks.mjs';

// The shared checks in Debian's Firefox ESR, which puppeteer drives over
// WebDriver BiDi with no driver of its own. Touch input it has; a coarse
// pointer it cannot emulate.
const browser = await puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.CLAYRANGE_FIREFOX ?? '/usr/bin/firefox-esr',
    protocol: 'webDriverBiDi',
    headless: true,
});
let page = null;

await runChecks({
    name: 'firefox',
    cannot: ({coarse}) =>
        (coarse ? 'Firefox over WebDriver BiDi emulates no coarse pointer' : null),
    async open(url, {scale = 1}) {
        await page?.close();
        page = await browser.newPage();
        await page.setViewport({width: 451, height: 424, deviceScaleFactor: scale});
        await page.goto(url);
    },
    call: (name, args) =>
        page.evaluate((name, args) => window.rangeChecks?.[name](...args), name, args),
    click: ({x, y}) => page.mouse.click(x, y),
    tap: ({x, y}) => page.touchscreen.tap(x, y),
    // Puppeteer names the space bar by its character.
    press: (key) => page.keyboard.press(key === 'Space' ? ' ' : key),
    close: () => browser.close(),
});
