#pragma once

// Tessaly's boxes, sides and account line as the player sees them, for its
// scripted tests and its storm.

#include "runtimeerror.h"
#include "scripteddialogs.h"

#include <QTest>
#include <array>

namespace tessaly::tests {

using namespace shell;

inline const QString program = QStringLiteral("Tessaly");
inline const QString heads = QStringLiteral("орел");
inline const QString tails = QStringLiteral("решка");

// The six coin buttons and the side each always shows.
struct PlayButton {
    const char* name;
    QString side;
};
inline const std::array<PlayButton, 6> playButtons = {{
    {"cmd2", heads}, {"cmd3", tails}, {"cmd4", tails}, {"cmd5", heads}, {"cmd6", heads}, {"cmd7", heads},
}};

inline QString accountLine(const QString& number) { return QStringLiteral("Ваш счет: ") + number; }

inline ShownBox exitBox(const QString& number)
{
    return {QStringLiteral("Сумма вашего выигрыша составляет") + number + QStringLiteral(" рублей.Выйти из игры?"),
            Style::YesNo | Style::Question, QStringLiteral("Конец игры")};
}

inline ShownBox errorBox(ErrorCode code) { return {errorMessage(code), Style::Critical, program}; }

// The rules box: a question under its title, its long text whole.
inline void checkRulesBox(const ShownBox& box)
{
    QCOMPARE(box.title, QStringLiteral("условия игры"));
    QCOMPARE(box.style, Style::YesNo | Style::Question);
    QVERIFY(box.prompt.startsWith(QStringLiteral("Вам предлагается сделать ставку(ставка")));
    QVERIFY(box.prompt.endsWith(QStringLiteral("заработанную Вами сумму. Желаем Вам удачи!")));
}

} // namespace tessaly::tests
