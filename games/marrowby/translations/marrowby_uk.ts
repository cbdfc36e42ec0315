<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="ru">
<context>
    <name>marrowby::MainWindow</name>
    <message>
        <source>Marrowby</source>
        <translation>Marrowby</translation>
    </message>
    <message>
        <source>Кость №1</source>
        <translation>Кість №1</translation>
    </message>
    <message>
        <source>Кость №2</source>
        <translation>Кість №2</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Сума</translation>
    </message>
    <message>
        <source>Игрок № 1</source>
        <translation>Гравець 1</translation>
    </message>
    <message>
        <source>Игрок № 2</source>
        <translation>Гравець 2</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Очки</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Правила гри</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Нова гра</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Вихід</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 2</source>
        <translation>Зараз хід гравця 2</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 1</source>
        <translation>Зараз хід гравця 1</translation>
    </message>
    <message>
        <source>Вы действительно хотите закончить игру?</source>
        <translation>Ви справді хочете завершити гру?</translation>
    </message>
    <message>
        <source>Выход из игры</source>
        <translation>Вихід із гри</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Кінець гри</translation>
    </message>
    <message>
        <source>Первый игрок выиграл со счётом %1 !</source>
        <translation>Перший гравець переміг із перевагою %1!</translation>
    </message>
    <message>
        <source>Второй игрок выиграл со счётом %1 !</source>
        <translation>Другий гравець переміг із перевагою %1!</translation>
    </message>
    <message>
        <source>НИЧЬЯ!!!!!</source>
        <translation>НІЧИЯ!!!!!</translation>
    </message>
    <message>
        <source>игрока № 1</source>
        <translation>гравця 1</translation>
    </message>
    <message>
        <source>игрока № 2</source>
        <translation>гравця 2</translation>
    </message>
</context>
<context>
    <name>marrowby::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Правила гри</translation>
    </message>
    <message>
        <source>Игру начинает любой игрок. Игра осуществляется поочередно. Сделав ход, получив определенную сумму очков и счет, в игру вступает другой игрок и действует по аналогичной схеме. Если же в окошке «Кость №1» и «Кость №2» выпало 0, то счет не увеличивается, но игру можно продолжать до тех пор пока один из участников не дойдет до 1000000 и выше. Число ходов ограничено. Ходов всего 25.Позже можно повторить игру. Начав все сначала с нулевым запасом очков. Желаю удачи!!!</source>
        <translation>Гру може почати будь-який гравець. Гравці ходять по черзі. Коли ви зробили хід і отримали суму та очки, у гру вступає інший гравець і робить те саме. Якщо у віконцях «Кість №1» і «Кість №2» випав 0, кількість очок не зростає, але гру можна продовжувати, доки хтось із гравців не набере 1000000 і більше. Число ходів обмежене: їх лише 25. Потім можна зіграти знову, почавши все спочатку без жодного очка. Хай щастить!!!</translation>
    </message>
</context>
<context>
    <name>marrowby::WarningWindow</name>
    <message>
        <source>Предупреждение!</source>
        <translation>Попередження!</translation>
    </message>
    <message>
        <source>Внимание! Остался последний 25-й ход!!!!</source>
        <translation>Увага! Лишився один хід: 25-й і останній!!!!</translation>
    </message>
</context>
</TS>
