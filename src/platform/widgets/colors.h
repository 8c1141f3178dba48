#pragma once

#include "platform/twips.h"

#include <QColor>

namespace platform {

inline QColor toQColor(Rgb rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace platform
