#pragma once

#include "form.h"

#include <cstdint>

namespace tessaly {

using shell::Value;

// Heads or tails: the player types a bet and a side, then presses one of
// six buttons, each of which always shows the same side of the coin.
class MainWindow : public shell::Form {
    Q_OBJECT
public:
    explicit MainWindow(shell::Runtime& runtime);

private:
    static const shell::FormSpec description;

    void showRules();
    void takeBet();
    void playButtonShowing(const QString& side);
    void askToQuit();

    QLineEdit* revealedSideBox;
    QLineEdit* accountBox;
    QLineEdit* betBox;
    QLineEdit* calledSideBox;

    std::int16_t bet = 0;
    Value account;
};

} // namespace tessaly
