// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace platform {
class Control;
}

namespace platform::qt {

class FieldWidget;

// Presents the field to screen readers as a pane whose children are the target
// and the shots, each with its current place on screen and enabled state.
class FieldAccessible : public QAccessibleWidget
{
public:
    explicit FieldAccessible(FieldWidget *field);
    ~FieldAccessible() override;

    static QAccessibleInterface *create(const QString &className, QObject *object);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    FieldWidget *field() const;

    mutable std::vector<QAccessible::Id> m_children;
};

// One object drawn in the field: the target, or a shot that can be pressed.
class FieldItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    FieldItemAccessible(FieldWidget *field, Control &control);

    Control &control() const { return m_control; }

    bool isValid() const override;
    QObject *object() const override;
    QWindow *window() const override;
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<FieldWidget> m_field;
    // The form outlives the window, and the field deletes its children's
    // interfaces when it goes.
    Control &m_control;
};

} // namespace platform::qt
