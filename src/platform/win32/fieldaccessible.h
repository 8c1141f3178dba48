// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <windows.h>

namespace platform::win32 {

class FieldWindow;

// The field as a screen reader sees it.
class FieldAccessible
{
public:
    // The answer to the field's WM_GETOBJECT, or 0 to leave it to the system.
    static LRESULT answer(FieldWindow &field, WPARAM wParam, LPARAM lParam);
    // The field is going: an object a screen reader still holds must not
    // reach it any more.
    static void detach(FieldAccessible *accessible);
};

} // namespace platform::win32
