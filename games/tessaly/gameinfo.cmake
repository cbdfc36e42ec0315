# Tessaly as menus, manual pages and software centres describe it
# (desktop/metadata.cmake).

set(name_ru "Бросание монеты")
set(rating moderate)
set(summary_en "Bet on heads or tails and press one of six coin buttons")
set(summary_ru "Ставка на орла или решку и шесть кнопок-монет")
set(caption_en "The bet, the called side, six coin buttons and the account")
set(caption_ru "Ставка, условие, шесть кнопок-монет и счёт")
set(about_en
    "Tessaly (its window is titled Coin toss, in Russian Бросание монеты) is a betting game. You name a bet and a side of the coin, then press one of six buttons, each of which always shows the same side. A match pays twice the bet and a miss loses it.")
set(about_ru
    "Tessaly («Бросание монеты») — игра на ставки. Вы называете ставку и сторону монеты и нажимаете одну из шести кнопок, каждая из которых всегда показывает одну и ту же сторону. Совпадение приносит удвоенную ставку, несовпадение отнимает её.")
set(rules_en
    "Type your bet, a number, into the first field and your call into the second: heads or tails (in Russian орел or решка), in lower case and spelt exactly so. Then press one of the six ?! buttons."
    "The side the button shows appears below the buttons. If it matches your call, twice the bet is added to your account, otherwise the bet is taken from it. The account is shown under Result (Результат). A bet that is not a number is reported in a box, and the last good bet stays in force."
    "Game rules (Правила игры) shows the rules and asks whether to go on: answering No ends the game. Exit (Выход) names your winnings and asks whether to exit the game.")
set(rules_ru
    "Введите ставку (число) в первое поле и условие во второе: «орел» или «решка», строчными буквами и именно так. Затем нажмите одну из шести кнопок «?!»."
    "Сторона, которую показала кнопка, появляется под кнопками. Если она совпала с условием, к счёту прибавляется удвоенная ставка, иначе ставка списывается. Счёт показан под надписью «Результат». Если ставка — не число, игра сообщает об ошибке, и в силе остаётся прежняя ставка."
    "«Правила игры» показывает правила и спрашивает, продолжать ли: ответ «Нет» закрывает игру. «Выход» называет выигрыш и спрашивает, выйти ли из игры.")

# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment_en "Coin toss: bet on heads or tails and press one of six buttons")
set(menu_comment_ru "Бросание монеты: ставка на орла или решку и шесть кнопок")
set(keywords_en "coin;heads;tails")
set(keywords_ru "монета;орёл;решка")
