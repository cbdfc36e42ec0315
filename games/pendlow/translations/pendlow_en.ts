<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>pendlow::MainWindow</name>
    <message>
        <source> Компьютерная кость</source>
        <translation>Computer Dice</translation>
    </message>
    <message>
        <source>ИГРОК</source>
        <translation>PLAYER</translation>
    </message>
    <message>
        <source>КОМПЬЮТЕР</source>
        <translation>COMPUTER</translation>
    </message>
    <message>
        <source>Бросок</source>
        <translation>Throw</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Throw %1</translation>
    </message>
    <message>
        <source>Игра окончена</source>
        <translation>Game Over</translation>
    </message>
    <message>
        <source>Игра окончена!</source>
        <translation>Game over!</translation>
    </message>
    <message>
        <source>Компьютерная кость</source>
        <translation>Computer Dice</translation>
    </message>
    <message>
        <source>Вы миллионер!!!!</source>
        <translation>You&apos;re a millionaire!!!!</translation>
    </message>
    <message>
        <source>Компьютер-миллионер!!!</source>
        <translation>The computer is a millionaire!!!</translation>
    </message>
    <message numerus="yes">
        <source>Выигрыш компьютера %1</source>
        <translation>
            <numerusform>The computer wins by %1 point</numerusform>
            <numerusform>The computer wins by %1 points</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ваш выигрыш %1</source>
        <translation>
            <numerusform>You win by %1 point</numerusform>
            <numerusform>You win by %1 points</numerusform>
        </translation>
    </message>
    <message>
        <source> Вы первый </source>
        <translation>You go first</translation>
    </message>
    <message>
        <source>Компьютер ход уже сделал!</source>
        <translation>The computer has already made its move!</translation>
    </message>
    <message>
        <source>игрока</source>
        <translation>player</translation>
    </message>
    <message>
        <source>компьютера</source>
        <translation>computer</translation>
    </message>
    <message>
        <source>бросок игрока</source>
        <translation>the player&apos;s throw</translation>
    </message>
    <message>
        <source>бросок компьютера</source>
        <translation>the computer&apos;s throw</translation>
    </message>
</context>
</TS>
