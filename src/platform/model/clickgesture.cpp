// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clickgesture.h"

#include <utility>

namespace platform {

bool ClickGesture::press(TwipsPoint point)
{
    m_pressed = m_box.clickTargetAt(point);
    return m_pressed != nullptr;
}

void ClickGesture::release(TwipsPoint point)
{
    Control *pressed = std::exchange(m_pressed, nullptr);
    if (pressed && pressed == m_box.clickTargetAt(point))
        pressed->click();
}

} // namespace platform
