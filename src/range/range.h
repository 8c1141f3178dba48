// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/model/control.h"
#include "platform/model/picturebox.h"
#include "platform/model/timer.h"

#include <array>
#include <cstdint>

class Counter;

inline constexpr int ShotCount = 12;

struct RangeState {
    int TargetX = 0;           // left edge of the target, twips
    int ActiveShot = -1;       // the chosen shot, or -1
    int TargetStep = 0;        // twips per tick
    std::int16_t ShotStep = 0; // twips per tick
    bool HitScored = false;    // the shot in flight has been counted
};

// The controls the simulation moves and reads. A shot's position lives only in
// its label; the target's is also held in TargetX.
struct RangeControls {
    platform::PictureBox &Picture1;
    platform::Label &Label2;
    std::array<platform::Label *, ShotCount> Label3;
    platform::Timer &Timer1;
};

// The range simulation: the state kept between events, the reset, the motion
// of target and shot on each tick, and the hit test.
class Range
{
public:
    Range(const RangeControls &controls, Counter &hits);

    const RangeState &state() const { return m_state; }

    void setSteps(int targetStep, std::int16_t shotStep);
    // Makes the shot the one in flight; an index that names no shot changes
    // nothing, so ActiveShot is always -1 or a valid index.
    void selectShot(int index);

    void ResetRange();
    void Timer1_Timer();
    // Called by the tick once target and shot have moved; public for tests.
    void CheckHit();

private:
    platform::Label &shot(int index) const { return *m_controls.Label3[std::size_t(index)]; }
    void restShot(platform::Label &shot) const;
    void enableAllShots() const;

    RangeControls m_controls;
    Counter &m_hits;
    RangeState m_state;
};
