// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/form.h"
#include "range/counter.h"
#include "range/range.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The program's window as the logic sees it: its controls, the range they show,
// the two counters and the handlers of the user's clicks. It draws nothing;
// a front end built on form() does, and drives Timer1 with its clock.
class RangeForm
{
public:
    RangeForm();
    RangeForm(const RangeForm &) = delete;
    RangeForm &operator=(const RangeForm &) = delete;

    platform::Form &form() { return m_form; }
    const platform::Form &form() const { return m_form; }
    Range &range() { return m_range; }
    const Range &range() const { return m_range; }
    const RangeControls &controls() const { return m_controls; }
    platform::TextBox &Text2(int index) const { return *m_Text2[std::size_t(index)]; }
    Counter &attempts() { return m_attempts; }
    Counter &hits() { return m_hits; }

    void Form_Load();
    void Command1_Click(int Index);
    void Label3_Click(int Index);

    // What a pupil who cannot see the counters should hear as it happens: each
    // attempt and each hit as it is counted, with its caption and the new
    // count, such as "Опити: 1". Nothing on a tick that counts nothing, and
    // nothing when the clear button zeroes the counters.
    platform::Signal<std::string> announced;

private:
    void bindCounter(Counter &counter, platform::TextBox &box, std::string caption);

    platform::Form m_form;
    RangeControls m_controls;
    std::array<platform::TextBox *, 2> m_Text2;
    Counter m_attempts;
    Counter m_hits;
    Range m_range;
    // Kept, with room to spare, so that a hit scored on a tick allocates nothing.
    std::string m_announcement;
    std::vector<platform::Connection> m_connections;
};
