#pragma once

// The keyboard as a player's: each key goes to whatever has the focus.

#include "form.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

namespace shell {

inline QString nameOf(const QWidget* widget)
{
    return widget ? widget->objectName() : QStringLiteral("<nothing>");
}

// When a box closes, the window manager hands the keys back to the game's
// window; offscreen there is none, so this does it.
inline void reactivateGameWindow()
{
    if (QApplication::activeWindow())
        return;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<Form*>(window))
            QApplication::setActiveWindow(window);
    }
}

// A key as the keyboard sends it: to whatever has the focus.
inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    reactivateGameWindow();
    QWidget* target = QApplication::focusWidget();
    QVERIFY2(target, "nothing has the keyboard focus");
    QTest::keyClick(target, key, modifiers);
}

// Answers the next real box with that key, sent to the box's focus, and
// notes the box's text in `answered`.
inline void answerNextBox(Qt::Key key, QStringList& answered)
{
    QTimer::singleShot(0, [key, &answered] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        // A box counts as active with its window; the keys wait for its focus.
        QTRY_VERIFY(box->isAncestorOf(QApplication::focusWidget()));
        answered.append(box->text());
        press(key);
    });
}

} // namespace shell
