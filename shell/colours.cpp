#include "colours.h"

#include <QWidget>
#include <algorithm>
#include <cmath>

namespace shell {

namespace {

// The classic light scheme the windows were drawn for: a light grey face,
// white boxes, black text; its 3D shades and disabled text follow from the face.
QPalette classicScheme()
{
    return QPalette(QColor(0xF0, 0xF0, 0xF0));
}

// System colours are not the window's own: they follow the desktop.
bool setsOwnColour(const FormSpec& description)
{
    const auto own = [](const Color& color) { return color.source == Color::Source::Rgb; };
    return own(description.backColor)
        || std::any_of(description.controls.begin(), description.controls.end(), [&](const ControlSpec& c) {
               return own(c.backColor) || own(c.foreColor);
           });
}

// Relative luminance of an sRGB colour, as contrast ratios measure it.
double luminance(const QColor& color)
{
    const auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF()) + 0.0722 * linear(color.blueF());
}

// Black or white, whichever stands out more on that face (black above this
// luminance).
QColor captionColourOn(const QColor& face)
{
    return luminance(face) > 0.179 ? Qt::black : Qt::white;
}

} // namespace

QPalette schemeFor(const FormSpec& description, const QPalette& theme)
{
    return setsOwnColour(description) ? classicScheme() : theme;
}

QColor resolve(const Color& color, const QPalette& scheme)
{
    if (color.source == Color::Source::Rgb)
        return QColor::fromRgb(color.rgb);
    switch (color.system) {
    case SystemColor::ButtonFace: return scheme.color(QPalette::Button);
    case SystemColor::ButtonText: return scheme.color(QPalette::ButtonText);
    case SystemColor::Window: return scheme.color(QPalette::Base);
    case SystemColor::WindowText: return scheme.color(QPalette::Text);
    case SystemColor::WindowFrame: return scheme.color(QPalette::WindowText);  // black in the classic scheme
    case SystemColor::Highlight: return scheme.color(QPalette::Highlight);
    }
    return {};
}

void applyColours(QWidget* widget, const ControlSpec& row, const QPalette& scheme)
{
    QPalette palette = widget->palette();
    const QColor back = row.backColor.isSet() ? resolve(row.backColor, scheme) : QColor();
    const QColor fore = row.foreColor.isSet() ? resolve(row.foreColor, scheme) : QColor();
    switch (row.kind) {
    case ControlKind::TextBox:
        if (back.isValid())
            palette.setColor(QPalette::Base, back);
        if (fore.isValid())
            palette.setColor(QPalette::Text, fore);
        break;
    case ControlKind::Button:
        // The caption stays readable on any face colour.
        if (back.isValid()) {
            palette.setColor(QPalette::Button, back);
            palette.setColor(QPalette::ButtonText, captionColourOn(back));
        }
        break;
    case ControlKind::Line:
        break;
    default:
        palette.setColor(QPalette::Window, back.isValid() ? back : scheme.color(QPalette::Button));
        if (fore.isValid())
            palette.setColor(QPalette::WindowText, fore);
        break;
    }
    widget->setPalette(palette);
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace shell
