// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handles.h"
#include "pixelmapping.h"
#include "platform/model/clickgesture.h"
#include "platform/model/picturebox.h"
#include "windowprocedure.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {

class FieldAccessible;

// Shows the field with the target and the shots, through a back buffer, and
// turns a click on an enabled shot into that shot's Click. Painting maps the
// children's places to pixels through the one mapping, and hit tests map a
// pixel back through it to ask the box, so a shot reacts exactly where it is
// drawn. The window paints its sunken border itself, as thick as the box's
// border at the window's dpi, around the box's inner area. Until its window
// is opened, the parent paints the field through it, with the same pixels.
class FieldWindow final : private WindowProcedure
{
public:
    static constexpr wchar_t ClassName[] = L"ClayRangeField";
    static bool registerClass(HINSTANCE instance);

    // outer: as for place(). The window itself comes with open().
    FieldWindow(PictureBox &box, HWND parent, int id, const RECT &outer,
                const PixelMapping &mapping);
    ~FieldWindow();

    // Makes the window and shows it just below insertAfter, over what the
    // parent painted there, without painting it again. False if it could not
    // be made.
    bool open(HWND insertAfter);
    // Nothing until open().
    HWND hwnd() const { return m_window.get(); }
    // Until open(), the parent paints the field here, dirty in its pixels.
    void paintOnParent(HDC dc, const RECT &dirty);
    PictureBox &box() const { return m_box; }
    // Places the field by its outer rectangle, in the parent's pixels.
    void place(const RECT &outer, const PixelMapping &mapping);
    // The box's inner area, where the children are drawn and clicked, in the
    // field's client pixels.
    RECT innerRect() const;
    // In the field's client pixels.
    RECT childRect(const Control &child) const { return childRect(child.rect()); }
    // The box's topmost visible child drawn at a point of the client area, if any.
    Control *childAt(POINT point) const { return m_box.childAt(toTwips(point)); }

private:
    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint();
    // Into a DC whose origin is the field's top left corner.
    void draw(HDC dc, const RECT &dirty);
    void invalidate(const RECT &rect) const;
    void childMoved(const Control &child, const TwipsRect &from);
    RECT childRect(const TwipsRect &rect) const;
    TwipsPoint toTwips(POINT point) const;
    void paintBorder(HDC dc, const RECT &client) const;

    PictureBox &m_box;
    HWND m_parent;
    int m_id;
    RECT m_outer;
    PixelMapping m_mapping;
    Brush m_background;
    std::vector<Brush> m_childBrushes;
    Bitmap m_buffer;
    SIZE m_bufferSize{};
    // Before the brushes and the buffer, which it paints with.
    Window m_window;
    ClickGesture m_click;
    // Made when a screen reader first asks, and kept for the window's life.
    ComPtr<FieldAccessible> m_accessible;
    std::vector<Connection> m_connections;
};

} // namespace platform::win32
