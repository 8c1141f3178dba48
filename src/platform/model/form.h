// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "control.h"

#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A description that lacks a control the program needs: a build fault, which
// each front end reports in its own way before it stops.
class MissingControl : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

struct FormProperties {
    std::string caption;
    float clientWidth = 0; // twips
    float clientHeight = 0;
    Rgb backColor;
    // The design's font first, then stand-ins with the same metrics.
    std::vector<std::string> fontFamilies;
    int fontPointSize = 0;
};

// A window's controls, built from its description and owned for the window's
// life. Nothing is ever added or removed once it is built.
class Form
{
public:
    Form(const FormProperties &properties, std::span<const ControlProperties> controls);

    const FormProperties &properties() const { return m_properties; }
    // In the order of the description; stackingOrder() says how the window's
    // own controls overlap.
    const std::vector<Control *> &controls() const { return m_order; }

    Control *find(std::string_view name, int index = -1) const;
    // The controls that take the keyboard focus, in the order Tab moves through
    // them.
    std::vector<Control *> tabStops() const;
    // The control that holds the focus when the window opens: the first tab
    // stop, or none.
    Control *initialFocus() const;
    // The controls shown on the window itself, front to back: the tab stops in
    // tab order, then the rest, and the captions last, behind what overlaps
    // them. Hidden controls, the timer and what a container holds are left out.
    std::vector<Control *> stackingOrder() const;
    // The control a caption names, such as the attempts box for "Опити:";
    // none for a caption that names nothing or any other control.
    Control *namedBy(const Control &caption) const;
    // The caption that names a control, or none.
    Control *captionOf(const Control &control) const;

    // For controls the program cannot do without: a description that lacks one
    // is a build fault, caught by the tests, never a state the program runs in.
    template <typename T> T &require(std::string_view name, int index = -1) const
    {
        auto *control = dynamic_cast<T *>(find(name, index));
        if (!control)
            missing(name, index);
        return *control;
    }

private:
    [[noreturn]] static void missing(std::string_view name, int index);

    FormProperties m_properties;
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<Control *> m_order;
};

} // namespace platform
