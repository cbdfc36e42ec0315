# Quillsey as menus, manual pages and software centres describe it
# (desktop/metadata.cmake).

set(name_ru "Quillsey")
set(rating moderate)
set(summary_en "Three number fields and a bet: will you become a millionaire?")
set(summary_ru "Три числовых поля и ставка: станете ли вы миллионером?")
set(caption_en "The snail, three launched fields, the bet, points and money")
set(caption_ru "Улитка, три запущенных поля, ставка, очки и деньги")
set(about_en
    "Quillsey is a game of chance with a bet. Three fields each launch a random number, their sum times your bet gives your points, the points turn into money, and the game tells you whether you have become a millionaire.")
set(about_ru
    "Quillsey — игра на удачу со ставкой. Три поля выдают случайные числа, их сумма, умноженная на ставку, даёт очки, очки переводятся в деньги, и игра сообщает, стали ли вы миллионером.")
set(rules_en
    "Type your bet into the field under Bet (Ставка), 200 to 250 roubles as the rules suggest, and press Launch 1, Launch 2 and Launch 3 (Пуск1, Пуск2, Пуск3): each launches its field, which then shows a number from 0 to 999."
    "Sum (Сумма) multiplies the bet by the sum of the three fields and shows your points (Points, Очки). Cash in (Счет) turns the points into money at 3 roubles a point (Your money, Ваши деньги). Final result (Общий результат) tells you whether your money is over a million."
    "Game rules (Правила игры) shows the rules and Exit ends the game. A bet that is not a number is reported in a box and changes nothing.")
set(rules_ru
    "Введите ставку в поле под надписью «Ставка» (правила советуют от 200 до 250 рублей) и нажмите «Пуск1», «Пуск2» и «Пуск3»: каждая кнопка запускает своё поле, и в нём появляется число от 0 до 999."
    "«Сумма» умножает ставку на сумму трёх полей и показывает очки. «Счет» переводит очки в деньги по 3 рубля за очко («Ваши деньги»). «Общий результат» сообщает, больше ли у вас миллиона."
    "«Правила игры» показывает правила, «Exit» закрывает игру. Если ставка — не число, игра сообщает об ошибке и ничего не меняет.")

# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment_en "Three number fields, a bet and points: will you become a millionaire?")
set(menu_comment_ru "Три числовых поля, ставка и очки: станете ли вы миллионером?")
set(keywords_en "numbers;bet;million")
set(keywords_ru "числа;ставка;миллион")
