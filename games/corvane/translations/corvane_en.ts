<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>corvane::MainWindow</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Сколько ставим?</source>
        <translation>How many coins?</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Что выпадет?</source>
        <translation>What comes up?</translation>
    </message>
    <message>
        <source>Делайте Ваши ставки</source>
        <translation>Place your bets</translation>
    </message>
    <message>
        <source>Бросить монету</source>
        <translation>Toss the Coin</translation>
    </message>
    <message>
        <source>1 монету</source>
        <translation>1 coin</translation>
    </message>
    <message>
        <source>2 монеты</source>
        <translation>2 coins</translation>
    </message>
    <message>
        <source>3 монеты</source>
        <translation>3 coins</translation>
    </message>
    <message>
        <source>4 монеты</source>
        <translation>4 coins</translation>
    </message>
    <message>
        <source>5 монет</source>
        <translation>5 coins</translation>
    </message>
    <message>
        <source>6 монет</source>
        <translation>6 coins</translation>
    </message>
    <message>
        <source>7 монет</source>
        <translation>7 coins</translation>
    </message>
    <message>
        <source>8 монет</source>
        <translation>8 coins</translation>
    </message>
    <message>
        <source>9 монет</source>
        <translation>9 coins</translation>
    </message>
    <message>
        <source>10 монет</source>
        <translation>10 coins</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: 15</source>
        <translation>Your coins: 15</translation>
    </message>
    <message>
        <source>Можно выиграть монет: </source>
        <translation>Coins to win:</translation>
    </message>
    <message>
        <source>Можно выиграть: 0$</source>
        <translation>You can win: $0</translation>
    </message>
    <message>
        <source> Общая сумма: 15000 $</source>
        <translation>Total: $15000</translation>
    </message>
    <message>
        <source>Орёл</source>
        <translation>Heads</translation>
    </message>
    <message>
        <source>Решка</source>
        <translation>Tails</translation>
    </message>
    <message>
        <source>Можно выиграть монет: %1</source>
        <translation>Coins to win: %1</translation>
    </message>
    <message>
        <source>Можно выиграть: %1</source>
        <translation>You can win: $%1</translation>
    </message>
    <message>
        <source>Сделайте ставку!</source>
        <translation>Place your bet!</translation>
    </message>
    <message>
        <source>Орел!</source>
        <translation>Heads!</translation>
    </message>
    <message>
        <source>Решка!</source>
        <translation>Tails!</translation>
    </message>
    <message>
        <source>Ребро!</source>
        <translation>Edge!</translation>
    </message>
    <message>
        <source>Вы проиграли :( ! Сыграем еще?</source>
        <translation>You lost :( Let&apos;s play again!</translation>
    </message>
    <message>
        <source>Вы выиграли :) ! Сыграем еще?</source>
        <translation>You won :) Let&apos;s play again!</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: %1</source>
        <translation>Your coins: %1</translation>
    </message>
    <message>
        <source>Общая сумма: %1$</source>
        <translation>Total: $%1</translation>
    </message>
</context>
</TS>
