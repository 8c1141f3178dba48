#include "rangeform.h"

#include "rangeformdesign.h"

using namespace Qt::StringLiterals;
using platform::CommandButton;
using platform::Label;
using platform::TextBox;

namespace {

enum Command { Launch = 0, Clear = 1 };

RangeControls findRangeControls(const platform::Form &form)
{
    std::array<Label *, ShotCount> shots{};
    for (int i = 0; i < ShotCount; ++i)
        shots[std::size_t(i)] = &form.require<Label>(u"Label3", i);
    return {form.require<platform::PictureBox>(u"Picture1"), form.require<Label>(u"Label2"), shots,
            form.require<platform::Timer>(u"Timer1")};
}

} // namespace

RangeForm::RangeForm(QObject *parent)
    : QObject(parent)
    , m_form(RangeFormDesign::form(), RangeFormDesign::controls())
    , m_controls(findRangeControls(m_form))
    , m_Text2{&m_form.require<TextBox>(u"Text2", 0), &m_form.require<TextBox>(u"Text2", 1)}
    , m_range(m_controls, m_hits)
{
    bindCounter(m_attempts, Text2(0));
    bindCounter(m_hits, Text2(1));
    for (int i = 0; i < 2; ++i) {
        connect(&m_form.require<CommandButton>(u"Command1", i), &CommandButton::clicked, this,
                &RangeForm::Command1_Click);
    }
    for (Label *shot : m_controls.Label3)
        connect(shot, &Label::clicked, this, &RangeForm::Label3_Click);
    connect(&m_controls.Timer1, &platform::Timer::tick, this, [this] { m_range.Timer1_Timer(); });
}

void RangeForm::bindCounter(Counter &counter, TextBox &box)
{
    connect(&counter, &Counter::valueChanged, &box,
            [&box](qint64 value) { box.setText(QString::number(value)); });
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
