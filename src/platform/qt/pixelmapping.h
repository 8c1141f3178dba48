// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/twips.h"

#include <QPointF>
#include <QRectF>

namespace platform::qt {

// The one mapping from twips to the screen: 15 twips to a logical pixel, with
// every edge snapped to the device pixel grid of the given ratio. Painting,
// click hit-testing and accessibility all go through here, so what a pupil sees
// is exactly what reacts to a click and what a screen reader reports.
class PixelMapping
{
public:
    explicit PixelMapping(qreal devicePixelRatio = 1.0);

    qreal devicePixelRatio() const { return m_ratio; }

    qreal toLogical(float twips) const;
    // The rectangle in logical pixels relative to origin (itself in logical
    // pixels). The left and top edges are snapped, and the size is snapped on
    // its own, so a moving object keeps its size in device pixels.
    QRectF toLogical(const TwipsRect &rect, QPointF origin = {}) const;
    // The way back, for a hit test: the centre of the device pixel that holds
    // the point, in twips from origin. A pixel is hit where it is painted.
    TwipsPoint toTwips(QPointF logical, QPointF origin = {}) const;

private:
    qreal snap(qreal logical) const;

    qreal m_ratio;
};

} // namespace platform::qt
