<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru">
<context>
    <name>brannock::MainWindow</name>
    <message>
        <source>Brannock</source>
        <translation>Brannock</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Player 1</translation>
    </message>
    <message>
        <source>Ознакомление</source>
        <translation>Introduction</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Регистрация</source>
        <translation>Register</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Player 2</translation>
    </message>
    <message>
        <source>         Я        компьютер</source>
        <translation>I&apos;m the computer</translation>
    </message>
    <message>
        <source>Введите ваше имя и фамилию:</source>
        <translation>Enter your full name:</translation>
    </message>
    <message>
        <source> Вас приветствует игра Brannock. Если вам не терпится выиграть миллион тогда вперёд не забудьте только зарегистрироваться. Вы готовы сыграть в Ordwyn?</source>
        <translation>Welcome to Brannock! If you can&apos;t wait to win a million, go ahead. Just don&apos;t forget to register. Are you ready to play Ordwyn?</translation>
    </message>
    <message>
        <source>Конец регистрации</source>
        <translation>End of Registration</translation>
    </message>
    <message>
        <source>Что забыл зарегистрироваться? Бывает</source>
        <translation>What, forgot to register? It happens.</translation>
    </message>
    <message>
        <source>Зарегистрируйся новичок</source>
        <translation>Register, Rookie</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Game Over</translation>
    </message>
    <message>
        <source>Поздравляю вы выиграли миллион!</source>
        <translation>Congratulations, you&apos;ve won a million!</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Throw %1</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Game over. Вы проиграли. Ха Ха Ха!!!!</source>
        <translation>Game over. You lost. Ha Ha Ha!!!!</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>кость 1</source>
        <translation>die 1</translation>
    </message>
    <message>
        <source>кость 2</source>
        <translation>die 2</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>money</translation>
    </message>
    <message>
        <source>Ход</source>
        <translation>Throw</translation>
    </message>
</context>
</TS>
