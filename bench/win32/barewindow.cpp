// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the Windows edition's start-up and memory: a plain Win32
// window of the same client size with a button, an edit control and a line of
// text in the system font, linked the same way, and nothing of our own.

#include <windows.h>

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HWND child(const wchar_t *className, const wchar_t *text, DWORD style, DWORD extendedStyle,
           RECT place, HWND parent, int id)
{
    return CreateWindowExW(extendedStyle, className, text, WS_CHILD | WS_VISIBLE | style,
                           place.left, place.top, place.right, place.bottom, parent,
                           reinterpret_cast<HMENU>(INT_PTR(id)), GetModuleHandleW(nullptr),
                           nullptr);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand)
{
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &windowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(INT_PTR(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = L"BareWindow";
    if (!RegisterClassExW(&windowClass))
        return 1;
    constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
    RECT frame{0, 0, 451, 424};
    AdjustWindowRectEx(&frame, Style, FALSE, 0);
    HWND window = CreateWindowExW(0, L"BareWindow", L"Bare window", Style, CW_USEDEFAULT,
                                  CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    // Left, top, width, height.
    child(L"BUTTON", L"Button", BS_PUSHBUTTON | WS_TABSTOP, 0, {8, 232, 73, 25}, window, 1);
    child(L"EDIT", L"0", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE, {152, 232, 49, 27}, window,
          2);
    child(L"STATIC", L"Text", 0, 0, {8, 264, 433, 20}, window, 3);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}
