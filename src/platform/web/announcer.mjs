// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A polite live region that tells a screen reader each new attempt and hit.
export class Announcer {
    #region;

    // region is the page's, from its markup.
    constructor(region) { this.#region = region; }

    // The core says what is news: each attempt and hit as it is counted.
    announce(text) {
        // A fresh node each time, so the same words twice are still heard twice.
        const message = this.#region.ownerDocument.createElement('p');
        message.textContent = text;
        this.#region.replaceChildren(message);
    }
}
