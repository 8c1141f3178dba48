// SPDX-FileCopyrightText: 2026 clayrange developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formwindow.h"

#include "announcer.h"
#include "conversions.h"
#include "fieldaccessible.h"
#include "fieldwidget.h"
#include "flatbutton.h"
#include "pixelmapping.h"
#include "platform/model/picturebox.h"
#include "platform/model/placement.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWindow>

#include <ranges>

using namespace Qt::StringLiterals;

namespace platform::qt {

namespace {

// The texts were written with CR LF line ends; Qt wants plain line feeds.
QString displayText(std::string_view text)
{
    QString shown = toQString(text);
    shown.replace(u"\r\n"_s, u"\n"_s);
    return shown;
}

// The first of the families that is installed, asked for by its own name: a
// family that is not installed sends Qt through fontconfig's fallback search
// for every script the window shows, which costs a start-up as much as all
// the widgets together.
QString installedFamily(const std::vector<std::string> &families)
{
    const QStringList installed = QFontDatabase::families();
    for (const std::string &family : families) {
        if (installed.contains(toQString(family)))
            return toQString(family);
    }
    return families.empty() ? QString() : toQString(families.front());
}

QRect widgetRect(const TwipsRect &rect)
{
    // Every control on the window sits on whole logical pixels.
    return PixelMapping().toLogical(rect).toRect();
}

void setColor(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

QWidget *createLabel(const Label &label, QWidget *parent)
{
    auto *widget = new QLabel(displayText(label.shownText()), parent);
    const Qt::Alignment horizontal =
        label.properties().alignment == Alignment::Center ? Qt::AlignHCenter : Qt::AlignLeft;
    widget->setAlignment(horizontal | Qt::AlignTop);
    if (label.properties().backColor) {
        widget->setAutoFillBackground(true);
        setColor(widget, QPalette::Window, toQColor(*label.properties().backColor));
    }
    return widget;
}

QWidget *createTextBox(TextBox &box, QWidget *parent, std::vector<Connection> &connections)
{
    const ControlProperties &properties = box.properties();
    if (properties.multiLine) {
        auto *edit = new QPlainTextEdit(displayText(box.text()), parent);
        edit->setReadOnly(properties.readOnly);
        // Read-only, yet still a place to select and copy from, by mouse or keys.
        if (properties.readOnly)
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        edit->setVerticalScrollBarPolicy(properties.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                      : Qt::ScrollBarAsNeeded);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        connections.push_back(box.textChanged.connect(
            [edit](const std::string &text) { edit->setPlainText(displayText(text)); }));
        return edit;
    }
    auto *edit = new QLineEdit(toQString(box.text()), parent);
    edit->setReadOnly(properties.readOnly);
    if (properties.alignment == Alignment::Center)
        edit->setAlignment(Qt::AlignCenter);
    connections.push_back(box.textChanged.connect(
        [edit](const std::string &text) { edit->setText(toQString(text)); }));
    return edit;
}

QWidget *createButton(CommandButton &button, QWidget *parent)
{
    const QColor face =
        button.properties().backColor ? toQColor(*button.properties().backColor) : Qt::lightGray;
    auto *widget = new FlatButton(toQString(button.text()), face, parent);
    QObject::connect(widget, &QPushButton::clicked, widget, [&button] { button.click(); });
    return widget;
}

// Where the frame goes, as the core centres it, in Qt's types.
QPoint centredFramePosition(const QRect &available, QSize client, QMargins frame)
{
    const PixelPoint position = platform::centredFramePosition(
        {available.x(), available.y(), available.width(), available.height()}, client.width(),
        client.height(), {frame.left(), frame.top(), frame.right(), frame.bottom()});
    return {position.x, position.y};
}

} // namespace

FormWindow::FormWindow(Form &form, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_form(form)
{
    QAccessible::installFactory(&FieldAccessible::create);
    QAccessible::installFactory(&AnnouncerAccessible::create);
    // A steady caret: the only one this window shows is in the read-only
    // panel, and a blinking one would wake an idle program twice a second.
    QApplication::setCursorFlashTime(0);

    const FormProperties &properties = form.properties();
    setWindowTitle(toQString(properties.caption));

    QFont font(installedFamily(properties.fontFamilies), properties.fontPointSize);
    font.setStyleHint(QFont::Serif);
    setFont(font);

    // The standard look of text boxes and captions, whatever the desktop theme.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(properties.backColor));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::ButtonText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    setFixedSize(widgetRect({0, 0, properties.clientWidth, properties.clientHeight}).size());

    // Back to front, each new widget above those before it. A control that is
    // never shown, such as the saying panel, gets no widget: nothing ever
    // makes it visible.
    for (Control *control : std::views::reverse(form.stackingOrder())) {
        QWidget *widget = createWidget(*control);
        widget->setGeometry(widgetRect(control->rect()));
        if (!control->properties().accessibleName.empty())
            widget->setAccessibleName(toQString(control->properties().accessibleName));
        m_widgets.emplace(control, widget);
    }
    // Behind everything, so that it never covers a control.
    m_announcer = new Announcer(this);
    m_announcer->lower();
    linkCaptions();
    setUpTabOrder();
    // Centred now by the client area, since no window system tells the frame
    // before the window is mapped; centred again by the frame once it is.
    centreOnScreen();
    winId();
    windowHandle()->installEventFilter(this);
}

bool FormWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_placed && watched == windowHandle() && event->type() == QEvent::Expose
        && windowHandle()->isExposed()) {
        m_placed = true;
        windowHandle()->removeEventFilter(this);
        if (!windowHandle()->frameMargins().isNull())
            centreOnScreen();
    }
    return QWidget::eventFilter(watched, event);
}

void FormWindow::linkCaptions()
{
    for (const auto &[control, widget] : m_widgets) {
        auto *label = qobject_cast<QLabel *>(widget);
        const Control *named = m_form.namedBy(*control);
        if (label && named)
            label->setBuddy(widgetFor(*named));
    }
}

QWidget *FormWindow::createWidget(Control &control)
{
    switch (control.kind()) {
    case ControlKind::Label:
        return createLabel(static_cast<Label &>(control), this);
    case ControlKind::TextBox:
        return createTextBox(static_cast<TextBox &>(control), this, m_connections);
    case ControlKind::CommandButton:
        return createButton(static_cast<CommandButton &>(control), this);
    case ControlKind::PictureBox:
        return new FieldWidget(static_cast<PictureBox &>(control), this);
    case ControlKind::Timer:
        break;
    }
    return nullptr;
}

void FormWindow::announce(const std::string &message)
{
    m_announcer->announce(toQString(message));
}

QWidget *FormWindow::widgetFor(const Control &control) const
{
    const auto found = m_widgets.find(&control);
    return found == m_widgets.end() ? nullptr : found->second;
}

void FormWindow::setUpTabOrder()
{
    for (const auto &[control, widget] : m_widgets) {
        if (!control->takesFocus())
            widget->setFocusPolicy(Qt::NoFocus);
        else if (widget->focusPolicy() == Qt::NoFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
    }
    QWidget *previous = nullptr;
    for (const Control *control : m_form.tabStops()) {
        QWidget *widget = widgetFor(*control);
        if (previous && widget)
            setTabOrder(previous, widget);
        previous = widget ? widget : previous;
    }
    if (const Control *first = m_form.initialFocus(); first && widgetFor(*first))
        widgetFor(*first)->setFocus();
}

void FormWindow::centreOnScreen()
{
    // A top-level widget's position is its frame's.
    if (const QScreen *screen = this->screen()) {
        move(centredFramePosition(screen->availableGeometry(), size(),
                                  windowHandle() ? windowHandle()->frameMargins() : QMargins()));
    }
}

} // namespace platform::qt
