// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "pixelmapping.h"
#include "platform/model/clickgesture.h"
#include "platform/model/picturebox.h"

#include <QAccessible>
#include <QWidget>

#include <vector>

namespace platform::qt {

// Shows the field with the target and the shots, and turns a click on an
// enabled shot into that shot's Click. Painting maps the children's places
// to pixels through the one mapping, and hit tests map pixels back through it
// to ask the box, so a shot reacts exactly where it is drawn.
class FieldWidget : public QWidget
{
    Q_OBJECT

public:
    explicit FieldWidget(PictureBox &box, QWidget *parent = nullptr);

    PictureBox &box() const { return m_box; }
    // In logical pixels of this widget, snapped to its device pixels.
    QRectF childRect(const TwipsRect &rect) const;
    QRectF childRect(const Control &child) const { return childRect(child.rect()); }
    // The inner area, where the children are drawn and clicked.
    QRectF innerRect() const;
    // A point of this widget where the box's children are placed, for the
    // box's hit tests.
    TwipsPoint toTwips(QPointF point) const;
    // Once something has asked for the field's accessible children, it hears of
    // every move and state change; until then the tick pays nothing for them.
    void sendAccessibilityEvents() { m_accessibilityEvents = true; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    PixelMapping mapping() const { return PixelMapping(devicePixelRatioF()); }
    void childMoved(const Control &child, const TwipsRect &from);
    void notifyAccessibility(int child, QAccessible::Event type);

    PictureBox &m_box;
    std::vector<Connection> m_connections;
    ClickGesture m_click;
    bool m_accessibilityEvents = false;
};

} // namespace platform::qt
