// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "webrange.h"

#include "platform/model/pixelgrid.h"

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

val rect(const platform::TwipsRect &twips)
{
    val object = val::object();
    object.set("left", twips.left);
    object.set("top", twips.top);
    object.set("width", twips.width);
    object.set("height", twips.height);
    return object;
}

// What the view needs to take over the page's markup: which element is which
// control, where the field's children stand and what the text boxes hold.
val describe(int id, const Control &control)
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
    object.set("text", control.text());
    object.set("visible", properties.visible);
    object.set("clickable", control.clickable());
    return object;
}

// The core's pixel grid for the page. A grid is no more than its scale, so the
// page names the scale on each call and holds no object of the core's.
double gridSnap(double scale, double logical)
{
    return platform::PixelGrid(scale).snap(logical);
}

double gridLength(double scale, float twips)
{
    return platform::PixelGrid(scale).toLogical(twips);
}

platform::LogicalRect gridRect(double scale, const platform::TwipsRect &rect,
                               const platform::LogicalPoint &origin)
{
    return platform::PixelGrid(scale).toLogical(rect, origin);
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
    object.set("clientWidth", properties.clientWidth);
    object.set("clientHeight", properties.clientHeight);
    object.set("fieldBorder", platform::PictureBox::BorderTwips);
    return object;
}

val WebRange::controls() const
{
    val list = val::array();
    const auto &controls = m_form.form().controls();
    for (std::size_t i = 0; i < controls.size(); ++i)
        list.call<void>("push", describe(int(i), *controls[i]));
    return list;
}

void WebRange::click(int id)
{
    const auto &controls = m_form.form().controls();
    if (id < 0 || std::size_t(id) >= controls.size())
        return;
    controls[std::size_t(id)]->click();
}

void WebRange::wakeAt(Time time)
{
    m_listener.call<void>("wakeAt", double(time.count()) / 1000);
}

void WebRange::cancelWake()
{
    m_listener.call<void>("wakeAt", -1);
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
    emscripten::value_object<platform::TwipsRect>("TwipsRect")
        .field("left", &platform::TwipsRect::left)
        .field("top", &platform::TwipsRect::top)
        .field("width", &platform::TwipsRect::width)
        .field("height", &platform::TwipsRect::height);
    emscripten::value_object<platform::LogicalPoint>("LogicalPoint")
        .field("x", &platform::LogicalPoint::x)
        .field("y", &platform::LogicalPoint::y);
    emscripten::value_object<platform::LogicalRect>("LogicalRect")
        .field("left", &platform::LogicalRect::left)
        .field("top", &platform::LogicalRect::top)
        .field("width", &platform::LogicalRect::width)
        .field("height", &platform::LogicalRect::height);
    emscripten::function("gridSnap", &gridSnap);
    emscripten::function("gridLength", &gridLength);
    emscripten::function("gridRect", &gridRect);

    emscripten::class_<WebRange>("WebRange")
        .constructor<val>()
        .function("form", &WebRange::form)
        .function("controls", &WebRange::controls)
        .function("click", &WebRange::click)
        .function("activeShot", &WebRange::activeShot)
        .function("clockRunning", &WebRange::clockRunning)
        .function("wake", &WebRange::wake);
}
