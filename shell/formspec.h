#pragma once

#include <QRgb>
#include <optional>
#include <vector>

class QPainter;
struct QMetaObject;

// Window descriptions as data: one row per control, in twips and RGB, read
// like a row of the layout sheet. The forms engine (form.h) builds widgets.
namespace shell {

enum class ControlKind { Button, Label, TextBox, Frame, Option, Line };
enum class Align { Left, Center };
enum class Border { Sizable, FixedSingle };
enum class SystemColor { ButtonFace, ButtonText, Window, WindowText, WindowFrame, Highlight };

struct Color {
    enum class Source { Unset, Rgb, System };
    Source source = Source::Unset;
    QRgb rgb = 0;
    SystemColor system = SystemColor::ButtonFace;

    bool isSet() const { return source != Source::Unset; }
};

constexpr Color rgb(QRgb value) { return {Color::Source::Rgb, value, SystemColor::ButtonFace}; }
constexpr Color systemColor(SystemColor c) { return {Color::Source::System, 0, c}; }

// Left, top, width, height; for a line its two end points x1, y1, x2, y2.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct FontSpec {
    const char* family = "MS Sans Serif";
    double points = 8.25;
    bool isBold = false;
    bool isItalic = false;

    constexpr FontSpec bold() const { FontSpec f = *this; f.isBold = true; return f; }
    constexpr FontSpec italic() const { FontSpec f = *this; f.isItalic = true; return f; }
};

constexpr FontSpec sansSerif(double points) { return {"MS Sans Serif", points}; }
constexpr FontSpec comic(double points) { return {"Comic Sans MS", points}; }

struct ControlSpec {
    const char* name = "";
    ControlKind kind = ControlKind::Label;
    const char* caption = "";
    Twips rect;
    FontSpec font;
    Color backColor;
    Color foreColor;
    int tabIndex = -1;
    int arrayIndex = -1;          // member of a control array when >= 0
    const char* container = "";   // the frame that holds it, if any
    Align alignment = Align::Left;
    bool isTransparent = false;   // labels: the picture or window shows through

    constexpr ControlSpec tab(int i) const { ControlSpec c = *this; c.tabIndex = i; return c; }
    constexpr ControlSpec member(int i) const { ControlSpec c = *this; c.arrayIndex = i; return c; }
    constexpr ControlSpec in(const char* frame) const { ControlSpec c = *this; c.container = frame; return c; }
    constexpr ControlSpec back(Color col) const { ControlSpec c = *this; c.backColor = col; return c; }
    constexpr ControlSpec fore(Color col) const { ControlSpec c = *this; c.foreColor = col; return c; }
    constexpr ControlSpec centered() const { ControlSpec c = *this; c.alignment = Align::Center; return c; }
    constexpr ControlSpec transparent() const { ControlSpec c = *this; c.isTransparent = true; return c; }
};

constexpr ControlSpec makeControl(const char* name, ControlKind kind, const char* caption, Twips r, FontSpec f)
{
    ControlSpec c;
    c.name = name;
    c.kind = kind;
    c.caption = caption;
    c.rect = r;
    c.font = f;
    return c;
}

constexpr ControlSpec button(const char* name, const char* caption, Twips r, FontSpec f = {})
{
    return makeControl(name, ControlKind::Button, caption, r, f);
}
constexpr ControlSpec label(const char* name, const char* caption, Twips r, FontSpec f = {})
{
    return makeControl(name, ControlKind::Label, caption, r, f);
}
constexpr ControlSpec textBox(const char* name, Twips r, FontSpec f = {})
{
    return makeControl(name, ControlKind::TextBox, "", r, f);
}
constexpr ControlSpec frame(const char* name, const char* caption, Twips r, FontSpec f = {})
{
    return makeControl(name, ControlKind::Frame, caption, r, f);
}
constexpr ControlSpec option(const char* name, const char* caption, Twips r, FontSpec f = {})
{
    return makeControl(name, ControlKind::Option, caption, r, f);
}
constexpr ControlSpec line(const char* name, int x1, int y1, int x2, int y2)
{
    return makeControl(name, ControlKind::Line, "", {x1, y1, x2, y2}, {});
}

// A window's picture: a resource path, or what paints it, in pixels at one
// pixel a point, each time the window is painted.
struct PictureSpec {
    constexpr PictureSpec(const char* path = "") : path(path) {}
    constexpr PictureSpec(void (*paint)(QPainter&)) : paint(paint) {}

    const char* path = "";
    void (*paint)(QPainter&) = nullptr;
};

// A control of the window, or a member of a control array: "txt1" or {"lbl1", 0}.
struct ControlRef {
    constexpr ControlRef(const char* name) : name(name) {}
    constexpr ControlRef(const char* name, int index) : name(name), index(index) {}

    const char* name = "";
    int index = -1;
};

// What a screen reader needs beyond what the window shows, one entry per fact.
struct ReaderNote {
    enum class Kind { LabelledBy, Name, Description, SpokenName };
    Kind kind = Kind::Name;
    ControlRef control = "";
    ControlRef label = "";    // LabelledBy: the label whose caption names the box
    const char* text = "";    // the name or description itself, or LabelledBy's detail:
                              // a word added to the caption, when several boxes share it
};

// The box is named by the caption of that label (and the detail, if any).
constexpr ReaderNote labelledBy(ControlRef control, ControlRef label, const char* detail = "")
{
    return {ReaderNote::Kind::LabelledBy, control, label, detail};
}
// A box with no caption near it gets a short name of its own.
constexpr ReaderNote named(ControlRef control, const char* name)
{
    return {ReaderNote::Kind::Name, control, "", name};
}
// A label that shows a value (a name typed in): its name stays what it
// shows, and announcements put this word before it ("Игрок: Иван Петров").
constexpr ReaderNote spokenAs(ControlRef control, const char* name)
{
    return {ReaderNote::Kind::SpokenName, control, "", name};
}
// Tells apart buttons that share a caption; the name stays the caption.
constexpr ReaderNote describedAs(ControlRef control, const char* description)
{
    return {ReaderNote::Kind::Description, control, "", description};
}

struct FormSpec {
    const char* name = "";
    // The window class (&staticMetaObject), whose tr() context translates
    // the texts when the widgets are made. A description that is a static
    // member of its class marks them with QT_TR_NOOP, so lupdate files them
    // under that context too; its rows call shell::label and the like, which
    // the window's own label() and the like hide there.
    const QMetaObject* window = nullptr;
    const char* caption = "";
    int clientWidth = 0;   // twips
    int clientHeight = 0;
    Color backColor;
    PictureSpec picture = {};   // drawn at natural size from the top left
    const char* icon = "";
    Border border = Border::Sizable;
    std::optional<Twips> position = std::nullopt;  // client area on the screen; the system places it otherwise
    std::vector<ControlSpec> controls = {};
    std::vector<ReaderNote> reader = {};
    const char* pictureText = "";  // the words drawn in the picture, for screen readers
};

constexpr int twipsPerPixel = 15;
constexpr int toPixels(int twips) { return (twips + twipsPerPixel / 2) / twipsPerPixel; }

} // namespace shell
