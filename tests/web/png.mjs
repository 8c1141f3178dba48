// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

import {inflateSync} from 'node:zlib';

// Reads the 8-bit RGB or RGBA PNGs that Chromium's screenshots are, so tests
// can look at single pixels.
export function decodePng(buffer)
{
    let offset = 8;
    let width = 0, height = 0, channels = 0;
    const chunks = [];
    while (offset < buffer.length) {
        const length = buffer.readUInt32BE(offset);
        const type = buffer.toString('latin1', offset + 4, offset + 8);
        const data = buffer.subarray(offset + 8, offset + 8 + length);
        if (type === 'IHDR') {
            width = data.readUInt32BE(0);
            height = data.readUInt32BE(4);
            if (data[8] !== 8 || data[12] !== 0 || (data[9] !== 2 && data[9] !== 6))
                throw new Error('only 8-bit, non-interlaced RGB or RGBA PNGs');
            channels = data[9] === 6 ? 4 : 3;
        } else if (type === 'IDAT') {
            chunks.push(data);
        }
        offset += 12 + length;
    }
    const raw = inflateSync(Buffer.concat(chunks));
    const stride = width * channels;
    const pixels = Buffer.alloc(stride * height);
    for (let y = 0; y < height; ++y) {
        const filter = raw[y * (stride + 1)];
        const line = raw.subarray(y * (stride + 1) + 1, (y + 1) * (stride + 1));
        for (let x = 0; x < stride; ++x) {
            const a = x >= channels ? pixels[y * stride + x - channels] : 0;
            const b = y > 0 ? pixels[(y - 1) * stride + x] : 0;
            const c = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
            const predictor = [ 0, a, b, (a + b) >> 1, paeth(a, b, c) ][filter];
            pixels[y * stride + x] = (line[x] + predictor) & 0xff;
        }
    }
    return {
        width,
        height,
        // The colour at (x, y) as "#rrggbb".
        at(x, y) {
            const i = y * stride + x * channels;
            return '#' +
                   [ 0, 1, 2 ].map((k) => pixels[i + k].toString(16).padStart(2, '0')).join('');
        },
    };
}

function paeth(a, b, c)
{
    const p = a + b - c;
    const pa = Math.abs(p - a), pb = Math.abs(p - b), pc = Math.abs(p - c);
    if (pa <= pb && pa <= pc)
        return a;
    return pb <= pc ? b : c;
}
