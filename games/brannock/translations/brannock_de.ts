<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>brannock::MainWindow</name>
    <message>
        <source>Brannock</source>
        <translation>Brannock</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Spieler1</translation>
    </message>
    <message>
        <source>Ознакомление</source>
        <translation>Einführung</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Регистрация</source>
        <translation>Anmeldung</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Spieler2</translation>
    </message>
    <message>
        <source>         Я        компьютер</source>
        <translation>Ich, der Computer</translation>
    </message>
    <message>
        <source>Введите ваше имя и фамилию:</source>
        <translation>Gib deinen Vor- und Nachnamen ein:</translation>
    </message>
    <message>
        <source> Вас приветствует игра Brannock. Если вам не терпится выиграть миллион тогда вперёд не забудьте только зарегистрироваться. Вы готовы сыграть в Ordwyn?</source>
        <translation>Willkommen bei Brannock! Wenn du es nicht erwarten kannst, eine Million zu gewinnen, dann los – vergiss nur nicht, dich anzumelden. Bist du bereit, Ordwyn zu spielen?</translation>
    </message>
    <message>
        <source>Конец регистрации</source>
        <translation>Ende der Anmeldung</translation>
    </message>
    <message>
        <source>Что забыл зарегистрироваться? Бывает</source>
        <translation>Was, vergessen, dich anzumelden? Kommt vor.</translation>
    </message>
    <message>
        <source>Зарегистрируйся новичок</source>
        <translation>Melde dich an, Anfänger</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Поздравляю вы выиграли миллион!</source>
        <translation>Glückwunsch, du hast eine Million gewonnen!</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Wurf %1</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>Game over. Вы проиграли. Ха Ха Ха!!!!</source>
        <translation>Game over. Du hast verloren. Ha Ha Ha!!!!</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>кость 1</source>
        <translation>Würfel 1</translation>
    </message>
    <message>
        <source>кость 2</source>
        <translation>Würfel 2</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>Geld</translation>
    </message>
    <message>
        <source>Ход</source>
        <translation>Wurf</translation>
    </message>
</context>
</TS>
