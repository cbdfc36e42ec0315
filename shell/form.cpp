#include "form.h"
#include "controls.h"
#include "fonts.h"
#include "windowicon.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <future>

namespace shell {

namespace {

QString keyFor(const QString& name, int index)
{
    return index < 0 ? name : QStringLiteral("%1(%2)").arg(name).arg(index);
}

// The classic light scheme the windows were drawn for: a light grey face,
// white boxes, black text; its 3D shades and disabled text follow from the face.
QPalette classicScheme()
{
    return QPalette(QColor(0xF0, 0xF0, 0xF0));
}

// A window that sets any colour of its own mixes badly with a theme's colours
// for the rest, so it takes all of them from the classic light scheme. System
// colours are not its own: a window using only those follows the theme.
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

QColor resolve(const Color& color, const QPalette& palette)
{
    if (color.source == Color::Source::Rgb)
        return QColor::fromRgb(color.rgb);
    switch (color.system) {
    case SystemColor::ButtonFace: return palette.color(QPalette::Button);
    case SystemColor::ButtonText: return palette.color(QPalette::ButtonText);
    case SystemColor::Window: return palette.color(QPalette::Base);
    case SystemColor::WindowText: return palette.color(QPalette::Text);
    case SystemColor::WindowFrame: return palette.color(QPalette::WindowText);  // black in the classic scheme
    case SystemColor::Highlight: return palette.color(QPalette::Highlight);
    }
    return {};
}

// Lines and labels are painted on their container; every other control is
// a window of its own and always covers them.
bool isDrawnOnContainer(ControlKind kind)
{
    return kind == ControlKind::Label || kind == ControlKind::Line;
}

bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::Button || kind == ControlKind::TextBox || kind == ControlKind::Option;
}

QRect pixelRect(const Twips& r)
{
    return QRect(toPixels(r.left), toPixels(r.top), toPixels(r.width), toPixels(r.height));
}

void applyColors(QWidget* widget, const ControlSpec& row, const QPalette& scheme)
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
        if (back.isValid()) {
            palette.setColor(QPalette::Button, back);
            // Keep the caption readable on any face colour: black or white,
            // whichever stands out more (black wins above this luminance).
            palette.setColor(QPalette::ButtonText, luminance(back) > 0.179 ? Qt::black : Qt::white);
        }
        break;
    case ControlKind::Line:
        break;
    default:
        // Without a colour of its own a control shows the face colour, not its window's.
        palette.setColor(QPalette::Window, back.isValid() ? back : scheme.color(QPalette::Button));
        if (fore.isValid())
            palette.setColor(QPalette::WindowText, fore);
        break;
    }
    widget->setPalette(palette);
}

} // namespace

Form::Form(Runtime& runtime, const FormSpec& description)
    : m_runtime(runtime)
{
    makeWidgets(description);
}

Form::~Form() = default;

void Form::makeWidgets(const FormSpec& description)
{
    // Flags before the controls: setting them later resolves every control's
    // font again and lays out each text box anew. The window itself has no
    // font: every control sets its own, so one would only load a face.
    placeWindow(description);
    setObjectName(QString::fromUtf8(description.name));
    setWindowTitle(QString::fromUtf8(description.caption));
    setAccessibleName(windowTitle());
    // Icon and picture decode on worker threads while the controls are built.
    const QString iconPath = QString::fromUtf8(description.icon);
    std::future<QList<QImage>> iconImages;
    if (!iconPath.isEmpty())
        iconImages = std::async(std::launch::async, readWindowIconImages, iconPath);
    m_scheme = setsOwnColour(description) ? classicScheme() : palette();
    if (description.backColor.isSet()) {
        QPalette own = m_scheme;
        own.setColor(QPalette::Window, resolve(description.backColor, m_scheme));
        setPalette(own);
        setAutoFillBackground(true);
    } else if (m_scheme != palette()) {
        setPalette(m_scheme);
    }
    m_picture = Picture(QString::fromUtf8(description.picture));
    m_picture.decodeAhead(devicePixelRatio(), palette().color(backgroundRole()));

    for (const ControlSpec& control : description.controls) {
        if (control.kind != ControlKind::Line)
            registerFaceOf(control.font);
    }
    QList<std::pair<const ControlSpec*, QWidget*>> built;
    for (const ControlSpec& control : description.controls) {
        QWidget* parent = *control.container ? this->control(QString::fromUtf8(control.container)) : this;
        QWidget* widget = makeControl(control, parent ? parent : this);
        m_controls.insert(keyFor(QString::fromUtf8(control.name), control.arrayIndex), widget);
        built.append({&control, widget});
    }
    for (const auto& [control, widget] : built) {
        if (!isDrawnOnContainer(control->kind))
            widget->raise();
    }

    QList<std::pair<const ControlSpec*, QWidget*>> focusable;
    std::copy_if(built.begin(), built.end(), std::back_inserter(focusable),
                 [](const auto& entry) { return takesFocus(entry.first->kind); });
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto& a, const auto& b) { return a.first->tabIndex < b.first->tabIndex; });
    for (const auto& entry : focusable)
        m_tabOrder.append(entry.second);
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);

    if (iconImages.valid())
        setWindowIcon(windowIconFrom(iconImages.get(), iconPath));
}

QWidget* Form::makeControl(const ControlSpec& row, QWidget* parent)
{
    const QString caption = QString::fromUtf8(row.caption);
    QWidget* widget = nullptr;
    switch (row.kind) {
    case ControlKind::Button:
        widget = new CommandButton(caption, parent);
        break;
    case ControlKind::Label: {
        auto* text = new QLabel(caption, parent);
        text->setTextFormat(Qt::PlainText); // captions may hold what the player typed
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignTop | (row.alignment == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft));
        text->setAutoFillBackground(!row.isTransparent);
        widget = text;
        break;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(parent);
        box->setAlignment(Qt::AlignTop | (row.alignment == Align::Center ? Qt::AlignHCenter : Qt::AlignLeft));
        widget = box;
        break;
    }
    case ControlKind::Frame:
        // Titled only once it has its font: a title measures itself at once,
        // and with the inherited font would load a face nothing draws with.
        widget = new FrameBox(QString(), parent);
        break;
    case ControlKind::Option:
        widget = new OptionButton(caption, parent);
        break;
    case ControlKind::Line: {
        const Twips& r = row.rect;
        widget = new LineControl(QPoint(toPixels(r.left), toPixels(r.top)),
                                 QPoint(toPixels(r.width), toPixels(r.height)), parent);
        break;
    }
    }
    widget->setObjectName(QString::fromUtf8(row.name));
    if (row.kind != ControlKind::Line) {
        widget->setGeometry(pixelRect(row.rect));
        widget->setFont(fontFor(row.font));
    }
    if (auto* commandButton = qobject_cast<CommandButton*>(widget))
        commandButton->setCaption(caption);
    if (auto* frameBox = qobject_cast<FrameBox*>(widget))
        frameBox->setTitle(caption);
    // Frames and option buttons are opaque like labels: the face, or their own colour.
    if (row.kind == ControlKind::Frame || row.kind == ControlKind::Option)
        widget->setAutoFillBackground(true);
    applyColors(widget, row, m_scheme);
    // A pair of fixed colours the description chose; contrast checks leave it be.
    if (row.backColor.source == Color::Source::Rgb && row.foreColor.source == Color::Source::Rgb)
        widget->setProperty("ownColours", true);
    if (!takesFocus(row.kind))
        widget->setFocusPolicy(Qt::NoFocus);
    return widget;
}

void Form::placeWindow(const FormSpec& description)
{
    const QSize client(toPixels(description.clientWidth), toPixels(description.clientHeight));
    if (description.border == Border::FixedSingle) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                       | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        setFixedSize(client);
    } else {
        resize(client);
    }
    if (description.position)
        setGeometry(QRect(QPoint(toPixels(description.position->left), toPixels(description.position->top)), client));
}

QWidget* Form::control(const QString& name, int index) const
{
    return m_controls.value(keyFor(name, index));
}

QPushButton* Form::button(const QString& name, int index) const
{
    return qobject_cast<QPushButton*>(control(name, index));
}

QLineEdit* Form::textBox(const QString& name, int index) const
{
    return qobject_cast<QLineEdit*>(control(name, index));
}

QLabel* Form::label(const QString& name, int index) const
{
    return qobject_cast<QLabel*>(control(name, index));
}

QRadioButton* Form::option(const QString& name, int index) const
{
    return qobject_cast<QRadioButton*>(control(name, index));
}

QGroupBox* Form::frame(const QString& name, int index) const
{
    return qobject_cast<QGroupBox*>(control(name, index));
}

QList<std::pair<int, QWidget*>> Form::arrayMembers(const QString& name) const
{
    QList<std::pair<int, QWidget*>> members;
    const QString prefix = name + QLatin1Char('(');
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        if (it.key().startsWith(prefix))
            members.append({it.key().mid(prefix.size()).chopped(1).toInt(), it.value()});
    }
    return members;
}

void Form::showWindow()
{
    // Captions are final now, after load.
    for (QLabel* text : findChildren<QLabel*>())
        squeezeOntoOneLine(text);
    show();
    if (!m_tabOrder.isEmpty())
        m_tabOrder.first()->setFocus(Qt::OtherFocusReason);
}

void Form::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_picture.isEmpty())
        return;
    QPainter painter(this);
    m_picture.draw(painter, devicePixelRatio(), palette().color(backgroundRole()));
}

} // namespace shell
