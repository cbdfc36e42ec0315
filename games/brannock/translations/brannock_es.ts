<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>brannock::MainWindow</name>
    <message>
        <source>Brannock</source>
        <translation>Brannock</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Ознакомление</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Регистрация</source>
        <translation>Registro</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>         Я        компьютер</source>
        <translation>Soy el ordenador</translation>
    </message>
    <message>
        <source>Введите ваше имя и фамилию:</source>
        <translation>Escribe tu nombre y apellidos:</translation>
    </message>
    <message>
        <source> Вас приветствует игра Brannock. Если вам не терпится выиграть миллион тогда вперёд не забудьте только зарегистрироваться. Вы готовы сыграть в Ordwyn?</source>
        <translation>Brannock te da la bienvenida. Si estás deseando ganar un millón, adelante, pero no te olvides de registrarte. ¿Todo listo para jugar a Ordwyn?</translation>
    </message>
    <message>
        <source>Конец регистрации</source>
        <translation>Fin del registro</translation>
    </message>
    <message>
        <source>Что забыл зарегистрироваться? Бывает</source>
        <translation>¿Qué, se te ha olvidado registrarte? Le pasa a cualquiera.</translation>
    </message>
    <message>
        <source>Зарегистрируйся новичок</source>
        <translation>Regístrate, novato</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Поздравляю вы выиграли миллион!</source>
        <translation>¡Enhorabuena, has ganado un millón!</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Tirada %1</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Game over. Вы проиграли. Ха Ха Ха!!!!</source>
        <translation>Game over. Has perdido. ¡¡¡¡Ja, ja, ja!!!!</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>кость 1</source>
        <translation>dado 1</translation>
    </message>
    <message>
        <source>кость 2</source>
        <translation>dado 2</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>dinero</translation>
    </message>
    <message>
        <source>Ход</source>
        <translation>Tirada</translation>
    </message>
</context>
</TS>
