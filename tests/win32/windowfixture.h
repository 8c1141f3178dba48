// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "../rangeharness.h"
#include "platform/win32/formwindow.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

// Found by argument lookup, where RECT lives: in no namespace.
inline bool operator==(const RECT &a, const RECT &b)
{
    return EqualRect(&a, &b);
}
inline void PrintTo(const RECT &rect, std::ostream *out)
{
    *out << "(" << rect.left << ", " << rect.top << ")-(" << rect.right << ", " << rect.bottom
         << ")";
}

// The shared harness with its real window, shown on Wine's screen; ticks come
// by hand, through the timer as the clock's would.
struct WindowFixture : ::testing::Test, RangeHarness {
    // For a second window of the suite's own.
    struct LoadedForm : RangeForm {
        LoadedForm() { Form_Load(); }
    };

    WindowFixture()
    {
        window.show(SW_SHOWNORMAL);
        pump();
    }

    static void SetUpTestSuite()
    {
        // COM comes as in the program: from the window, when a screen reader asks.
        static const bool registered =
            (platform::win32::FormWindow::registerClasses(GetModuleHandleW(nullptr)), true);
        (void)registered;
    }

    platform::Control &control(const char *name, int index = -1) const
    {
        return *form.form().find(name, index);
    }
    HWND handle(const char *name, int index = -1) const
    {
        return window.handleFor(control(name, index));
    }
    HWND field() const { return window.field().hwnd(); }

    // Delivers what is queued, through the window's keyboard navigation as
    // the program's own loop does.
    void pump()
    {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!window.handleDialogKey(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
    }
    void key(WPARAM key)
    {
        MSG message{GetFocus(), WM_KEYDOWN, key, 0, 0, {}};
        if (!window.handleDialogKey(message))
            DispatchMessageW(&message);
        message.message = WM_KEYUP;
        if (!window.handleDialogKey(message))
            DispatchMessageW(&message);
        pump();
    }
    // A left click as the mouse sends it, at a point of the control's client area.
    void click(HWND target, POINT at)
    {
        const LPARAM where = MAKELPARAM(at.x, at.y);
        SendMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, where);
        SendMessageW(target, WM_LBUTTONUP, 0, where);
        pump();
    }
    // A point in the upper, visible part of a shot at rest, in the field's pixels.
    POINT shotPoint(int index) const
    {
        const RECT place = window.field().childRect(shot(index));
        return {place.left + 4, place.top + 2};
    }
    // A control's place in the window's client area.
    RECT placeOf(HWND hwnd) const
    {
        RECT rect;
        GetWindowRect(hwnd, &rect);
        MapWindowPoints(HWND_DESKTOP, window.hwnd(), reinterpret_cast<POINT *>(&rect), 2);
        return rect;
    }
    std::wstring textOf(HWND hwnd) const
    {
        wchar_t text[64] = {};
        GetWindowTextW(hwnd, text, int(std::size(text)));
        return text;
    }
    // What the window shows at a point of its client area, painted anew.
    COLORREF pixel(POINT at) const
    {
        RedrawWindow(window.hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        HDC dc = GetDC(window.hwnd());
        const COLORREF color = GetPixel(dc, at.x, at.y);
        ReleaseDC(window.hwnd(), dc);
        return color;
    }

    // News goes through the live region, whatever the system offers.
    platform::win32::FormWindow window{form.form(), platform::win32::NotificationCalls{}};
};
