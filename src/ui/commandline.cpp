// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commandline.h"

namespace CommandLine {

namespace {

constexpr std::string_view Usage =
    "Употреба: clayrange [--help | --version]\n"
    "\n"
    "Учебна стрелба по панички за часовете по физическо възпитание и информатика:\n"
    "изстреляйте паничка над зеленото поле и я уцелете с един от дванадесетте\n"
    "изстрела. Програмата брои опитите и попаденията.\n"
    "\n"
    "  --help     показва тази помощ и излиза\n"
    "  --version  показва версията и излиза\n";

} // namespace

std::optional<Answer> answer(std::span<const std::string_view> arguments, std::string_view version,
                             std::string_view tips)
{
    if (arguments.empty())
        return std::nullopt;
    const std::string_view first = arguments[0];
    if (arguments.size() == 1 && first == "--help") {
        std::string text(Usage);
        if (!tips.empty())
            text.append("\n").append(tips);
        return Answer{0, std::move(text)};
    }
    if (arguments.size() == 1 && first == "--version")
        return Answer{0, "clayrange " + std::string(version) + "\n"};
    const std::string_view wrong =
        arguments.size() == 1 || (first != "--help" && first != "--version") ? first : arguments[1];
    return Answer{
        2, "clayrange: непознат аргумент „" + std::string(wrong) + "“; вижте clayrange --help\n",
        true};
}

} // namespace CommandLine
