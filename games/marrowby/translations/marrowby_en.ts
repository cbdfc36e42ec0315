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
        <translation>Sum</translation>
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
        <translation>Total</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Game rules</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>New game</translation>
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
        <translation>Quit the game</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Game over</translation>
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
</context>
<context>
    <name>marrowby::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Game rules</translation>
    </message>
</context>
<context>
    <name>marrowby::WarningWindow</name>
    <message>
        <source>Предупреждение!</source>
        <translation>Warning!</translation>
    </message>
</context>
<context>
    <name>shell</name>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Переполнение</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Несоответствие типа</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Ошибка выполнения &apos;%1&apos;:

%2</source>
        <translation>Run-time error &apos;%1&apos;:

%2</translation>
    </message>
</context>
</TS>
