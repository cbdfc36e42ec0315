# Tessaly in English: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Bet on heads or tails and press one of six coin buttons")
set(whatis "bet on heads or tails and press one of six coin buttons")
set(caption "The bet, the called side, six coin buttons and the account")
set(about
    "Tessaly (its window is titled Coin Toss, in Russian Бросание монеты) is a betting game. You name a bet and a side of the coin, then press one of six buttons, each of which always shows the same side. A match pays twice the bet and a miss loses it.")
set(rules
    "Type your bet, a number, into the first field and your call into the second: heads or tails (in Russian орел or решка), in lower case and spelt exactly so. Then press one of the six *?!* buttons."
    "The side the button shows appears below the buttons. If it matches your call, twice the bet is added to your account. Otherwise the bet is taken from it. The account is shown under *Result* (*Результат*). A bet that is not a number is reported in a box, and the last good bet stays in force."
    "*Game Rules* (*Правила игры*) shows the rules and asks whether to go on, and answering No ends the game. *Exit* (*Выход*) names your winnings and asks whether to exit the game.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Coin Toss: bet on heads or tails and press one of six buttons")
set(keywords "coin;heads;tails")
