#include "qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace shell {

namespace {

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case Style::Critical: return QMessageBox::Critical;
    case Style::Question: return QMessageBox::Question;
    case Style::Exclamation: return QMessageBox::Warning;
    case Style::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

} // namespace

int QtDialogs::messageBox(const QString& prompt, int style, const QString& title)
{
    QMessageBox box(iconFor(style), title, prompt, QMessageBox::NoButton, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText); // game texts may hold what the player typed
    if ((style & 0x7) == Style::YesNo) {
        QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return Answer::Ok;
}

QString QtDialogs::inputBox(const QString& prompt, const QString& title)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Отмена"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace shell
