// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/pixelgrid.h"

#include <QPointF>
#include <QRectF>

namespace platform::qt {

// The core's pixel grid in Qt's types, at a widget's device pixel ratio.
class PixelMapping
{
public:
    explicit PixelMapping(qreal devicePixelRatio = 1.0)
        : m_grid(devicePixelRatio)
    {}

    qreal toLogical(float twips) const { return m_grid.toLogical(twips); }
    QRectF toLogical(const TwipsRect &rect, QPointF origin = {}) const
    {
        const LogicalRect place = m_grid.toLogical(rect, {origin.x(), origin.y()});
        return {place.left, place.top, place.width, place.height};
    }
    TwipsPoint toTwips(QPointF logical, QPointF origin = {}) const
    {
        return m_grid.toTwips({logical.x(), logical.y()}, {origin.x(), origin.y()});
    }

private:
    PixelGrid m_grid;
};

} // namespace platform::qt
