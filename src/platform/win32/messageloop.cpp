// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "messageloop.h"

#include "formwindow.h"

#include <windows.h>

namespace platform::win32 {

int runMessageLoop(const FormWindow &window)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (window.handleDialogKey(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return int(message.wParam);
}

} // namespace platform::win32
