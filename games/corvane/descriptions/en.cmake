# Corvane in English: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Bet 1 to 10 coins on a coin that can also land on its edge")
set(whatis "bet 1 to 10 coins on a coin that can also land on its edge")
set(caption "Bets of 1 to 10 coins, heads or tails, the score and the toss")
set(about
    "Corvane is a coin-tossing game. You start with 15 coins, bet 1 to 10 of them on heads or tails and toss: reach 100 coins and you win, lose them all and the game is lost.")
set(rules
    "Choose your bet under *How many coins?* (*Сколько ставим?*) and your side under *What comes up?* (*Что выпадет?*), *Heads* or *Tails* (*Орёл*, *Решка*). Then press *Toss the Coin* (*Бросить монету*)."
    "Heads comes up five times in ten and tails four times. Once in ten the coin lands on its edge (*Edge*, *Ребро*), which counts as the side you called. A right call wins the bet and a wrong one loses it. Every coin is worth $1000, and the score (*Score*, *Счет*) shows your coins and their sum."
    "The game ends when you have no coins left or reach 100, and a new game starts with 15 coins. Close the window to leave.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Bet 1 to 10 coins on heads or tails, and the coin can land on its edge")
set(keywords "coin;heads;tails;bet")
