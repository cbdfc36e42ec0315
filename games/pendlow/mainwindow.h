#pragma once

#include "form.h"

namespace pendlow {

using shell::Value;

// The player's and the computer's numbers race to the larger total after
// 18 throws, or to a million after a tie.
class MainWindow : public shell::Form {
    Q_OBJECT
public:
    explicit MainWindow(shell::Runtime& runtime);

    void load() override;

private:
    static const shell::FormSpec description;

    void throwForBoth();
    void explainComputersTurn();
    void quitGame();
    void resetGame();

    QLineEdit* playerThrowBox;
    QLineEdit* computerThrowBox;
    QLineEdit* playerTotalBox;
    QLineEdit* computerTotalBox;
    QLabel* throwNumberLabel;

    bool hasThrown = false;  // since the start or the last game's end
    Value throws;
    Value playerTotal;
    Value computerTotal;
};

} // namespace pendlow
