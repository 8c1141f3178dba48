// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fieldwidget.h"

#include "bevel.h"
#include "conversions.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPainter>

namespace platform::qt {

FieldWidget::FieldWidget(PictureBox &box, QWidget *parent)
    : QWidget(parent)
    , m_box(box)
    , m_click(box)
{
    // In the tab order, so keyboard users see where they are, but a click on a
    // shot leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    // Everything inside the border is painted here, so Qt need not clear it.
    setAttribute(Qt::WA_OpaquePaintEvent);
    const auto &children = box.children();
    for (int i = 0; i < int(children.size()); ++i) {
        Control *child = children[std::size_t(i)];
        m_connections.push_back(child->moved.connect([this, child, i](const TwipsRect &from) {
            childMoved(*child, from);
            notifyAccessibility(i, QAccessible::LocationChanged);
        }));
        // A disabled shot looks the same, so only a screen reader hears of it.
        m_connections.push_back(child->enabledChanged.connect(
            [this, i](bool) { notifyAccessibility(i, QAccessible::StateChanged); }));
    }
}

void FieldWidget::notifyAccessibility(int child, QAccessible::Event type)
{
    if (!m_accessibilityEvents && !QAccessible::isActive())
        return;
    QAccessibleInterface *field = QAccessible::queryAccessibleInterface(this);
    QAccessibleInterface *item = field ? field->child(child) : nullptr;
    if (!item)
        return;
    if (type == QAccessible::StateChanged) {
        QAccessible::State changed;
        changed.disabled = true;
        QAccessibleStateChangeEvent event(item, changed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleEvent event(item, type);
        QAccessible::updateAccessibility(&event);
    }
}

QRectF FieldWidget::innerRect() const
{
    const qreal border = PixelMapping().toLogical(PictureBox::BorderTwips);
    return QRectF(rect()).adjusted(border, border, -border, -border);
}

QRectF FieldWidget::childRect(const TwipsRect &rect) const
{
    return mapping().toLogical(rect, innerRect().topLeft());
}

TwipsPoint FieldWidget::toTwips(QPointF point) const
{
    return mapping().toTwips(point, innerRect().topLeft());
}

void FieldWidget::childMoved(const Control &child, const TwipsRect &from)
{
    // Only the two places the child left and took need painting again.
    const QRectF inner = innerRect();
    update(childRect(from).intersected(inner).toAlignedRect());
    update(childRect(child).intersected(inner).toAlignedRect());
}

void FieldWidget::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    Bevel::draw(painter, rect(), Bevel::Sunken);
    const QRectF inner = innerRect();
    if (m_box.properties().backColor)
        painter.fillRect(inner, toQColor(*m_box.properties().backColor));
    painter.setClipRect(inner);
    // A tick repaints only the places a child left and took; the other
    // children lie outside them.
    const QRectF dirty = event->rect();
    for (const Control *child : m_box.children()) {
        const QRectF place = childRect(*child);
        if (child->properties().visible && child->properties().backColor && place.intersects(dirty))
            painter.fillRect(place, toQColor(*child->properties().backColor));
    }
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(inner.toRect().adjusted(0, 0, -1, -1));
    }
}

void FieldWidget::mousePressEvent(QMouseEvent *event)
{
    QWidget::mousePressEvent(event);
    if (event->button() == Qt::LeftButton)
        m_click.press(toTwips(event->position()));
}

void FieldWidget::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is one more click.
    mousePressEvent(event);
}

void FieldWidget::mouseReleaseEvent(QMouseEvent *event)
{
    QWidget::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        m_click.release(toTwips(event->position()));
}

} // namespace platform::qt
