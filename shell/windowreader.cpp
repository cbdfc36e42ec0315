#include "windowreader.h"
#include "form.h"

#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <memory>

namespace shell {

WindowReader::WindowReader(Form& window, Runtime& runtime)
    : m_window(window)
    , m_runtime(runtime)
{
}

WindowReader::~WindowReader()
{
    if (m_eventDepth > 0)
        m_runtime.removeBoxListener(this);
}

void WindowReader::takeControls(const FormSpec& description, const QList<QWidget*>& controls)
{
    for (QWidget* control : controls) {
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QLabel*>(control))
            m_watched.append(control);
    }
    m_pictureText = m_window.translated(description.pictureText);
    const auto controlOf = [this](const ControlRef& ref) {
        return m_window.control(QString::fromUtf8(ref.name), ref.index);
    };
    for (const ReaderNote& note : description.reader) {
        QWidget* target = controlOf(note.control);
        Q_ASSERT_X(target, "WindowReader::takeControls", note.control.name);
        if (!target)
            continue;
        const QString text = m_window.translated(note.text);
        switch (note.kind) {
        case ReaderNote::Kind::LabelledBy: {
            auto* caption = qobject_cast<QLabel*>(controlOf(note.label));
            Q_ASSERT_X(caption, "WindowReader::takeControls", note.label.name);
            if (!caption)
                break;
            // A name, not a buddy: screen readers read a buddy's caption
            // in place of the name, and lose the detail. ("shell::Form":
            // the context its translations have always had.)
            QString name = caption->text().simplified();
            if (!text.isEmpty())
                //: a caption and the word that tells apart boxes sharing it, as in "Очки игрока"
                name = QCoreApplication::translate("shell::Form", "%1 %2", "caption and detail")
                           .arg(name, text);
            target->setAccessibleName(name);
            break;
        }
        case ReaderNote::Kind::Name:
            target->setAccessibleName(text);
            break;
        case ReaderNote::Kind::Description:
            target->setAccessibleDescription(text);
            break;
        case ReaderNote::Kind::SpokenName:
            setSpokenName(target, text);
            break;
        }
    }
}

void WindowReader::announce(const QString& phrase)
{
    if (!m_announcer)
        m_announcer = new Announcer(&m_window);
    m_announcer->announce(phrase);
}

void WindowReader::beginEvent()
{
    if (m_eventDepth++ > 0)
        return;
    m_shown.watch(&m_window, m_watched);
    // Values shown before a box are heard before it.
    m_runtime.addBoxListener(this);
}

void WindowReader::endEvent(bool succeeded, QLineEdit* changedBox)
{
    if (--m_eventDepth > 0)
        return;
    m_runtime.removeBoxListener(this);
    if (m_runtime.hasEnded())
        return;
    tellChanges();
    if (!succeeded && changedBox)
        readBoxAfterError(changedBox);
}

void WindowReader::beforeBox() { tellChanges(); }

void WindowReader::tellChanges()
{
    announce(m_shown.takeChanges());
}

// The error box gives the focus back to the box only once the window is
// active again; the box is read after that, or the focus would drown it.
void WindowReader::readBoxAfterError(QLineEdit* box)
{
    box->setFocus(Qt::OtherFocusReason);
    QPointer<QLineEdit> guarded(box);
    const auto read = [this, guarded] {
        if (guarded)
            announce(namedValue(guarded->accessibleName(), guarded->text()));
    };
    if (QApplication::focusWidget() == box) {
        read();
        return;
    }
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(qApp, &QApplication::focusChanged, this, [this, guarded, read, connection](QWidget*, QWidget* now) {
        if (now != guarded)
            return;
        disconnect(*connection);
        QTimer::singleShot(0, this, read);
    });
}

void WindowReader::readOnActivation()
{
    m_window.installEventFilter(this);
}

QString WindowReader::openingText() const
{
    QList<QWidget*> labels;
    for (QLabel* label : m_window.findChildren<QLabel*>())
        labels.append(label);
    QStringList lines;
    for (const QWidget* label : inReadingOrder(&m_window, labels)) {
        const QString text = shownText(label).trimmed();
        if (!text.isEmpty())
            lines.append(text);
    }
    if (!m_pictureText.isEmpty())
        lines.append(m_pictureText);
    return lines.join(QLatin1Char(' '));
}

bool WindowReader::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::WindowActivate) {
        m_window.removeEventFilter(this);
        // After the screen reader has heard of the window itself.
        QTimer::singleShot(0, this, [this] { announce(openingText()); });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace shell
