// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pixelmapping.h"

namespace platform::win32 {

PixelMapping::PixelMapping(int dpi)
    : m_dpi(dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI)
    , m_grid(double(m_dpi) / USER_DEFAULT_SCREEN_DPI)
{}

RECT PixelMapping::toPixels(const TwipsRect &rect, POINT origin) const
{
    const PixelRect place = m_grid.toDevice(rect);
    const LONG left = origin.x + place.left;
    const LONG top = origin.y + place.top;
    return {left, top, left + place.width, top + place.height};
}

} // namespace platform::win32
