#pragma once

// Marrowby's boxes as the players see them, for its scripted tests and its storm.

#include "scripteddialogs.h"

namespace marrowby::tests {

using namespace shell;

inline const QString program = QStringLiteral("Marrowby");

// Clicked out of turn: whose move it is.
inline ShownBox turnReminder(int player)
{
    return {QStringLiteral("Сейчас ход Игрока № %1").arg(player), Style::Ok, program};
}

inline ShownBox judgement(const QString& result) { return {result, Style::Exclamation, QStringLiteral("Конец игры")}; }

inline const ShownBox exitQuestion{QStringLiteral("Вы действительно хотите закончить игру?"),
                                   Style::YesNo | Style::Question, QStringLiteral("Выход из игры")};

} // namespace marrowby::tests
