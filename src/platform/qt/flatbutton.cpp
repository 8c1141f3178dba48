// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flatbutton.h"

#include "bevel.h"

#include <QPainter>

namespace platform::qt {

FlatButton::FlatButton(const QString &text, const QColor &face, QWidget *parent)
    : QPushButton(text, parent)
    , m_face(face)
{}

void FlatButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, m_face);
    const bool down = isDown();
    Bevel::draw(painter, area, down ? Bevel::Pressed : Bevel::Raised);

    // A pressed caption moves by a pixel, as on a real key.
    const int shift = down ? 1 : 0;
    painter.setPen(Qt::black);
    painter.drawText(area.translated(shift, shift), Qt::AlignCenter, text());

    if (hasFocus()) {
        QPen pen(Qt::black, 1, Qt::DotLine);
        painter.setPen(pen);
        painter.drawRect(area.adjusted(4, 4, -5, -5).translated(shift, shift));
    }
}

} // namespace platform::qt
