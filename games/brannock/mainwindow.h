#pragma once

#include "form.h"

#include <cstdint>

namespace brannock {

using shell::Value;

// The registered player and the computer each throw two five-sided dice,
// worth 3000 a point, racing to pass a million.
class MainWindow : public shell::Form {
    Q_OBJECT
public:
    explicit MainWindow(shell::Runtime& runtime);

    void load() override;

private:
    static const shell::FormSpec description;

    void registerPlayer();
    void showIntroduction();
    void throwDice();
    void resetGame();
    Value rollDie();

    QLineEdit* playerDie1Box;
    QLineEdit* playerDie2Box;
    QLineEdit* computerDie1Box;
    QLineEdit* computerDie2Box;
    QLineEdit* playerMoneyBox;
    QLineEdit* computerMoneyBox;
    QLineEdit* throwNumberBox;
    QLabel* playerNameLabel;

    bool isRegistered = false;
    Value playerMoney;
    // Unlike the player's Value, a plain 32-bit integer, as the game has
    // always kept it; a game ends long before the two kinds could differ.
    std::int32_t computerMoney = 0;
    Value throwNumber;
};

} // namespace brannock
