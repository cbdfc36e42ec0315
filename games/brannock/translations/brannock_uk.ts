<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>brannock::MainWindow</name>
    <message>
        <source>Brannock</source>
        <translation>Brannock</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Гравець 1</translation>
    </message>
    <message>
        <source>Ознакомление</source>
        <translation>Знайомство</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>Регистрация</source>
        <translation>Реєстрація</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Гравець 2</translation>
    </message>
    <message>
        <source>         Я        компьютер</source>
        <translation>Я комп’ютер</translation>
    </message>
    <message>
        <source>Введите ваше имя и фамилию:</source>
        <translation>Введіть ваше ім’я та прізвище:</translation>
    </message>
    <message>
        <source> Вас приветствует игра Brannock. Если вам не терпится выиграть миллион тогда вперёд не забудьте только зарегистрироваться. Вы готовы сыграть в Ordwyn?</source>
        <translation>Вас вітає гра Brannock. Якщо вам не терпиться виграти мільйон, тоді вперед, тільки не забудьте зареєструватися. Ви готові зіграти в Ordwyn?</translation>
    </message>
    <message>
        <source>Конец регистрации</source>
        <translation>Кінець реєстрації</translation>
    </message>
    <message>
        <source>Что забыл зарегистрироваться? Бывает</source>
        <translation>Що, забув зареєструватися? Буває.</translation>
    </message>
    <message>
        <source>Зарегистрируйся новичок</source>
        <translation>Зареєструйся, новачку</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Кінець гри</translation>
    </message>
    <message>
        <source>Поздравляю вы выиграли миллион!</source>
        <translation>Вітаю, ви виграли мільйон!</translation>
    </message>
    <message>
        <source>Ход № %1</source>
        <translation>Хід № %1</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>Гру закінчено</translation>
    </message>
    <message>
        <source>Game over. Вы проиграли. Ха Ха Ха!!!!</source>
        <translation>Гру закінчено. Ви програли. Ха-ха-ха!!!!</translation>
    </message>
    <message>
        <source>Игрок</source>
        <translation>Гравець</translation>
    </message>
    <message>
        <source>кость 1</source>
        <translation>кість 1</translation>
    </message>
    <message>
        <source>кость 2</source>
        <translation>кість 2</translation>
    </message>
    <message>
        <source>деньги</source>
        <translation>гроші</translation>
    </message>
    <message>
        <source>Ход</source>
        <translation>Хід</translation>
    </message>
</context>
</TS>
