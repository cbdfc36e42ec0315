# Pendlow as menus, manual pages and software centres describe it
# (desktop/metadata.cmake).

set(name_ru "Компьютерная кость")
set(rating mild)
set(summary_en "Throw against the computer: after 18 throws the higher total wins")
set(summary_ru "Броски против компьютера: после 18 бросков побеждает больший итог")
set(caption_en "The player's and the computer's throws and totals")
set(caption_ru "Броски и итоги игрока и компьютера")
set(about_en
    "Pendlow (its window is titled Computer dice, in Russian Компьютерная кость) is a game of chance against the computer. Every throw draws a number below 10000 for you and one for the computer, the numbers add up to totals, and after 18 throws the higher total wins.")
set(about_ru
    "Pendlow («Компьютерная кость») — игра на удачу против компьютера. Каждый бросок даёт вам и компьютеру по числу меньше 10000, числа складываются в итоги, и после 18 бросков побеждает больший итог.")
set(rules_en
    "Press Throw (Бросок) under PLAYER (ИГРОК). The boxes show your number and the computer's, each from 0 to 9999, the throw number (Throw, Ход №) and both totals (Points, Очки)."
    "After the 18th throw a box says that the game is over and another names the winner and the margin, and the next throw starts a new game. Should the totals be equal, the game goes on until one of them reaches a million."
    "The computer's Throw button only reminds you that you throw first. Exit (Выход) ends the game.")
set(rules_ru
    "Нажмите «Бросок» под надписью «ИГРОК». В полях появятся ваше число и число компьютера, от 0 до 9999, номер хода («Ход №») и итоги обоих («Очки»)."
    "После 18-го броска окно сообщает, что игра окончена, другое называет победителя и разницу в очках, а следующий бросок начинает новую игру. При равных итогах игра продолжается, пока один из итогов не достигнет миллиона."
    "Кнопка «Бросок» компьютера лишь напоминает, что первым бросаете вы. Кнопка «Выход» закрывает игру.")

# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment_en "Computer dice: 18 throws against the computer, the higher total wins")
set(menu_comment_ru "Компьютерная кость: 18 бросков против компьютера, побеждает больший итог")
set(keywords_en "dice;throw")
set(keywords_ru "кости;бросок")
