<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>marrowby::MainWindow</name>
    <message>
        <source>Marrowby</source>
        <translation>Marrowby</translation>
    </message>
    <message>
        <source>Кость №1</source>
        <translation>Dado 1</translation>
    </message>
    <message>
        <source>Кость №2</source>
        <translation>Dado 2</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Premio</translation>
    </message>
    <message>
        <source>Игрок № 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Игрок № 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 2</source>
        <translation>Ahora le toca al jugador 2</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 1</source>
        <translation>Ahora le toca al jugador 1</translation>
    </message>
    <message>
        <source>Вы действительно хотите закончить игру?</source>
        <translation>¿De verdad quieres terminar la partida?</translation>
    </message>
    <message>
        <source>Выход из игры</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Первый игрок выиграл со счётом %1 !</source>
        <translation>¡El primer jugador gana por %1 puntos!</translation>
    </message>
    <message>
        <source>Второй игрок выиграл со счётом %1 !</source>
        <translation>¡El segundo jugador gana por %1 puntos!</translation>
    </message>
    <message>
        <source>НИЧЬЯ!!!!!</source>
        <translation>¡¡¡¡¡EMPATE!!!!!</translation>
    </message>
    <message>
        <source>игрока № 1</source>
        <translation>jugador 1</translation>
    </message>
    <message>
        <source>игрока № 2</source>
        <translation>jugador 2</translation>
    </message>
</context>
<context>
    <name>marrowby::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Игру начинает любой игрок. Игра осуществляется поочередно. Сделав ход, получив определенную сумму очков и счет, в игру вступает другой игрок и действует по аналогичной схеме. Если же в окошке «Кость №1» и «Кость №2» выпало 0, то счет не увеличивается, но игру можно продолжать до тех пор пока один из участников не дойдет до 1000000 и выше. Число ходов ограничено. Ходов всего 25.Позже можно повторить игру. Начав все сначала с нулевым запасом очков. Желаю удачи!!!</source>
        <translation>Cualquiera de los dos jugadores puede empezar. Se juega por turnos. Cuando has tirado y te has llevado tu premio y tus puntos, entra el otro jugador y hace lo mismo. Si las casillas «Dado 1» y «Dado 2» muestran 0, la puntuación no sube, pero se puede seguir jugando hasta que uno de los jugadores llegue a un millón o más. El número de turnos es limitado: solo hay 25. Después puedes volver a jugar y empezar de cero, sin puntos. ¡¡¡Buena suerte!!!</translation>
    </message>
</context>
<context>
    <name>marrowby::WarningWindow</name>
    <message>
        <source>Предупреждение!</source>
        <translation>¡Aviso!</translation>
    </message>
    <message>
        <source>Внимание! Остался последний 25-й ход!!!!</source>
        <translation>¡Atención! Queda un turno: el 25.º ¡¡¡¡y último!!!!</translation>
    </message>
</context>
</TS>
