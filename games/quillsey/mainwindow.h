#pragma once

#include "form.h"
#include "ruleswindow.h"

#include <array>

namespace quillsey {

using shell::Value;

// Three launched fields times the stake make the points, three roubles a
// point make the money. The whole game lives in the six text boxes: every
// button reads them as they stand and writes one of them.
class MainWindow : public shell::Form {
    Q_OBJECT
public:
    explicit MainWindow(shell::Runtime& runtime);

private:
    static const shell::FormSpec description;

    void launchField(int field);
    void addUpPoints();
    void convertPointsToMoney();
    void tellWhetherMillionaire();
    void showRules();
    void quitGame();

    std::array<QLineEdit*, 3> fieldBoxes;
    QLineEdit* stakeBox;
    QLineEdit* pointsBox;
    QLineEdit* moneyBox;

    shell::FormInstance<RulesWindow> rulesWindow;
};

} // namespace quillsey
