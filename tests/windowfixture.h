// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rangefixture.h"

#include "platform/qt/fieldwidget.h"
#include "platform/qt/formwindow.h"

#include <QLineEdit>

// The real window on top of a started range, shown offscreen.
struct WindowFixture : RangeFixture {
    WindowFixture()
        : window(form.form())
        , news(form.announced.connect(
              [this](const std::string &message) { window.announce(message); }))
    {
        window.show();
    }

    QWidget *widget(std::string_view name, int index = -1) const
    {
        return window.widgetFor(*form.form().find(name, index));
    }
    platform::qt::FieldWidget *field() const
    {
        return qobject_cast<platform::qt::FieldWidget *>(widget("Picture1"));
    }
    QLineEdit *counter(int index) const
    {
        return qobject_cast<QLineEdit *>(widget("Text2", index));
    }
    // A point in the upper, visible part of a shot at rest, in field coordinates.
    QPoint shotPoint(int index) const
    {
        return field()->childRect(shot(index)).toRect().topLeft() + QPoint(4, 2);
    }

    platform::qt::FormWindow window;
    platform::Connection news;
};
