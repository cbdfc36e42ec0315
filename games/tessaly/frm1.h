#pragma once

#include "form.h"

#include <cstdint>

namespace tessaly {

using shell::Value;

// Heads or tails: the player types a bet and a side, then presses one of
// six buttons, each of which always shows the same side of the coin.
class Frm1 : public shell::Form {
    Q_OBJECT
public:
    explicit Frm1(shell::Runtime& runtime);

    void cmd1_Click();
    void cmd2_Click();
    void cmd3_Click();
    void cmd4_Click();
    void cmd5_Click();
    void cmd6_Click();
    void cmd7_Click();
    void txt3_Change();
    void сmd8_Click();

private:
    void play(const QString& side);

    QLineEdit* txt1;
    QLineEdit* txt2;
    QLineEdit* txt3;
    QLineEdit* txt4;

    std::int16_t bet = 0;
    Value score;
};

} // namespace tessaly
