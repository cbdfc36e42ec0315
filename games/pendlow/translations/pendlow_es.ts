<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>pendlow::MainWindow</name>
    <message>
        <source> Компьютерная кость</source>
        <translation>Dado virtual</translation>
    </message>
    <message>
        <source>ИГРОК</source>
        <translation>JUGADOR</translation>
    </message>
    <message>
        <source>КОМПЬЮТЕР</source>
        <translation>ORDENADOR</translation>
    </message>
    <message>
        <source>Бросок</source>
        <translation>Tirar</translation>
    </message>
    <message>
        <source>Очки</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Tirada %1</translation>
    </message>
    <message>
        <source>Игра окончена</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Игра окончена!</source>
        <translation>¡Se acabó la partida!</translation>
    </message>
    <message>
        <source>Компьютерная кость</source>
        <translation>Dado virtual</translation>
    </message>
    <message>
        <source>Вы миллионер!!!!</source>
        <translation>¡¡¡¡Eres millonario!!!!</translation>
    </message>
    <message>
        <source>Компьютер-миллионер!!!</source>
        <translation>¡¡¡El ordenador es millonario!!!</translation>
    </message>
    <message numerus="yes">
        <source>Выигрыш компьютера %1</source>
        <translation>
            <numerusform>El ordenador ha ganado por %1 punto</numerusform>
            <numerusform>El ordenador ha ganado por %1 puntos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Ваш выигрыш %1</source>
        <translation>
            <numerusform>Has ganado por %1 punto</numerusform>
            <numerusform>Has ganado por %1 puntos</numerusform>
        </translation>
    </message>
    <message>
        <source> Вы первый </source>
        <translation>Tú tiras primero</translation>
    </message>
    <message>
        <source>Компьютер ход уже сделал!</source>
        <translation>¡El ordenador ya ha tirado!</translation>
    </message>
    <message>
        <source>игрока</source>
        <translation>jugador</translation>
    </message>
    <message>
        <source>компьютера</source>
        <translation>ordenador</translation>
    </message>
    <message>
        <source>бросок игрока</source>
        <translation>tirada del jugador</translation>
    </message>
    <message>
        <source>бросок компьютера</source>
        <translation>tirada del ordenador</translation>
    </message>
</context>
</TS>
