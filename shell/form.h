#pragma once

#include "formspec.h"
#include "picture.h"
#include "runtime.h"
#include "windowreader.h"

#include <QAbstractButton>
#include <QHash>
#include <QLineEdit>
#include <QMap>
#include <QPointer>
#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace shell {

// One window of a game: built from its description, it owns its controls
// and wires their events to the procedures of the game's window class,
// which adds its state. What the window tells a screen reader is its
// reader's job.
class Form : public QWidget {
    Q_OBJECT
public:
    Form(Runtime& runtime, const FormSpec& description);
    ~Form() override;

    // Runs each time the window is loaded, before it shows.
    virtual void load() {}

    // The control of that name, or that member of a control array.
    QWidget* control(const QString& name, int index = -1) const;
    QPushButton* button(const QString& name, int index = -1) const;
    QLineEdit* textBox(const QString& name, int index = -1) const;
    QLabel* label(const QString& name, int index = -1) const;
    QRadioButton* option(const QString& name, int index = -1) const;
    QGroupBox* frame(const QString& name, int index = -1) const;

    // The focusable controls in tab order.
    QList<QWidget*> tabOrder() const { return m_tabOrder; }

    // Shows the window with the focus on the first control in tab order.
    void showWindow();

    const WindowReader& reader() const { return m_reader; }  // what it tells a screen reader
    // A caption of the description in the language the program speaks.
    QString translated(const char* text) const;

protected:
    Runtime& runtime() const { return m_runtime; }
    Value rnd() { return m_runtime.rnd(); }
    int msgBox(const QString& prompt, int style = Style::Ok, const QString& title = QString())
    {
        return m_runtime.msgBox(prompt, style, title);
    }
    QString inputBox(const QString& prompt, const QString& title = QString())
    {
        return m_runtime.inputBox(prompt, title);
    }
    [[noreturn]] void end() { m_runtime.end(); }

    // Event wiring: each event runs its procedure under the runtime's rules.
    template <typename Window>
    void onClick(QAbstractButton* source, void (Window::*procedure)())
    {
        connect(source, &QAbstractButton::clicked, this, [this, procedure] {
            runEvent([&] { (static_cast<Window*>(this)->*procedure)(); });
        });
    }

    // One procedure behind several buttons, told which one was pressed.
    template <typename Window, typename Parameter, typename Argument>
    void onClick(QAbstractButton* source, void (Window::*procedure)(Parameter), Argument argument)
    {
        connect(source, &QAbstractButton::clicked, this, [this, procedure, argument] {
            runEvent([&] { (static_cast<Window*>(this)->*procedure)(argument); });
        });
    }

    // Option buttons of an array raise Click(Index) when selected, by mouse or keys.
    template <typename Window>
    void onOptionClick(const QString& arrayName, void (Window::*procedure)(int))
    {
        for (const auto& [index, widget] : m_arrays.value(arrayName).asKeyValueRange()) {
            auto* optionButton = qobject_cast<QAbstractButton*>(widget);
            connect(optionButton, &QAbstractButton::toggled, this, [this, procedure, index](bool on) {
                if (on)
                    runEvent([&] { (static_cast<Window*>(this)->*procedure)(index); });
            });
        }
    }

    template <typename Window>
    void onChange(QLineEdit* source, void (Window::*procedure)())
    {
        connect(source, &QLineEdit::textChanged, this, [this, source, procedure] {
            runEvent([&] { (static_cast<Window*>(this)->*procedure)(); }, source);
        });
    }

    // Runs one event procedure; a screen reader then hears what it changed
    // on the window, and a box whose change raised an error is read again.
    template <typename Procedure>
    void runEvent(Procedure&& procedure, QLineEdit* changedBox = nullptr)
    {
        m_reader.beginEvent();
        const bool succeeded = m_runtime.run(std::forward<Procedure>(procedure));
        m_reader.endEvent(succeeded, changedBox);
    }

    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    using Built = QList<std::pair<const ControlSpec*, QWidget*>>;

    void placeWindow(const FormSpec& description);
    void takeColours(const FormSpec& description);
    Built makeControls(const FormSpec& description);
    QWidget* makeControl(const ControlSpec& row, QWidget* parent);
    void setTabOrder(const Built& controls);

    Runtime& m_runtime;
    const char* m_context;  // the window class's tr() context
    QHash<QString, QWidget*> m_controls;           // those outside any array
    QHash<QString, QMap<int, QWidget*>> m_arrays;  // each array's members by index
    QList<QWidget*> m_tabOrder;
    Picture m_picture;
    QPalette m_scheme;  // the theme's, or the classic light scheme when the window sets colours
    WindowReader m_reader;
};

// A secondary window: one instance, made and loaded on first show, unloaded
// when the player closes it and loaded afresh on the next show.
template <typename Window>
class FormInstance {
public:
    Window& show(Runtime& runtime)
    {
        if (!m_window) {
            m_window = new Window(runtime);
            m_window->setAttribute(Qt::WA_DeleteOnClose);
            m_window->load();
            m_window->showWindow();
        } else {
            m_window->show();
            m_window->raise();
        }
        return *m_window;
    }

private:
    QPointer<Window> m_window;
};

// Makes, loads and shows a program's startup window.
template <typename Window>
Window* openStartupForm(Runtime& runtime)
{
    auto* window = new Window(runtime);
    window->setAttribute(Qt::WA_DeleteOnClose);
    runtime.run([&] { window->load(); });
    if (!runtime.hasEnded())
        window->showWindow();
    return window;
}

} // namespace shell
