// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window description that lacks a control the program needs: the program
// must stop with one clear message rather than run on without it.

#include "platform/form.h"

#include <cstdio>

// As the program's entry reports it.
int main()
try {
    const platform::Form form({}, {});
    form.require<platform::Control>("Label3", 12);
    return 0;
} catch (const platform::MissingControl &error) {
    std::fprintf(stderr, "clayrange: %s\n", error.what());
    return 1;
}
