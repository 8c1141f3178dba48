// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fieldwindow.h"

#include "fieldaccessible.h"

#include <windowsx.h>

#include <utility>

namespace platform::win32 {

namespace {

COLORREF colorOf(const Rgb &color)
{
    return RGB(color.red, color.green, color.blue);
}

} // namespace

bool FieldWindow::registerClass(HINSTANCE instance)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &FieldWindow::windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.lpszClassName = ClassName;
    return RegisterClassExW(&windowClass) != 0;
}

FieldWindow::FieldWindow(PictureBox &box, HWND parent, int id)
    : m_box(box)
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
    m_hwnd = CreateWindowExW(
        WS_EX_CLIENTEDGE, ClassName, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0,
        0, 0, 0, parent, reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), this);
    for (std::size_t i = 0; i < children.size(); ++i) {
        Control *child = children[i];
        const LONG childId = LONG(i + 1);
        m_connections.push_back(child->moved.connect([this, child, childId](const TwipsRect &from) {
            childMoved(*child, from);
            NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, m_hwnd, OBJID_CLIENT, childId);
        }));
        // A disabled shot looks the same, so only a screen reader hears of it.
        m_connections.push_back(child->enabledChanged.connect([this, childId](bool) {
            NotifyWinEvent(EVENT_OBJECT_STATECHANGE, m_hwnd, OBJID_CLIENT, childId);
        }));
    }
}

FieldWindow::~FieldWindow()
{
    m_connections.clear();
    if (m_hwnd) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
    FieldAccessible::detach(m_accessible);
}

void FieldWindow::place(const RECT &outer, const PixelMapping &mapping)
{
    m_mapping = mapping;
    SetWindowPos(m_hwnd, nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_hwnd, nullptr, FALSE);
}

Control *FieldWindow::childAt(POINT point) const
{
    RECT client;
    GetClientRect(m_hwnd, &client);
    if (!PtInRect(&client, point))
        return nullptr;
    // Topmost first: later children are drawn over earlier ones.
    const auto &children = m_box.children();
    for (auto child = children.rbegin(); child != children.rend(); ++child) {
        const RECT place = childRect(**child);
        if ((*child)->properties().visible && PtInRect(&place, point))
            return *child;
    }
    return nullptr;
}

void FieldWindow::invalidate(const RECT &rect) const
{
    InvalidateRect(m_hwnd, &rect, FALSE);
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
    HDC screen = BeginPaint(m_hwnd, &paint);
    RECT client;
    GetClientRect(m_hwnd, &client);
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
        if (GetFocus() == m_hwnd && !(SendMessageW(m_hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
            DrawFocusRect(buffer.get(), &client);
        BitBlt(screen, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
               buffer.get(), dirty.left, dirty.top, SRCCOPY);
    }
    EndPaint(m_hwnd, &paint);
}

LRESULT CALLBACK FieldWindow::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self =
            static_cast<FieldWindow *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<FieldWindow *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->handle(message, wParam, lParam)
                : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT FieldWindow::handle(UINT message, WPARAM wParam, LPARAM lParam)
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
        InvalidateRect(m_hwnd, nullptr, FALSE);
        break;
    case WM_LBUTTONDOWN:
        m_pressed = childAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        if (m_pressed)
            SetCapture(m_hwnd);
        return 0;
    case WM_LBUTTONUP: {
        Control *pressed = std::exchange(m_pressed, nullptr);
        if (GetCapture() == m_hwnd)
            ReleaseCapture();
        // A click is a press and a release on the same shot; the target and
        // the field itself ignore clicks, and a disabled shot delivers none.
        if (pressed && pressed == childAt({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})
            && pressed->properties().clickable)
            pressed->click();
        return 0;
    }
    case WM_CAPTURECHANGED:
        m_pressed = nullptr;
        return 0;
    case WM_NCDESTROY: {
        HWND hwnd = std::exchange(m_hwnd, nullptr);
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    case WM_GETOBJECT:
        if (const LRESULT answer = FieldAccessible::answer(*this, wParam, lParam))
            return answer;
        break;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}

} // namespace platform::win32
