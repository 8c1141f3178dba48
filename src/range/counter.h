#pragma once

#include <QObject>

#include <limits>

// A score shown to the pupil. It is far wider than any lesson can fill and
// stops at its largest value rather than wrapping round or failing.
class Counter : public QObject
{
    Q_OBJECT

public:
    using Value = qint64;
    static constexpr Value Max = std::numeric_limits<Value>::max();

    explicit Counter(QObject *parent = nullptr);

    Value value() const { return m_value; }
    void increment();
    void reset() { setValue(0); }
    // Also the seam through which tests put a counter at its limit.
    void setValue(Value value);

signals:
    void valueChanged(qint64 value);

private:
    Value m_value = 0;
};
