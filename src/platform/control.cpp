#include "control.h"

namespace platform {

Control::Control(const ControlProperties &properties, QObject *parent)
    : QObject(parent)
    , m_properties(properties)
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
    emit moved(from);
}

void Control::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    emit enabledChanged(enabled);
}

void Control::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    emit textChanged(m_text);
}

void Control::click()
{
    if (enabled())
        emit clicked(index());
}

} // namespace platform
