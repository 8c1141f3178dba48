// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowprocedure.h"

namespace platform::win32 {

bool WindowProcedure::registerClass(HINSTANCE instance, const wchar_t *name, HICON icon,
                                    HICON smallIcon)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &WindowProcedure::procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = icon;
    windowClass.hIconSm = smallIcon;
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0;
}

bool WindowProcedure::create(const wchar_t *className, const wchar_t *title, DWORD style,
                             DWORD extendedStyle, const RECT &place, HWND parent, int id)
{
    return CreateWindowExW(extendedStyle, className, title, style, place.left, place.top,
                           place.right - place.left, place.bottom - place.top, parent,
                           reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr), this)
           != nullptr;
}

LRESULT CALLBACK WindowProcedure::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<WindowProcedure *>(
            reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        self->m_window = Window(hwnd);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto *self = reinterpret_cast<WindowProcedure *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_window.release();
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handle(hwnd, message, wParam, lParam);
}

} // namespace platform::win32
