// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {spawn} from 'node:child_process';
import {createServer} from 'node:net';
import {Builder, Key} from 'selenium-webdriver';

import {runChecks} from './checks.mjs';

// The shared checks in WebKitGTK's MiniBrowser through WebKitWebDriver, under
// the X display the caller provides. GTK sets the device scale for the whole
// browser, so each scale has a session of its own. Its touch actions arrive as
// mouse events, so the rows that tap are skipped.
const driverPath = process.env.CLAYRANGE_WEBKIT_DRIVER ?? '/usr/bin/WebKitWebDriver';
const browserPath =
    process.env.CLAYRANGE_MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

const freePort = () => new Promise((resolve) => {
    const server = createServer().listen(0, '127.0.0.1', () => {
        const {port} = server.address();
        server.close(() => resolve(port));
    });
});

let session = null;

async function start(scale) {
    const port = await freePort();
    const process_ = spawn(driverPath, [`--port=${port}`],
                           {stdio: 'ignore', env: {...process.env, GDK_SCALE: String(scale)}});
    for (let tries = 0;; ++tries) {
        try {
            const driver =
                await new Builder()
                    .usingServer(`http://127.0.0.1:${port}`)
                    .withCapabilities({
                        browserName: 'MiniBrowser',
                        'webkitgtk:browserOptions': {binary: browserPath, args: ['--automation']},
                    })
                    .build();
            return {scale, driver, process: process_};
        } catch (error) {
            if (tries > 40)
                throw error;
            await new Promise((resolve) => setTimeout(resolve, 250));
        }
    }
}

async function stop() {
    await session?.driver.quit();
    session?.process.kill();
    session = null;
}

await runChecks({
    name: 'webkit',
    cannot: ({input}) =>
        (input === 'touch' ? 'WebKitWebDriver delivers touch actions as mouse events' : null),
    async open(url, {scale = 1}) {
        if (session?.scale !== scale) {
            await stop();
            session = await start(scale);
            // The window's frame and toolbar take their share of its size.
            const window = session.driver.manage().window();
            await window.setRect({width: 451, height: 424});
            const [width, height] =
                await session.driver.executeScript('return [innerWidth, innerHeight]');
            await window.setRect({width: 451 + 451 - width, height: 424 + 424 - height});
        }
        await session.driver.get(url);
    },
    call: (name, args) => session.driver.executeScript(
        'return window.rangeChecks ? window.rangeChecks[arguments[0]](...arguments[1]) : null',
        name, args),
    click: ({x, y}) =>
        session.driver.actions({async: true}).move({x, y, duration: 0}).click().perform(),
    press: (key) =>
        session.driver.actions({async: true}).sendKeys(Key[key.toUpperCase()]).perform(),
    close: stop,
});
