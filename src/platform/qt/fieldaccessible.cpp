// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fieldaccessible.h"

#include "conversions.h"
#include "fieldwidget.h"

#include <QWindow>

#include <algorithm>

namespace platform::qt {

FieldAccessible::FieldAccessible(FieldWidget *field)
    : QAccessibleWidget(field, QAccessible::Pane)
{
    field->sendAccessibilityEvents();
}

FieldAccessible::~FieldAccessible()
{
    for (QAccessible::Id id : m_children)
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *FieldAccessible::create(const QString &, QObject *object)
{
    if (auto *field = qobject_cast<FieldWidget *>(object))
        return new FieldAccessible(field);
    return nullptr;
}

FieldWidget *FieldAccessible::field() const
{
    return static_cast<FieldWidget *>(widget());
}

int FieldAccessible::childCount() const
{
    return int(field()->box().children().size());
}

QAccessibleInterface *FieldAccessible::child(int index) const
{
    const auto &controls = field()->box().children();
    if (index < 0 || index >= int(controls.size()))
        return nullptr;
    // Made on first use and kept, so that a screen reader sees one object per
    // child for the life of the window.
    if (m_children.empty()) {
        for (Control *control : controls) {
            m_children.push_back(QAccessible::registerAccessibleInterface(
                new FieldItemAccessible(field(), *control)));
        }
    }
    return QAccessible::accessibleInterface(m_children[std::size_t(index)]);
}

int FieldAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *item = dynamic_cast<const FieldItemAccessible *>(child);
    const auto &controls = field()->box().children();
    for (std::size_t i = 0; item && i < controls.size(); ++i) {
        if (&item->control() == controls[i])
            return int(i);
    }
    return -1;
}

QAccessibleInterface *FieldAccessible::childAt(int x, int y) const
{
    const QPoint local = field()->mapFromGlobal(QPoint(x, y));
    Control *control = field()->box().childAt(field()->toTwips(local));
    if (!control)
        return nullptr;
    const auto &controls = field()->box().children();
    const auto found = std::find(controls.begin(), controls.end(), control);
    return child(int(found - controls.begin()));
}

FieldItemAccessible::FieldItemAccessible(FieldWidget *field, Control &control)
    : m_field(field)
    , m_control(control)
{}

bool FieldItemAccessible::isValid() const
{
    return m_field;
}

QObject *FieldItemAccessible::object() const
{
    // The target and the shots are models, not QObjects.
    return nullptr;
}

QWindow *FieldItemAccessible::window() const
{
    return m_field ? m_field->window()->windowHandle() : nullptr;
}

QAccessibleInterface *FieldItemAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_field);
}

QString FieldItemAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return toQString(m_control.properties().accessibleName);
    return {};
}

QRect FieldItemAccessible::rect() const
{
    if (!isValid())
        return {};
    // What is on screen: a shot at rest shows only its upper part.
    const QRect local = m_field->childRect(m_control).intersected(m_field->innerRect()).toRect();
    return QRect(m_field->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role FieldItemAccessible::role() const
{
    return m_control.clickable() ? QAccessible::Button : QAccessible::Graphic;
}

QAccessible::State FieldItemAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.disabled = !m_control.enabled();
    state.invisible = !m_control.properties().visible || !m_field->isVisible();
    return state;
}

void *FieldItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface && role() == QAccessible::Button)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList FieldItemAccessible::actionNames() const
{
    if (m_control.takesClick())
        return {pressAction()};
    return {};
}

void FieldItemAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        m_control.click();
}

} // namespace platform::qt
