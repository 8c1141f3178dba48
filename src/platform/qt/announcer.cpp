// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

namespace platform::qt {

Announcer::Announcer(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // One pixel in a corner, with nothing painted: visible to a screen
    // reader, which ignores what is hidden, and to nobody else.
    setGeometry(0, 0, 1, 1);
}

void Announcer::announce(const QString &message)
{
    m_message = message;
    // Only the event: hiding and showing the widget itself would repaint.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

AnnouncerAccessible::AnnouncerAccessible(Announcer *announcer)
    : QAccessibleWidget(announcer, QAccessible::Notification)
{}

QAccessibleInterface *AnnouncerAccessible::create(const QString &, QObject *object)
{
    if (auto *announcer = qobject_cast<Announcer *>(object))
        return new AnnouncerAccessible(announcer);
    return nullptr;
}

QString AnnouncerAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return static_cast<Announcer *>(widget())->message();
    return QAccessibleWidget::text(t);
}

} // namespace platform::qt
