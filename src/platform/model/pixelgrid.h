// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "placement.h"
#include "twips.h"

namespace platform {

// Logical pixels, the unit of Qt and of CSS: device pixels over the scale.
struct LogicalPoint {
    double x = 0;
    double y = 0;
};

struct LogicalRect {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const LogicalRect &, const LogicalRect &) = default;
};

// The one rule from twips to the screen: 15 twips to a logical pixel, with
// every edge on the device pixel grid of the given scale. Painting, click
// hit-testing and accessibility all go through here, in every front end, so
// what a pupil sees is exactly what reacts to a click and what a screen
// reader reports.
class PixelGrid
{
public:
    // Device pixels per logical pixel: 1, 1.25, 2 and so on; Windows' dpi
    // over 96. A scale that is not above zero counts as 1.
    explicit PixelGrid(double deviceScale = 1.0);

    double deviceScale() const { return m_scale; }

    // A position or length in logical pixels, moved to the nearest device pixel.
    double snap(double logical) const;
    // A length, snapped.
    double toLogical(float twips) const;
    // The rectangle relative to origin, itself in logical pixels. The origin
    // joins each edge before it is snapped, or a border of a fraction of a
    // device pixel would shift every child; the size is snapped on its own,
    // so a moving object keeps its size in device pixels.
    LogicalRect toLogical(const TwipsRect &rect, LogicalPoint origin = {}) const;
    // The way back, for a hit test: the centre of the device pixel that holds
    // the point, in twips from origin. A pixel is hit where it is painted.
    TwipsPoint toTwips(LogicalPoint point, LogicalPoint origin = {}) const;

    // The same in whole device pixels, for a front end that places by them.
    int toDevice(float twips) const;
    PixelRect toDevice(const TwipsRect &rect) const;
    TwipsPoint toTwips(PixelPoint pixel) const;

private:
    double deviceEdge(double logical) const;

    double m_scale;
};

} // namespace platform
