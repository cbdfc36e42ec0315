#pragma once

// Pendlow's boxes as the player sees them, for its scripted tests and its storm.

#include "scripteddialogs.h"

namespace pendlow::tests {

using namespace shell;

inline const QString program = QStringLiteral("Pendlow");

// Each game's result: who won and by how much, or who made a million.
inline ShownBox result(const QString& text) { return {text, Style::Exclamation, QStringLiteral("Игра окончена")}; }

inline const ShownBox gameOver{QStringLiteral("Игра окончена!"), Style::Exclamation,
                               QStringLiteral("Компьютерная кость")};
inline const ShownBox millionaire = result(QStringLiteral("Вы миллионер!!!!"));
inline const ShownBox computerMillionaire = result(QStringLiteral("Компьютер-миллионер!!!"));
// The computer's button only answers.
inline const ShownBox youFirst{QStringLiteral(" Вы первый "), Style::Ok, QStringLiteral("Бросок")};
inline const ShownBox computerHasThrown{QStringLiteral("Компьютер ход уже сделал!"), Style::Ok,
                                        QStringLiteral("Бросок")};

} // namespace pendlow::tests
