// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fieldwindow.h"

#include "colors.h"
#include "fieldaccessible.h"

#include <windowsx.h>

namespace platform::win32 {

bool FieldWindow::registerClass(HINSTANCE instance)
{
    return WindowProcedure::registerClass(instance, ClassName);
}

FieldWindow::FieldWindow(PictureBox &box, HWND parent, int id, const RECT &outer,
                         const PixelMapping &mapping)
    : WindowProcedure(m_window)
    , m_box(box)
    , m_parent(parent)
    , m_id(id)
    , m_outer(outer)
    , m_mapping(mapping)
    , m_click(box)
{
    if (box.properties().backColor)
        m_background.reset(CreateSolidBrush(colorOf(*box.properties().backColor)));
    const auto &children = box.children();
    m_childBrushes.reserve(children.size());
    for (const Control *child : children) {
        const auto &color = child->properties().backColor;
        m_childBrushes.emplace_back(color ? CreateSolidBrush(colorOf(*color)) : nullptr);
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        Control *child = children[i];
        const LONG childId = LONG(i + 1);
        m_connections.push_back(child->moved.connect([this, child, childId](const TwipsRect &from) {
            childMoved(*child, from);
            if (hwnd())
                NotifyWinEvent(EVENT_OBJECT_LOCATIONCHANGE, hwnd(), OBJID_CLIENT, childId);
        }));
        // A disabled shot looks the same, so only a screen reader hears of it.
        m_connections.push_back(child->enabledChanged.connect([this, childId](bool) {
            if (hwnd())
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

bool FieldWindow::open(HWND insertAfter)
{
    // In the tab order, so keyboard users see where they are; a click on a
    // shot leaves the focus where it was, since nothing here takes it.
    if (!create(ClassName, L"", WS_CHILD | WS_TABSTOP | WS_CLIPSIBLINGS, 0, m_outer, m_parent,
                m_id))
        return false;
    // The parent has painted these very pixels, and clips them from now on.
    SetWindowPos(hwnd(), insertAfter, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOREDRAW);
    return true;
}

void FieldWindow::place(const RECT &outer, const PixelMapping &mapping)
{
    m_outer = outer;
    m_mapping = mapping;
    // Before open(), the parent paints the field where it now is.
    if (!hwnd())
        return;
    SetWindowPos(hwnd(), nullptr, outer.left, outer.top, outer.right - outer.left,
                 outer.bottom - outer.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(hwnd(), nullptr, FALSE);
}

RECT FieldWindow::innerRect() const
{
    const TwipsRect inner = m_box.innerRect();
    return m_mapping.toPixels(
        {inner.left - m_box.left(), inner.top - m_box.top(), inner.width, inner.height});
}

RECT FieldWindow::childRect(const TwipsRect &rect) const
{
    const RECT inner = innerRect();
    return m_mapping.toPixels(rect, {inner.left, inner.top});
}

TwipsPoint FieldWindow::toTwips(POINT point) const
{
    const RECT inner = innerRect();
    return m_mapping.toTwips(point, {inner.left, inner.top});
}

void FieldWindow::paintBorder(HDC dc, const RECT &client) const
{
    // The system's sunken edge, its outer and inner ring each drawn as many
    // times as the border's half is thick.
    const LONG thickness = innerRect().left;
    RECT ring = client;
    for (LONG i = 0; i < thickness; ++i) {
        DrawEdge(dc, &ring, i < thickness / 2 ? BDR_SUNKENOUTER : BDR_SUNKENINNER, BF_RECT);
        InflateRect(&ring, -1, -1);
    }
}

void FieldWindow::invalidate(const RECT &rect) const
{
    // Before open(), the parent's first frame paints the field whole.
    if (hwnd())
        InvalidateRect(hwnd(), &rect, FALSE);
}

void FieldWindow::childMoved(const Control &child, const TwipsRect &from)
{
    // Only the two places the child left and took need painting again.
    invalidate(childRect(from));
    invalidate(childRect(child));
}

void FieldWindow::paint()
{
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(hwnd(), &paint);
    draw(screen, paint.rcPaint);
    EndPaint(hwnd(), &paint);
}

void FieldWindow::paintOnParent(HDC dc, const RECT &dirty)
{
    RECT mine;
    if (hwnd() || !IntersectRect(&mine, &dirty, &m_outer))
        return;
    OffsetRect(&mine, -m_outer.left, -m_outer.top);
    POINT origin;
    SetViewportOrgEx(dc, m_outer.left, m_outer.top, &origin);
    draw(dc, mine);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
}

void FieldWindow::draw(HDC screen, const RECT &dirty)
{
    const RECT client{0, 0, m_outer.right - m_outer.left, m_outer.bottom - m_outer.top};
    const SIZE size{client.right, client.bottom};
    if (!m_buffer || size.cx != m_bufferSize.cx || size.cy != m_bufferSize.cy) {
        m_buffer.reset(CreateCompatibleBitmap(screen, size.cx, size.cy));
        m_bufferSize = size;
    }
    // Drawn off screen first and copied in one go, so nothing flickers.
    MemoryDc buffer(CreateCompatibleDC(screen));
    if (!m_buffer || !buffer)
        return;
    const Selection bitmap(buffer.get(), m_buffer.get());
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
    // Over the children, which the border clips.
    paintBorder(buffer.get(), client);
    const RECT inner = innerRect();
    if (hwnd() && GetFocus() == hwnd()
        && !(SendMessageW(hwnd(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS))
        DrawFocusRect(buffer.get(), &inner);
    BitBlt(screen, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top,
           buffer.get(), dirty.left, dirty.top, SRCCOPY);
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
        if (m_click.press(toTwips({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)})))
            SetCapture(hwnd);
        return 0;
    case WM_LBUTTONUP:
        // Before the capture goes, since losing it ends the press.
        m_click.release(toTwips({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}));
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED:
        m_click.cancel();
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
