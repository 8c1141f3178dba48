// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "rangeharness.h"

#include <QtTest>

// The shared harness, with the counters' texts as Qt Test compares them.
struct RangeFixture : RangeHarness {
    QString attemptsText() const { return QString::fromStdString(form.Text2(0).text()); }
    QString hitsText() const { return QString::fromStdString(form.Text2(1).text()); }
};
