#pragma once

// Brannock's boxes as the player sees them, for its scripted tests and its storm.

#include "scripteddialogs.h"

namespace brannock::tests {

using namespace shell;

inline const QString program = QStringLiteral("Brannock");
inline const QString endTitle = QStringLiteral("Конец игры");
inline const ShownBox playerWins{QStringLiteral("Поздравляю вы выиграли миллион!"), Style::Exclamation, endTitle};
inline const ShownBox computerWins{QStringLiteral("Game over. Вы проиграли. Ха Ха Ха!!!!"), Style::Exclamation,
                                   endTitle};
inline const ShownBox gameOver{QStringLiteral("Game over"), Style::Exclamation, endTitle};
inline const ShownBox reminder{QStringLiteral("Что забыл зарегистрироваться? Бывает"), Style::Ok,
                               QStringLiteral("Зарегистрируйся новичок")};
inline const ShownBox registration{QStringLiteral("Введите ваше имя и фамилию:"), 0, QStringLiteral("Регистрация"),
                                   true};
inline const ShownBox introduction{
    QStringLiteral(" Вас приветствует игра Brannock. Если вам не терпится выиграть миллион тогда вперёд "
                   "не забудьте только зарегистрироваться. Вы готовы сыграть в Ordwyn?"),
    Style::Question | Style::YesNo, QStringLiteral("Конец регистрации")};

} // namespace brannock::tests
