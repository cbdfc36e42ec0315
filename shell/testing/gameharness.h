#pragma once

#include "form.h"
#include "program.h"
#include "runtime.h"
#include "scripteddialogs.h"
#include "scriptedrandom.h"
#include "textboxes.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace shell {

// A game's startup window, opened offscreen with scripted random values (or
// the runtime's own generator) and scripted boxes, driven through its real widgets.
template <typename Window, typename Random = ScriptedRandom>
class GameHarness {
public:
    explicit GameHarness(const QString& programName)
        : runtime(programName, random, boxes)
    {
        QApplication::setQuitOnLastWindowClosed(false);
        window = openStartupForm<Window>(runtime);
        boxes.onOpen = [this] {
            if (window)
                behind.append(texts());
        };
    }

    ~GameHarness() { delete window.data(); }

    GameHarness(const GameHarness&) = delete;
    GameHarness& operator=(const GameHarness&) = delete;

    void click(const QString& name, int index = -1)
    {
        QAbstractButton* target = qobject_cast<QAbstractButton*>(window->control(name, index));
        QVERIFY2(target, qPrintable(QStringLiteral("no button ") + name));
        QTest::mouseClick(target, Qt::LeftButton);
    }

    QString text(const QString& name, int index = -1) const
    {
        QWidget* control = window->control(name, index);
        if (auto* box = qobject_cast<QLineEdit*>(control))
            return box->text();
        if (auto* caption = qobject_cast<QLabel*>(control))
            return caption->text();
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            return button->text();
        return QStringLiteral("<no control %1>").arg(name);
    }

    // What the window's text boxes show, in the order of their names.
    QStringList texts() const { return shell::texts(*window); }

    // Every scripted value and answer was used.
    bool scriptUsedUp() const { return random.pending() == 0 && boxes.pendingAnswers() == 0; }

    Random random;
    ScriptedDialogs boxes;
    Runtime runtime;
    QPointer<Window> window;
    // What the text boxes showed behind each box, oldest first.
    QList<QStringList> behind;
};

// Deletes every window a test left open, so that a failed check, which
// leaves the test early, leaves none behind for the next: call it in cleanup().
inline void deleteOpenWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    deleteOpenForms();
}

} // namespace shell
