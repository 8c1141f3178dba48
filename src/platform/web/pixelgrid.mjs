// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's twips-to-pixels rule at one device scale, in CSS pixels: every
// edge on the device's pixel grid, sizes snapped on their own so that a moving
// object keeps its size.
export class PixelGrid {
    #core;
    #scale;

    // core is the compiled core; scale is device pixels per CSS pixel.
    constructor(core, scale) {
        this.#core = core;
        this.#scale = scale;
    }

    snap(pixels) { return this.#core.gridSnap(this.#scale, pixels); }

    // A length.
    toLogical(twips) { return this.#core.gridLength(this.#scale, twips); }

    // rect in twips from origin, a point in CSS pixels: edges and size snapped.
    place(rect, origin) { return this.#core.gridRect(this.#scale, rect, origin); }
}
