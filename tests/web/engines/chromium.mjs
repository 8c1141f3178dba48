// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {chromium} from '@playwright/test';

import {runChecks} from './checks.mjs';

// The shared checks in Debian's Chromium, through Playwright, which emulates
// touch and a tablet's coarse pointer.
const browser =
    await chromium.launch({executablePath: process.env.CLAYRANGE_CHROMIUM ?? '/usr/bin/chromium'});
let context = null;
let page = null;

await runChecks({
    name: 'chromium',
    cannot: () => null,
    async open(url, {scale = 1, input, coarse = false, viewport = [451, 424]}) {
        await context?.close();
        context = await browser.newContext({
            viewport: {width: viewport[0], height: viewport[1]},
            deviceScaleFactor: scale,
            hasTouch: input === 'touch',
            isMobile: coarse,
        });
        page = await context.newPage();
        await page.goto(url);
    },
    call: (name, args) =>
        page.evaluate(([name, args]) => window.rangeChecks?.[name](...args), [name, args]),
    click: ({x, y}) => page.mouse.click(x, y),
    tap: ({x, y}) => page.touchscreen.tap(x, y),
    press: (key) => page.keyboard.press(key),
    close: () => browser.close(),
});
