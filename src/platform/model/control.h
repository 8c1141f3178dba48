// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rgb.h"
#include "signal.h"
#include "twips.h"

#include <optional>
#include <string>
#include <string_view>

namespace platform {

enum class ControlKind { Label, PictureBox, TextBox, CommandButton, Timer };
enum class Alignment { Left, Center };

struct ControlName {
    std::string name;
    int index = -1; // -1: not part of a control array
};

// The design-time description of one control, as the window is laid out.
// Texts are UTF-8. Every member has an initializer, so a design names only
// what it sets without clang's missing-field warning.
struct ControlProperties {
    ControlKind kind = ControlKind::Label;
    std::string name{};
    int index = -1;          // -1: not part of a control array
    std::string container{}; // empty: the window itself
    TwipsRect rect{};
    std::optional<Rgb> backColor{}; // empty: the toolkit's standard look
    std::string text{};
    int tabIndex = -1;
    Alignment alignment = Alignment::Left;
    bool visible = true;
    bool enabled = true;
    bool clickable = false; // a label that delivers Click
    bool multiLine = false;
    bool readOnly = false;
    bool verticalScrollBar = false;
    int interval = 0; // timers, in milliseconds
    std::string accessibleName{};
    ControlName labelFor{}; // a caption that names the control beside it
};

// A control as the range logic sees it: geometry in twips, an enabled state and
// a text, with a notification for every change so that views can follow.
class Control
{
public:
    explicit Control(const ControlProperties &properties);
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const ControlProperties &properties() const { return m_properties; }
    ControlKind kind() const { return m_properties.kind; }
    const std::string &name() const { return m_properties.name; }
    int index() const { return m_properties.index; }

    const TwipsRect &rect() const { return m_rect; }
    float left() const { return m_rect.left; }
    float top() const { return m_rect.top; }
    float width() const { return m_rect.width; }
    float height() const { return m_rect.height; }
    void setLeft(float left);
    void setTop(float top);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    const std::string &text() const { return m_text; }
    // Reuses the text's storage, so a counter that grows by a digit now and
    // then does not allocate on every change.
    void setText(std::string_view text);
    // The text as a control shows it: a caption's closing line breaks only
    // add an empty line below it, so they are left out.
    std::string_view shownText() const;

    // Whether Tab stops at the control: the text boxes, the field and the
    // buttons. Captions, hidden controls and the timer never take the focus.
    bool takesFocus() const;

    // A control whose Click the window delivers: the buttons, and captions made
    // to take clicks, such as the shots. The field, the target and the other
    // captions never react.
    bool clickable() const
    {
        return kind() == ControlKind::CommandButton || m_properties.clickable;
    }
    // Whether a click now delivers Click: a disabled control ignores it.
    bool takesClick() const { return m_enabled && clickable(); }
    // What a mouse click delivers: Click if the control takes it, else nothing.
    void click();

    Signal<TwipsRect> moved; // with the place it left
    Signal<bool> enabledChanged;
    Signal<std::string> textChanged;
    Signal<int> clicked; // with the control's index

private:
    void moveTo(const TwipsRect &rect);

    const ControlProperties m_properties;
    TwipsRect m_rect;
    bool m_enabled;
    std::string m_text;
};

// A caption, the target or a shot.
class Label : public Control
{
public:
    using Control::Control;
};

// A text box; the logic only ever reads and writes its text.
class TextBox : public Control
{
public:
    using Control::Control;
};

// A push button; the logic only listens to its clicks.
class CommandButton : public Control
{
public:
    using Control::Control;
};

} // namespace platform
