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
    void registerPlayer();
    void showIntroduction();
    void throwDice();

private:
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

    std::uint8_t isRegistered = 0;
    QString playerName;
    Value playerDie1;
    Value playerDie2;
    Value computerDie1;
    Value computerDie2;
    Value playerMoney;
    std::int32_t computerMoney = 0;
    Value throwNumber;
};

} // namespace brannock
