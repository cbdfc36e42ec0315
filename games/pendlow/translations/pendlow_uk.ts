<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>pendlow::MainWindow</name>
    <message>
        <source> Компьютерная кость</source>
        <translation>Комп’ютерна кість</translation>
    </message>
    <message>
        <source>ИГРОК</source>
        <translation>ГРАВЕЦЬ</translation>
    </message>
    <message>
        <source>КОМПЬЮТЕР</source>
        <translation>КОМП’ЮТЕР</translation>
    </message>
    <message>
        <source>Бросок</source>
        <translation>Кидок</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Хід № %1</translation>
    </message>
    <message>
        <source>Игра окончена</source>
        <translation>Гру закінчено</translation>
    </message>
    <message>
        <source>Игра окончена!</source>
        <translation>Гру закінчено!</translation>
    </message>
    <message>
        <source>Компьютерная кость</source>
        <translation>Комп’ютерна кість</translation>
    </message>
    <message>
        <source>Вы миллионер!!!!</source>
        <translation>Ви мільйонер!!!!</translation>
    </message>
    <message>
        <source>Компьютер-миллионер!!!</source>
        <translation>Комп’ютер — мільйонер!!!</translation>
    </message>
    <message numerus="yes">
        <source>Выигрыш компьютера %1</source>
        <translation>
            <numerusform>Комп’ютер переміг із перевагою в %1 очко</numerusform>
            <numerusform>Комп’ютер переміг із перевагою в %1 очки</numerusform>
            <numerusform>Комп’ютер переміг із перевагою в %1 очок</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ваш выигрыш %1</source>
        <translation>
            <numerusform>Ви перемогли з перевагою в %1 очко</numerusform>
            <numerusform>Ви перемогли з перевагою в %1 очки</numerusform>
            <numerusform>Ви перемогли з перевагою в %1 очок</numerusform>
        </translation>
    </message>
    <message>
        <source> Вы первый </source>
        <translation>Ви кидаєте першим</translation>
    </message>
    <message>
        <source>Компьютер ход уже сделал!</source>
        <translation>Комп’ютер уже зробив хід!</translation>
    </message>
    <message>
        <source>игрока</source>
        <translation>гравця</translation>
    </message>
    <message>
        <source>компьютера</source>
        <translation>комп’ютера</translation>
    </message>
    <message>
        <source>бросок игрока</source>
        <translation>кидок гравця</translation>
    </message>
    <message>
        <source>бросок компьютера</source>
        <translation>кидок комп’ютера</translation>
    </message>
</context>
</TS>
