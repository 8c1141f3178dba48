// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

#include <string>

namespace platform::win32 {

// Tells a screen reader short news, such as a new count, without moving the
// focus.
class Announcer
{
public:
    explicit Announcer(HWND window);
    Announcer(const Announcer &) = delete;
    Announcer &operator=(const Announcer &) = delete;

    void announce(const std::wstring &message);

private:
    HWND m_window;
};

} // namespace platform::win32
