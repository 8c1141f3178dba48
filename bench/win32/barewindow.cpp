// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for the Windows edition's start-up and memory: a plain Win32
// window that shows what the program's window shows, with nothing of our own
// and no accessibility at all. It has the same client size and resources, the
// title above a sunken green area where the field is, two buttons, two
// read-only edits each after its caption, and a multi-line read-only edit with
// the exercise's text, all in Times New Roman 12 pt, Cyrillic, and the focus
// in the multi-line edit, so that the ratio measures the program and not what
// it shows. Each edit is given its font before its text, as in the program.

#include "ui/rangeformdesign.h"

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <string_view>

namespace {

// Left, top, right, bottom in client pixels at 96 dpi, where the program puts them.
constexpr RECT Heading{72, 0, 377, 25};
constexpr RECT Field{40, 40, 401, 225};
constexpr RECT Launch{8, 232, 81, 257};
constexpr RECT AttemptsCaption{96, 232, 153, 257};
constexpr RECT Attempts{152, 232, 201, 259};
constexpr RECT HitsCaption{216, 232, 305, 257};
constexpr RECT Hits{304, 232, 353, 259};
constexpr RECT Clear{368, 232, 441, 257};
constexpr RECT Exercise{8, 264, 441, 417};

HBRUSH green;

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        RECT field = Field;
        DrawEdge(dc, &field, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        FillRect(dc, &field, green);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

std::wstring wide(std::string_view text)
{
    std::wstring shown(text.size(), L'\0');
    shown.resize(std::size_t(MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()),
                                                 shown.data(), int(shown.size()))));
    return shown;
}

// An edit gets its text once it has its font, so that it lays the text out
// once, as the program's edits do.
HWND child(const wchar_t *className, const std::wstring &text, DWORD style, DWORD extendedStyle,
           const RECT &place, HWND parent, HFONT font)
{
    const bool edit = std::wstring_view(className) == L"EDIT";
    HWND hwnd = CreateWindowExW(extendedStyle, className, edit ? L"" : text.c_str(),
                                WS_CHILD | WS_VISIBLE | style, place.left, place.top,
                                place.right - place.left, place.bottom - place.top, parent, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SendMessageW(hwnd, WM_SETFONT, WPARAM(font), FALSE);
    if (edit)
        SetWindowTextW(hwnd, text.c_str());
    return hwnd;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR, int showCommand)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    green = CreateSolidBrush(RGB(0, 255, 0));
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &windowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(INT_PTR(COLOR_BTNFACE + 1));
    windowClass.lpszClassName = L"BareWindow";
    if (!RegisterClassExW(&windowClass))
        return 1;
    constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    RECT frame{0, 0, 451, 424};
    AdjustWindowRectEx(&frame, Style, FALSE, 0);
    HWND window = CreateWindowExW(0, L"BareWindow", wide(RangeFormDesign::form().caption).c_str(),
                                  Style, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                                  frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 1;
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(12, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    HFONT font = CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_ROMAN, L"Times New Roman");
    constexpr DWORD ReadOnly = ES_READONLY | WS_TABSTOP | ES_AUTOHSCROLL;
    child(L"STATIC", wide(RangeFormDesign::Title), SS_CENTER, 0, Heading, window, font);
    child(L"BUTTON", L"Паничка", BS_PUSHBUTTON | WS_TABSTOP, 0, Launch, window, font);
    child(L"STATIC", L"Опити:", SS_LEFT, 0, AttemptsCaption, window, font);
    child(L"EDIT", L"0", ReadOnly, WS_EX_CLIENTEDGE, Attempts, window, font);
    child(L"STATIC", L"Попадения:", SS_LEFT, 0, HitsCaption, window, font);
    child(L"EDIT", L"0", ReadOnly, WS_EX_CLIENTEDGE, Hits, window, font);
    child(L"BUTTON", L"Чисти", BS_PUSHBUTTON | WS_TABSTOP, 0, Clear, window, font);
    HWND exercise = child(L"EDIT", wide(RangeFormDesign::exerciseText()),
                          ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
                          WS_EX_CLIENTEDGE, Exercise, window, font);
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    SetFocus(exercise);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    DeleteObject(font);
    DeleteObject(green);
    return int(message.wParam);
}
