// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "announcer.h"

namespace platform::win32 {

Announcer::Announcer(HWND window)
    : m_window(window)
{}

void Announcer::announce(const std::wstring &) {}

} // namespace platform::win32
