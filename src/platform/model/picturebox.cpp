// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

namespace platform {

namespace {

bool contains(const TwipsRect &rect, TwipsPoint point)
{
    return point.x >= rect.left && point.x < rect.right() && point.y >= rect.top
           && point.y < rect.bottom();
}

} // namespace

Control *PictureBox::childAt(TwipsPoint point) const
{
    const TwipsRect inner = innerRect();
    if (!contains({0, 0, inner.width, inner.height}, point))
        return nullptr;
    // Topmost first: later children are drawn over earlier ones.
    for (auto child = m_children.rbegin(); child != m_children.rend(); ++child) {
        if ((*child)->properties().visible && contains((*child)->rect(), point))
            return *child;
    }
    return nullptr;
}

Control *PictureBox::clickTargetAt(TwipsPoint point) const
{
    Control *child = childAt(point);
    return child && child->takesClick() ? child : nullptr;
}

} // namespace platform
