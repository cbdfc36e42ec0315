# Brannock in English: what its menu entry, software-centre metadata and
# manual page say (desktop/metadata.cmake).

set(summary "Register, then throw dice against the computer: the first to a million wins")
set(whatis "register, then throw dice against the computer: the first to a million wins")
set(caption "The registered player's and the computer's dice and money")
set(about
    "Brannock is a dice game against the computer. Once you have registered, you and the computer each throw two dice a turn, every point is worth 3000, and the first to pass a million wins.")
set(rules
    "Press *Register* (*Регистрация*) and enter your name. The game throws no dice before you register. *Introduction* (*Ознакомление*) greets you and asks whether you are ready to play, and answering No ends the game."
    "*Go* throws two dice for you (the top row) and two for the computer (the bottom row), each from 1 to 5. Every point adds 3000 to that side's money. The throw number (*Throw*, *Ход №*) is shown in the middle."
    "Pass a million first and you win. If the computer does, or some fifty throws go by without a millionaire, the game is over. A new one then starts with the registration kept. Close the window to leave.")
# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment "Throw dice against the computer: the first to a million wins")
set(keywords "dice;million")
