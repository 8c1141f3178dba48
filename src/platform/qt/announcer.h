// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QWidget>

namespace platform::qt {

// Tells a screen reader short news, such as a new count, without moving the
// focus. Qt 6.4 has no call for that; what AT-SPI and Orca honour is a
// notification that becomes visible, so each message shows it anew. It draws
// nothing and takes no clicks.
class Announcer : public QWidget
{
    Q_OBJECT

public:
    explicit Announcer(QWidget *parent);

    const QString &message() const { return m_message; }
    void announce(const QString &message);

private:
    QString m_message;
};

// The announcer as a screen reader sees it: a notification named by its message.
class AnnouncerAccessible : public QAccessibleWidget
{
public:
    explicit AnnouncerAccessible(Announcer *announcer);

    static QAccessibleInterface *create(const QString &className, QObject *object);

    QString text(QAccessible::Text t) const override;
};

} // namespace platform::qt
