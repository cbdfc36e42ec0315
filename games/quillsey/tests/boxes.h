#pragma once

// Quillsey's boxes and rules as the player sees them, for its scripted tests
// and its storm.

#include "runtimeerror.h"
#include "scripteddialogs.h"

#include <QLabel>
#include <QStringList>

namespace quillsey::tests {

using namespace shell;

inline const QString program = QStringLiteral("Quillsey");
inline const QString millionaire = QStringLiteral("Вы миллионер!!!");
inline const QString consolation = QStringLiteral("Не растраивайтесь, Вам еще повезет.Попробуйте снова.");

inline ShownBox verdictBox(const QString& verdict) { return {verdict, Style::Ok, program}; }
inline ShownBox errorBox(ErrorCode code) { return {errorMessage(code), Style::Critical, program}; }

inline const QStringList rules = {
    QStringLiteral("Для того, чтобы выиграть миллион, вам нужно назначить ставку(от 200 до 250 рублей)"),
    QStringLiteral("и запустить поочереди три поля. Нажав на кнопку сумма, вы получите общее количество очков."),
    QStringLiteral("При нажатии на кнопку счет число ваших очков переводится в деньги(1 очко-3 рубля)."),
    QStringLiteral("Если вы нажмете кнопку результат, вы узнаете, стали ли вы миллионером."),
    QStringLiteral("Для выхода из игры нажмите Exit"),
};

// The lines the rules window shows.
inline QStringList rulesShown(const QWidget* window)
{
    QStringList all;
    for (const char* name : {"L1", "l2", "l3", "l4", "l5"})
        all << window->findChild<QLabel*>(QLatin1String(name))->text();
    return all;
}

} // namespace quillsey::tests
