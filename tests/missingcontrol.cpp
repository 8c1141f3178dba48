// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window description that lacks a control the program needs, built through
// the program's own start-up step: it must stop with one clear message rather
// than run on without it.

#include "ui/startup.h"

int main()
{
    return stopOnMissingControl([] {
               const platform::Form form({}, {});
               form.require<platform::Control>("Label3", 12);
           })
        .value_or(0);
}
