#include "form.h"

#include "picturebox.h"
#include "timer.h"

namespace platform {

namespace {

Control *createControl(const ControlProperties &properties, QObject *parent)
{
    switch (properties.kind) {
    case ControlKind::Label:
        return new Label(properties, parent);
    case ControlKind::PictureBox:
        return new PictureBox(properties, parent);
    case ControlKind::TextBox:
        return new TextBox(properties, parent);
    case ControlKind::CommandButton:
        return new CommandButton(properties, parent);
    case ControlKind::Timer:
        return new Timer(properties, parent);
    }
    return nullptr;
}

} // namespace

Form::Form(const FormProperties &properties, std::span<const ControlProperties> controls,
           QObject *parent)
    : QObject(parent)
    , m_properties(properties)
{
    m_controls.reserve(controls.size());
    for (const ControlProperties &control : controls)
        m_controls.push_back(createControl(control, this));
    for (Control *control : m_controls) {
        if (control->properties().container.isEmpty())
            continue;
        if (auto *box = dynamic_cast<PictureBox *>(find(control->properties().container)))
            box->addChild(control);
    }
}

Control *Form::find(QStringView name, int index) const
{
    for (Control *control : m_controls) {
        if (control->name() == name && control->index() == index)
            return control;
    }
    return nullptr;
}

void Form::missing(QStringView name, int index)
{
    qFatal("The window has no control %s(%d)", qPrintable(name.toString()), index);
}

} // namespace platform
