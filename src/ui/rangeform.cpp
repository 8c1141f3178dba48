// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangeform.h"

#include "rangeformdesign.h"

#include <charconv>

using platform::CommandButton;
using platform::Label;
using platform::TextBox;

namespace {

enum Command { Launch = 0, Clear = 1 };

RangeControls findRangeControls(const platform::Form &form)
{
    std::array<Label *, ShotCount> shots{};
    for (int i = 0; i < ShotCount; ++i)
        shots[std::size_t(i)] = &form.require<Label>("Label3", i);
    return {form.require<platform::PictureBox>("Picture1"), form.require<Label>("Label2"), shots,
            form.require<platform::Timer>("Timer1")};
}

// What a counter's news begins with: the text of the caption beside its box,
// such as "Опити:" for the attempts, or the box's name if none names it.
std::string newsHeading(const platform::Form &form, const platform::Control &box)
{
    const platform::Control *caption = form.captionOf(box);
    return caption ? std::string(caption->shownText()) : box.name();
}

} // namespace

RangeForm::RangeForm()
    : m_form(RangeFormDesign::form(), RangeFormDesign::controls())
    , m_controls(findRangeControls(m_form))
    , m_Text2{&m_form.require<TextBox>("Text2", 0), &m_form.require<TextBox>("Text2", 1)}
    , m_range(m_controls, m_hits)
{
    m_announcement.reserve(64);
    bindCounter(m_attempts, Text2(0), newsHeading(m_form, Text2(0)));
    bindCounter(m_hits, Text2(1), newsHeading(m_form, Text2(1)));
    for (int i = 0; i < 2; ++i) {
        m_connections.push_back(
            m_form.require<CommandButton>("Command1", i).clicked.connect([this](int index) {
                Command1_Click(index);
            }));
    }
    for (Label *shot : m_controls.Label3)
        m_connections.push_back(shot->clicked.connect([this](int index) { Label3_Click(index); }));
    m_connections.push_back(m_controls.Timer1.ticked.connect([this] { m_range.Timer1_Timer(); }));
}

void RangeForm::bindCounter(Counter &counter, TextBox &box, std::string caption)
{
    m_connections.push_back(counter.valueChanged.connect(
        [this, &box, caption = std::move(caption)](Counter::Value value) {
            // Formatted on the stack, so a hit scored on a tick allocates nothing.
            char digits[24];
            const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
            const std::string_view text(digits, std::size_t(end - digits));
            box.setText(text);
            if (value == 0)
                return;
            m_announcement.assign(caption);
            m_announcement += ' ';
            m_announcement += text;
            announced.notify(m_announcement);
        }));
}

void RangeForm::Form_Load()
{
    m_range.setSteps(10, 20);
    m_range.ResetRange();
}

void RangeForm::Command1_Click(int Index)
{
    switch (Index) {
    case Launch:
        // One target at a time: a second click during a crossing counts nothing.
        if (m_controls.Timer1.enabled())
            return;
        m_controls.Timer1.setEnabled(true);
        m_attempts.increment();
        break;
    case Clear:
        m_range.ResetRange();
        m_attempts.reset();
        m_hits.reset();
        break;
    default:
        break;
    }
}

void RangeForm::Label3_Click(int Index)
{
    if (Index < 0 || Index >= ShotCount || !m_controls.Label3[std::size_t(Index)]->enabled())
        return;
    // Choosing the shot already chosen would let one shot score again and again
    // while it crosses the target.
    if (Index == m_range.state().ActiveShot)
        return;
    m_range.selectShot(Index);
    for (int v = 0; v < ShotCount; ++v) {
        if (v != Index)
            m_controls.Label3[std::size_t(v)]->setEnabled(false);
    }
}
