// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/control.h"
#include "platform/model/form.h"

#include <string>
#include <string_view>
#include <vector>

// The window as it is laid out before the program runs: every control, its
// place in twips, its colours and texts. The logic only ever moves the target
// and the shots, switches shots and the timer, and writes the counters.
namespace RangeFormDesign {

// Our own neutral address, shown at the start of the caption.
inline constexpr std::string_view WebAddress = "www.clayrange.example";
inline constexpr std::string_view Title = "Физическо възпитание - спортна стрелба";

platform::FormProperties form();
std::vector<platform::ControlProperties> controls();

std::string exerciseText();
std::string sayingText();

} // namespace RangeFormDesign
