// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace platform {

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint &, const PixelPoint &) = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A window frame's thickness on each side of its client area.
struct PixelMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// Where a window's frame goes for the whole frame, title bar included, to be
// centred in the available area: a client area centred alone would sit low by
// half the title bar.
constexpr PixelPoint centredFramePosition(const PixelRect &available, int clientWidth,
                                          int clientHeight, const PixelMargins &frame)
{
    const int outerWidth = frame.left + clientWidth + frame.right;
    const int outerHeight = frame.top + clientHeight + frame.bottom;
    return {available.left + (available.width - outerWidth) / 2,
            available.top + (available.height - outerHeight) / 2};
}

} // namespace platform
