<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
<context>
    <name>marrowby::MainWindow</name>
    <message>
        <source>Marrowby</source>
        <translation>Marrowby</translation>
    </message>
    <message>
        <source>Кость №1</source>
        <translation>Dé 1</translation>
    </message>
    <message>
        <source>Кость №2</source>
        <translation>Dé 2</translation>
    </message>
    <message>
        <source>Сумма</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Игрок № 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Игрок № 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Правила игры</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Новая игра</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Выход</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 2</source>
        <translation>C’est au tour du joueur 2</translation>
    </message>
    <message>
        <source>Сейчас ход Игрока № 1</source>
        <translation>C’est au tour du joueur 1</translation>
    </message>
    <message>
        <source>Вы действительно хотите закончить игру?</source>
        <translation>Voulez-vous vraiment terminer la partie ?</translation>
    </message>
    <message>
        <source>Выход из игры</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>Конец игры</source>
        <translation>Fin de la partie</translation>
    </message>
    <message>
        <source>Первый игрок выиграл со счётом %1 !</source>
        <translation>Le premier joueur l’emporte de %1 points !</translation>
    </message>
    <message>
        <source>Второй игрок выиграл со счётом %1 !</source>
        <translation>Le deuxième joueur l’emporte de %1 points !</translation>
    </message>
    <message>
        <source>НИЧЬЯ!!!!!</source>
        <translation>MATCH NUL !!!!!</translation>
    </message>
    <message>
        <source>игрока № 1</source>
        <translation>joueur 1</translation>
    </message>
    <message>
        <source>игрока № 2</source>
        <translation>joueur 2</translation>
    </message>
</context>
<context>
    <name>marrowby::RulesWindow</name>
    <message>
        <source>Правила игры</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Игру начинает любой игрок. Игра осуществляется поочередно. Сделав ход, получив определенную сумму очков и счет, в игру вступает другой игрок и действует по аналогичной схеме. Если же в окошке «Кость №1» и «Кость №2» выпало 0, то счет не увеличивается, но игру можно продолжать до тех пор пока один из участников не дойдет до 1000000 и выше. Число ходов ограничено. Ходов всего 25.Позже можно повторить игру. Начав все сначала с нулевым запасом очков. Желаю удачи!!!</source>
        <translation>N’importe quel joueur peut commencer. Les joueurs jouent à tour de rôle. Quand vous avez joué votre coup et obtenu vos points et votre score, l’autre joueur prend la main et fait de même. Si les cases « Dé 1 » et « Dé 2 » affichent 0, le score n’augmente pas, mais la partie peut continuer jusqu’à ce que l’un des joueurs atteigne un million ou plus. Le nombre de coups est limité, 25 en tout. Ensuite, vous pouvez rejouer en repartant de zéro, sans aucun point. Bonne chance !!!</translation>
    </message>
</context>
<context>
    <name>marrowby::WarningWindow</name>
    <message>
        <source>Предупреждение!</source>
        <translation>Avertissement !</translation>
    </message>
    <message>
        <source>Внимание! Остался последний 25-й ход!!!!</source>
        <translation>Attention ! Plus qu’un coup : le 25e et dernier !!!!</translation>
    </message>
</context>
</TS>
