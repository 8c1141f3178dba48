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
    await expect(range.launchButton).toBeVisible();
    await expect(range.clearButton).toBeVisible();
    for (const counter of [range.attempts, range.hits]) {
        await expect(counter).toHaveValue('0');
        await expect(counter).not.toBeEditable();
    }
    // A read-only multi-line text box.
    await expect(range.panel).toHaveRole('textbox');
    await expect(range.panel).toHaveJSProperty('tagName', 'TEXTAREA');
    await expect(range.panel).not.toBeEditable();
    await expect(range.panel)
        .toHaveValue(
            /Тема на проекта: Физическо възпитание - спортна стрелба\./);
    await expect(range.field.getByRole('img')).toHaveAccessibleName('Паничка');
    await expect(range.field).toMatchAriaSnapshot(`
      - group "Стрелбище":
        - img "Паничка"
        - button "Изстрел 1"
        - button "Изстрел 2"
        - button "Изстрел 3"
        - button "Изстрел 4"
        - button "Изстрел 5"
        - button "Изстрел 6"
        - button "Изстрел 7"
        - button "Изстрел 8"
        - button "Изстрел 9"
        - button "Изстрел 10"
        - button "Изстрел 11"
        - button "Изстрел 12"
    `);
    // Numbered from left to right.
    const lefts = [];
    for (let i = 0; i < 12; ++i)
        lefts.push((await range.shot(i).boundingBox()).x);
    expect(lefts).toEqual([...lefts ].sort((a, b) => a - b));
});

test('shots are marked disabled while another flies', async () => {
    await range.launch();
    await range.fire(3);
    for (let i = 0; i < 12; ++i) {
        if (i === 3)
            await expect(range.shot(i)).toBeEnabled();
        else
            await expect(range.shot(i)).toBeDisabled();
    }
    // Back at rest after 126 ticks of flight: every shot can be fired again.
    await range.tick(125);
    await expect(range.shot(0)).toBeDisabled();
    await range.tick(1);
    for (let i = 0; i < 12; ++i)
        await expect(range.shot(i)).toBeEnabled();
});

test('assistive technology can press a shot', async () => {
    await range.launch();
    await range.tick(80);
    await range.shot(0).dispatchEvent('click');
    await range.tick(96);
    await range.expectCounters('1', '1');
});

test('the tab order is the window\'s, starting in the exercise text', async ({page}) => {
    const order = [
        range.panel, range.field, range.launchButton, range.clearButton, range.attempts, range.hits
    ];
    await expect(order[0]).toBeFocused();
    expect(await range.panel.evaluate((panel) => [panel.selectionStart, panel.scrollTop])).toEqual([
        0, 0
    ]);
    for (const next of order.slice(1)) {
        await page.keyboard.press('Tab');
        await expect(next).toBeFocused();
    }
    for (let i = 0; i < 12; ++i)
        await expect(range.shot(i)).toHaveJSProperty('tabIndex', -1);
});

test('space and enter press the focused button', async ({page}) => {
    await range.launchButton.focus();
    await page.keyboard.press('Space');
    await range.expectCounters('1', '0');
    await range.clearButton.focus();
    await page.keyboard.press('Enter');
    await range.expectCounters('0', '0');
    expect((await range.state()).clock).toBe('stopped');
});

test('each new attempt and hit is announced, and nothing else', async ({page}) => {
    const status = page.getByRole('status');
    await expect(status).toHaveAttribute('aria-live', 'polite');
    await page.evaluate(() => {
        window.heard = [];
        new MutationObserver(
            () => window.heard.push(document.querySelector('[role=status]').textContent))
            .observe(document.querySelector('[role=status]'), {childList : true, subtree : true});
    });
    await range.launch();
    await range.tick(80);
    await range.fire(0);
    await range.tick(96);
    await range.clear();
    await range.launch();
    await range.tick(CrossingTicks);
    await expect(status).toHaveText('Опити: 1');
    expect(await page.evaluate(() => window.heard)).toEqual([
        'Опити: 1', 'Попадения: 1', 'Опити: 1'
    ]);
});

test.describe('clicks that do nothing', () => {
    const places = [
        [ 'field', (r) => r.field, {x : 200, y : 60} ],
        [ 'target', (r) => r.target, undefined ],
        [
            'title caption', (r) => r.page.getByText('Физическо възпитание - спортна стрелба'),
            undefined
        ],
        [ 'attempts caption', (r) => r.page.getByText('Опити:', {exact : true}), {x : 5, y : 5} ],
        [ 'attempts box', (r) => r.attempts, undefined ],
        [ 'hits box', (r) => r.hits, undefined ],
        [ 'exercise text', (r) => r.panel, {x : 100, y : 50} ],
    ];
    for (const [name, locate, position] of places) {
        test(name, async () => {
            await range.launch();
            await range.fire(1);
            await range.tick(5);
            const before = await range.state();
            await locate(range).click({position, force : true});
            expect(await range.state()).toEqual(before);
        });
    }

    test('a click on a shot leaves the focus where it was', async () => {
        await range.fire(2);
        await expect(range.panel).toBeFocused();
    });
});

test('read-only boxes take the focus but not typing, and the text can be copied',
     async ({page}) => {
         await range.attempts.click();
         await expect(range.attempts).toBeFocused();
         await page.keyboard.type('57');
         await expect(range.attempts).toHaveValue('0');

         await range.panel.click();
         await page.keyboard.press('Control+A');
         const selected = await range.panel.evaluate(
             (panel) => panel.value.slice(panel.selectionStart, panel.selectionEnd));
         expect(selected).toMatch(/^При ловната стрелба/);
         expect(selected).toMatch(/„Double trap“ и „Skeet“. \n$/);
         await page.keyboard.type('x');
         expect(await range.panel.inputValue()).toBe(selected);
     });
