// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "control.h"

namespace platform {

Control::Control(const ControlProperties &properties)
    : m_properties(properties)
    , m_rect(properties.rect)
    , m_enabled(properties.enabled)
    , m_text(properties.text)
{}

void Control::setLeft(float left)
{
    moveTo({left, m_rect.top, m_rect.width, m_rect.height});
}

void Control::setTop(float top)
{
    moveTo({m_rect.left, top, m_rect.width, m_rect.height});
}

void Control::moveTo(const TwipsRect &rect)
{
    if (rect == m_rect)
        return;
    const TwipsRect from = m_rect;
    m_rect = rect;
    moved.notify(from);
}

void Control::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    enabledChanged.notify(enabled);
}

void Control::setText(std::string_view text)
{
    if (text == m_text)
        return;
    m_text.assign(text);
    textChanged.notify(m_text);
}

std::string_view Control::shownText() const
{
    std::string_view shown = m_text;
    while (!shown.empty() && (shown.back() == '\n' || shown.back() == '\r'))
        shown.remove_suffix(1);
    return shown;
}

bool Control::takesFocus() const
{
    return kind() != ControlKind::Label && kind() != ControlKind::Timer && m_properties.visible
           && m_properties.tabIndex >= 0;
}

void Control::click()
{
    if (takesClick())
        clicked.notify(index());
}

} // namespace platform
