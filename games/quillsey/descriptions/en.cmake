# Quillsey in English: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Three number fields and a bet: will you become a millionaire?")
set(whatis "three number fields and a bet: will you become a millionaire?")
set(caption "The snail, three launched fields, the bet, points and money")
set(about
    "Quillsey is a game of chance with a bet. Three fields each launch a random number, their sum times your bet gives your points, the points turn into money, and the game tells you whether you have become a millionaire.")
set(rules
    "Type your bet into the field under *Bet* (*Ставка*), 200 to 250 roubles as the rules suggest. Then press *Launch 1*, *Launch 2* and *Launch 3* (*Пуск1*, *Пуск2*, *Пуск3*). Each launches its field, which then shows a number from 0 to 999."
    "*Total* (*Сумма*) multiplies the bet by the sum of the three fields and shows your points (*Points*, *Очки*). *Cash In* (*Счет*) turns the points into money at 3 roubles a point (*Your money*, *Ваши деньги*). *Final Result* (*Общий результат*) tells you whether your money is over a million."
    "*Game Rules* (*Правила игры*) shows the rules and *Exit* ends the game. A bet that is not a number is reported in a box and changes nothing.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Three number fields, a bet and points: will you become a millionaire?")
set(keywords "numbers;bet;million")
