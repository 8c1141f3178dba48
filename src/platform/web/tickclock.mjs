// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The range's clock on the browser's standard timers. Tick n falls due n
// intervals after the start, whenever the timer that delivers it fires, so the
// clock never drifts, and a late timer (a hidden tab gets one about once a
// second) delivers every tick that fell due meanwhile, in order.
export class TickClock {
    #interval;
    #onTick;
    #running = false;
    #timeout = null;
    #origin = 0;
    #delivered = 0;

    constructor(interval, onTick) {
        this.#interval = interval;
        this.#onTick = onTick;
    }

    get running() { return this.#running; }

    start() {
        if (this.#running)
            return;
        this.#running = true;
        this.#origin = performance.now();
        this.#delivered = 0;
        this.#schedule();
    }

    stop() {
        this.#running = false;
        this.#cancel();
    }

    #due() { return this.#origin + (this.#delivered + 1) * this.#interval; }

    #schedule() {
        this.#cancel();
        // Rounded up: a timer never fires before its delay, so it never finds its
        // tick not yet due.
        const delay = Math.max(0, Math.ceil(this.#due() - performance.now()));
        this.#timeout = setTimeout(() => this.#fire(), delay);
    }

    #cancel() {
        if (this.#timeout === null)
            return;
        clearTimeout(this.#timeout);
        this.#timeout = null;
    }

    #fire() {
        this.#timeout = null;
        const now = performance.now();
        // A tick may stop the clock: the crossing ends on it.
        while (this.#running && this.#due() <= now) {
            this.#delivered += 1;
            this.#onTick();
        }
        if (this.#running)
            this.#schedule();
    }
}
