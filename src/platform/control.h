#pragma once

#include "twips.h"

#include <QObject>
#include <QString>

#include <optional>

namespace platform {

enum class ControlKind { Label, PictureBox, TextBox, CommandButton, Timer };
enum class Alignment { Left, Center };

struct ControlName {
    QString name;
    int index = -1; // -1: not part of a control array
};

// The design-time description of one control, as the window is laid out.
struct ControlProperties {
    ControlKind kind = ControlKind::Label;
    QString name;
    int index = -1;    // -1: not part of a control array
    QString container; // empty: the window itself
    TwipsRect rect;
    std::optional<Rgb> backColor; // empty: the toolkit's standard look
    QString text;
    int tabIndex = -1;
    Alignment alignment = Alignment::Left;
    bool visible = true;
    bool enabled = true;
    bool clickable = false; // a label that delivers Click
    bool multiLine = false;
    bool readOnly = false;
    bool verticalScrollBar = false;
    int interval = 0; // timers, in milliseconds
    QString accessibleName;
    ControlName labelFor; // a caption that names the control beside it
};

// A control as the range logic sees it: geometry in twips, an enabled state and
// a text, with a signal for every change so that views can follow.
class Control : public QObject
{
    Q_OBJECT

public:
    explicit Control(const ControlProperties &properties, QObject *parent = nullptr);

    const ControlProperties &properties() const { return m_properties; }
    ControlKind kind() const { return m_properties.kind; }
    const QString &name() const { return m_properties.name; }
    int index() const { return m_properties.index; }

    const TwipsRect &rect() const { return m_rect; }
    float left() const { return m_rect.left; }
    float top() const { return m_rect.top; }
    float width() const { return m_rect.width; }
    float height() const { return m_rect.height; }
    void setLeft(float left);
    void setTop(float top);

    virtual bool enabled() const { return m_enabled; }
    virtual void setEnabled(bool enabled);

    const QString &text() const { return m_text; }
    void setText(const QString &text);

    // What a mouse click delivers: nothing while the control is disabled.
    void click();

signals:
    void moved(const platform::TwipsRect &from);
    void enabledChanged(bool enabled);
    void textChanged(const QString &text);
    void clicked(int index);

private:
    void moveTo(const TwipsRect &rect);

    const ControlProperties m_properties;
    TwipsRect m_rect;
    bool m_enabled;
    QString m_text;
};

// A caption, the target or a shot.
class Label : public Control
{
public:
    using Control::Control;
};

// A text box; the logic only ever reads and writes its text.
class TextBox : public Control
{
public:
    using Control::Control;
};

// A push button; the logic only listens to its clicks.
class CommandButton : public Control
{
public:
    using Control::Control;
};

} // namespace platform
