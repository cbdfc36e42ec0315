# Corvane as menus, manual pages and software centres describe it
# (desktop/metadata.cmake).

set(name_ru "Corvane")
set(rating moderate)
set(summary_en "Bet 1 to 10 coins on a coin that can also land on its edge")
set(summary_ru "Ставка от 1 до 10 монет на орла или решку, монета может встать на ребро")
set(caption_en "Bets of 1 to 10 coins, heads or tails, the score and the toss")
set(caption_ru "Ставки от 1 до 10 монет, орёл или решка, счёт и бросок")
set(about_en
    "Corvane is a coin-tossing game. You start with 15 coins, bet 1 to 10 of them on heads or tails and toss: reach 100 coins and you win, lose them all and the game is lost.")
set(about_ru
    "Corvane — игра в орлянку. У вас 15 монет, вы ставите от 1 до 10 из них на орла или решку и бросаете монету: наберёте 100 монет — выиграли, потеряете все — проиграли.")
set(rules_en
    "Choose your bet under How many coins? (Сколько ставим?) and your side under What comes up? (Что выпадет?), Heads or Tails (Орёл, Решка), then press Toss the coin (Бросить монету)."
    "Heads comes up five times in ten and tails four times, and once in ten the coin lands on its edge (Edge, Ребро), which counts as the side you called. A right call wins the bet and a wrong one loses it. Every coin is worth 1000 $, and the score (Score, Счет) shows your coins and their sum."
    "The game ends when you have no coins left or reach 100, and a new game starts with 15 coins. Close the window to leave.")
set(rules_ru
    "Выберите ставку в рамке «Сколько ставим?» и сторону в рамке «Что выпадет?» — «Орёл» или «Решка», затем нажмите «Бросить монету»."
    "Орёл выпадает в пяти бросках из десяти, решка — в четырёх, а в одном из десяти монета встаёт на ребро, и это считается той стороной, которую вы назвали. Угадали — ставка ваша, не угадали — вы её теряете. Каждая монета стоит 1000 $, а в рамке «Счет» видны ваши монеты и их сумма."
    "Игра заканчивается, когда монет не осталось или их стало 100, и начинается новая игра с 15 монетами. Чтобы выйти, закройте окно.")

# The menu entry: its tooltip and the words a menu search finds it by.
set(menu_comment_en "Bet 1 to 10 coins on heads or tails; the coin can land on its edge")
set(menu_comment_ru "Ставка от 1 до 10 монет на орла или решку; монета может встать на ребро")
set(keywords_en "coin;heads;tails;bet")
set(keywords_ru "монета;орёл;решка;ставка")
