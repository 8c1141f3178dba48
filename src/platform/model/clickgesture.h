// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "picturebox.h"

namespace platform {

// A click on one of the field's children: a press and a release of the button
// on the same child, which takes clicks at both. Points are in twips from the
// inner area's top-left corner, as the box's hit tests take them.
class ClickGesture
{
public:
    explicit ClickGesture(const PictureBox &box)
        : m_box(box)
    {}

    // Whether the press landed on a child that takes clicks, for a front end
    // that holds the mouse until the release.
    bool press(TwipsPoint point);
    // Delivers the pressed child's Click if the release lands on it too; the
    // gesture ends either way.
    void release(TwipsPoint point);
    // The press is lost, to another window or a second button.
    void cancel() { m_pressed = nullptr; }

private:
    const PictureBox &m_box;
    Control *m_pressed = nullptr;
};

} // namespace platform
