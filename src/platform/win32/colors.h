// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/rgb.h"

#include <windows.h>

namespace platform::win32 {

// The core's colours as GDI takes them.
inline COLORREF colorOf(const Rgb &color)
{
    return RGB(color.red, color.green, color.blue);
}

} // namespace platform::win32
