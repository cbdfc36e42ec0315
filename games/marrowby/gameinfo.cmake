# Marrowby as menus, manual pages and software centres describe it
# (desktop/metadata.cmake).

set(name_ru "Marrowby")
set(rating mild)
set(summary_en "Dice for two players: after 25 moves the higher score wins")
set(summary_ru "Кости для двоих: после 25 ходов побеждает больший счёт")
set(caption_en "Two dice, the prize of the throw and both players' scores")
set(caption_ru "Две кости, приз броска и счёт обоих игроков")
set(about_en
    "Marrowby is a dice game for two players at one computer. The players take turns throwing two dice, every throw wins a prize for the thrower's score, and after 25 moves each the higher score wins.")
set(about_ru
    "Marrowby — игра в кости для двух игроков за одним компьютером. Игроки по очереди бросают две кости, каждый бросок приносит приз к счёту бросившего, и после 25 ходов каждого побеждает больший счёт.")
set(rules_en
    "Player 1 presses Player 1 (Игрок № 1) and player 2 presses Player 2 (Игрок № 2), in turn: a player who presses out of turn is told whose move it is. Each die shows 1 to 5, and the prize of a throw (Prize, Сумма) is 1999 times the sum of the dice plus 19999."
    "Player 2's 24th move brings up a warning window. After player 2's 25th move a box names the winner and the margin, or a draw, and a new game begins."
    "Game rules (Правила игры) shows the rules, New game (Новая игра) clears the scores, and Exit (Выход) asks whether to end the game.")
set(rules_ru
    "Первый игрок нажимает «Игрок № 1», второй — «Игрок № 2», по очереди: тому, кто нажмёт не в свой черёд, игра напомнит, чей сейчас ход. Каждая кость показывает от 1 до 5, а приз броска («Сумма») равен сумме очков, умноженной на 1999, плюс 19999."
    "На 24-м ходу второго игрока появляется окно с предупреждением. После 25-го хода второго игрока окно называет победителя и разницу в счёте или ничью, и начинается новая игра."
    "«Правила игры» показывает правила, «Новая игра» обнуляет счёт, а «Выход» спрашивает, закончить ли игру.")

# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment_en "Dice for two players: 25 moves, the higher score wins")
set(menu_comment_ru "Игра в кости для двоих: 25 ходов, побеждает больший счёт")
set(keywords_en "dice;two players")
set(keywords_ru "кости;двое")
