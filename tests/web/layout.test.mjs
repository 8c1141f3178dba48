// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {expect, test} from '@playwright/test';

import {decodePng} from './png.mjs';
import {pageUrl, pixels, RangePage} from './rangepage.mjs';

// Where everything stands and what colour it is, read from the page and from
// its screenshots, at the window's own scale and at twice that.

const Caption = 'www.clayrange.example Физическо възпитание - спортна стрелба';

test('the page is the window: caption, size, font, centred in the browser', async ({browser}) => {
    const page = await browser.newPage({viewport: {width: 1024, height: 768}});
    const requests = [];
    page.on('request', (request) => requests.push(request.url()));
    const range = await RangePage.open(page);
    // One file, and nothing fetched besides it.
    expect(requests).toEqual([pageUrl]);
    await expect(page).toHaveTitle(Caption);
    const box = await page.locator('.client').boundingBox();
    expect(box).toEqual({x: 287, y: 172, width: 451, height: 424});
    const font =
        await page.locator('.client').evaluate((element) => getComputedStyle(element).font);
    expect(font).toBe('16px "Times New Roman", Tinos, "Liberation Serif", serif');
    range.expectNoErrors();
    await page.close();
});

// Centred on whole pixels; a viewport too small for the box gets scroll bars,
// which leave no room to centre in, even across the box's wider side.
const centrings = [
    {name: 'centred in 800 x 600', viewport: [800, 600], at: {x: 175, y: 88}},
    {name: 'at the corner of 460 x 400', viewport: [460, 400], at: {x: 0, y: 0}},
    {
        name: 'at the corner after a resize to 460 x 400',
        viewport: [1024, 768],
        resized: [460, 400],
        at: {x: 0, y: 0}
    },
];
for (const {name, viewport, resized, at} of centrings) {
    test(`the page stands ${name}`, async ({browser}) => {
        const size = ([width, height]) => ({width, height});
        const page = await browser.newPage({viewport: size(viewport)});
        await RangePage.open(page);
        if (resized)
            await page.setViewportSize(size(resized));
        const {x, y} = await page.locator('.client').boundingBox();
        expect({x, y}).toEqual(at);
        await page.close();
    });
}

// [x, y, colour] in CSS pixels of the client box.
const Colours = [
    [2, 30, '#c0c0ff', 'window'],
    [74, 22, '#ffc080', 'title caption'],
    [40, 100, '#808080', 'field bevel, outer left'],
    [41, 100, '#404040', 'field bevel, inner left'],
    [400, 100, '#ffffff', 'field bevel, outer right'],
    [399, 100, '#c0c0c0', 'field bevel, inner right'],
    [100, 224, '#ffffff', 'field bevel, outer bottom'],
    [400, 40, '#ffffff', 'field bevel, top right corner'],
    [200, 100, '#00ff00', 'field'],
    [46, 70, '#8080ff', 'target'],
    [166, 222, '#c04000', 'resting shot, last visible row'],
    [166, 223, '#c0c0c0', 'resting shot, hidden below the inner area'],
    [8, 240, '#ffffff', 'launch button bevel, outer left'],
    [9, 240, '#c0c0c0', 'launch button bevel, inner left'],
    [80, 240, '#000000', 'launch button bevel, outer right'],
    [79, 240, '#808080', 'launch button bevel, inner right'],
    [12, 236, '#00ff00', 'launch button face'],
    [372, 236, '#ff0000', 'clear button face'],
    [98, 254, '#ffc080', 'attempts caption'],
    [152, 245, '#8989b6', 'attempts box over the caption\'s right edge'],
    [160, 250, '#ffffff', 'attempts box'],
    [8, 300, '#9494c5', 'panel frame'],
    [10, 300, '#ffffff', 'panel'],
];

for (const scale of [1, 2]) {
    test(`colours and stacking at device scale ${scale}`, async ({browser}) => {
        const page = await browser.newPage({deviceScaleFactor: scale});
        const range = await RangePage.open(page);
        let shot = decodePng(await page.screenshot());
        expect([shot.width, shot.height]).toEqual([451 * scale, 424 * scale]);
        for (const [x, y, colour, what] of Colours) {
            for (const [dx, dy] of [[0, 0], [scale - 1, scale - 1]])
                expect(shot.at(x * scale + dx, y * scale + dy), what).toBe(colour);
        }

        // Two thirds of a pixel per tick: the target's left edge lands on the
        // nearest device pixel, a whole pixel at scale 1, a half at scale 2.
        await range.launch();
        await range.tick();
        shot = decodePng(await page.screenshot());
        const edge = 42 * scale + 1;
        expect(shot.at(edge - 1, 70 * scale)).toBe('#00ff00');
        expect(shot.at(edge, 70 * scale)).toBe('#8080ff');
        expect(shot.at(edge + 9 * scale - 1, 70 * scale)).toBe('#8080ff');
        expect(shot.at(edge + 9 * scale, 70 * scale)).toBe('#00ff00');
        range.expectNoErrors();
        await page.close();
    });
}

// A zoom to 200 % halves the page's viewport and doubles its pixel ratio under
// the open page. Chromium tells a page of a new ratio only with a new size.
test('target and shots move to the device pixel grid of a zoom', async ({browser}) => {
    const page = await browser.newPage({viewport: {width: 902, height: 848}});
    const range = await RangePage.open(page);
    await range.launch();
    await range.fire(0);
    await range.tick();
    const cdp = await page.context().newCDPSession(page);
    await cdp.send('Emulation.setDeviceMetricsOverride',
                   {width: 451, height: 424, deviceScaleFactor: 2, mobile: false});
    // From the field's inner corner at 630 twips, the target 10 twips on and
    // the shot 20 up from its rest at 2640 with each tick: on whole pixels at
    // the old ratio, on half pixels at the new one.
    const places =
        async () => [(await range.target.boundingBox()).x, (await range.shot(0).boundingBox()).y];
    const onTheGrid = (ticks) => [pixels(630 + 10 * ticks, 2), pixels(630 + 2640 - 20 * ticks, 2)];
    await expect.poll(places).toEqual(onTheGrid(1));
    await range.tick();
    expect(await places()).toEqual(onTheGrid(2));
    range.expectNoErrors();
    await page.close();
});

// The page paints the window from its own markup before the core has
// compiled; the core takes over those elements without a pixel changing.
for (const scale of [1, 2]) {
    test(`the first frame is the core's, pixel for pixel, at scale ${scale}`, async ({browser}) => {
        const shoot = async (javaScriptEnabled) => {
            const context = await browser.newContext(
                {javaScriptEnabled, deviceScaleFactor: scale, viewport: {width: 451, height: 424}});
            const page = await context.newPage();
            if (javaScriptEnabled)
                await RangePage.open(page);
            else
                await page.goto(pageUrl);
            const shot = await page.screenshot();
            await context.close();
            return shot;
        };
        const [before, after] = [await shoot(false), await shoot(true)];
        expect(before.equals(after)).toBe(true);
    });
}

test('a click before the core is ready is not lost', async ({page}) => {
    // Clicked as soon as the button is parsed, long before the core runs.
    await page.addInitScript(() => new MutationObserver((_, observer) => {
                                       const launch = document.getElementById('Command1-0');
                                       if (launch) {
                                           observer.disconnect();
                                           window.clickedBeforeCore =
                                               !document.querySelector('.client').dataset.clock;
                                           launch.click();
                                       }
                                   }).observe(document, {childList: true, subtree: true}));
    const range = await RangePage.open(page);
    await range.expectCounters('1', '0');
    expect(await page.evaluate(() => window.clickedBeforeCore)).toBe(true);
});

// The core's script is inert text in the page until the markup is on the
// screen: run by the parser, it held the first frame back.
test('the core runs only after the first paint', async ({page}) => {
    await page.addInitScript(() => new PerformanceObserver((list, observer) => {
                                       if (list.getEntriesByName('first-contentful-paint').length) {
                                           observer.disconnect();
                                           window.coreAtFirstPaint = typeof createCore;
                                       }
                                   }).observe({type: 'paint', buffered: true}));
    await RangePage.open(page);
    expect(await page.evaluate(() => window.coreAtFirstPaint)).toBe('undefined');
});
