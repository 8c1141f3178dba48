// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handles.h"
#include "pixelmapping.h"
#include "platform/picturebox.h"

#include <windows.h>

#include <vector>

namespace platform::win32 {

class FieldAccessible;

// Shows the field with the target and the shots, through a back buffer, and
// turns a click on an enabled shot into that shot's Click. Painting and
// hit-testing share childRect(), so a shot reacts exactly where it is drawn.
// The window's client area is the field's inner area: the sunken border is
// the system's client edge.
class FieldWindow
{
public:
    static constexpr wchar_t ClassName[] = L"ClayRangeField";
    static bool registerClass(HINSTANCE instance);

    FieldWindow(PictureBox &box, HWND parent, int id);
    ~FieldWindow();
    FieldWindow(const FieldWindow &) = delete;
    FieldWindow &operator=(const FieldWindow &) = delete;

    HWND hwnd() const { return m_hwnd; }
    PictureBox &box() const { return m_box; }
    // Places the window by its outer rectangle, in the parent's pixels.
    void place(const RECT &outer, const PixelMapping &mapping);
    // In the field's client pixels.
    RECT childRect(const Control &child) const { return m_mapping.toPixels(child.rect()); }
    // The topmost visible child drawn at a point of the client area, if any.
    Control *childAt(POINT point) const;

private:
    static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    void invalidate(const RECT &rect) const;
    void childMoved(const Control &child, const TwipsRect &from);

    PictureBox &m_box;
    HWND m_hwnd = nullptr;
    PixelMapping m_mapping;
    Brush m_background;
    std::vector<Brush> m_childBrushes;
    Bitmap m_buffer;
    SIZE m_bufferSize{};
    Control *m_pressed = nullptr;
    FieldAccessible *m_accessible = nullptr;
    std::vector<Connection> m_connections;
    friend class FieldAccessible;
};

} // namespace platform::win32
