// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

// The program's whole command line: --help, --version, or nothing at all. Each
// desktop front end shows the answer where its users will see it.
namespace CommandLine {

struct Answer {
    int status = 0;
    std::string text;   // ends with a line feed
    bool error = false; // for standard error rather than standard output
};

// The answer to the arguments after the program's name, or none when there
// are no arguments and the window should open. Any other argument is named,
// since a mistyped option silently ignored would leave a teacher guessing.
// The tips end the help with how to run the program on this platform.
std::optional<Answer> answer(std::span<const std::string_view> arguments, std::string_view version,
                             std::string_view tips);

} // namespace CommandLine
