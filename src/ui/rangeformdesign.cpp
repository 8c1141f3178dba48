#include "rangeformdesign.h"

#include <QStringList>

using namespace Qt::StringLiterals;
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
QString paragraphs(const QStringList &lines)
{
    QString text;
    for (const QString &line : lines)
        text += line + u"\r\n"_s;
    return text;
}

} // namespace

QString exerciseText()
{
    return paragraphs({
        u"При ловната стрелба състезателят стреля по мишена от глина или асфалт, която се "
        u"изхвърля във въздуха от специална машина. В олимпийската програма има дисциплини с "
        u"такива мишени, например „Trap“ и „Skeet“."_s,
        u"В учебната програма по физика има тема за тяло, хвърлено под ъгъл към хоризонта. Тя "
        u"описва уравненията на движение на тяло в популярния спорт стрелба."_s,
        u"Задача: да се създаде проект, който показва връзки между учебните предмети "
        u"физическо възпитание и информатика."_s,
        u"Тема на проекта: "_s + QString::fromUtf16(Title) + u"."_s,
        u"Проектът трябва да покаже два обекта, които се движат във взаимно перпендикулярни "
        u"посоки."_s,
        u"С щракване върху командния бутон обектът „паничка“ започва да се движи и се отчита "
        u"нов опит."_s,
        u"Потребителят може да избере позицията, от която стреля: тогава започва да се движи "
        u"един от многото обекти „изстрел“. Двата вида обекти се движат с различни скорости."_s,
        u"Пълно или частично пресичане на двата движещи се обекта се отчита като ново "
        u"попадение."_s,
        u"Във всеки момент се движи само по един обект от всеки вид. Едва когато изстрелът "
        u"достигне най-горната си височина, може да се изстреля следващ изстрел. "_s,
        u"Потърсете повече сведения за олимпийските дисциплини по стрелба „Trap“, "
        u"„Double trap“ и „Skeet“. "_s,
    });
}

QString sayingText()
{
    return paragraphs({
        u"Неприятното, когато си пръв и направиш нещо както "_s,
        u"трябва, е, че никой не разбира колко трудно е било "_s,
        u"това. "_s,
    });
}

platform::FormProperties form()
{
    return {
        .caption = QString::fromUtf16(WebAddress) + u' ' + QString::fromUtf16(Title),
        .clientWidth = 6765,
        .clientHeight = 6360,
        .backColor = Lavender,
        .fontFamily = u"Times New Roman"_s,
        .fontPointSize = 12,
    };
}

std::vector<ControlProperties> controls()
{
    std::vector<ControlProperties> list{
        {.kind = ControlKind::Label,
         .name = u"Label1"_s,
         .index = 0,
         .rect = {1080, 0, 4575, 375},
         .backColor = Peach,
         .text = QString::fromUtf16(Title) + u"\r\n"_s,
         .tabIndex = 2,
         .alignment = Alignment::Center},
        {.kind = ControlKind::PictureBox,
         .name = u"Picture1"_s,
         .rect = {600, 600, 5415, 2775},
         .backColor = Green,
         .tabIndex = 3,
         .accessibleName = u"Стрелбище"_s},
        // The target, a plain upright bar; it stays behind the shots.
        {.kind = ControlKind::Label,
         .name = u"Label2"_s,
         .container = u"Picture1"_s,
         .rect = {0, 120, 135, 615},
         .backColor = TargetBlue,
         .tabIndex = 4,
         .accessibleName = u"Паничка"_s},
    };
    for (int i = 0; i < 12; ++i) {
        // The design height of 2520 is replaced by the resting place at the
        // first reset, before the window is shown.
        list.push_back({.kind = ControlKind::Label,
                        .name = u"Label3"_s,
                        .index = i,
                        .container = u"Picture1"_s,
                        .rect = {ShotColumns[i], 2520, 135, 135},
                        .backColor = ShotBrown,
                        .tabIndex = 5 + i,
                        .clickable = true,
                        .accessibleName = u"Изстрел %1"_s.arg(i + 1)});
    }
    list.insert(
        list.end(),
        {
            {.kind = ControlKind::CommandButton,
             .name = u"Command1"_s,
             .index = 0,
             .rect = {120, 3480, 1095, 375},
             .backColor = Green,
             .text = u"Паничка"_s,
             .tabIndex = 17},
            {.kind = ControlKind::Label,
             .name = u"Label1"_s,
             .index = 1,
             .rect = {1440, 3480, 855, 375},
             .backColor = Peach,
             .text = u"Опити:"_s,
             .tabIndex = 19,
             .labelFor = {u"Text2"_s, 0}},
            {.kind = ControlKind::TextBox,
             .name = u"Text2"_s,
             .index = 0,
             .rect = {2280, 3480, 735, 405},
             .text = u"0"_s,
             .tabIndex = 21,
             .alignment = Alignment::Center,
             .readOnly = true},
            {.kind = ControlKind::Label,
             .name = u"Label1"_s,
             .index = 2,
             .rect = {3240, 3480, 1335, 375},
             .backColor = Peach,
             .text = u"Попадения:"_s,
             .tabIndex = 20,
             .labelFor = {u"Text2"_s, 1}},
            {.kind = ControlKind::TextBox,
             .name = u"Text2"_s,
             .index = 1,
             .rect = {4560, 3480, 735, 405},
             .text = u"0"_s,
             .tabIndex = 22,
             .alignment = Alignment::Center,
             .readOnly = true},
            {.kind = ControlKind::CommandButton,
             .name = u"Command1"_s,
             .index = 1,
             .rect = {5520, 3480, 1095, 375},
             .backColor = Red,
             .text = u"Чисти"_s,
             .tabIndex = 18},
            {.kind = ControlKind::TextBox,
             .name = u"Text1"_s,
             .index = 0,
             .rect = {120, 3960, 6495, 2295},
             .text = exerciseText(),
             .tabIndex = 0,
             .multiLine = true,
             .readOnly = true,
             .verticalScrollBar = true},
            // Written into the window but never shown.
            {.kind = ControlKind::TextBox,
             .name = u"Text1"_s,
             .index = 1,
             .rect = {600, 4680, 6735, 1815},
             .text = sayingText(),
             .tabIndex = 1,
             .visible = false,
             .multiLine = true,
             .readOnly = true,
             .verticalScrollBar = true},
            {.kind = ControlKind::Timer, .name = u"Timer1"_s, .enabled = false, .interval = 150},
        });
    return list;
}

} // namespace RangeFormDesign
