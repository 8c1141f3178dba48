// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/pixelgrid.h"

#include <windows.h>

namespace platform::win32 {

// The core's pixel grid in Windows' types, at a window's dpi: 96 dpi is one
// device pixel to the logical pixel.
class PixelMapping
{
public:
    explicit PixelMapping(int dpi = USER_DEFAULT_SCREEN_DPI);

    int dpi() const { return m_dpi; }
    int toPixels(float twips) const { return m_grid.toDevice(twips); }
    // Relative to origin, in pixels.
    RECT toPixels(const TwipsRect &rect, POINT origin = {}) const;
    // A pixel relative to origin, back in twips.
    TwipsPoint toTwips(POINT pixel, POINT origin = {}) const
    {
        return m_grid.toTwips(PixelPoint{pixel.x - origin.x, pixel.y - origin.y});
    }

private:
    int m_dpi;
    PixelGrid m_grid;
};

} // namespace platform::win32
