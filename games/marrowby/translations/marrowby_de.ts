<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>marrowby::MainWindow</name>
    <message>
        <source>Marrowby</source>
        <translation>Marrowby</translation>
    </message>
    <message>
        <source>Кость №1</source>
        <translation>Würfel 1</translation>
    </message>
    <message>
        <source>Кость №2</source>
        <translation>Würfel 2</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Summe</translation>
    </message>
    <message>
        <source>Игрок № 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Игрок № 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Regeln</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 2</source>
        <translation>Jetzt ist Spieler 2 am Zug</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 1</source>
        <translation>Jetzt ist Spieler 1 am Zug</translation>
    </message>
    <message>
        <source>Вы действительно хотите закончить игру?</source>
        <translation>Möchten Sie das Spiel wirklich beenden?</translation>
    </message>
    <message>
        <source>Выход из игры</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>Первый игрок выиграл со счётом %1 !</source>
        <translation>Der erste Spieler gewinnt mit %1 Punkten Vorsprung!</translation>
    </message>
    <message>
        <source>Второй игрок выиграл со счётом %1 !</source>
        <translation>Der zweite Spieler gewinnt mit %1 Punkten Vorsprung!</translation>
    </message>
    <message>
        <source>НИЧЬЯ!!!!!</source>
        <translation>UNENTSCHIEDEN!!!!!</translation>
    </message>
    <message>
        <source>игрока № 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>игрока № 2</source>
        <translation>Spieler 2</translation>
    </message>
</context>
<context>
    <name>marrowby::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Spielregeln</translation>
    </message>
    <message>
        <source>Игру начинает любой игрок. Игра осуществляется поочередно. Сделав ход, получив определенную сумму очков и счет, в игру вступает другой игрок и действует по аналогичной схеме. Если же в окошке «Кость №1» и «Кость №2» выпало 0, то счет не увеличивается, но игру можно продолжать до тех пор пока один из участников не дойдет до 1000000 и выше. Число ходов ограничено. Ходов всего 25.Позже можно повторить игру. Начав все сначала с нулевым запасом очков. Желаю удачи!!!</source>
        <translation>Jeder Spieler darf beginnen. Gespielt wird abwechselnd. Wer gewürfelt und seine Summe und seinen Stand erhalten hat, übergibt an den anderen Spieler, der es ebenso macht. Zeigen „Würfel 1“ und „Würfel 2“ eine 0, steigt der Stand nicht, doch das Spiel kann weitergehen, bis einer der Spieler 1.000.000 oder mehr erreicht. Die Zahl der Züge ist begrenzt: Es sind nur 25. Danach können Sie noch einmal spielen und ganz ohne Punkte von vorn beginnen. Viel Glück!!!</translation>
    </message>
</context>
<context>
    <name>marrowby::WarningWindow</name>
    <message>
        <source>Предупреждение!</source>
        <translation>Warnung!</translation>
    </message>
    <message>
        <source>Внимание! Остался последний 25-й ход!!!!</source>
        <translation>Achtung! Nur noch ein Zug: der 25. und letzte!!!!</translation>
    </message>
</context>
</TS>
