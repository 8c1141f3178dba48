// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "picturebox.h"

namespace platform {

Control *PictureBox::childAt(TwipsPoint point) const
{
    const TwipsRect inner = innerRect();
    if (!TwipsRect{0, 0, inner.width, inner.height}.contains(point))
        return nullptr;
    // Topmost first: later children are drawn over earlier ones.
    for (auto child = m_children.rbegin(); child != m_children.rend(); ++child) {
        if ((*child)->properties().visible && (*child)->rect().contains(point))
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
