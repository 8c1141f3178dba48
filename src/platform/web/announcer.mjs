// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A polite live region that tells a screen reader each new attempt and hit.
export class Announcer {
    #region;

    constructor(document) {
        this.#region = document.createElement('div');
        this.#region.className = 'announcer';
        this.#region.setAttribute('role', 'status');
        this.#region.setAttribute('aria-live', 'polite');
    }

    get element() { return this.#region; }

    // Only a count that went up is news; the clear command's zeros are not.
    countChanged(caption, previous, current) {
        if (!/^\d+$/.test(previous) || !/^\d+$/.test(current))
            return;
        if (BigInt(current) <= BigInt(previous))
            return;
        // A fresh node each time, so the same words twice are still heard twice.
        const message = this.#region.ownerDocument.createElement('p');
        message.textContent = `${caption} ${current}`;
        this.#region.replaceChildren(message);
    }
}
