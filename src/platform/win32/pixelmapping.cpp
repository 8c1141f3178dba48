// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pixelmapping.h"

#include <cmath>

namespace platform::win32 {

namespace {

constexpr double TwipsPerInch = 1440.0;

} // namespace

PixelMapping::PixelMapping(int dpi)
    : m_dpi(dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI)
{}

int PixelMapping::toPixels(float twips) const
{
    return int(std::lround(double(twips) * m_dpi / TwipsPerInch));
}

RECT PixelMapping::toPixels(const TwipsRect &rect, POINT origin) const
{
    const LONG left = origin.x + toPixels(rect.left);
    const LONG top = origin.y + toPixels(rect.top);
    return {left, top, left + toPixels(rect.width), top + toPixels(rect.height)};
}

TwipsPoint PixelMapping::toTwips(POINT pixel) const
{
    const auto centre = [this](LONG at) { return float((at + 0.5) * TwipsPerInch / m_dpi); };
    return {centre(pixel.x), centre(pixel.y)};
}

} // namespace platform::win32
