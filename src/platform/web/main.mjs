// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {FormView} from './formview.mjs';

// Starts the page: the compiled core first, then the view built from it.
const core = await createCore();
const view = new FormView(document, core);
view.show(new core.WebRange(view));
