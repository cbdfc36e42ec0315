#pragma once

#include "form.h"

#include <cstdint>

namespace corvane {

using shell::Value;

// A coin toss for a stake of 1 to 10 coins: 100 coins win the game, none
// lose it, and either way a new game starts at once.
class MainWindow : public shell::Form {
    Q_OBJECT
public:
    explicit MainWindow(shell::Runtime& runtime);

    void load() override;
    void chooseStake(int stakeCoins);
    void callSide(int calledSide);
    void tossCoin();

private:
    QLabel* tossResultLabel;
    QLabel* coinsLabel;
    QLabel* winnableCoinsLabel;
    QLabel* winnableMoneyLabel;
    QLabel* totalLabel;

    Value stake;
    Value side;
    Value coins;
    Value outcome;
    Value total;
    std::int16_t draw = 0;
};

} // namespace corvane
