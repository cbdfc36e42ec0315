#pragma once

#include "form.h"

#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>

namespace shell {

// A window's text boxes in the order of their names ("txt1", "txt2", ...),
// so a test can list and pick them without naming each.
inline QList<QLineEdit*> textBoxes(const Form& window)
{
    QList<QLineEdit*> boxes = window.findChildren<QLineEdit*>();
    std::sort(boxes.begin(), boxes.end(),
              [](const QLineEdit* a, const QLineEdit* b) { return a->objectName() < b->objectName(); });
    return boxes;
}

// What those boxes show, in the same order.
inline QStringList texts(const Form& window)
{
    QStringList all;
    for (const QLineEdit* box : textBoxes(window))
        all.append(box->text());
    return all;
}

// The program's visible windows of that class.
template <typename Window = Form>
QList<Window*> openWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QList<Window*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            found.append(window);
    }
    return found;
}

} // namespace shell
