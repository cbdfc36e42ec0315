# Marrowby in English: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Dice for two players: after 25 moves the higher score wins")
set(whatis "dice for two players: after 25 moves the higher score wins")
set(caption "Two dice, the prize of the throw and both players' scores")
set(about
    "Marrowby is a dice game for two players at one computer. The players take turns throwing two dice, every throw wins a prize for the thrower's score, and after 25 moves each the higher score wins.")
set(rules
    "Player 1 presses *Player 1* (*Игрок № 1*) and player 2 presses *Player 2* (*Игрок № 2*), in turn. A player who presses out of turn is told whose move it is. Each die shows 1 to 5, and the prize of a throw (*Prize*, *Сумма*) is 1999 times the sum of the dice plus 19999."
    "Player 2's 24th move brings up a warning window. After player 2's 25th move a box names the winner and the margin, or a draw, and a new game begins."
    "*Game Rules* (*Правила игры*) shows the rules, *New Game* (*Новая игра*) clears the scores, and *Exit* (*Выход*) asks whether to end the game.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Dice for two players: 25 moves, the higher score wins")
set(keywords "dice;two players")
