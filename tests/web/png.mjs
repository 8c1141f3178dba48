// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {inflateSync} from 'node:zlib';

// Reads the 8-bit, non-interlaced RGB(A) PNGs of Chromium's screenshots;
// at(x, y) gives a pixel as "#rrggbb".
export function decodePng(png) {
    const chunk = (type) => {
        const parts = [];
        for (let at = 8; at < png.length; at += 12 + png.readUInt32BE(at)) {
            if (png.toString('latin1', at + 4, at + 8) === type)
                parts.push(png.subarray(at + 8, at + 8 + png.readUInt32BE(at)));
        }
        return Buffer.concat(parts);
    };
    const header = chunk('IHDR');
    const [width, height, channels] =
        [header.readUInt32BE(0), header.readUInt32BE(4), header[9] === 6 ? 4 : 3];
    const raw = inflateSync(chunk('IDAT'));
    const stride = width * channels;
    const pixels = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        for (let x = 0; x < stride; ++x) {
            const a = x >= channels ? pixels[y * stride + x - channels] : 0;
            const b = y > 0 ? pixels[(y - 1) * stride + x] : 0;
            const c = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
            const p = a + b - c;
            const paeth = Math.abs(p - a) <= Math.abs(p - b) && Math.abs(p - a) <= Math.abs(p - c)
                              ? a
                          : Math.abs(p - b) <= Math.abs(p - c) ? b
                                                               : c;
            const predictor = [0, a, b, (a + b) >> 1, paeth][filter];
            pixels[y * stride + x] = (raw[y * (stride + 1) + 1 + x] + predictor) & 0xff;
        }
    }
    const hex = (v) => v.toString(16).padStart(2, '0');
    return {
        width,
        height,
        at: (x, y) =>
            '#' + [0, 1, 2].map((k) => hex(pixels[(y * width + x) * channels + k])).join('')
    };
}
