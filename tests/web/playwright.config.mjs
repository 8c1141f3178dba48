// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {defineConfig} from '@playwright/test';

// The monkey test's seed, drawn here once: the workers inherit it.
process.env.CLAYRANGE_DRAWN_SEED ??= String(Math.floor(Math.random() * 2 ** 31));

// The page in Debian's own Chromium, headless, at the window's size.
export default defineConfig({
    testDir: '.',
    testMatch: '*.test.mjs',
    outputDir: '../../build/web-test-results',
    forbidOnly: true,
    workers: 2,
    fullyParallel: true,
    timeout: 60_000,
    reporter: [['list']],
    use: {
        browserName: 'chromium',
        headless: true,
        viewport: {width: 451, height: 424},
        launchOptions: {
            executablePath: process.env.CLAYRANGE_CHROMIUM ?? '/usr/bin/chromium',
            // Pixels are compared with the desktop window, which shows its scroll bar.
            ignoreDefaultArgs: ['--hide-scrollbars'],
        },
    },
});
