// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pixelgrid.h"

#include <cmath>

namespace platform {

namespace {

double logicalOf(float twips)
{
    return double(twips) / TwipsPerPixel;
}

float twipsOf(double logical)
{
    return float(logical * TwipsPerPixel);
}

} // namespace

PixelGrid::PixelGrid(double deviceScale)
    : m_scale(deviceScale > 0 ? deviceScale : 1.0)
{}

double PixelGrid::deviceEdge(double logical) const
{
    return std::round(logical * m_scale);
}

double PixelGrid::snap(double logical) const
{
    return deviceEdge(logical) / m_scale;
}

double PixelGrid::toLogical(float twips) const
{
    return snap(logicalOf(twips));
}

LogicalRect PixelGrid::toLogical(const TwipsRect &rect, LogicalPoint origin) const
{
    return {snap(origin.x + logicalOf(rect.left)), snap(origin.y + logicalOf(rect.top)),
            toLogical(rect.width), toLogical(rect.height)};
}

TwipsPoint PixelGrid::toTwips(LogicalPoint point, LogicalPoint origin) const
{
    const auto centre = [this](double at, double from) {
        return twipsOf((std::floor(at * m_scale) + 0.5) / m_scale - from);
    };
    return {centre(point.x, origin.x), centre(point.y, origin.y)};
}

int PixelGrid::toDevice(float twips) const
{
    return int(deviceEdge(logicalOf(twips)));
}

PixelRect PixelGrid::toDevice(const TwipsRect &rect) const
{
    return {toDevice(rect.left), toDevice(rect.top), toDevice(rect.width), toDevice(rect.height)};
}

TwipsPoint PixelGrid::toTwips(PixelPoint pixel) const
{
    return {twipsOf((pixel.x + 0.5) / m_scale), twipsOf((pixel.y + 0.5) / m_scale)};
}

} // namespace platform
