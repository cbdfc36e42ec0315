<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>tessaly::MainWindow</name>
    <message>
        <source>Бросание монеты</source>
        <translation>Coin Toss</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Game Rules</translation>
    </message>
    <message>
        <source>Пожалуйста,сделайте Вашу ставку:</source>
        <translation>Please place your bet:</translation>
    </message>
    <message>
        <source>Пожалуйста,задайте условия</source>
        <translation>Please call heads or tails</translation>
    </message>
    <message>
        <source>Нажми одну и выиграй</source>
        <translation>Press one and win</translation>
    </message>
    <message>
        <source>?!</source>
        <translation>?!</translation>
    </message>
    <message>
        <source>Результат</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>орел</source>
        <translation>heads</translation>
    </message>
    <message>
        <source>решка</source>
        <translation>tails</translation>
    </message>
    <message>
        <source>Вам предлагается сделать ставку(ставка может быть любой), затем задать условия орел или решка и нажать одну из кнопок. В случае, если Ваше условие совпадет с условием выбранной Вами кнопочки, Ваш выигрыш составляет удвоенную сумму Вашей денежной ставки, в случае несовпадения, Ваша ставка переходит маклеру. Игра может продолжатся сколько Вам угодно. Если же хотите выйти из игры, нажмите кнопку Выход. При выходе из игры Вы забираете последнюю заработанную Вами сумму. Желаем Вам удачи!</source>
        <translation>Place a bet (any amount you like), then call heads or tails and press one of the buttons. If your call matches the side of the button you chose, you win twice your bet; if not, your bet goes to the bookmaker. You can play as long as you like. If you want to exit the game, press Exit. When you exit, you take with you the last sum you have won. We wish you luck!</translation>
    </message>
    <message>
        <source>условия игры</source>
        <translation>Rules of the Game</translation>
    </message>
    <message numerus="yes">
        <source>Сумма вашего выигрыша составляет%1 рублей.Выйти из игры?</source>
        <translation>
            <numerusform>Your winnings come to %1 rouble. Exit the game?</numerusform>
            <numerusform>Your winnings come to %1 roubles. Exit the game?</numerusform>
        </translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Exit Game</translation>
    </message>
    <message>
        <source>Ваш счет: %1</source>
        <translation>Your balance: %1</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Выпало</source>
        <translation>Coin shows</translation>
    </message>
    <message>
        <source>монета 1</source>
        <translation>coin 1</translation>
    </message>
    <message>
        <source>монета 2</source>
        <translation>coin 2</translation>
    </message>
    <message>
        <source>монета 3</source>
        <translation>coin 3</translation>
    </message>
    <message>
        <source>монета 4</source>
        <translation>coin 4</translation>
    </message>
    <message>
        <source>монета 5</source>
        <translation>coin 5</translation>
    </message>
    <message>
        <source>монета 6</source>
        <translation>coin 6</translation>
    </message>
</context>
</TS>
