<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="ru">
<context>
    <name>corvane::MainWindow</name>
    <message>
        <source>Corvane</source>
        <translation>Corvane</translation>
    </message>
    <message>
        <source>Сколько ставим?</source>
        <translation>¿Qué apuestas?</translation>
    </message>
    <message>
        <source>Счет</source>
        <translation>Saldo</translation>
    </message>
    <message>
        <source>Что выпадет?</source>
        <translation>¿Qué saldrá?</translation>
    </message>
    <message>
        <source>Делайте Ваши ставки</source>
        <translation>Haz tu apuesta</translation>
    </message>
    <message>
        <source>Бросить монету</source>
        <translation>Lanzar moneda</translation>
    </message>
    <message>
        <source>1 монету</source>
        <translation>1 moneda</translation>
    </message>
    <message>
        <source>2 монеты</source>
        <translation>2 monedas</translation>
    </message>
    <message>
        <source>3 монеты</source>
        <translation>3 monedas</translation>
    </message>
    <message>
        <source>4 монеты</source>
        <translation>4 monedas</translation>
    </message>
    <message>
        <source>5 монет</source>
        <translation>5 monedas</translation>
    </message>
    <message>
        <source>6 монет</source>
        <translation>6 monedas</translation>
    </message>
    <message>
        <source>7 монет</source>
        <translation>7 monedas</translation>
    </message>
    <message>
        <source>8 монет</source>
        <translation>8 monedas</translation>
    </message>
    <message>
        <source>9 монет</source>
        <translation>9 monedas</translation>
    </message>
    <message>
        <source>10 монет</source>
        <translation>10 monedas</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: 15</source>
        <translation>Tus monedas: 15</translation>
    </message>
    <message>
        <source>Можно выиграть монет: </source>
        <translation>Monedas a ganar:</translation>
    </message>
    <message>
        <source>Можно выиграть: 0$</source>
        <translation>Puedes ganar: 0 $</translation>
    </message>
    <message>
        <source> Общая сумма: 15000 $</source>
        <translation>Total: 15000 $</translation>
    </message>
    <message>
        <source>Орёл</source>
        <translation>Cara</translation>
    </message>
    <message>
        <source>Решка</source>
        <translation>Cruz</translation>
    </message>
    <message>
        <source>Можно выиграть монет: %1</source>
        <translation>Monedas a ganar: %1</translation>
    </message>
    <message>
        <source>Можно выиграть: %1</source>
        <translation>Puedes ganar: %1 $</translation>
    </message>
    <message>
        <source>Сделайте ставку!</source>
        <translation>¡Haz tu apuesta!</translation>
    </message>
    <message>
        <source>Орел!</source>
        <translation>¡Cara!</translation>
    </message>
    <message>
        <source>Решка!</source>
        <translation>¡Cruz!</translation>
    </message>
    <message>
        <source>Ребро!</source>
        <translation>¡Canto!</translation>
    </message>
    <message>
        <source>Вы проиграли :( ! Сыграем еще?</source>
        <translation>Has perdido :( ¡Vamos a por otra!</translation>
    </message>
    <message>
        <source>Вы выиграли :) ! Сыграем еще?</source>
        <translation>Has ganado :) ¡Vamos a por otra!</translation>
    </message>
    <message>
        <source>На данный момент у Вас монет: %1</source>
        <translation>Tus monedas: %1</translation>
    </message>
    <message>
        <source>Общая сумма: %1$</source>
        <translation>Total: %1 $</translation>
    </message>
</context>
</TS>
