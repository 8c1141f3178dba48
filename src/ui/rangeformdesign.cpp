// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rangeformdesign.h"

#include <initializer_list>

using platform::Alignment;
using platform::ControlKind;
using platform::ControlProperties;
using platform::Rgb;

namespace RangeFormDesign {

namespace {

constexpr Rgb Lavender{192, 192, 255};
constexpr Rgb Peach{255, 192, 128};
constexpr Rgb Green{0, 255, 0};
constexpr Rgb Red{255, 0, 0};
constexpr Rgb TargetBlue{128, 128, 255};
constexpr Rgb ShotBrown{192, 64, 0};

// Uneven on purpose: 360 twips apart up to the sixth shot, 240 after it.
constexpr float ShotColumns[] = {1800, 2160, 2520, 2880, 3240, 3600,
                                 3840, 4080, 4320, 4560, 4800, 5040};

// Each paragraph ends with CR LF, the last one too, as the panel was written.
std::string paragraphs(std::initializer_list<std::string_view> lines)
{
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace

std::string exerciseText()
{
    const std::string topic = "Тема на проекта: " + std::string(Title) + ".";
    return paragraphs({
        "При ловната стрелба състезателят стреля по мишена от глина или асфалт, която се "
        "изхвърля във въздуха от специална машина. В олимпийската програма има дисциплини с "
        "такива мишени, например „Trap“ и „Skeet“.",
        "В учебната програма по физика има тема за тяло, хвърлено под ъгъл към хоризонта. Тя "
        "описва уравненията на движение на тяло в популярния спорт стрелба.",
        "Задача: да се създаде проект, който показва връзки между учебните предмети "
        "физическо възпитание и информатика.",
        topic,
        "Проектът трябва да покаже два обекта, които се движат във взаимно перпендикулярни "
        "посоки.",
        "С щракване върху командния бутон обектът „паничка“ започва да се движи и се отчита "
        "нов опит.",
        "Потребителят може да избере позицията, от която стреля: тогава започва да се движи "
        "един от многото обекти „изстрел“. Двата вида обекти се движат с различни скорости.",
        "Пълно или частично пресичане на двата движещи се обекта се отчита като ново "
        "попадение.",
        "Във всеки момент се движи само по един обект от всеки вид. Едва когато изстрелът "
        "достигне най-горната си височина, може да се изстреля следващ изстрел. ",
        "Потърсете повече сведения за олимпийските дисциплини по стрелба „Trap“, "
        "„Double trap“ и „Skeet“. ",
    });
}

std::string sayingText()
{
    return paragraphs({
        "Неприятното, когато си пръв и направиш нещо както ",
        "трябва, е, че никой не разбира колко трудно е било ",
        "това. ",
    });
}

platform::FormProperties form()
{
    return {
        .caption = std::string(WebAddress) + " " + std::string(Title),
        .clientWidth = 6765,
        .clientHeight = 6360,
        .backColor = Lavender,
        .fontFamilies = {"Times New Roman", "Tinos", "Liberation Serif"},
        .fontPointSize = 12,
    };
}

std::vector<ControlProperties> controls()
{
    std::vector<ControlProperties> list{
        {.kind = ControlKind::Label,
         .name = "Label1",
         .index = 0,
         .rect = {1080, 0, 4575, 375},
         .backColor = Peach,
         .text = std::string(Title) + "\r\n",
         .tabIndex = 2,
         .alignment = Alignment::Center},
        {.kind = ControlKind::PictureBox,
         .name = "Picture1",
         .rect = {600, 600, 5415, 2775},
         .backColor = Green,
         .tabIndex = 3,
         .accessibleName = "Стрелбище"},
        // The target, a plain upright bar; it stays behind the shots.
        {.kind = ControlKind::Label,
         .name = "Label2",
         .container = "Picture1",
         .rect = {0, 120, 135, 615},
         .backColor = TargetBlue,
         .tabIndex = 4,
         .accessibleName = "Паничка"},
    };
    for (int i = 0; i < 12; ++i) {
        // The design height of 2520 is replaced by the resting place at the
        // first reset, before the window is shown.
        list.push_back({.kind = ControlKind::Label,
                        .name = "Label3",
                        .index = i,
                        .container = "Picture1",
                        .rect = {ShotColumns[i], 2520, 135, 135},
                        .backColor = ShotBrown,
                        .tabIndex = 5 + i,
                        .clickable = true,
                        .accessibleName = "Изстрел " + std::to_string(i + 1)});
    }
    list.insert(
        list.end(),
        {
            {.kind = ControlKind::CommandButton,
             .name = "Command1",
             .index = 0,
             .rect = {120, 3480, 1095, 375},
             .backColor = Green,
             .text = "Паничка",
             .tabIndex = 17},
            {.kind = ControlKind::Label,
             .name = "Label1",
             .index = 1,
             .rect = {1440, 3480, 855, 375},
             .backColor = Peach,
             .text = "Опити:",
             .tabIndex = 19,
             .labelFor = {"Text2", 0}},
            {.kind = ControlKind::TextBox,
             .name = "Text2",
             .index = 0,
             .rect = {2280, 3480, 735, 405},
             .text = "0",
             .tabIndex = 21,
             .alignment = Alignment::Center,
             .readOnly = true},
            {.kind = ControlKind::Label,
             .name = "Label1",
             .index = 2,
             .rect = {3240, 3480, 1335, 375},
             .backColor = Peach,
             .text = "Попадения:",
             .tabIndex = 20,
             .labelFor = {"Text2", 1}},
            {.kind = ControlKind::TextBox,
             .name = "Text2",
             .index = 1,
             .rect = {4560, 3480, 735, 405},
             .text = "0",
             .tabIndex = 22,
             .alignment = Alignment::Center,
             .readOnly = true},
            {.kind = ControlKind::CommandButton,
             .name = "Command1",
             .index = 1,
             .rect = {5520, 3480, 1095, 375},
             .backColor = Red,
             .text = "Чисти",
             .tabIndex = 18},
            {.kind = ControlKind::TextBox,
             .name = "Text1",
             .index = 0,
             .rect = {120, 3960, 6495, 2295},
             .text = exerciseText(),
             .tabIndex = 0,
             .multiLine = true,
             .readOnly = true,
             .verticalScrollBar = true,
             .accessibleName = "Упражнение"},
            // Written into the window but never shown.
            {.kind = ControlKind::TextBox,
             .name = "Text1",
             .index = 1,
             .rect = {600, 4680, 6735, 1815},
             .text = sayingText(),
             .tabIndex = 1,
             .visible = false,
             .multiLine = true,
             .readOnly = true,
             .verticalScrollBar = true},
            {.kind = ControlKind::Timer, .name = "Timer1", .enabled = false, .interval = 150},
        });
    return list;
}

} // namespace RangeFormDesign
