// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the window as it opens, in the reset state, as HTML: run when the page
// is built, so that the page paints its first frame before the core has
// compiled. The core then takes over these very elements (formview.mjs).

#include "platform/model/picturebox.h"
#include "platform/model/pixelgrid.h"
#include "ui/rangeform.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

using platform::Control;
using platform::ControlKind;

namespace {

// Everything beyond ASCII as a character reference: the page stays ASCII,
// which spares the browser a guess at its encoding.
std::string escaped(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x80) {
            switch (byte) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\r':
                break;
            default:
                out += char(byte);
            }
            ++i;
            continue;
        }
        const int length = byte >= 0xf0 ? 4 : byte >= 0xe0 ? 3 : 2;
        char32_t code = byte & (0x3f >> (length - 1));
        for (int k = 1; k < length && i + std::size_t(k) < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + std::size_t(k)]) & 0x3f);
        out += "&#" + std::to_string(std::uint32_t(code)) + ';';
        i += std::size_t(length);
    }
    return out;
}

std::string number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    return text;
}

// At one device pixel a pixel, as the first frame is painted everywhere; the
// view then puts what moves on the device's own grid.
std::string pixels(float twips)
{
    return number(platform::PixelGrid().toLogical(twips)) + "px";
}

std::string color(const std::optional<platform::Rgb> &rgb)
{
    if (!rgb)
        return {};
    return "background-color:rgb(" + std::to_string(rgb->red) + ", " + std::to_string(rgb->green)
           + ", " + std::to_string(rgb->blue) + ");";
}

std::string elementId(const Control &control)
{
    return control.index() < 0 ? control.name()
                               : control.name() + '-' + std::to_string(control.index());
}

// Centred on whole pixels, or at the corner of a viewport too small for it;
// the view keeps it there as the viewport changes.
std::string centred(std::string_view edge, std::string_view room, float size)
{
    return std::string(edge) + ":max(0px, round((" + std::string(room) + " - " + pixels(size)
           + ") / 2, 1px));";
}

class Markup
{
public:
    explicit Markup(const platform::Form &form)
        : m_form(form)
    {}

    std::string client() const
    {
        const platform::FormProperties &properties = m_form.properties();
        std::string families;
        for (const std::string &family : properties.fontFamilies)
            families += '"' + family + "\", ";
        std::string html = "<div class=\"client\" style=\"width:" + pixels(properties.clientWidth)
                           + ";height:" + pixels(properties.clientHeight) + ';'
                           + color(properties.backColor) + "font-family:" + escaped(families)
                           + "serif;font-size:" + number(properties.fontPointSize * 96.0 / 72)
                           + "px;" + centred("left", "100vw", properties.clientWidth)
                           + centred("top", "100vh", properties.clientHeight) + "\">\n";
        const std::vector<Control *> shown = m_form.stackingOrder();
        for (std::size_t layer = 0; layer < shown.size(); ++layer)
            html += control(*shown[layer], shown.size() - layer);
        return html
               + "<div class=\"announcer\" role=\"status\" aria-live=\"polite\"></div>\n</div>\n";
    }

private:
    // The attributes every control on the window has: where it stands, how it
    // stacks, and whether Tab stops at it.
    std::string common(const Control &control, std::size_t zIndex, std::string_view kindClass,
                       bool focusable) const
    {
        const platform::TwipsRect &r = control.rect();
        std::string focus;
        if (control.takesFocus() != focusable)
            focus = control.takesFocus() ? " tabindex=\"0\"" : " tabindex=\"-1\"";
        if (m_form.initialFocus() == &control)
            focus += " autofocus";
        return " id=\"" + elementId(control) + "\" class=\"" + std::string(kindClass) + " control\""
               + focus + " style=\"z-index:" + std::to_string(zIndex) + ";left:" + pixels(r.left)
               + ";top:" + pixels(r.top) + ";width:" + pixels(r.width)
               + ";height:" + pixels(r.height)
               + ';'
               // The field's colour is its inner area's, inside the bevel.
               + (control.kind() == ControlKind::PictureBox
                      ? std::string()
                      : color(control.properties().backColor));
    }

    std::string control(const Control &control, std::size_t zIndex) const
    {
        const platform::ControlProperties &p = control.properties();
        const bool centered = p.alignment == platform::Alignment::Center;
        const std::string align = centered ? "text-align:center;" : "";
        switch (p.kind) {
        case ControlKind::Label:
            return "<div" + common(control, zIndex, "caption", false) + align + "\">"
                   + escaped(control.shownText()) + "</div>\n";
        case ControlKind::CommandButton:
            return "<button type=\"button\"" + common(control, zIndex, "command", true)
                   + "\"><span>" + escaped(control.text()) + "</span></button>\n";
        case ControlKind::TextBox: {
            std::string name;
            if (const Control *caption = m_form.captionOf(control))
                name = " aria-labelledby=\"" + elementId(*caption) + '"';
            else if (!p.accessibleName.empty())
                name = " aria-label=\"" + escaped(p.accessibleName) + '"';
            const std::string box = " readonly spellcheck=\"false\" autocomplete=\"off\"" + name;
            if (p.multiLine)
                // The line break after the tag is the parser's, not the text's.
                return "<textarea" + common(control, zIndex, "panel", true)
                       + (p.verticalScrollBar ? "overflow-y:scroll;" : "") + '"' + box + ">\n"
                       + escaped(control.text()) + "</textarea>\n";
            return "<input type=\"text\"" + common(control, zIndex, "counter", true) + align
                   + "\" value=\"" + escaped(control.text()) + '"' + box + ">\n";
        }
        case ControlKind::PictureBox:
            return field(static_cast<const platform::PictureBox &>(control), zIndex);
        case ControlKind::Timer:
            break;
        }
        return {};
    }

    // The field and what it holds, back to front in the order of the
    // description: the shots cover the target.
    std::string field(const platform::PictureBox &box, std::size_t zIndex) const
    {
        std::string html =
            "<div role=\"group\" aria-label=\"" + escaped(box.properties().accessibleName) + '"'
            + common(box, zIndex, "field", false)
            + "--border:" + pixels(platform::PictureBox::BorderTwips)
            + "\"><div class=\"field-inner\" style=\"" + color(box.properties().backColor) + "\">";
        for (const Control *child : m_form.controls()) {
            const platform::ControlProperties &p = child->properties();
            if (p.container != box.name() || !p.visible)
                continue;
            const std::string role = child->clickable()
                                         ? std::string("button\" data-resting aria-disabled=\"")
                                               + (child->enabled() ? "false" : "true")
                                         : "img";
            html += "<div id=\"" + elementId(*child) + "\" class=\"field-child\" role=\"" + role
                    + "\" aria-label=\"" + escaped(p.accessibleName) + "\" style=\""
                    + color(p.backColor) + "width:" + pixels(child->width())
                    + ";height:" + pixels(child->height()) + ";transform:translate("
                    + pixels(child->left()) + ", " + pixels(child->top()) + ")\"></div>";
        }
        return html + "</div></div>\n";
    }

    const platform::Form &m_form;
};

} // namespace

int main()
{
    RangeForm form;
    form.Form_Load();
    const platform::Form &window = form.form();
    // The caption on a line of its own, for the page's head; then its body.
    const std::string markup =
        escaped(window.properties().caption) + '\n' + Markup(window).client();
    std::fwrite(markup.data(), 1, markup.size(), stdout);
    return 0;
}
