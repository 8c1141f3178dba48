// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/form.h"

#include <cstdio>
#include <optional>

// Runs the start-up step that builds the window from its description. A
// description that lacks a control the program needs stops it with one line on
// standard error and status 1, the answer returned; none when the step went
// through.
template <typename Step> std::optional<int> stopOnMissingControl(Step &&step)
{
    try {
        step();
        return std::nullopt;
    } catch (const platform::MissingControl &error) {
        std::fprintf(stderr, "clayrange: %s\n", error.what());
        return 1;
    }
}
