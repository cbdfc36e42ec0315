// What a window tells a screen reader beyond what it shows: names and
// descriptions from its description, what each event changed, the text of
// a window that has nothing to focus.
#include "form.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>
#include <memory>

namespace shell {

QWidget* Form::controlOf(const ControlRef& ref) const
{
    return control(QString::fromUtf8(ref.name), ref.index);
}

void Form::applyReaderNotes(const FormSpec& description)
{
    m_pictureText = translated(description.pictureText);
    for (const ReaderNote& note : description.reader) {
        QWidget* target = controlOf(note.control);
        Q_ASSERT_X(target, "Form::applyReaderNotes", note.control.name);
        if (!target)
            continue;
        const QString text = translated(note.text);
        switch (note.kind) {
        case ReaderNote::Kind::LabelledBy: {
            auto* caption = qobject_cast<QLabel*>(controlOf(note.label));
            Q_ASSERT_X(caption, "Form::applyReaderNotes", note.label.name);
            if (!caption)
                break;
            // A name, not a buddy: screen readers read a buddy's caption
            // in place of the name, and lose the detail.
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

void Form::announce(const QString& phrase)
{
    if (!m_announcer)
        m_announcer = new Announcer(this);
    m_announcer->announce(phrase);
}

void Form::beginEvent()
{
    if (m_eventDepth++ > 0)
        return;
    QList<QWidget*> shown;
    const auto watch = [&shown](QWidget* control) {
        if (qobject_cast<QLineEdit*>(control) || qobject_cast<QLabel*>(control))
            shown.append(control);
    };
    for (QWidget* control : std::as_const(m_controls))
        watch(control);
    for (const auto& members : std::as_const(m_arrays)) {
        for (QWidget* control : members)
            watch(control);
    }
    m_shown.watch(this, shown);
    // Values shown before a box are heard before it.
    m_outerBeforeBox = m_runtime.replaceBeforeBox([this] { tellChanges(); });
}

void Form::endEvent(bool succeeded, QLineEdit* changedBox)
{
    if (--m_eventDepth > 0)
        return;
    m_runtime.replaceBeforeBox(std::move(m_outerBeforeBox));
    m_outerBeforeBox = nullptr;
    if (m_runtime.hasEnded())
        return;
    tellChanges();
    if (!succeeded && changedBox)
        readBoxAfterError(changedBox);
}

void Form::tellChanges()
{
    announce(m_shown.takeChanges());
}

// The error box gives the focus back to the box only once the window is
// active again; the box is read after that, or the focus would drown it.
void Form::readBoxAfterError(QLineEdit* box)
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

QString Form::openingText() const
{
    QList<QWidget*> labels;
    for (QLabel* label : findChildren<QLabel*>())
        labels.append(label);
    QStringList lines;
    for (const QWidget* label : inReadingOrder(this, labels)) {
        const QString text = shownText(label).trimmed();
        if (!text.isEmpty())
            lines.append(text);
    }
    if (!m_pictureText.isEmpty())
        lines.append(m_pictureText);
    return lines.join(QLatin1Char(' '));
}

bool Form::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && m_readOnActivation) {
        m_readOnActivation = false;
        // After the screen reader has heard of the window itself.
        QTimer::singleShot(0, this, [this] { announce(openingText()); });
    }
    return QWidget::event(event);
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
