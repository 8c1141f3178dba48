// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {expect, test} from '@playwright/test';

import {RangePage} from './rangepage.mjs';

// What a screen reader is told in Chromium: roles and names, and the live
// region in the accessibility tree; read-only boxes. The tab order, the live
// region's words and dead clicks are among the checks every engine runs.

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

// What a screen reader is told: each announcement a new node in the live
// region's accessibility tree, so that the same words after a clear are news.
test('each announcement is a fresh node for a screen reader', async ({page}) => {
    const status = page.getByRole('status');
    await expect(status).toHaveAttribute('aria-live', 'polite');
    const cdp = await page.context().newCDPSession(page);
    const news = async () => {
        const {nodes} = await cdp.send('Accessibility.getFullAXTree');
        const region = nodes.find((node) => node.role?.value === 'status');
        const node = (id) => nodes.find((candidate) => candidate.nodeId === id);
        return region.childIds.map(
            (id) => ({
                id,
                role: node(id).role.value,
                name: node(id).childIds.map((text) => node(text).name?.value).join(''),
            }));
    };
    await range.launch();
    const first = await news();
    await range.clear();
    await range.launch();
    const again = await news();
    expect([first, again].map((nodes) => nodes.map(({role, name}) => [role, name]))).toEqual([
        [['paragraph', 'Опити: 1']], [['paragraph', 'Опити: 1']]
    ]);
    expect(again[0].id).not.toBe(first[0].id);
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
