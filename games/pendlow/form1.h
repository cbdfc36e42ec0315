#pragma once

#include "form.h"

namespace pendlow {

using shell::Value;

// The player's and the computer's numbers race to the larger total after
// 18 throws, or to a million after a tie.
class Form1 : public shell::Form {
    Q_OBJECT
public:
    explicit Form1(shell::Runtime& runtime);

    void Form_Load() override;
    void Cmd1_Click();
    void cmd2_Click();
    void Cmd3_Click();

private:
    void resetGame();

    QLineEdit* Txt1;
    QLineEdit* Txt2;
    QLineEdit* Txt3;
    QLineEdit* Txt4;
    QLabel* Lbl3;

    Value Thrown;
    Value Throws;
    Value PlayerThrow;
    Value ComputerThrow;
    Value PlayerTotal;
    Value ComputerTotal;
    Value Lead;
    Value Margin;
};

} // namespace pendlow
