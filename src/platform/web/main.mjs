// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {FormView} from './formview.mjs';

// Starts the page once its markup is on the screen: the core compiles, and
// the view takes the markup over. A hidden tab paints no frames; it starts at once.
if (document.visibilityState === 'visible')
    await new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve)));
const core = await createCore();
const view = new FormView(document, core);
view.show(new core.WebRange(view));
