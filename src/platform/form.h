#pragma once

#include "control.h"

#include <span>
#include <vector>

namespace platform {

struct FormProperties {
    QString caption;
    float clientWidth = 0; // twips
    float clientHeight = 0;
    Rgb backColor;
    QString fontFamily;
    int fontPointSize = 0;
};

// A window's controls, built from its description and owned for the window's
// life. Nothing is ever added or removed once it is built.
class Form : public QObject
{
    Q_OBJECT

public:
    Form(const FormProperties &properties, std::span<const ControlProperties> controls,
         QObject *parent = nullptr);

    const FormProperties &properties() const { return m_properties; }
    // In the order of the description, which is also the back-to-front order.
    const std::vector<Control *> &controls() const { return m_controls; }

    Control *find(QStringView name, int index = -1) const;

    // For controls the program cannot do without: a description that lacks one
    // is a build fault, caught by the tests, never a state the program runs in.
    template <typename T> T &require(QStringView name, int index = -1) const
    {
        auto *control = dynamic_cast<T *>(find(name, index));
        if (!control)
            missing(name, index);
        return *control;
    }

private:
    [[noreturn]] static void missing(QStringView name, int index);

    FormProperties m_properties;
    std::vector<Control *> m_controls;
};

} // namespace platform
