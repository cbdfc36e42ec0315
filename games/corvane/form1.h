#pragma once

#include "form.h"

#include <array>
#include <cstdint>

namespace corvane {

using shell::Value;

// A coin toss for a stake of 1 to 10 coins: 100 coins win the game, none
// lose it, and either way a new game starts at once.
class Form1 : public shell::Form {
    Q_OBJECT
public:
    explicit Form1(shell::Runtime& runtime);

    void Form_Load() override;
    void STM_Click(int Index);
    void STRez_Click(int Index);
    void CmdM_Click();

private:
    QLabel* Label1;
    std::array<QLabel*, 5> Label2{};  // members 1 to 4

    Value stake;
    Value side;
    Value coins;
    Value outcome;
    Value total;
    std::int16_t draw = 0;
};

} // namespace corvane
