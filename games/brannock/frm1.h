#pragma once

#include "form.h"

#include <cstdint>

namespace brannock {

using shell::Value;

// The registered player and the computer each throw two five-sided dice,
// worth 3000 a point, racing to pass a million.
class Frm1 : public shell::Form {
    Q_OBJECT
public:
    explicit Frm1(shell::Runtime& runtime);

    void Form_Load() override;
    void CmdR_Click();
    void cmd2_Click();
    void cmd1_Click();

private:
    void beg();
    Value throwDie();

    QLineEdit* txta;
    QLineEdit* txtb;
    QLineEdit* txtc;
    QLineEdit* txtd;
    QLineEdit* txt1;
    QLineEdit* txt2;
    QLineEdit* Text;
    QLabel* Lbln;

    std::uint8_t Registered = 0;
    QString PlayerName;
    Value PlayerDie1;
    Value PlayerDie2;
    Value ComputerDie1;
    Value ComputerDie2;
    Value PlayerMoney;
    std::int32_t ComputerMoney = 0;
    Value ThrowNo;
};

} // namespace brannock
