// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace platform {

// Positions and sizes are kept in twips, as single-precision floats, the way the
// window was laid out; only the views turn them into pixels.
inline constexpr float TwipsPerPixel = 15.0f;

struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    float right() const { return left + width; }
    float bottom() const { return top + height; }
    friend bool operator==(const TwipsRect &, const TwipsRect &) = default;
};

// A point where a pupil clicked, mapped back from the screen's pixels.
struct TwipsPoint {
    float x = 0;
    float y = 0;
};

} // namespace platform
