# Pendlow in English: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Throw against the computer: after 18 throws the higher total wins")
set(whatis "throw against the computer: after 18 throws the higher total wins")
set(caption "The player's and the computer's throws and totals")
set(about
    "Pendlow (its window is titled Computer Dice, in Russian Компьютерная кость) is a game of chance against the computer. Each throw draws a number below 10000 for you and one for the computer. The numbers add up to totals, and after 18 throws the higher total wins.")
set(rules
    "Press *Throw* (*Бросок*) under *PLAYER* (*ИГРОК*). The boxes show your number and the computer's, each from 0 to 9999, the throw number (*Throw*, *Ход №*) and both totals (*Points*, *Очки*)."
    "After the 18th throw a box says that the game is over, and another names the winner and the margin. The next throw starts a new game. Should the totals be equal, the game goes on until one of them reaches a million."
    "The computer's *Throw* button only reminds you that you throw first. *Exit* (*Выход*) ends the game.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Computer Dice: 18 throws against the computer, the higher total wins")
set(keywords "dice;throw")
