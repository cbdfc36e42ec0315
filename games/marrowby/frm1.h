#pragma once

#include "form.h"
#include "frm2.h"
#include "frm3.h"

#include <cstdint>

namespace marrowby {

using shell::Value;

// Two players share the window and take turns throwing two five-faced dice;
// player 2's 25th move ends the game.
class frm1 : public shell::Form {
    Q_OBJECT
public:
    explicit frm1(shell::Runtime& runtime);

    void cmd1_Click();
    void cmd2_Click();
    void cmd3_Click();
    void cmd4_Click();
    void cmd5_Click();

private:
    void throwDice();
    void beg();
    void rez();

    QLineEdit* txt1;
    QLineEdit* txt2;
    QLineEdit* txt3;
    QLineEdit* txt4;
    QLineEdit* txt5;

    shell::FormInstance<frm3> rules;
    shell::FormInstance<Frm2> warning;

    Value turn;
    std::int16_t moves2 = 0;
    Value die1;
    Value die2;
    Value sum;
    Value prize1;
    Value prize2;
    Value score1;
    Value score2;
    Value diff;
};

} // namespace marrowby
