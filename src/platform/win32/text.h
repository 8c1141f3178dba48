// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// The core's texts are UTF-8; Windows wants UTF-16.
std::wstring wide(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

} // namespace platform::win32
