// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "webrange.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>

using emscripten::val;
using platform::Control;
using platform::ControlKind;

namespace {

const char *kindName(ControlKind kind)
{
    switch (kind) {
    case ControlKind::Label:
        return "Label";
    case ControlKind::PictureBox:
        return "PictureBox";
    case ControlKind::TextBox:
        return "TextBox";
    case ControlKind::CommandButton:
        return "CommandButton";
    case ControlKind::Timer:
        return "Timer";
    }
    return "";
}

val color(const std::optional<platform::Rgb> &rgb)
{
    if (!rgb)
        return val::null();
    val object = val::object();
    object.set("red", rgb->red);
    object.set("green", rgb->green);
    object.set("blue", rgb->blue);
    return object;
}

val rect(const platform::TwipsRect &twips)
{
    val object = val::object();
    object.set("left", twips.left);
    object.set("top", twips.top);
    object.set("width", twips.width);
    object.set("height", twips.height);
    return object;
}

// caption: the id of the caption that names this control, or -1; layer: its
// place in the window's stacking order, front first, or -1 where it is not
// shown on the window itself.
val describe(int id, const Control &control, int caption, int layer)
{
    const platform::ControlProperties &properties = control.properties();
    val object = val::object();
    object.set("id", id);
    object.set("kind", kindName(properties.kind));
    object.set("name", properties.name);
    object.set("index", properties.index);
    object.set("container", properties.container);
    // Where the control stands now: the shots have left their design height.
    object.set("rect", rect(control.rect()));
    object.set("backColor", color(properties.backColor));
    object.set("text", control.text());
    object.set("tabIndex", properties.tabIndex);
    object.set("centered", properties.alignment == platform::Alignment::Center);
    object.set("visible", properties.visible);
    object.set("enabled", control.enabled());
    object.set("clickable", control.clickable());
    object.set("multiLine", properties.multiLine);
    object.set("readOnly", properties.readOnly);
    object.set("verticalScrollBar", properties.verticalScrollBar);
    object.set("interval", properties.interval);
    object.set("accessibleName", properties.accessibleName);
    object.set("caption", caption);
    object.set("layer", layer);
    return object;
}

} // namespace

WebRange::WebRange(val listener)
    : m_listener(std::move(listener))
    , m_schedule(m_form.controls().Timer1, *this)
{
    m_form.Form_Load();
    const auto &controls = m_form.form().controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        listen(int(i), *controls[i]);
    m_connections.push_back(m_form.announced.connect(
        [this](const std::string &message) { m_listener.call<void>("announce", message); }));
}

void WebRange::listen(int id, Control &control)
{
    m_connections.push_back(
        control.moved.connect([this, id, &control](const platform::TwipsRect &) {
            m_listener.call<void>("moved", id, control.left(), control.top());
        }));
    m_connections.push_back(control.enabledChanged.connect(
        [this, id](bool enabled) { m_listener.call<void>("enabledChanged", id, enabled); }));
    m_connections.push_back(control.textChanged.connect(
        [this, id](const std::string &text) { m_listener.call<void>("textChanged", id, text); }));
}

val WebRange::form() const
{
    const platform::FormProperties &properties = m_form.form().properties();
    val object = val::object();
    object.set("caption", properties.caption);
    object.set("clientWidth", properties.clientWidth);
    object.set("clientHeight", properties.clientHeight);
    object.set("backColor", color(properties.backColor));
    val families = val::array();
    for (const std::string &family : properties.fontFamilies)
        families.call<void>("push", family);
    object.set("fontFamilies", families);
    object.set("fontPointSize", properties.fontPointSize);
    object.set("twipsPerPixel", platform::TwipsPerPixel);
    object.set("fieldBorder", platform::PictureBox::BorderTwips);
    return object;
}

val WebRange::controls() const
{
    val list = val::array();
    const platform::Form &form = m_form.form();
    const std::vector<Control *> stacking = form.stackingOrder();
    const auto placeIn = [](const std::vector<Control *> &order, const Control *control) {
        const auto found = std::find(order.begin(), order.end(), control);
        return found != order.end() ? int(found - order.begin()) : -1;
    };
    const auto &controls = form.controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control &control = *controls[i];
        list.call<void>("push",
                        describe(int(i), control, placeIn(controls, form.captionOf(control)),
                                 placeIn(stacking, &control)));
    }
    return list;
}

void WebRange::click(int id)
{
    const auto &controls = m_form.form().controls();
    if (id < 0 || std::size_t(id) >= controls.size())
        return;
    controls[std::size_t(id)]->click();
}

double WebRange::wakeTime() const
{
    return m_wakeTime ? double(m_wakeTime->count()) / 1000 : -1;
}

platform::ClockHost::Time WebRange::now()
{
    // performance.now(), in milliseconds with a fraction.
    return Time(std::llround(emscripten_get_now() * 1000));
}

int WebRange::activeShot() const
{
    return m_form.range().state().ActiveShot;
}

EMSCRIPTEN_BINDINGS(clayrange)
{
    emscripten::class_<WebRange>("WebRange")
        .constructor<val>()
        .function("form", &WebRange::form)
        .function("controls", &WebRange::controls)
        .function("click", &WebRange::click)
        .function("activeShot", &WebRange::activeShot)
        .function("clockRunning", &WebRange::clockRunning)
        .function("wakeTime", &WebRange::wakeTime)
        .function("wake", &WebRange::wake);
}
