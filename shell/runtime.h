#pragma once

#include "dialogs.h"
#include "random.h"
#include "runtimeerror.h"
#include "value.h"

#include <QList>
#include <QString>
#include <functional>

namespace shell {

// Told before each box opens (a message, an input or an error box), so that
// what a procedure has shown so far is heard before the box.
class BoxListener {
public:
    virtual void beforeBox() = 0;

protected:
    ~BoxListener() = default;
};

// What every window of a program shares: its name, its random generator,
// its boxes, and the rules for errors and for ending the program.
class Runtime {
public:
    Runtime(const QString& programName, RandomSource& random, Dialogs& dialogs);

    // The next random number as a single, at least 0 and below 1.
    Value rnd();
    // A box without a title carries the program's name.
    int msgBox(const QString& prompt, int style = Style::Ok, const QString& title = QString());
    QString inputBox(const QString& prompt, const QString& title = QString());

    // Ends the program at once: nothing more of the calling procedure runs.
    [[noreturn]] void end();
    bool hasEnded() const { return m_ended; }
    // What End does after closing the windows: the program leaves its event
    // loop; tests leave it unset and look at hasEnded().
    void setEndAction(std::function<void()> action) { m_endAction = std::move(action); }

    // Runs one event procedure. A runtime error that escapes it is shown to
    // the player and the program goes on with what the procedure had done:
    // ending the program would lose the player's game on a typo. False when
    // an error was shown.
    template <typename Procedure>
    bool run(Procedure&& procedure)
    {
        if (m_ended)
            return true;
        try {
            procedure();
        } catch (const RuntimeError& error) {
            reportError(error);
            return false;
        } catch (const EndRequest&) {
            finish();
        }
        return true;
    }

    // Listeners are told in the order they were added. A window's screen
    // reader listens while one of its events runs; when that event raises
    // an event of another window, both are told, the outer one first.
    void addBoxListener(BoxListener* listener);
    void removeBoxListener(BoxListener* listener);

private:
    struct EndRequest {};

    void reportError(const RuntimeError& error);
    void finish();
    void tellBoxListeners();

    QString m_programName;
    RandomSource& m_random;
    Dialogs& m_dialogs;
    bool m_ended = false;
    std::function<void()> m_endAction;
    QList<BoxListener*> m_boxListeners;
};

} // namespace shell
