// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <vector>

namespace platform {

// The field: a container whose children are placed relative to its inner area,
// inside a sunken border, while its own Width and Height are the outer size.
class PictureBox : public Control
{
public:
    using Control::Control;

    // Two pixels on each side at 15 twips to the pixel.
    static constexpr float BorderTwips = 30.0f;

    TwipsRect innerRect() const
    {
        return {left() + BorderTwips, top() + BorderTwips, width() - 2 * BorderTwips,
                height() - 2 * BorderTwips};
    }

    // In back-to-front order of the description: later children are drawn on
    // top of earlier ones.
    const std::vector<Control *> &children() const { return m_children; }
    void addChild(Control *child) { m_children.push_back(child); }

    // Points are in twips from the inner area's top-left corner, where the
    // children are placed; each front end maps its pixels here, as it maps
    // the children's places to its pixels for painting.
    // The topmost visible child drawn at a point, or none.
    Control *childAt(TwipsPoint point) const;
    // The child that a click at a point goes to, or none: the topmost child
    // there, if it takes clicks now.
    Control *clickTargetAt(TwipsPoint point) const;

private:
    std::vector<Control *> m_children;
};

} // namespace platform
