#pragma once

#include "control.h"

#include <QTimer>

namespace platform {

// The window's clock. Its enabled state is the running state of the underlying
// QTimer, so there is no second flag that could drift from it.
class Timer : public Control
{
    Q_OBJECT

public:
    explicit Timer(const ControlProperties &properties, QObject *parent = nullptr);

    bool enabled() const override { return m_timer.isActive(); }
    void setEnabled(bool enabled) override;
    int interval() const { return m_timer.interval(); }

signals:
    void tick();

private:
    QTimer m_timer;
};

} // namespace platform
