// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "range.h"

#include "counter.h"

Range::Range(const RangeControls &controls, Counter &hits)
    : m_controls(controls)
    , m_hits(hits)
{}

void Range::setSteps(int targetStep, std::int16_t shotStep)
{
    m_state.TargetStep = targetStep;
    m_state.ShotStep = shotStep;
}

void Range::selectShot(int index)
{
    if (index < 0 || index >= ShotCount)
        return;
    m_state.ActiveShot = index;
    m_state.HitScored = false;
}

void Range::restShot(platform::Label &shot) const
{
    // Measured from the field's outer height, so a shot at rest sits below the
    // inner bottom edge by both borders and only its upper part shows.
    shot.setTop(m_controls.Picture1.height() - shot.height());
}

void Range::ResetRange()
{
    m_state.TargetX = 0;
    m_controls.Timer1.setEnabled(false);
    m_state.ActiveShot = -1;
    m_controls.Label2.setLeft(0);
    m_state.HitScored = false;
    // Shot by shot: each comes to rest and is then free to be chosen.
    for (platform::Label *label : m_controls.Label3) {
        restShot(*label);
        label->setEnabled(true);
    }
}

void Range::enableAllShots() const
{
    for (platform::Label *label : m_controls.Label3)
        label->setEnabled(true);
}

void Range::Timer1_Timer()
{
    m_state.TargetX += m_state.TargetStep;
    const float crossingLimit = m_controls.Picture1.width() - m_controls.Label2.width();
    if (float(m_state.TargetX) > crossingLimit) {
        m_controls.Timer1.setEnabled(false);
        ResetRange();
        return;
    }
    m_controls.Label2.setLeft(float(m_state.TargetX));

    if (m_state.ActiveShot < 0)
        return;
    platform::Label &flying = shot(m_state.ActiveShot);
    flying.setTop(flying.top() - float(m_state.ShotStep));
    if (flying.top() < flying.height()) {
        restShot(flying);
        m_state.ActiveShot = -1;
        m_state.HitScored = false;
        enableAllShots();
    }
    CheckHit();
}

void Range::CheckHit()
{
    if (m_state.HitScored || m_state.ActiveShot < 0)
        return;
    const platform::TwipsRect &target = m_controls.Label2.rect();
    const platform::TwipsRect &flying = shot(m_state.ActiveShot).rect();
    // A full or partial overlap of the two, touching edges included.
    const bool hit = target.top <= flying.bottom() && target.bottom() >= flying.top
                     && target.left <= flying.right() && target.right() >= flying.left;
    if (!hit)
        return;
    // Marked before counting, so that a shot is never counted twice.
    m_state.HitScored = true;
    m_hits.increment();
}
