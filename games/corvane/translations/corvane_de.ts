<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="ru">
<context>
    <name>corvane::MainWindow</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Сколько ставим?</source>
        <translation>Ihr Einsatz?</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Stand</translation>
    </message>
    <message>
        <source>Что выпадет?</source>
        <translation>Ihr Tipp?</translation>
    </message>
    <message>
        <source>Делайте Ваши ставки</source>
        <translation>Machen Sie Ihr Spiel</translation>
    </message>
    <message>
        <source>Бросить монету</source>
        <translation>Münze werfen</translation>
    </message>
    <message>
        <source>1 монету</source>
        <translation>1 Münze</translation>
    </message>
    <message>
        <source>2 монеты</source>
        <translation>2 Münzen</translation>
    </message>
    <message>
        <source>3 монеты</source>
        <translation>3 Münzen</translation>
    </message>
    <message>
        <source>4 монеты</source>
        <translation>4 Münzen</translation>
    </message>
    <message>
        <source>5 монет</source>
        <translation>5 Münzen</translation>
    </message>
    <message>
        <source>6 монет</source>
        <translation>6 Münzen</translation>
    </message>
    <message>
        <source>7 монет</source>
        <translation>7 Münzen</translation>
    </message>
    <message>
        <source>8 монет</source>
        <translation>8 Münzen</translation>
    </message>
    <message>
        <source>9 монет</source>
        <translation>9 Münzen</translation>
    </message>
    <message>
        <source>10 монет</source>
        <translation>10 Münzen</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: 15</source>
        <translation>Ihre Münzen: 15</translation>
    </message>
    <message>
        <source>Можно выиграть монет: </source>
        <translation>Münzen zu gewinnen:</translation>
    </message>
    <message>
        <source>Можно выиграть: 0$</source>
        <translation>Zu gewinnen: 0 $</translation>
    </message>
    <message>
        <source> Общая сумма: 15000 $</source>
        <translation>Gesamtsumme: 15000 $</translation>
    </message>
    <message>
        <source>Орёл</source>
        <translation>Kopf</translation>
    </message>
    <message>
        <source>Решка</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Можно выиграть монет: %1</source>
        <translation>Münzen zu gewinnen: %1</translation>
    </message>
    <message>
        <source>Можно выиграть: %1</source>
        <translation>Zu gewinnen: %1 $</translation>
    </message>
    <message>
        <source>Сделайте ставку!</source>
        <translation>Bitte machen Sie Ihren Einsatz!</translation>
    </message>
    <message>
        <source>Орел!</source>
        <translation>Kopf!</translation>
    </message>
    <message>
        <source>Решка!</source>
        <translation>Zahl!</translation>
    </message>
    <message>
        <source>Ребро!</source>
        <translation>Kante!</translation>
    </message>
    <message>
        <source>Вы проиграли :( ! Сыграем еще?</source>
        <translation>Sie haben verloren :( Noch eine Runde!</translation>
    </message>
    <message>
        <source>Вы выиграли :) ! Сыграем еще?</source>
        <translation>Sie haben gewonnen :) Noch eine Runde!</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: %1</source>
        <translation>Ihre Münzen: %1</translation>
    </message>
    <message>
        <source>Общая сумма: %1$</source>
        <translation>Gesamtsumme: %1 $</translation>
    </message>
</context>
</TS>
