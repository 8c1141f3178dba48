// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form.h"

#include "picturebox.h"
#include "timer.h"

#include <algorithm>
#include <iterator>

namespace platform {

namespace {

std::unique_ptr<Control> createControl(const ControlProperties &properties)
{
    switch (properties.kind) {
    case ControlKind::Label:
        return std::make_unique<Label>(properties);
    case ControlKind::PictureBox:
        return std::make_unique<PictureBox>(properties);
    case ControlKind::TextBox:
        return std::make_unique<TextBox>(properties);
    case ControlKind::CommandButton:
        return std::make_unique<CommandButton>(properties);
    case ControlKind::Timer:
        return std::make_unique<Timer>(properties);
    }
    return std::make_unique<Control>(properties);
}

} // namespace

Form::Form(const FormProperties &properties, std::span<const ControlProperties> controls)
    : m_properties(properties)
{
    m_controls.reserve(controls.size());
    m_order.reserve(controls.size());
    for (const ControlProperties &control : controls) {
        m_controls.push_back(createControl(control));
        m_order.push_back(m_controls.back().get());
    }
    for (Control *control : m_order) {
        if (control->properties().container.empty())
            continue;
        if (auto *box = dynamic_cast<PictureBox *>(find(control->properties().container)))
            box->addChild(control);
    }
}

Control *Form::find(std::string_view name, int index) const
{
    for (Control *control : m_order) {
        if (control->name() == name && control->index() == index)
            return control;
    }
    return nullptr;
}

std::vector<Control *> Form::tabStops() const
{
    std::vector<Control *> stops;
    std::copy_if(m_order.begin(), m_order.end(), std::back_inserter(stops),
                 [](const Control *control) { return control->takesFocus(); });
    // Not std::ranges: the browser build's standard library lacks its stable_sort.
    std::stable_sort(stops.begin(), stops.end(), [](const Control *a, const Control *b) {
        return a->properties().tabIndex < b->properties().tabIndex;
    });
    return stops;
}

Control *Form::initialFocus() const
{
    const std::vector<Control *> stops = tabStops();
    return stops.empty() ? nullptr : stops.front();
}

std::vector<Control *> Form::stackingOrder() const
{
    std::vector<Control *> order = tabStops();
    const auto shown = [](const Control *control) {
        const ControlProperties &properties = control->properties();
        return properties.visible && properties.container.empty()
               && properties.kind != ControlKind::Timer;
    };
    const auto listed = [&order](const Control *control) {
        return std::find(order.begin(), order.end(), control) != order.end();
    };
    for (const bool captions : {false, true}) {
        for (Control *control : m_order) {
            if (shown(control) && (control->kind() == ControlKind::Label) == captions
                && !listed(control))
                order.push_back(control);
        }
    }
    std::erase_if(order, [&shown](const Control *control) { return !shown(control); });
    return order;
}

Control *Form::namedBy(const Control &caption) const
{
    const ControlName &target = caption.properties().labelFor;
    return target.name.empty() ? nullptr : find(target.name, target.index);
}

Control *Form::captionOf(const Control &control) const
{
    for (Control *caption : m_order) {
        if (namedBy(*caption) == &control)
            return caption;
    }
    return nullptr;
}

void Form::missing(std::string_view name, int index)
{
    std::string control(name);
    if (index >= 0)
        control += "(" + std::to_string(index) + ")";
    throw MissingControl("the window has no control " + control);
}

} // namespace platform
