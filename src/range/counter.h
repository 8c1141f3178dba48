// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/signal.h"

#include <cstdint>
#include <limits>

// A score shown to the pupil. It is far wider than any lesson can fill and
// stops at its largest value rather than wrapping round or failing.
class Counter
{
public:
    using Value = std::int64_t;
    static constexpr Value Max = std::numeric_limits<Value>::max();

    Value value() const { return m_value; }
    void increment();
    void reset() { setValue(0); }
    // Also the seam through which tests put a counter at its limit.
    void setValue(Value value);

    platform::Signal<Value> valueChanged;

private:
    Value m_value = 0;
};
