// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Twips to CSS pixels, with moving edges snapped to the device pixel grid so
// that motion is as smooth as the screen allows at any zoom.
export class PixelGrid {
    #twipsPerPixel;
    #ratio;

    constructor(twipsPerPixel, ratio) {
        this.#twipsPerPixel = twipsPerPixel;
        this.#ratio = ratio > 0 ? ratio : 1;
    }

    toPixels(twips) { return twips / this.#twipsPerPixel; }

    snap(pixels) { return Math.round(pixels * this.#ratio) / this.#ratio; }

    // Each edge and the size are snapped on their own, so a moving object keeps
    // its size in device pixels.
    toSnapped(twips) { return this.snap(this.toPixels(twips)); }
}
