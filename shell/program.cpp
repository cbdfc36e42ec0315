#include "program.h"

#include <QPointer>
#include <QStyleFactory>
#include <QWidget>

namespace shell {

void prepareApplication(const QString& programName)
{
    QApplication::setApplicationName(programName);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

int runEventLoop(const Runtime& runtime)
{
    if (!runtime.hasEnded())
        QApplication::exec();
    // Windows still open when End came; deleting them here keeps leak checks quiet.
    QList<QPointer<Form>> forms;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* form = qobject_cast<Form*>(window))
            forms.append(form);
    }
    for (const QPointer<Form>& form : forms)
        delete form.data();
    return 0;
}

} // namespace shell
