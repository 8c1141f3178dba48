// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {expect, test} from '@playwright/test';

import {CrossingTicks, RangePage} from './rangepage.mjs';

// What a keyboard or screen-reader user meets: roles and names, the tab order,
// the live region, and the controls that must not react to clicks.

let range;
test.beforeEach(async ({page}) => { range = await RangePage.open(page); });
test.afterEach(() => range.expectNoErrors());

test('roles and names', async () => {
    for (const counter of [range.attempts, range.hits])
        await expect(counter).not.toBeEditable();
    await expect(range.panel).toHaveRole('textbox');
    await expect(range.panel).toHaveAccessibleName('Упражнение');
    await expect(range.panel).toHaveJSProperty('tagName', 'TEXTAREA');
    await expect(range.panel).not.toBeEditable();
    await expect(range.field).toMatchAriaSnapshot(`
      - group "Стрелбище":
        - img "Паничка"
        ${[...Array(12).keys()].map((i) => `- button "Изстрел ${i + 1}"`).join('\n        ')}
    `);
    // Numbered from left to right.
    const lefts = [];
    for (let i = 0; i < 12; ++i)
        lefts.push((await range.shot(i).boundingBox()).x);
    expect(lefts).toEqual([...lefts].sort((a, b) => a - b));
});

test('shots are marked disabled while another flies', async () => {
    await range.launch();
    await range.fire(3);
    for (let i = 0; i < 12; ++i)
        await expect(range.shot(i)).toBeEnabled({enabled: i === 3});
    // Back at rest after 126 ticks of flight, when all can be fired again.
    await range.tick(126);
    for (let i = 0; i < 12; ++i)
        await expect(range.shot(i)).toBeEnabled();
});

test('the tab order is the window\'s, starting in the exercise text', async ({page}) => {
    await expect(range.panel).toBeFocused();
    expect(await range.panel.evaluate((panel) => panel.selectionEnd)).toBe(0);
    for (const next
             of [range.field, range.launchButton, range.clearButton, range.attempts, range.hits]) {
        await page.keyboard.press('Tab');
        await expect(next).toBeFocused();
    }
    await expect(range.shot(0)).toHaveJSProperty('tabIndex', -1);
});

test('space and enter press the focused button', async ({page}) => {
    await range.launchButton.focus();
    await page.keyboard.press('Space');
    await range.expectCounters('1', '0');
    await range.clearButton.focus();
    await page.keyboard.press('Enter');
    await range.expectCounters('0', '0');
});

test('each new attempt and hit is announced politely, and nothing else', async ({page}) => {
    const status = page.getByRole('status');
    await expect(status).toHaveAttribute('aria-live', 'polite');
    await status.evaluate((region) => {
        window.heard = [];
        new MutationObserver(() => window.heard.push(region.textContent))
            .observe(region, {childList: true, subtree: true});
    });
    await range.launch();
    await range.tick(80);
    await range.fire(0);
    await range.tick(96);
    await range.clear();
    await range.launch();
    await range.tick(CrossingTicks);
    expect(await page.evaluate(() => window.heard)).toEqual([
        'Опити: 1', 'Попадения: 1', 'Опити: 1'
    ]);
});

const deadPlaces = [
    ['field', (r) => r.field, {x: 200, y: 60}],
    ['target', (r) => r.target],
    ['caption', (r) => r.page.getByText('Опити:', {exact: true}), {x: 5, y: 5}],
    ['counter', (r) => r.hits],
    ['exercise text', (r) => r.panel, {x: 100, y: 50}],
];
for (const [name, locate, position] of deadPlaces) {
    test(`a click on the ${name} does nothing`, async () => {
        await range.launch();
        await range.fire(1);
        await range.tick(5);
        const before = await range.state();
        await locate(range).click({position, force: true});
        expect(await range.state()).toEqual(before);
    });
}

test('a click on a shot leaves the focus where it was', async () => {
    await range.fire(2);
    await expect(range.panel).toBeFocused();
});

test('read-only boxes take the focus but not typing; the text can be copied', async ({page}) => {
    await range.attempts.click();
    await expect(range.attempts).toBeFocused();
    await page.keyboard.type('57');
    await expect(range.attempts).toHaveValue('0');
    await range.panel.click();
    await page.keyboard.press('Control+A');
    await page.keyboard.type('x');
    const selected = await range.panel.evaluate(
        (panel) => panel.value.slice(panel.selectionStart, panel.selectionEnd));
    expect(selected).toMatch(
        /^При ловната стрелба[^]*„Double trap“ и „Skeet“. \n$/);
});
