// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handles.h"
#include "pixelmapping.h"
#include "platform/picturebox.h"
#include "windowprocedure.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {

class FieldAccessible;

// Shows the field with the target and the shots, through a back buffer, and
// turns a click on an enabled shot into that shot's Click. Painting maps the
// children's places to pixels through the one mapping, and hit tests map a
// pixel back through it to ask the box, so a shot reacts exactly where it is
// drawn. The window's client area is the field's inner area: the sunken
// border is the system's client edge.
class FieldWindow final : private WindowProcedure
{
public:
    static constexpr wchar_t ClassName[] = L"ClayRangeField";
    static bool registerClass(HINSTANCE instance);

    // outer: as for place().
    FieldWindow(PictureBox &box, HWND parent, int id, const RECT &outer,
                const PixelMapping &mapping);
    ~FieldWindow();

    HWND hwnd() const { return m_window.get(); }
    PictureBox &box() const { return m_box; }
    const PixelMapping &mapping() const { return m_mapping; }
    // Places the window by its outer rectangle, in the parent's pixels.
    void place(const RECT &outer, const PixelMapping &mapping);
    // In the field's client pixels.
    RECT childRect(const Control &child) const { return m_mapping.toPixels(child.rect()); }
    // The box's topmost visible child drawn at a point of the client area, if any.
    Control *childAt(POINT point) const { return m_box.childAt(m_mapping.toTwips(point)); }

private:
    LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) override;
    void paint();
    void invalidate(const RECT &rect) const;
    void childMoved(const Control &child, const TwipsRect &from);

    PictureBox &m_box;
    PixelMapping m_mapping;
    Brush m_background;
    std::vector<Brush> m_childBrushes;
    Bitmap m_buffer;
    SIZE m_bufferSize{};
    // Before the brushes and the buffer, which it paints with.
    Window m_window;
    Control *m_pressed = nullptr;
    // Made when a screen reader first asks, and kept for the window's life.
    ComPtr<FieldAccessible> m_accessible;
    std::vector<Connection> m_connections;
};

} // namespace platform::win32
