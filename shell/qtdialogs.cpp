#include "qtdialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

namespace shell {

namespace {

QMessageBox::Icon iconFor(int style)
{
    switch (Style::iconOf(style)) {
    case Style::Critical: return QMessageBox::Critical;
    case Style::Question: return QMessageBox::Question;
    case Style::Exclamation: return QMessageBox::Warning;
    case Style::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A box with Yes and No is answered through its buttons only: Escape does
// nothing and the close button does not close it, since No may end the game.
class GameBox final : public QMessageBox {
public:
    GameBox(int style, const QString& title, const QString& prompt)
        : QMessageBox(iconFor(style), title, prompt, QMessageBox::NoButton, QApplication::activeWindow())
        , m_buttonsOnly(Style::isYesNo(style))
    {
        setTextFormat(Qt::PlainText); // game texts may hold what the player typed
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (!(m_buttonsOnly && event->matches(QKeySequence::Cancel)))
            QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent* event) override
    {
        if (m_buttonsOnly)
            event->ignore();
        else
            QMessageBox::closeEvent(event);
    }

private:
    bool m_buttonsOnly;
};

} // namespace

int QtDialogs::messageBox(const QString& prompt, int style, const QString& title)
{
    GameBox box(style, title, prompt);
    if (Style::isYesNo(style)) {
        QPushButton* yes = box.addButton(QCoreApplication::translate("shell", "Да"), QMessageBox::YesRole);
        box.addButton(QCoreApplication::translate("shell", "Нет"), QMessageBox::NoRole);
        box.setDefaultButton(yes);
        box.exec();
        return box.clickedButton() == yes ? Answer::Yes : Answer::No;
    }
    QPushButton* ok = box.addButton(QCoreApplication::translate("shell", "OK"), QMessageBox::AcceptRole);
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
    dialog.setOkButtonText(QCoreApplication::translate("shell", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("shell", "Отмена"));
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace shell
