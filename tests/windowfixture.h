#pragma once

#include "rangefixture.h"

#include "platform/widgets/fieldwidget.h"
#include "platform/widgets/formwindow.h"

#include <QLineEdit>

// The real window on top of a started range, shown offscreen.
struct WindowFixture : RangeFixture {
    WindowFixture()
        : window(form.form())
    {
        window.show();
    }

    QWidget *widget(QStringView name, int index = -1) const
    {
        return window.widgetFor(*form.form().find(name, index));
    }
    platform::FieldWidget *field() const
    {
        return qobject_cast<platform::FieldWidget *>(widget(u"Picture1"));
    }
    QLineEdit *counter(int index) const
    {
        return qobject_cast<QLineEdit *>(widget(u"Text2", index));
    }
    // A point in the upper, visible part of a shot at rest, in field coordinates.
    QPoint shotPoint(int index) const
    {
        return field()->childRect(shot(index)).toRect().topLeft() + QPoint(4, 2);
    }

    platform::FormWindow window;
};
