// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "counter.h"

void Counter::increment()
{
    if (m_value < Max)
        setValue(m_value + 1);
}

void Counter::setValue(Value value)
{
    if (value == m_value)
        return;
    m_value = value;
    valueChanged.notify(m_value);
}
