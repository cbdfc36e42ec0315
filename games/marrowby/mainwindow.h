#pragma once

#include "form.h"
#include "picturewindows.h"

#include <cstdint>

namespace marrowby {

using shell::Value;

// Two players share the window and take turns throwing two five-faced dice;
// player 2's 25th move ends the game.
class MainWindow : public shell::Form {
    Q_OBJECT
public:
    explicit MainWindow(shell::Runtime& runtime);

private:
    static const shell::FormSpec description;

    void throwForPlayer1();
    void throwForPlayer2();
    void showRules();
    void startNewGame();
    void askToQuit();

    Value throwDiceForPrize();
    void resetGame();
    void announceWinner();

    QLineEdit* die1Box;
    QLineEdit* die2Box;
    QLineEdit* prizeBox;
    QLineEdit* player1ScoreBox;
    QLineEdit* player2ScoreBox;

    shell::FormInstance<RulesWindow> rulesWindow;
    shell::FormInstance<WarningWindow> warningWindow;

    Value lastMover;
    std::int16_t player2Moves = 0;
    Value player1Score;
    Value player2Score;
};

} // namespace marrowby
