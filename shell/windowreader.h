#pragma once

#include "formspec.h"
#include "reader.h"
#include "runtime.h"

#include <QObject>

class QLineEdit;

namespace shell {

class Form;

// What one window tells a screen reader beyond what it shows: the names and
// descriptions its description gives, what each event changed (before a
// box, when one opens), a box read again after its error, and the text of
// a window that has nothing to focus as it opens.
class WindowReader : public QObject, private BoxListener {
    Q_OBJECT
public:
    WindowReader(Form& window, Runtime& runtime);
    ~WindowReader() override;

    // Once the window's controls are built: names and describes them, and
    // watches its boxes and labels for what events change.
    void takeControls(const FormSpec& description, const QList<QWidget*>& controls);

    // Speaks a phrase to the player's screen reader, if one listens.
    void announce(const QString& phrase);

    // Around each event procedure of the window; events may nest.
    void beginEvent();
    void endEvent(bool succeeded, QLineEdit* changedBox);

    // The window has nothing to focus: its text is read as it is activated.
    void readOnActivation();
    // That text: the labels in reading order, then the words of the picture.
    QString openingText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void beforeBox() override;
    void tellChanges();
    void readBoxAfterError(QLineEdit* box);

    Form& m_window;
    Runtime& m_runtime;
    QList<QWidget*> m_watched;  // the boxes and labels
    QString m_pictureText;
    Announcer* m_announcer = nullptr;  // made on the first phrase
    ShownValues m_shown;
    int m_eventDepth = 0;  // a procedure may raise another window event
};

} // namespace shell
