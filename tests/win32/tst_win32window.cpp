// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "windowfixture.h"

TEST_F(WindowFixture, opens)
{
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));
}
