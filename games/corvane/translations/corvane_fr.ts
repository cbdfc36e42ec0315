<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="ru">
<context>
    <name>corvane::MainWindow</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Сколько ставим?</source>
        <translation>Combien miser ?</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Что выпадет?</source>
        <translation>Pile ou face ?</translation>
    </message>
    <message>
        <source>Делайте Ваши ставки</source>
        <translation>Faites vos jeux</translation>
    </message>
    <message>
        <source>Бросить монету</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>1 монету</source>
        <translation>1 pièce</translation>
    </message>
    <message>
        <source>2 монеты</source>
        <translation>2 pièces</translation>
    </message>
    <message>
        <source>3 монеты</source>
        <translation>3 pièces</translation>
    </message>
    <message>
        <source>4 монеты</source>
        <translation>4 pièces</translation>
    </message>
    <message>
        <source>5 монет</source>
        <translation>5 pièces</translation>
    </message>
    <message>
        <source>6 монет</source>
        <translation>6 pièces</translation>
    </message>
    <message>
        <source>7 монет</source>
        <translation>7 pièces</translation>
    </message>
    <message>
        <source>8 монет</source>
        <translation>8 pièces</translation>
    </message>
    <message>
        <source>9 монет</source>
        <translation>9 pièces</translation>
    </message>
    <message>
        <source>10 монет</source>
        <translation>10 pièces</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: 15</source>
        <translation>Vos pièces : 15</translation>
    </message>
    <message>
        <source>Можно выиграть монет: </source>
        <translation>Pièces à gagner :</translation>
    </message>
    <message>
        <source>Можно выиграть: 0$</source>
        <translation>À gagner : 0 $</translation>
    </message>
    <message>
        <source> Общая сумма: 15000 $</source>
        <translation>Total : 15000 $</translation>
    </message>
    <message>
        <source>Орёл</source>
        <translation>Face</translation>
    </message>
    <message>
        <source>Решка</source>
        <translation>Pile</translation>
    </message>
    <message>
        <source>Можно выиграть монет: %1</source>
        <translation>Pièces à gagner : %1</translation>
    </message>
    <message>
        <source>Можно выиграть: %1</source>
        <translation>À gagner : %1 $</translation>
    </message>
    <message>
        <source>Сделайте ставку!</source>
        <translation>Faites votre mise !</translation>
    </message>
    <message>
        <source>Орел!</source>
        <translation>Face !</translation>
    </message>
    <message>
        <source>Решка!</source>
        <translation>Pile !</translation>
    </message>
    <message>
        <source>Ребро!</source>
        <translation>Tranche !</translation>
    </message>
    <message>
        <source>Вы проиграли :( ! Сыграем еще?</source>
        <translation>Vous avez perdu :( Allez, on rejoue !</translation>
    </message>
    <message>
        <source>Вы выиграли :) ! Сыграем еще?</source>
        <translation>Vous avez gagné :) Allez, on rejoue !</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: %1</source>
        <translation>Vos pièces : %1</translation>
    </message>
    <message>
        <source>Общая сумма: %1$</source>
        <translation>Total : %1 $</translation>
    </message>
</context>
</TS>
