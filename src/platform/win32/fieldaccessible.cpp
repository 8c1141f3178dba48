// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fieldaccessible.h"

namespace platform::win32 {

LRESULT FieldAccessible::answer(FieldWindow &, WPARAM, LPARAM)
{
    return 0;
}

void FieldAccessible::detach(FieldAccessible *) {}

} // namespace platform::win32
