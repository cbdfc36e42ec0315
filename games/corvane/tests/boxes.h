#pragma once

// Corvane's boxes and captions as the player sees them, for its scripted
// tests and its storm.

#include "scripteddialogs.h"

namespace corvane::tests {

using namespace shell;

inline const QString program = QStringLiteral("Corvane");
inline const ShownBox placeBet{QStringLiteral("Сделайте ставку!"), Style::Information, program};
inline const ShownBox lost{QStringLiteral("Вы проиграли :( ! Сыграем еще?"), Style::Question, program};
inline const ShownBox won{QStringLiteral("Вы выиграли :) ! Сыграем еще?"), Style::Question, program};

inline const QString placeYourBets = QStringLiteral("Делайте Ваши ставки");
inline const QString headsUp = QStringLiteral("Орел!");
inline const QString tailsUp = QStringLiteral("Решка!");
inline const QString onEdge = QStringLiteral("Ребро!");

inline QString coinsCaption(const QString& number) { return QStringLiteral("На данный момент у Вас монет: ") + number; }
inline QString totalCaption(const QString& number) { return QStringLiteral("Общая сумма: ") + number + QStringLiteral("$"); }

} // namespace corvane::tests
