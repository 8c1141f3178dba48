// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bevel.h"

namespace platform::qt {

namespace {

// One ring of the edge: top and left in one colour, bottom and right in another.
void ring(QPainter &painter, const QRect &r, const QColor &topLeft, const QColor &bottomRight)
{
    painter.fillRect(QRect(r.left(), r.top(), r.width(), 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height()), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
}

} // namespace

void Bevel::draw(QPainter &painter, const QRect &area, Kind kind)
{
    const QColor white(255, 255, 255);
    const QColor light(192, 192, 192);
    const QColor shadow(128, 128, 128);
    const QColor dark(64, 64, 64);
    const QRect inner = area.adjusted(1, 1, -1, -1);
    switch (kind) {
    case Raised:
        ring(painter, area, white, Qt::black);
        ring(painter, inner, light, shadow);
        break;
    case Pressed:
        ring(painter, area, Qt::black, Qt::black);
        ring(painter, inner, shadow, shadow);
        break;
    case Sunken:
        ring(painter, area, shadow, white);
        ring(painter, inner, dark, light);
        break;
    }
}

} // namespace platform::qt
