#pragma once

#include "form.h"
#include "frm2.h"

namespace quillsey {

using shell::Value;

// Three launched fields times the stake make the points, three roubles a
// point make the money. The whole game lives in the six text boxes: every
// button reads them as they stand and writes one of them.
class Form1 : public shell::Form {
    Q_OBJECT
public:
    explicit Form1(shell::Runtime& runtime);

    void cmd1_Click();
    void cmd2_Click();
    void cmd3_Click();
    void cmd4_Click();
    void cmd6_Click();
    void cmd7_Click();
    void cmd8_Click();
    void cmd5_Click();

private:
    void launch(QLineEdit* field);

    QLineEdit* txt1;
    QLineEdit* txt2;
    QLineEdit* txt3;
    QLineEdit* txt4;
    QLineEdit* txt5;
    QLineEdit* txt6;

    shell::FormInstance<frm2> rules;
};

} // namespace quillsey
