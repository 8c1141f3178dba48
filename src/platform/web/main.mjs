// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {FormView} from './formview.mjs';

// The browser's first contentful paint, or its nearest stand-in where paints
// are not reported. Two animation frames are not enough: Chromium runs them
// while it still holds the new page's first frame back, and a core compiled
// in their wake comes before the markup is on the screen.
function firstPaint()
{
    if (!PerformanceObserver.supportedEntryTypes?.includes('paint'))
        return new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
    return new Promise((resolve) => {
        new PerformanceObserver((list, observer) => {
            if (list.getEntriesByName('first-contentful-paint').length) {
                observer.disconnect();
                resolve();
            }
        }).observe({type: 'paint', buffered: true});
        // A page the browser decides not to paint still starts.
        setTimeout(resolve, 1000);
    });
}

// The core's script stands in the page as inert text and runs only now: run
// by the parser, its 120 KB held the first frame back by about 7 ms.
function runCore()
{
    const inert = document.getElementById('core');
    const script = document.createElement('script');
    script.text = inert.text;
    inert.replaceWith(script);
}

// Starts the page once its markup is on the screen: the core compiles, and
// the view takes the markup over. A hidden tab paints no frames; it starts at once.
if (document.visibilityState === 'visible')
    await firstPaint();
runCore();
const core = await createCore();
const view = new FormView(document, core);
view.show(new core.WebRange(view));
