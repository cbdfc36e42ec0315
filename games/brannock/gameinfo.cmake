# Brannock as menus, manual pages and software centres describe it
# (desktop/metadata.cmake).

set(name_ru "Brannock")
set(rating mild)
set(summary_en "Register, then throw dice against the computer: the first to a million wins")
set(summary_ru "Регистрация и кости против компьютера: кто первым наберёт миллион")
set(caption_en "The registered player's and the computer's dice and money")
set(caption_ru "Кости и деньги зарегистрированного игрока и компьютера")
set(about_en
    "Brannock is a dice game against the computer. Once you have registered, you and the computer each throw two dice a turn, every point is worth 3000, and the first to pass a million wins.")
set(about_ru
    "Brannock — игра в кости против компьютера. После регистрации вы и компьютер каждый ход бросаете по две кости, каждое очко стоит 3000, и побеждает тот, кто первым наберёт больше миллиона.")
set(rules_en
    "Press Register (Регистрация) and enter your name: the game throws no dice before you register. Introduction (Ознакомление) greets you and asks whether you are ready to play: answering No ends the game."
    "Go throws two dice for you (the top row) and two for the computer (the bottom row), each from 1 to 5, and adds 3000 for every point to each side's money. The throw number (Throw, Ход №) is shown in the middle."
    "Pass a million first and you win. If the computer does, or some fifty throws go by without a millionaire, the game is over, and a new one starts with the registration kept. Close the window to leave.")
set(rules_ru
    "Нажмите «Регистрация» и введите имя: до регистрации игра не бросает кости. «Ознакомление» приветствует вас и спрашивает, готовы ли вы играть: ответ «Нет» закрывает игру."
    "«Go» бросает две кости за вас (верхний ряд) и две за компьютер (нижний ряд), каждая от 1 до 5, и прибавляет к деньгам каждого по 3000 за очко. Номер хода («Ход №») показан посередине."
    "Наберите больше миллиона первым — и вы выиграли. Если раньше это сделает компьютер или пройдёт около пятидесяти ходов без миллионера, игра окончена, и новая начинается с той же регистрацией. Чтобы выйти, закройте окно.")

# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment_en "Throw dice against the computer: the first to a million wins")
set(menu_comment_ru "Игра в кости против компьютера: кто первым наберёт миллион")
set(keywords_en "dice;million")
set(keywords_ru "кости;миллион")
