<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>marrowby::MainWindow</name>
    <message>
        <source>Marrowby</source>
        <translation>Marrowby</translation>
    </message>
    <message>
        <source>Кость №1</source>
        <translation>Die 1</translation>
    </message>
    <message>
        <source>Кость №2</source>
        <translation>Die 2</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Prize</translation>
    </message>
    <message>
        <source>Игрок № 1</source>
        <translation>Player 1</translation>
    </message>
    <message>
        <source>Игрок № 2</source>
        <translation>Player 2</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Game Rules</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 2</source>
        <translation>It&apos;s Player 2&apos;s turn now</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 1</source>
        <translation>It&apos;s Player 1&apos;s turn now</translation>
    </message>
    <message>
        <source>Вы действительно хотите закончить игру?</source>
        <translation>Do you really want to end the game?</translation>
    </message>
    <message>
        <source>Выход из игры</source>
        <translation>Exit Game</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Game Over</translation>
    </message>
    <message>
        <source>Первый игрок выиграл со счётом %1 !</source>
        <translation>Player 1 wins by %1 points!</translation>
    </message>
    <message>
        <source>Второй игрок выиграл со счётом %1 !</source>
        <translation>Player 2 wins by %1 points!</translation>
    </message>
    <message>
        <source>НИЧЬЯ!!!!!</source>
        <translation>IT&apos;S A DRAW!!!!!</translation>
    </message>
    <message>
        <source>игрока № 1</source>
        <translation>player 1</translation>
    </message>
    <message>
        <source>игрока № 2</source>
        <translation>player 2</translation>
    </message>
</context>
<context>
    <name>marrowby::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Game Rules</translation>
    </message>
    <message>
        <source>Игру начинает любой игрок. Игра осуществляется поочередно. Сделав ход, получив определенную сумму очков и счет, в игру вступает другой игрок и действует по аналогичной схеме. Если же в окошке «Кость №1» и «Кость №2» выпало 0, то счет не увеличивается, но игру можно продолжать до тех пор пока один из участников не дойдет до 1000000 и выше. Число ходов ограничено. Ходов всего 25.Позже можно повторить игру. Начав все сначала с нулевым запасом очков. Желаю удачи!!!</source>
        <translation>Either player may start the game. Players take turns. Once you have made your move and got your prize and your score, the other player steps in and does the same. If the boxes “Die 1” and “Die 2” show 0, the score does not go up, but the game can go on until one of the players reaches 1,000,000 or more. The number of moves is limited: there are only 25. Afterwards you can play again, starting over from scratch with no points. Good luck!!!</translation>
    </message>
</context>
<context>
    <name>marrowby::WarningWindow</name>
    <message>
        <source>Предупреждение!</source>
        <translation>Warning!</translation>
    </message>
    <message>
        <source>Внимание! Остался последний 25-й ход!!!!</source>
        <translation>Careful! Just one move left: the 25th and last!!!!</translation>
    </message>
</context>
</TS>
