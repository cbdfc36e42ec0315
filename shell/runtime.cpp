#include "runtime.h"

#include <QApplication>
#include <QWidget>

namespace shell {

Runtime::Runtime(const QString& programName, RandomSource& random, Dialogs& dialogs)
    : m_programName(programName)
    , m_random(random)
    , m_dialogs(dialogs)
{
}

Value Runtime::rnd() { return Value::single(m_random.next()); }

int Runtime::msgBox(const QString& prompt, int style, const QString& title)
{
    tellBoxListeners();
    return m_dialogs.messageBox(prompt, style, title.isEmpty() ? m_programName : title);
}

QString Runtime::inputBox(const QString& prompt, const QString& title)
{
    tellBoxListeners();
    return m_dialogs.inputBox(prompt, title.isEmpty() ? m_programName : title);
}

void Runtime::addBoxListener(BoxListener* listener)
{
    if (!m_boxListeners.contains(listener))
        m_boxListeners.append(listener);
}

void Runtime::removeBoxListener(BoxListener* listener) { m_boxListeners.removeOne(listener); }

// On a copy: a listener may come or go while the others are told.
void Runtime::tellBoxListeners()
{
    const QList<BoxListener*> listeners = m_boxListeners;
    for (BoxListener* listener : listeners)
        listener->beforeBox();
}

void Runtime::end() { throw EndRequest(); }

void Runtime::reportError(const RuntimeError& error)
{
    tellBoxListeners();
    m_dialogs.messageBox(errorMessage(error.code()), Style::Critical, m_programName);
}

void Runtime::finish()
{
    m_ended = true;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows)
        window->close();
    if (m_endAction)
        m_endAction();
}

} // namespace shell
