// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fieldwindow.h"

#include "colors.h"
#include "fieldaccessible.h"

#include <windowsx.h>

#include <utility>

namespace platform::win32 {

bool FieldWindow::registerClass(HINSTANCE instance)
{
    return WindowProcedure::registerClass(instance, ClassName);
}

FieldWindow::FieldWindow(PictureBox &box, HWND parent, int id, const RECT &outer,
                         const PixelMapping &mapping)
    : WindowProcedure(m_window)
    , m_box(box)
    , m_mapping(mapping)
{
    if (box.properties().backColor)
        m_background.reset(CreateSolidBrush(colorOf(*box.properties().backColor)));
    const auto &children = box.children();
    m_childBrushes.reserve(children.size());
    for (const Control *child : children) {
        const auto &color = child->properties().backColor;
        m_childBrushes.emplace_back(color ? CreateSolidBrush(colorOf(*color)) : nullptr);
    }
    // In the tab order, so keyboard users see where they are; a click on a
    // shot leaves the focus where it was, since nothing here takes it.
    create(ClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE,
           outer, parent, id);
    for (std::size_t i = 0; i < children.size(); ++i) {
        Control *child = children[i];
        const LONG childId = LONG(i + 1);
        m_connections.push_back(child->moved.connect([this, child, childId](const TwipsRect &from) {
            childMoved(*child, from);
            NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, hwnd(), OBJID_CLIENT, childId);
        }));
        // A disabled shot looks the same, so only a screen reader hears of it.
        m_connections.push_back(child->enabledChanged.connect([this, childId](bool) {
            NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hwnd(), OBJID_CLIENT, childId);
        }));
    }
}

FieldWindow::~FieldWindow()
{
    // An object that a screen reader still holds must not reach the field.
    if (m_accessible)
        m_accessible->disconnect();
}

void FieldWindow::place(const RECT &outer, const PixelMapping &mapping)
{
    m_mapping = mapping;
    SetWindowPos(hwnd(), nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void FieldWindow::invalidate(const RECT &rect) const
{
    InvalidateRect(hwnd(), &rect, FALSE);
}

void FieldWindow::childMoved(const Control &child, const TwipsRect &from)
{
    // Only the two places the child left and took need painting again.
    invalidate(m_mapping.toPixels(from));
    invalidate(childRect(child));
}

void FieldWindow::paint()
{
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(hwnd(), &paint);
    RECT client;
    GetClientRect(hwnd(), &client);
    const SIZE size{client.right, client.bottom};
    if (!m_buffer || size.cx != m_bufferSize.cx || size.cy != m_bufferSize.cy) {
        m_buffer.reset(CreateCompatibleBitmap(screen, size.cx, size.cy));
        m_bufferSize = size;
    }
    // Drawn off screen first and copied in one go, so nothing flickers.
    MemoryDc buffer(CreateCompatibleDC(screen));
    if (m_buffer && buffer) {
        const Selection bitmap(buffer.get(), m_buffer.get());
        const RECT &dirty = paint.rcPaint;
        if (m_background)
            FillRect(buffer.get(), &dirty, m_background.get());
        const auto &children = m_box.children();
        for (std::size_t i = 0; i < children.size(); ++i) {
            const RECT place = childRect(*children[i]);
            RECT visible;
            if (children[i]->properties().visible && m_childBrushes[i]
                && IntersectRect(&visible, &place, &dirty))
                FillRect(buffer.get(), &visible, m_childBrushes[i].get());
        }
        if (GetFocus() == hwnd() && !(SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
            DrawFocusRect(buffer.get(), &client);
        BitBlt(screen, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
               buffer.get(), dirty.left, dirty.top, SRCCOPY);
    }
    EndPaint(hwnd(), &paint);
}

LRESULT FieldWindow::handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        paint();
        return 0;
    case WM_ERASEBKGND:
        // Everything inside the border is painted from the back buffer.
        return 1;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
        InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case WM_LBUTTONDOWN:
        m_pressed =
            m_box.clickTargetAt(m_mapping.toTwips({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        if (m_pressed)
            SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP: {
        Control *pressed = std::exchange(m_pressed, nullptr);
        if (GetCapture() == hwnd)
            ReleaseCapture();
        // A click is a press and a release on the same shot.
        if (pressed
            && pressed
                   == m_box.clickTargetAt(
                       m_mapping.toTwips({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})))
            pressed->click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        m_pressed = nullptr;
        return 0;
    case WM_GETOBJECT:
        if (const LRESULT answer = FieldAccessible::answer(m_accessible, *this, wParam, lParam))
            return answer;
        break;
    default:
        break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace platform::win32
