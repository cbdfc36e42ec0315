# What each game is and how it is played, in English and Russian: the source
# of the manual pages and the software-centre metadata (metadata.cmake).
# Lists hold paragraphs, so the texts have no semicolons. <game>_name_ru is
# the window's own title; <game>_rating is the OARS money-gambling level:
# moderate where the player stakes play money, mild where dice only add up
# prizes.

# Every game's metadata says which languages it speaks.
set(GAMES_LANGUAGES_EN "The game speaks the language of the desktop: Russian or English.")
set(GAMES_LANGUAGES_RU "Игра говорит на языке рабочего стола: по-русски или по-английски.")

set(marrowby_name_ru "Marrowby")
set(marrowby_rating mild)
set(marrowby_summary_en "Dice for two players: after 25 moves the larger score wins")
set(marrowby_summary_ru "Кости для двоих: после 25 ходов побеждает больший счёт")
set(marrowby_caption_en "Two dice, the prize of the throw and both players' scores")
set(marrowby_caption_ru "Две кости, приз броска и счёт обоих игроков")
set(marrowby_about_en
    "Marrowby is a dice game for two players at one computer. The players take turns throwing two dice, every throw wins a prize for the thrower's score, and after 25 moves each the larger score wins.")
set(marrowby_about_ru
    "Marrowby — игра в кости для двух игроков за одним компьютером. Игроки по очереди бросают две кости, каждый бросок приносит приз к счёту бросившего, и после 25 ходов каждого побеждает больший счёт.")
set(marrowby_rules_en
    "Player 1 presses Player 1 (Игрок № 1) and player 2 presses Player 2 (Игрок № 2), in turn: a player who presses out of turn is told whose move it is. Each die shows 1 to 5, and the prize of a throw (Sum, Сумма) is 1999 times the sum of the dice plus 19999."
    "Player 2's 24th move brings up a warning window. After player 2's 25th move a box names the winner and the margin, or a draw, and a new game begins."
    "Game rules (Правила игры) shows the rules, New game (Новая игра) clears the scores, and Exit (Выход) asks whether to end the game.")
set(marrowby_rules_ru
    "Первый игрок нажимает «Игрок № 1», второй — «Игрок № 2», по очереди: тому, кто нажмёт не в свой черёд, игра напомнит, чей сейчас ход. Каждая кость показывает от 1 до 5, а приз броска («Сумма») равен сумме очков, умноженной на 1999, плюс 19999."
    "На 24-м ходу второго игрока появляется окно с предупреждением. После 25-го хода второго игрока окно называет победителя и разницу в счёте или ничью, и начинается новая игра."
    "«Правила игры» показывает правила, «Новая игра» обнуляет счёт, а «Выход» спрашивает, закончить ли игру.")

set(quillsey_name_ru "Quillsey")
set(quillsey_rating moderate)
set(quillsey_summary_en "Three number fields and a stake: will you become a millionaire?")
set(quillsey_summary_ru "Три числовых поля и ставка: станете ли вы миллионером?")
set(quillsey_caption_en "The snail, three launched fields, the stake, points and money")
set(quillsey_caption_ru "Улитка, три запущенных поля, ставка, очки и деньги")
set(quillsey_about_en
    "Quillsey is a game of chance with a stake. Three fields each launch a random number, their sum times your stake gives your points, the points turn into money, and the game tells you whether you have become a millionaire.")
set(quillsey_about_ru
    "Quillsey — игра на удачу со ставкой. Три поля выдают случайные числа, их сумма, умноженная на ставку, даёт очки, очки переводятся в деньги, и игра сообщает, стали ли вы миллионером.")
set(quillsey_rules_en
    "Type your stake into the field under Stake (Ставка), 200 to 250 roubles as the rules suggest, and press Launch 1, Launch 2 and Launch 3 (Пуск1, Пуск2, Пуск3): each launches its field, which then shows a number from 0 to 999."
    "Sum (Сумма) multiplies the stake by the sum of the three fields and shows your points (Points, Очки). Count (Счет) turns the points into money at 3 roubles a point (Your money, Ваши деньги). Final result (Общий результат) tells you whether your money is over a million."
    "Game rules (Правила игры) shows the rules and Exit ends the game. A stake that is not a number is reported in a box and changes nothing.")
set(quillsey_rules_ru
    "Введите ставку в поле под надписью «Ставка» (правила советуют от 200 до 250 рублей) и нажмите «Пуск1», «Пуск2» и «Пуск3»: каждая кнопка запускает своё поле, и в нём появляется число от 0 до 999."
    "«Сумма» умножает ставку на сумму трёх полей и показывает очки. «Счет» переводит очки в деньги по 3 рубля за очко («Ваши деньги»). «Общий результат» сообщает, больше ли у вас миллиона."
    "«Правила игры» показывает правила, «Exit» закрывает игру. Если ставка — не число, игра сообщает об ошибке и ничего не меняет.")

set(tessaly_name_ru "Бросание монеты")
set(tessaly_rating moderate)
set(tessaly_summary_en "Bet on heads or tails and press one of six coin buttons")
set(tessaly_summary_ru "Ставка на орла или решку и шесть кнопок-монет")
set(tessaly_caption_en "The bet, the called side, six coin buttons and the account")
set(tessaly_caption_ru "Ставка, условие, шесть кнопок-монет и счёт")
set(tessaly_about_en
    "Tessaly (its window is titled Бросание монеты, coin tossing) is a betting game. You name a bet and a side of the coin, then press one of six buttons, each of which always shows the same side. A match pays twice the bet and a miss loses it.")
set(tessaly_about_ru
    "Tessaly («Бросание монеты») — игра на ставки. Вы называете ставку и сторону монеты и нажимаете одну из шести кнопок, каждая из которых всегда показывает одну и ту же сторону. Совпадение приносит удвоенную ставку, несовпадение отнимает её.")
set(tessaly_rules_en
    "Type your bet, a number, into the first field and your call into the second: heads or tails (in Russian орел or решка), in lower case and spelt exactly so. Then press one of the six ?! buttons."
    "The side the button shows appears below the buttons. If it matches your call, twice the bet is added to your account, otherwise the bet is taken from it. The account is shown under Result (Результат). A bet that is not a number is reported in a box, and the last good bet stays in force."
    "Game rules (Правила игры) shows the rules and asks whether to go on: answering No ends the game. Exit (Выход) names your winnings and asks whether to leave.")
set(tessaly_rules_ru
    "Введите ставку (число) в первое поле и условие во второе: «орел» или «решка», строчными буквами и именно так. Затем нажмите одну из шести кнопок «?!»."
    "Сторона, которую показала кнопка, появляется под кнопками. Если она совпала с условием, к счёту прибавляется удвоенная ставка, иначе ставка списывается. Счёт показан под надписью «Результат». Если ставка — не число, игра сообщает об ошибке, и в силе остаётся прежняя ставка."
    "«Правила игры» показывает правила и спрашивает, продолжать ли: ответ «Нет» закрывает игру. «Выход» называет выигрыш и спрашивает, выйти ли из игры.")

set(brannock_name_ru "Brannock")
set(brannock_rating mild)
set(brannock_summary_en "Register, then throw dice against the computer: the first to a million wins")
set(brannock_summary_ru "Регистрация и кости против компьютера: кто первым наберёт миллион")
set(brannock_caption_en "The registered player's and the computer's dice and money")
set(brannock_caption_ru "Кости и деньги зарегистрированного игрока и компьютера")
set(brannock_about_en
    "Brannock is a dice game against the computer. Once you have registered, you and the computer each throw two dice a turn, every point is worth 3000, and the first to pass a million wins.")
set(brannock_about_ru
    "Brannock — игра в кости против компьютера. После регистрации вы и компьютер каждый ход бросаете по две кости, каждое очко стоит 3000, и побеждает тот, кто первым наберёт больше миллиона.")
set(brannock_rules_en
    "Press Registration (Регистрация) and enter your name: the game throws no dice before you register. Introduction (Ознакомление) greets you and asks whether you are ready to play: answering No ends the game."
    "Go throws two dice for you (the top row) and two for the computer (the bottom row), each from 1 to 5, and adds 3000 for every point to each side's money. The throw number (Throw, Ход №) is shown in the middle."
    "Pass a million first and you win. If the computer does, or some fifty throws go by without a millionaire, the game is over, and a new one starts with the registration kept. Close the window to leave.")
set(brannock_rules_ru
    "Нажмите «Регистрация» и введите имя: до регистрации игра не бросает кости. «Ознакомление» приветствует вас и спрашивает, готовы ли вы играть: ответ «Нет» закрывает игру."
    "«Go» бросает две кости за вас (верхний ряд) и две за компьютер (нижний ряд), каждая от 1 до 5, и прибавляет к деньгам каждого по 3000 за очко. Номер хода («Ход №») показан посередине."
    "Наберите больше миллиона первым — и вы выиграли. Если раньше это сделает компьютер или пройдёт около пятидесяти ходов без миллионера, игра окончена, и новая начинается с той же регистрацией. Чтобы выйти, закройте окно.")

set(corvane_name_ru "Corvane")
set(corvane_rating moderate)
set(corvane_summary_en "Stake 1 to 10 coins on a coin that can also land on its edge")
set(corvane_summary_ru "Ставка от 1 до 10 монет на орла или решку, монета может встать на ребро")
set(corvane_caption_en "Stakes of 1 to 10 coins, heads or tails, the score and the toss")
set(corvane_caption_ru "Ставки от 1 до 10 монет, орёл или решка, счёт и бросок")
set(corvane_about_en
    "Corvane is a coin-tossing game. You start with 15 coins, stake 1 to 10 of them on heads or tails and toss: reach 100 coins and you win, lose them all and the game is lost.")
set(corvane_about_ru
    "Corvane — игра в орлянку. У вас 15 монет, вы ставите от 1 до 10 из них на орла или решку и бросаете монету: наберёте 100 монет — выиграли, потеряете все — проиграли.")
set(corvane_rules_en
    "Choose your stake under How many coins? (Сколько ставим?) and your side under What comes up? (Что выпадет?), Heads or Tails (Орёл, Решка), then press Toss the coin (Бросить монету)."
    "Heads comes up five times in ten and tails four times, and once in ten the coin lands on its edge (Edge, Ребро), which counts as the side you called. A right call wins the stake and a wrong one loses it. Every coin is worth 1000 $, and the score (Score, Счет) shows your coins and their sum."
    "The game ends when you have no coins left or reach 100, and a new game starts with 15 coins. Close the window to leave.")
set(corvane_rules_ru
    "Выберите ставку в рамке «Сколько ставим?» и сторону в рамке «Что выпадет?» — «Орёл» или «Решка», затем нажмите «Бросить монету»."
    "Орёл выпадает в пяти бросках из десяти, решка — в четырёх, а в одном из десяти монета встаёт на ребро, и это считается той стороной, которую вы назвали. Угадали — ставка ваша, не угадали — вы её теряете. Каждая монета стоит 1000 $, а в рамке «Счет» видны ваши монеты и их сумма."
    "Игра заканчивается, когда монет не осталось или их стало 100, и начинается новая игра с 15 монетами. Чтобы выйти, закройте окно.")

set(pendlow_name_ru "Компьютерная кость")
set(pendlow_rating mild)
set(pendlow_summary_en "Throw against the computer: after 18 throws the larger total wins")
set(pendlow_summary_ru "Броски против компьютера: после 18 бросков побеждает больший итог")
set(pendlow_caption_en "The player's and the computer's throws and totals")
set(pendlow_caption_ru "Броски и итоги игрока и компьютера")
set(pendlow_about_en
    "Pendlow (its window is titled Компьютерная кость, the computer die) is a game of chance against the computer. Every throw draws a number below 10000 for you and one for the computer, the numbers add up to totals, and after 18 throws the larger total wins.")
set(pendlow_about_ru
    "Pendlow («Компьютерная кость») — игра на удачу против компьютера. Каждый бросок даёт вам и компьютеру по числу меньше 10000, числа складываются в итоги, и после 18 бросков побеждает больший итог.")
set(pendlow_rules_en
    "Press Throw (Бросок) under PLAYER (ИГРОК). The boxes show your number and the computer's, each from 0 to 9999, the throw number (Throw, Ход №) and both totals (Points, Очки)."
    "After the 18th throw a box says that the game is over and another names the winner and the margin, and the next throw starts a new game. Should the totals be equal, the game goes on until one of them reaches a million."
    "The computer's Throw button only reminds you that you throw first. Exit (Выход) ends the game.")
set(pendlow_rules_ru
    "Нажмите «Бросок» под надписью «ИГРОК». В полях появятся ваше число и число компьютера, от 0 до 9999, номер хода («Ход №») и итоги обоих («Очки»)."
    "После 18-го броска окно сообщает, что игра окончена, другое называет победителя и разницу в очках, а следующий бросок начинает новую игру. При равных итогах игра продолжается, пока один из итогов не достигнет миллиона."
    "Кнопка «Бросок» компьютера лишь напоминает, что первым бросаете вы. Кнопка «Выход» закрывает игру.")
