// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>
#include <QRect>

namespace platform::qt {

// The classic two-pixel edges of buttons and fields, drawn as flat lines in
// logical pixels so that they stay crisp at every scale.
class Bevel
{
public:
    enum Kind { Raised, Pressed, Sunken };

    static void draw(QPainter &painter, const QRect &area, Kind kind);
};

} // namespace platform::qt
