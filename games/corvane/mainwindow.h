#pragma once

#include "form.h"

namespace corvane {

using shell::Value;

// A coin toss for a stake of 1 to 10 coins: 100 coins win the game, none
// lose it, and either way a new game starts at once.
class MainWindow : public shell::Form {
    Q_OBJECT
public:
    explicit MainWindow(shell::Runtime& runtime);

    void load() override;

private:
    static const shell::FormSpec description;

    void chooseStake(int stakeCoins);
    void callSide(int calledSide);
    void tossCoin();

    QLabel* tossResultLabel;
    QLabel* coinsLabel;
    QLabel* winnableCoinsLabel;
    QLabel* winnableMoneyLabel;
    QLabel* totalLabel;

    // Set by the option clicks, read by every toss after them.
    Value stake;
    Value side;
    Value coins;
};

} // namespace corvane
