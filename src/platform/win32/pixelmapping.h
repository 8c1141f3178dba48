// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/twips.h"

#include <windows.h>

namespace platform::win32 {

// The one mapping from twips to device pixels, twips × dpi / 1440, snapped to
// whole pixels, and back. Painting, click hit-testing and accessibility all go
// through here, so what a pupil sees is exactly what reacts and what a screen reader
// reports.
class PixelMapping
{
public:
    explicit PixelMapping(int dpi = USER_DEFAULT_SCREEN_DPI);

    int dpi() const { return m_dpi; }
    int toPixels(float twips) const;
    // Relative to origin, in pixels. The left and top edges are snapped, and
    // the size on its own, so a moving object keeps its size in pixels.
    RECT toPixels(const TwipsRect &rect, POINT origin = {}) const;
    // The way back, for a hit test: the centre of a pixel, in twips. A pixel
    // is hit where it is painted.
    TwipsPoint toTwips(POINT pixel) const;

private:
    int m_dpi;
};

} // namespace platform::win32
