// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {expect} from '@playwright/test';
import path from 'node:path';
import {fileURLToPath, pathToFileURL} from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const pageUrl =
    pathToFileURL(process.env.CLAYRANGE_PAGE ?? path.join(here, '../../build/web/clayrange.html'))
        .href;
export const Interval = 150;
export const CrossingTicks = 529;
export const ShotColumns = [1800, 2160, 2520, 2880, 3240, 3600, 3840, 4080, 4320, 4560, 4800, 5040];

// Twips to CSS pixels on the device grid of the given ratio.
export const pixels = (twips, ratio = 1) => Math.round((twips / 15) * ratio) / ratio;

// In the page: the state the tests compare, places in CSS pixels from the
// field's inner corner, and what a click at point would land on.
function observe(point) {
    const client = document.querySelector('.client');
    const field = client.querySelector('[role=group]');
    const inner = field.firstChild.getBoundingClientRect();
    const shots = [...field.querySelectorAll('[role=button]')];
    const place = (element) => {
        const r = element.getBoundingClientRect();
        return {x: r.left - inner.left, y: r.top - inner.top};
    };
    const [attempts, hits] = [...client.querySelectorAll('input')].map((box) => box.value);
    const element = point && document.elementFromPoint(point.x, point.y);
    return {
        target: place(field.querySelector('[role=img]')),
        shots:
            shots.map((s) => ({...place(s), enabled: s.getAttribute('aria-disabled') === 'false'})),
        activeShot: Number(field.dataset.activeShot),
        clock: client.dataset.clock,
        attempts,
        hits,
        at: element &&
                {shot: shots.indexOf(element), button: element.closest('button')?.textContent},
    };
}

// The page under test and the short hands the suites share. Ticks come from
// Playwright's fake clock unless a test asks for the real one.
export class RangePage {
    constructor(page) {
        this.page = page;
        this.errors = [];
        page.on('console',
                (message) => message.type() === 'error' && this.errors.push(message.text()));
        page.on('pageerror', (error) => this.errors.push(error.message));
    }

    static async open(page, {realClock = false} = {}) {
        const range = new RangePage(page);
        if (!realClock)
            await page.clock.install({time: 0});
        await page.goto(pageUrl);
        // The markup is there at once; the core takes it over a little later.
        await page.locator('.client[data-clock]').waitFor();
        if (!realClock)
            await page.clock.pauseAt(10_000);
        return range;
    }

    get launchButton() { return this.page.getByRole('button', {name: 'Паничка', exact: true}); }
    get clearButton() { return this.page.getByRole('button', {name: 'Чисти'}); }
    get field() { return this.page.getByRole('group', {name: 'Стрелбище'}); }
    get target() { return this.field.getByRole('img', {name: 'Паничка'}); }
    get attempts() { return this.page.getByRole('textbox', {name: 'Опити:'}); }
    get hits() { return this.page.getByRole('textbox', {name: 'Попадения:'}); }
    get panel() { return this.page.locator('textarea'); }
    shot(index) {
        return this.field.getByRole('button', {name: `Изстрел ${index + 1}`, exact: true});
    }

    async launch() { await this.launchButton.click(); }
    async clear() { await this.clearButton.click(); }
    async tick(count = 1) { await this.page.clock.runFor(Interval * count); }
    // A mouse click on the visible part of a shot, enabled or not.
    async fire(index) {
        const box = await this.shot(index).boundingBox();
        await this.page.mouse.click(box.x + box.width / 2, box.y + 2);
    }
    async state(point = null) { return this.page.evaluate(observe, point); }
    async expectCounters(attempts, hits) {
        await expect(this.attempts).toHaveValue(attempts);
        await expect(this.hits).toHaveValue(hits);
    }
    expectNoErrors() { expect(this.errors).toEqual([]); }
}
