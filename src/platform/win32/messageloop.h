// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace platform::win32 {

class FormWindow;

// The program's message loop, with the window's keyboard navigation (Tab,
// Shift+Tab, Enter on a button) ahead of the usual translation. Runs until
// WM_QUIT and returns its exit code.
int runMessageLoop(const FormWindow &window);

} // namespace platform::win32
