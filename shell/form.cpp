#include "form.h"
#include "colours.h"
#include "controls.h"
#include "fonts.h"
#include "language.h"
#include "windowicon.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>
#include <algorithm>
#include <future>

namespace shell {

namespace {

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

// The icon's images, read on a worker thread while the window is built.
std::future<QList<QImage>> readIconAhead(const QString& path)
{
    if (path.isEmpty())
        return {};
    return std::async(std::launch::async, readWindowIconImages, path);
}

// Registering a face flushes the font engines loaded so far, so every face
// comes before the first control measures its text.
void registerFaces(const FormSpec& description)
{
    for (const ControlSpec& control : description.controls) {
        if (control.kind != ControlKind::Line)
            registerFaceOf(control.font);
    }
}

Picture pictureOf(const PictureSpec& picture)
{
    return picture.paint ? Picture(picture.paint) : Picture(pictureInLanguage(QString::fromUtf8(picture.path)));
}

void raiseWindowedControls(const QList<std::pair<const ControlSpec*, QWidget*>>& controls)
{
    for (const auto& [row, widget] : controls) {
        if (!isDrawnOnContainer(row->kind))
            widget->raise();
    }
}

} // namespace

Form::Form(Runtime& runtime, const FormSpec& description)
    : m_runtime(runtime)
    , m_context(description.window ? description.window->className() : "")
    , m_reader(*this, runtime)
{
    // Flags before the controls: setting them later resolves every control's
    // font again and lays out each text box anew. The window itself has no
    // font: every control sets its own, so one would only load a face.
    placeWindow(description);
    setObjectName(QString::fromUtf8(description.name));
    setWindowTitle(translated(description.caption));
    setAccessibleName(windowTitle());
    const QString iconPath = QString::fromUtf8(description.icon);
    std::future<QList<QImage>> iconImages = readIconAhead(iconPath);
    takeColours(description);
    m_picture = pictureOf(description.picture);
    m_picture.decodeAhead(devicePixelRatio());
    registerFaces(description);
    const Built controls = makeControls(description);
    raiseWindowedControls(controls);
    setTabOrder(controls);
    if (iconImages.valid())
        setWindowIcon(windowIconFrom(iconImages.get(), iconPath));
    QList<QWidget*> widgets;
    for (const auto& [row, widget] : controls)
        widgets.append(widget);
    m_reader.takeControls(description, widgets);
}

Form::~Form() = default;

QString Form::translated(const char* text) const
{
    return *text ? QCoreApplication::translate(m_context, text) : QString();
}

void Form::takeColours(const FormSpec& description)
{
    m_scheme = schemeFor(description, palette());
    if (description.backColor.isSet()) {
        QPalette own = m_scheme;
        own.setColor(QPalette::Window, resolve(description.backColor, m_scheme));
        setPalette(own);
        setAutoFillBackground(true);
    } else if (m_scheme != palette()) {
        setPalette(m_scheme);
    }
}

// In the description's order, so a frame exists before the controls it holds.
Form::Built Form::makeControls(const FormSpec& description)
{
    Built built;
    for (const ControlSpec& row : description.controls) {
        QWidget* container = *row.container ? control(QString::fromUtf8(row.container)) : nullptr;
        QWidget* widget = makeControl(row, container ? container : this);
        const QString name = QString::fromUtf8(row.name);
        if (row.arrayIndex >= 0)
            m_arrays[name].insert(row.arrayIndex, widget);
        else
            m_controls.insert(name, widget);
        built.append({&row, widget});
    }
    return built;
}

// By tab index; controls that share one keep the description's order.
void Form::setTabOrder(const Built& controls)
{
    Built focusable;
    std::copy_if(controls.begin(), controls.end(), std::back_inserter(focusable),
                 [](const auto& entry) { return takesFocus(entry.first->kind); });
    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const auto& a, const auto& b) { return a.first->tabIndex < b.first->tabIndex; });
    for (const auto& entry : focusable)
        m_tabOrder.append(entry.second);
    for (qsizetype i = 1; i < m_tabOrder.size(); ++i)
        QWidget::setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
}

QWidget* Form::makeControl(const ControlSpec& row, QWidget* parent)
{
    const QString caption = translated(row.caption);
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
        auto* box = new TextBox(parent);
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
    applyColours(widget, row, m_scheme);
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
    return index < 0 ? m_controls.value(name) : m_arrays.value(name).value(index);
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

void Form::showWindow()
{
    // Captions are final now, after load.
    for (QLabel* text : findChildren<QLabel*>())
        squeezeOntoOneLine(text);
    show();
    if (!m_tabOrder.isEmpty())
        m_tabOrder.first()->setFocus(Qt::OtherFocusReason);
    else
        m_reader.readOnActivation();  // nothing to focus: its text is read instead
}

void Form::paintEvent(QPaintEvent* event)
{
    QWidget::paintEvent(event);
    if (m_picture.isEmpty())
        return;
    QPainter painter(this);
    m_picture.draw(painter, devicePixelRatio());
}

// A window with nothing to focus has no button to close it either.
void Form::keyPressEvent(QKeyEvent* event)
{
    if (m_tabOrder.isEmpty() && event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace shell
