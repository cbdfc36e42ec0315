<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>pendlow::MainWindow</name>
    <message>
        <source> Компьютерная кость</source>
        <translation>Computerwürfel</translation>
    </message>
    <message>
        <source>ИГРОК</source>
        <translation>SPIELER</translation>
    </message>
    <message>
        <source>КОМПЬЮТЕР</source>
        <translation>COMPUTER</translation>
    </message>
    <message>
        <source>Бросок</source>
        <translation>Wurf</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Wurf %1</translation>
    </message>
    <message>
        <source>Игра окончена</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Игра окончена!</source>
        <translation>Das Spiel ist aus!</translation>
    </message>
    <message>
        <source>Компьютерная кость</source>
        <translation>Computerwürfel</translation>
    </message>
    <message>
        <source>Вы миллионер!!!!</source>
        <translation>Sie sind Millionär!!!!</translation>
    </message>
    <message>
        <source>Компьютер-миллионер!!!</source>
        <translation>Der Computer ist Millionär!!!</translation>
    </message>
    <message numerus="yes">
        <source>Выигрыш компьютера %1</source>
        <translation>
            <numerusform>Der Computer gewinnt mit %1 Punkt Vorsprung</numerusform>
            <numerusform>Der Computer gewinnt mit %1 Punkten Vorsprung</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ваш выигрыш %1</source>
        <translation>
            <numerusform>Sie gewinnen mit %1 Punkt Vorsprung</numerusform>
            <numerusform>Sie gewinnen mit %1 Punkten Vorsprung</numerusform>
        </translation>
    </message>
    <message>
        <source> Вы первый </source>
        <translation>Sie sind zuerst dran</translation>
    </message>
    <message>
        <source>Компьютер ход уже сделал!</source>
        <translation>Der Computer hat schon geworfen!</translation>
    </message>
    <message>
        <source>игрока</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>компьютера</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>бросок игрока</source>
        <translation>Wurf des Spielers</translation>
    </message>
    <message>
        <source>бросок компьютера</source>
        <translation>Wurf des Computers</translation>
    </message>
</context>
</TS>
