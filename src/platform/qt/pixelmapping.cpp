// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pixelmapping.h"

#include <cmath>

namespace platform::qt {

PixelMapping::PixelMapping(qreal devicePixelRatio)
    : m_ratio(devicePixelRatio > 0 ? devicePixelRatio : 1.0)
{}

qreal PixelMapping::toLogical(float twips) const
{
    return snap(qreal(twips) / TwipsPerPixel);
}

QRectF PixelMapping::toLogical(const TwipsRect &rect, QPointF origin) const
{
    const qreal x = snap(origin.x() + qreal(rect.left) / TwipsPerPixel);
    const qreal y = snap(origin.y() + qreal(rect.top) / TwipsPerPixel);
    return {x, y, toLogical(rect.width), toLogical(rect.height)};
}

TwipsPoint PixelMapping::toTwips(QPointF logical, QPointF origin) const
{
    const auto centre = [this](qreal at, qreal from) {
        return float(((std::floor(at * m_ratio) + 0.5) / m_ratio - from) * TwipsPerPixel);
    };
    return {centre(logical.x(), origin.x()), centre(logical.y(), origin.y())};
}

qreal PixelMapping::snap(qreal logical) const
{
    return std::round(logical * m_ratio) / m_ratio;
}

} // namespace platform::qt
