// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "handles.h"

#include <windows.h>

namespace platform::win32 {

// The one window procedure of the program's own window classes: it hands each
// message to the object that the window was created for. The object keeps the
// handle in a Window of its own, which destroys the window when the object
// goes; when the system destroys it first, as a child with its parent, the
// Window lets go of the handle instead.
class WindowProcedure
{
public:
    // A class whose windows answer through this procedure.
    static bool registerClass(HINSTANCE instance, const wchar_t *name, HICON icon = nullptr,
                              HICON smallIcon = nullptr);

    WindowProcedure(const WindowProcedure &) = delete;
    WindowProcedure &operator=(const WindowProcedure &) = delete;

protected:
    // window: the object's own member, which holds the handle from the
    // window's first message on.
    explicit WindowProcedure(Window &window)
        : m_window(window)
    {}
    ~WindowProcedure() = default;

    // A window of a class registered here, at place: a child of parent with
    // the given id, or a top-level window. False when it could not be made.
    bool create(const wchar_t *className, const wchar_t *title, DWORD style, DWORD extendedStyle,
                const RECT &place, HWND parent = nullptr, int id = 0);
    // Every message up to the last, WM_NCDESTROY, which only lets go of the
    // handle.
    virtual LRESULT handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) = 0;

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    Window &m_window;
};

} // namespace platform::win32
